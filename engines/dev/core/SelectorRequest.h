// What the inputs of a selector screen ask for, as a sizing request with
// the shell's option words applied, and what is wrong with them.
#pragma once

#include "dev/core/EngineSettings.h"
#include "dev/core/EngineTexts.h"
#include "dev/core/SelectorKind.h"
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

// Parallel systems on the advanced selector have at most this many units,
// fewer where a model's capability is lower.
inline constexpr int MaxParallelUnits = 8;

// What the screens accept, and vantor-size with them.
namespace InputLimit {
inline constexpr double MaxLoad = 10'000'000; // W or VA
inline constexpr double MinPowerFactor = 0.3;
inline constexpr double MaxGrowthPercent = 200;
inline constexpr double MinLoadingPercent = 30;
inline constexpr double MinAutonomy = 1;
inline constexpr double MaxAutonomy = 1440;
inline constexpr int MaxRedundancy = 3;
inline constexpr double MinTemperature = -20;
inline constexpr double MaxTemperature = 50;
inline constexpr double MinAgeingPercent = 50;
} // namespace InputLimit

// The screens' first answer: the loading limit of the advanced selector and
// the redundant modules of the modular one.
inline constexpr double AdvancedLoadingPercent = 90;
inline constexpr int ModularRedundancy = 1;

SizingRequest RequestFor(SelectorKind AKind, const SelectorInputs& AInputs, const EngineSettings& ASettings);

// The text of what keeps the inputs from being sized, or none. The longest
// autonomy is what the product data's tables reach.
std::optional<TextId> InputProblem(const SelectorInputs& AInputs, double ALongestMinutes);

} // namespace vantor::devengine
