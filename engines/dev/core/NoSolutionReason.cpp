#include "dev/core/NoSolutionReason.h"

#include <algorithm>

namespace vantor::devengine {

NoSolutionReason WhyNoSolution(const ProductData& AData, const SizingRequest& ARequest)
{
    NoSolutionReason reason;
    double longest = 0;
    bool carried = false;
    for (const UpsModel& model : AData.Models) {
        if (!CarriesLoad(model, ARequest))
            continue;
        carried = true;
        ProductData one;
        if (const BatteryBlock* block = AData.Block(model.BlockType))
            one.Blocks = {*block};
        longest = std::max(longest, one.LongestMinutes(ARequest.Battery.EndVoltage));
    }
    if (!carried) {
        reason.Kind = NoSolution::NoModelCarriesLoad;
        return reason;
    }
    if (ARequest.AutonomyMinutes > longest) {
        reason.Kind = NoSolution::AutonomyBeyondTables;
        reason.LongestMinutes = longest;
        return reason;
    }
    if (!ARequest.UnlimitedCabinets) {
        SizingRequest unlimited = ARequest;
        unlimited.UnlimitedCabinets = true;
        unlimited.IncludeShort = false;
        if (!FindSolutions(AData, unlimited).isEmpty()) {
            reason.Kind = NoSolution::CabinetLimitTooLow;
            return reason;
        }
    }
    reason.Kind = NoSolution::NothingLastsLongEnough;
    return reason;
}

QString NoSolutionText(const NoSolutionReason& AReason, const EngineTexts& ATexts)
{
    switch (AReason.Kind) {
    case NoSolution::NoModelCarriesLoad:
        return ATexts(TextId::NoModelCarriesLoad);
    case NoSolution::AutonomyBeyondTables:
        return ATexts(TextId::AutonomyTooLong).arg(ATexts.Number(AReason.LongestMinutes));
    case NoSolution::CabinetLimitTooLow:
        return ATexts(TextId::CabinetLimitTooLow);
    case NoSolution::NothingLastsLongEnough:
        break;
    }
    return ATexts(TextId::NoSolutions);
}

} // namespace vantor::devengine
