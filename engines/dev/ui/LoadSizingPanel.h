// Base and advanced sizing: one product for a load given in W or VA with its
// power factor; the advanced helper adds room for growth and a loading limit.
#pragma once

#include "dev/ui/SizingPanel.h"

namespace vantor::devengine {

class LoadSizingPanel final : public SizingPanel {
    Q_OBJECT
public:
    LoadSizingPanel(const SizingContext& context, bool withReserve, QWidget* parent);

protected:
    QList<int> Compute(QString& resultHtml) const override;

private:
    QDoubleSpinBox* load_;
    QButtonGroup* unit_;
    QDoubleSpinBox* powerFactor_;
    QDoubleSpinBox* growth_ = nullptr;
    QDoubleSpinBox* maxLoading_ = nullptr;
};

// The requirement line and the list of suggestions, shared by the helpers.
QString SuggestionListHtml(const QStringList& lines);

} // namespace vantor::devengine
