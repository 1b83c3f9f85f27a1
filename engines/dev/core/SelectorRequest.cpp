#include "dev/core/SelectorRequest.h"

#include <cmath>

namespace vantor::devengine {

SizingRequest RequestFor(SelectorKind AKind, const SelectorInputs& AInputs, const EngineSettings& ASettings)
{
    SizingRequest request;
    const double load = AInputs.Load * (1 + AInputs.GrowthPercent / 100);
    const double powerFactor = AInputs.PowerFactor > 0 && AInputs.PowerFactor <= 1 ? AInputs.PowerFactor : 1;
    request.Watts = AInputs.LoadInVA ? load * powerFactor : load;
    request.VoltAmperes = AInputs.LoadInVA ? load : load / powerFactor;
    request.AutonomyMinutes = AInputs.AutonomyMinutes;
    request.MaxLoadingPercent = AInputs.MaxLoadingPercent;
    request.Battery = AInputs.Battery;
    request.OutputPhases = AInputs.OutputPhases;
    switch (AKind) {
    case SelectorKind::Base:
    case SelectorKind::Runtime:
        break;
    case SelectorKind::Advanced:
        request.Units = MaxParallelUnits;
        request.Redundancy = AInputs.Redundancy;
        break;
    case SelectorKind::Modular:
        request.ModularOnly = true;
        request.Redundancy = AInputs.Redundancy;
        break;
    }
    request.AllConfigurations = ASettings.HasOption(OptionShowAllConfigurations);
    request.UnlimitedCabinets = ASettings.HasOption(OptionUnlimitedCabinets);
    request.HideThreePhase = ASettings.HasOption(OptionHideThreePhase);
    request.IncludeShort = ASettings.HasOption(OptionShowAutonomyLower);
    request.Order = ASettings.HasOption(OptionSortByPrice) ? SolutionOrder::ByPrice : SolutionOrder::BySize;
    request.ShowPrices = ASettings.ShowPrices;
    return request;
}

std::optional<TextId> InputProblem(const SelectorInputs& AInputs, double ALongestMinutes)
{
    if (!(AInputs.Load > 0) || !std::isfinite(AInputs.Load))
        return TextId::LoadMissing;
    if (AInputs.AutonomyMinutes > ALongestMinutes)
        return TextId::AutonomyTooLong;
    return std::nullopt;
}

} // namespace vantor::devengine
