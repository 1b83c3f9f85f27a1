#include "dev/ui/ParallelSizingPanel.h"

#include "dev/ui/LoadSizingPanel.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>

namespace vantor::devengine {

ParallelSizingPanel::ParallelSizingPanel(const SizingContext& context, QWidget* parent) : SizingPanel(context, parent)
{
    setObjectName(QStringLiteral("ModularSizing"));
    load_ = AddNumber(QStringLiteral("Load"), 0, 10'000'000, 15000, 0, QString(), 500);
    load_->setObjectName(QStringLiteral("LoadInput"));
    unit_ = AddChoice(QStringLiteral("Load given in"), {QStringLiteral("W"), QStringLiteral("VA")}, 0,
                      QStringLiteral("UnitInput"));
    powerFactor_ = AddNumber(QStringLiteral("Power factor"), 0.5, 1.0, 0.9, 2, QString(), 0.05);
    powerFactor_->setObjectName(QStringLiteral("PowerFactorInput"));
    redundancy_ =
        AddChoice(QStringLiteral("Redundancy"), {QStringLiteral("N"), QStringLiteral("N+1"), QStringLiteral("N+2")}, 1,
                  QStringLiteral("RedundancyInput"));
    maxUnits_ = AddNumber(QStringLiteral("Units at most"), 2, 8, 4, 0, QString(), 1);
    maxUnits_->setObjectName(QStringLiteral("MaxUnitsInput"));
}

QList<int> ParallelSizingPanel::Compute(QString& resultHtml) const
{
    const LoadUnit unit = unit_->checkedId() == 0 ? LoadUnit::Watts : LoadUnit::VoltAmperes;
    const Requirement requirement = RequirementForLoad(load_->value(), unit, powerFactor_->value());
    if (requirement.Watts <= 0) {
        resultHtml = QStringLiteral("Enter the load to see parallel systems that carry it.");
        return {};
    }
    const int redundant = redundancy_->checkedId();
    const QList<ParallelChoice> choices =
        ParallelChoices(Context().Items, requirement, redundant, static_cast<int>(maxUnits_->value()), Context().Limit,
                        Context().Order);
    resultHtml = QStringLiteral("Load <b>%1 / %2</b>, shared equally by identical units.")
                     .arg(Power(requirement.VoltAmperes, "VA"), Power(requirement.Watts, "W"));
    if (choices.isEmpty()) {
        resultHtml += QStringLiteral("<br><br>No product reaches the load with this many units.");
        return {};
    }
    QStringList lines;
    QList<int> items;
    for (const ParallelChoice& choice : choices) {
        const PriceItem& item = Context().Items[choice.Item];
        QString line = QStringLiteral("%1 × %2").arg(choice.TotalUnits()).arg(DescribeItem(choice.Item, false));
        QString detail = choice.RedundantUnits > 0
                             ? QStringLiteral("%1 + %2 redundant").arg(choice.UnitsForLoad).arg(choice.RedundantUnits)
                             : QStringLiteral("%1 for the load").arg(choice.UnitsForLoad);
        detail += QStringLiteral(" · %1").arg(Power(choice.TotalUnits() * item.PowerRating->VoltAmperes, "VA"));
        if (Context().ShowPrices)
            detail += QStringLiteral(" · total %1").arg(Money(choice.TotalUnits() * item.Price));
        lines.append(line + QStringLiteral("<br><span style=\"color:#6B7785;\">%1</span>").arg(detail));
        items.append(choice.Item);
    }
    resultHtml += SuggestionListHtml(lines);
    resultHtml += QStringLiteral("<span style=\"color:#6B7785;\">Assumes units that can run in parallel.</span>");
    return items;
}

} // namespace vantor::devengine
