// What the inputs of a selector screen ask for, as a sizing request with
// the shell's option words applied, and what is wrong with them.
#pragma once

#include "dev/core/EngineSettings.h"
#include "dev/core/EngineTexts.h"
#include "dev/core/SelectorTexts.h"
#include "dev/core/UpsSolutions.h"

#include <optional>

namespace vantor::devengine {

struct SelectorInputs {
    double Load = 0;
    bool LoadInVA = false;
    double PowerFactor = 0.9;
    double GrowthPercent = 0;
    double MaxLoadingPercent = 100;
    double AutonomyMinutes = 10;
    int Redundancy = 0;   // parallel units, or modules of a frame
    int OutputPhases = 0; // 0: any
    BatteryConditions Battery;
};

// Parallel systems on the advanced selector have at most this many units.
inline constexpr int MaxParallelUnits = 4;

SizingRequest RequestFor(SelectorKind AKind, const SelectorInputs& AInputs, const EngineSettings& ASettings);

// The text of what keeps the inputs from being sized, or none. The longest
// autonomy is what the product data's tables reach.
std::optional<TextId> InputProblem(const SelectorInputs& AInputs, double ALongestMinutes);

} // namespace vantor::devengine
