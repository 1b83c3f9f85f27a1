#include "dev/core/SolutionFacts.h"

namespace vantor::devengine {

namespace {

QString EndVoltageText(double AVolts, bool AChosen, const EngineTexts& ATexts)
{
    return ATexts(AChosen ? TextId::EndVoltageChosen : TextId::EndVoltageOwn).arg(ATexts.Number(AVolts, 2));
}

QString WithCase(TextId ALabel, const QString& ASuffix, const EngineTexts& ATexts)
{
    return ASuffix.isEmpty() ? ATexts(ALabel) : ATexts(ALabel) + QStringLiteral(", ") + ASuffix;
}

} // namespace

QString RuntimeText(const Runtime& ARuntime, const EngineTexts& ATexts)
{
    if (ARuntime.Minutes)
        return ATexts(TextId::MinutesValue).arg(ATexts.Number(*ARuntime.Minutes, 1));
    if (ARuntime.TableEdgeMinutes > 0)
        return ATexts(ARuntime.LongerThanTable ? TextId::LongerThanTable : TextId::ShorterThanTable)
            .arg(ATexts.Number(ARuntime.TableEdgeMinutes));
    return ATexts(TextId::BeyondTables);
}

QString BasisSummaryText(const SizingRequest& ARequest, const EngineTexts& ATexts)
{
    const BatteryConditions& battery = ARequest.Battery;
    const QString endVoltage = battery.EndVoltage > 0
                                   ? ATexts(TextId::VoltsPerCell).arg(ATexts.Number(battery.EndVoltage, 2))
                                   : ATexts(TextId::EndVoltageByLoad);
    QString text = ATexts(TextId::BasisSummary)
                       .arg(ATexts.Number(battery.Ageing * 100), ATexts.Number(battery.TemperatureC), endVoltage);
    // The list has room for one more runtime: new batteries, or with
    // redundancy every unit running.
    if (ARequest.Redundancy > 0)
        text += QStringLiteral(", ") + ATexts(TextId::BasisOut).arg(ARequest.Redundancy) + QStringLiteral("; ") +
                ATexts(TextId::BasisAllRunning);
    else
        text += QStringLiteral("; ") + ATexts(TextId::BasisNew);
    return text;
}

SolutionFacts FactsFor(const Solution& ASolution, const SizingRequest& ARequest, const ProductData& AData,
                       const EngineTexts& ATexts)
{
    SolutionFacts facts;
    const BatteryConditions& battery = ARequest.Battery;
    const bool chosen = battery.EndVoltage > 0;
    const bool redundant = ASolution.MinutesOut.has_value();
    const QString out = redundant ? ATexts(TextId::OutSuffix).arg(ASolution.Redundant) : QString();

    facts.Title =
        ASolution.Units > 1 ? ATexts(TextId::CabinetsOf).arg(ASolution.Units).arg(ASolution.Ups) : ASolution.Ups;
    if (ASolution.Modules)
        facts.Title +=
            QStringLiteral(" \u00B7 ") + ATexts(TextId::FrameModules).arg(*ASolution.Modules).arg(ASolution.Redundant);
    facts.Title += QStringLiteral(" \u00B7 ") +
                   (ASolution.Cabinets > 0 ? ATexts(TextId::CabinetsOf).arg(ASolution.Cabinets).arg(ASolution.Cabinet)
                                           : ATexts(TextId::InternalBattery));

    QList<LabelledValue>& basis = facts.Basis;
    basis.append(
        {ATexts(TextId::Load),
         QStringLiteral("%1 W / %2 VA").arg(ATexts.Number(ARequest.Watts), ATexts.Number(ARequest.VoltAmperes))});
    if (ARequest.VoltAmperes > 0)
        basis.append({ATexts(TextId::PowerFactor), ATexts.Number(ARequest.Watts / ARequest.VoltAmperes, 2)});
    if (ARequest.AutonomyMinutes > 0)
        basis.append({ATexts(TextId::RequiredAutonomy),
                      ATexts(TextId::MinutesValue).arg(ATexts.Number(ARequest.AutonomyMinutes))});
    QString endVoltage = EndVoltageText(ASolution.EndVoltage, chosen, ATexts);
    if (redundant && !chosen && std::abs(ASolution.EndVoltageOut - ASolution.EndVoltage) >= 0.005)
        endVoltage += QStringLiteral("; %1: %2")
                          .arg(out, ATexts(TextId::VoltsPerCell).arg(ATexts.Number(ASolution.EndVoltageOut, 2)));
    basis.append({ATexts(TextId::EndVoltage), endVoltage});
    const UpsModel* model = AData.Model(ASolution.Ups);
    const BatteryBlock* block = model ? AData.Block(model->BlockType) : nullptr;
    const double cold = CapacityFactor({0, battery.TemperatureC, 1.0}, block ? block->ColdDerating : 0.01);
    basis.append({ATexts(TextId::Temperature), ATexts(TextId::TemperatureValue)
                                                   .arg(ATexts.Number(battery.TemperatureC), ATexts.Number(cold * 100),
                                                        ChemistryName(ASolution.Chemistry))});
    basis.append({ATexts(TextId::Ageing), ATexts.Number(battery.Ageing * 100) + QStringLiteral(" %")});
    basis.append({ATexts(TextId::Redundancy), redundant ? ATexts(TextId::RedundancyOutValue).arg(ASolution.Redundant)
                                                        : ATexts(TextId::RedundancyNoneValue)});

    const QString all = redundant ? ATexts(TextId::AllRunningSuffix) : QString();
    facts.Runtimes.append({WithCase(TextId::RuntimeNew, all, ATexts), RuntimeText(ASolution.MinutesNew, ATexts)});
    facts.Runtimes.append({WithCase(TextId::RuntimeEndOfLife, all, ATexts), RuntimeText(ASolution.Minutes, ATexts)});
    if (redundant) {
        facts.Runtimes.append(
            {WithCase(TextId::RuntimeNew, out, ATexts), RuntimeText(*ASolution.MinutesNewOut, ATexts)});
        facts.Runtimes.append(
            {WithCase(TextId::RuntimeEndOfLife, out, ATexts), RuntimeText(*ASolution.MinutesOut, ATexts)});
    }

    if (model == nullptr)
        return facts;
    const InstallationData data = InstallationFor(ASolution, *model, AData, ARequest.Watts, ARequest.VoltAmperes);
    QList<LabelledValue>& installation = facts.Installation;
    installation.append(
        {ATexts(TextId::HeatDissipation),
         QStringLiteral("%1 W (%2 BTU/h)").arg(ATexts.Number(data.HeatWatts), ATexts.Number(data.HeatBtuPerHour))});
    installation.append({ATexts(TextId::TotalWeight), ATexts.Number(data.WeightKg) + QStringLiteral(" kg")});
    installation.append(
        {ATexts(TextId::FloorArea), ATexts.Number(data.FloorAreaM2, 2) + QString::fromUtf8(" m\u00B2")});
    installation.append({ATexts(TextId::OutputCurrent), ATexts.Number(data.OutputCurrentA, 1) + QStringLiteral(" A")});
    const QString current = ATexts.Number(data.InputCurrentA, 1);
    installation.append({ATexts(TextId::InputCurrent),
                         data.Feeds > 1 ? ATexts(TextId::InputCurrentFeeds).arg(current, ATexts.Number(data.Feeds))
                                        : ATexts(TextId::InputCurrentValue).arg(current)});
    QString breaker = ATexts(TextId::BreakerAbove).arg(ATexts.Number(LargestBreaker));
    if (data.BreakerA)
        breaker = data.Feeds > 1 ? ATexts(TextId::BreakerEach).arg(ATexts.Number(*data.BreakerA))
                                 : ATexts.Number(*data.BreakerA) + QStringLiteral(" A");
    installation.append({ATexts(TextId::InputBreaker), breaker});
    installation.append({ATexts(TextId::RechargeTime),
                         data.RechargeHours ? ATexts(TextId::HoursValue).arg(ATexts.Number(*data.RechargeHours, 1))
                                            : ATexts(TextId::NoneSet)});
    return facts;
}

} // namespace vantor::devengine
