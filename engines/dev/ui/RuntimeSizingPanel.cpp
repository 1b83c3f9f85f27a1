#include "dev/ui/RuntimeSizingPanel.h"

#include "dev/ui/LoadSizingPanel.h"

#include <QDoubleSpinBox>

namespace vantor::devengine {

RuntimeSizingPanel::RuntimeSizingPanel(const SizingContext& context, QWidget* parent) : SizingPanel(context, parent)
{
    setObjectName(QStringLiteral("RuntimeSizing"));
    load_ = AddNumber(QStringLiteral("Load"), 0, 10'000'000, 2000, 0, QStringLiteral(" W"), 100);
    load_->setObjectName(QStringLiteral("LoadInput"));
    minutes_ = AddNumber(QStringLiteral("Runtime wanted"), 0, 1440, 10, 0, QStringLiteral(" min"), 5);
    minutes_->setObjectName(QStringLiteral("MinutesInput"));
    batteryVolts_ = AddNumber(QStringLiteral("Battery voltage"), 12, 1000, 240, 0, QStringLiteral(" V"), 12);
    batteryVolts_->setObjectName(QStringLiteral("BatteryVoltsInput"));
    efficiency_ = AddNumber(QStringLiteral("Inverter efficiency"), 50, 100, 92, 0, QStringLiteral(" %"), 1);
    efficiency_->setObjectName(QStringLiteral("EfficiencyInput"));
}

QList<int> RuntimeSizingPanel::Compute(QString& resultHtml) const
{
    const double watts = load_->value();
    const BatteryEstimate estimate =
        EstimateBattery(watts, minutes_->value(), batteryVolts_->value(), efficiency_->value());
    if (estimate.EnergyWattHours <= 0) {
        resultHtml = QStringLiteral("Enter the load and the runtime to see the battery energy they need.");
        return {};
    }
    const QLocale& locale = Context().Locale;
    resultHtml = QStringLiteral("Battery energy: <b>%1 Wh</b><br>about <b>%2 Ah</b> at %3 V DC")
                     .arg(locale.toString(qRound64(estimate.EnergyWattHours)))
                     .arg(locale.toString(estimate.AmpHours, 'f', 1))
                     .arg(locale.toString(qRound64(batteryVolts_->value())));
    resultHtml += QStringLiteral("<br><span style=\"color:#6B7785;\">Constant load; ageing, temperature and "
                                 "end-of-discharge voltage are not included.</span>");
    // Only the active power matters for the inverter here.
    const QList<int> fitting =
        SmallestFitting(Context().Items, Requirement{0, watts}, Context().Limit, Context().Order);
    if (fitting.isEmpty()) {
        resultHtml += QStringLiteral("<br><br>No single product carries this load.");
        return {};
    }
    QStringList lines;
    for (int index : fitting)
        lines.append(DescribeItem(index));
    resultHtml += QStringLiteral("<br><br>Products that carry the load:") + SuggestionListHtml(lines);
    return fitting;
}

} // namespace vantor::devengine
