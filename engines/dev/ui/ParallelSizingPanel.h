// Modular sizing: parallel systems of identical units that share the load,
// with redundant units on top (N+1, N+2).
#pragma once

#include "dev/ui/SizingPanel.h"

namespace vantor::devengine {

class ParallelSizingPanel final : public SizingPanel {
    Q_OBJECT
public:
    ParallelSizingPanel(const SizingContext& context, QWidget* parent);

protected:
    QList<int> Compute(QString& resultHtml) const override;

private:
    QDoubleSpinBox* load_;
    QButtonGroup* unit_;
    QDoubleSpinBox* powerFactor_;
    QButtonGroup* redundancy_;
    QDoubleSpinBox* maxUnits_;
};

} // namespace vantor::devengine
