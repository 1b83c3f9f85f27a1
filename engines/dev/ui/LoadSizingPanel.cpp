#include "dev/ui/LoadSizingPanel.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>

namespace vantor::devengine {

QString SuggestionListHtml(const QStringList& lines)
{
    QString html = QStringLiteral("<ol style=\"margin-left:0px; -qt-list-indent:1;\">");
    for (const QString& line : lines)
        html += QStringLiteral("<li style=\"margin-bottom:3px;\">%1</li>").arg(line);
    return html + QStringLiteral("</ol>");
}

LoadSizingPanel::LoadSizingPanel(const SizingContext& context, bool withReserve, QWidget* parent)
    : SizingPanel(context, parent)
{
    setObjectName(withReserve ? QStringLiteral("AdvancedSizing") : QStringLiteral("BaseSizing"));
    load_ = AddNumber(QStringLiteral("Load"), 0, 10'000'000, 800, 0, QString(), 50);
    load_->setObjectName(QStringLiteral("LoadInput"));
    unit_ = AddChoice(QStringLiteral("Load given in"), {QStringLiteral("W"), QStringLiteral("VA")}, 0,
                      QStringLiteral("UnitInput"));
    powerFactor_ = AddNumber(QStringLiteral("Power factor"), 0.5, 1.0, 0.9, 2, QString(), 0.05);
    powerFactor_->setObjectName(QStringLiteral("PowerFactorInput"));
    if (withReserve) {
        growth_ = AddNumber(QStringLiteral("Room for growth"), 0, 200, 20, 0, QStringLiteral(" %"), 5);
        growth_->setObjectName(QStringLiteral("GrowthInput"));
        maxLoading_ = AddNumber(QStringLiteral("Loading limit"), 30, 100, 80, 0, QStringLiteral(" %"), 5);
        maxLoading_->setObjectName(QStringLiteral("LoadingLimitInput"));
    }
}

QList<int> LoadSizingPanel::Compute(QString& resultHtml) const
{
    const LoadUnit unit = unit_->checkedId() == 0 ? LoadUnit::Watts : LoadUnit::VoltAmperes;
    Requirement requirement = RequirementForLoad(load_->value(), unit, powerFactor_->value());
    if (growth_ != nullptr)
        requirement = WithReserve(requirement, growth_->value(), maxLoading_->value());
    if (requirement.Watts <= 0) {
        resultHtml = QStringLiteral("Enter the load to see the products that carry it.");
        return {};
    }
    const QList<int> fitting = SmallestFitting(Context().Items, requirement, Context().Limit, Context().Order);
    resultHtml = QStringLiteral("Needs at least <b>%1 / %2</b>.")
                     .arg(Power(requirement.VoltAmperes, "VA"), Power(requirement.Watts, "W"));
    if (fitting.isEmpty()) {
        resultHtml += QStringLiteral("<br><br>No single product in this pricelist is large enough; the modular "
                                     "selector combines units in parallel.");
        return {};
    }
    QStringList lines;
    for (int index : fitting)
        lines.append(DescribeItem(index));
    resultHtml += QStringLiteral("<br>%1:").arg(Context().Order == SuggestionOrder::ByPrice
                                                    ? QStringLiteral("The cheapest that fit")
                                                    : QStringLiteral("The smallest that fit"));
    resultHtml += SuggestionListHtml(lines);
    return fitting;
}

} // namespace vantor::devengine
