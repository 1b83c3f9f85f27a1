// Runtime: the battery energy a load needs for the wanted time, and the
// products that carry the load.
#pragma once

#include "dev/ui/SizingPanel.h"

namespace vantor::devengine {

class RuntimeSizingPanel final : public SizingPanel {
    Q_OBJECT
public:
    RuntimeSizingPanel(const SizingContext& context, QWidget* parent);

protected:
    QList<int> Compute(QString& resultHtml) const override;

private:
    QDoubleSpinBox* load_;
    QDoubleSpinBox* minutes_;
    QDoubleSpinBox* batteryVolts_;
    QDoubleSpinBox* efficiency_;
};

} // namespace vantor::devengine
