// What the customer's electrician asks for once the UPS is chosen: heat to
// remove, weight and floor space, the currents and the input's protective
// device, and how long the battery takes to recharge. The rules of thumb
// behind each figure are listed in docs/engine-data.md.
#pragma once

#include "dev/core/UpsSolutions.h"

#include <optional>

namespace vantor::devengine {

inline constexpr double BtuPerHourPerWatt = 3.412;
inline constexpr double ChargerEfficiency = 0.9;
inline constexpr double InputPowerFactor = 0.99; // online units with a power-factor-corrected rectifier
inline constexpr double BreakerMargin = 1.25;
inline constexpr double RechargeLossFactor = 1.15; // Ah put back per Ah taken, to about 90 %
inline constexpr int LargestBreaker = 630;         // the largest standard rating

struct InstallationData {
    double HeatWatts = 0; // in normal operation, every unit running
    double HeatBtuPerHour = 0;
    double WeightKg = 0;    // UPS and cabinets
    double FloorAreaM2 = 0; // the sum of width x depth
    double OutputCurrentA = 0;
    // Per phase of one input feed (each unit of a parallel system has its
    // own) at the load with the charger recharging, the redundant units out.
    double InputCurrentA = 0;
    int InputPhases = 1;
    int Feeds = 1;
    std::optional<int> BreakerA;         // none beyond the largest standard rating
    std::optional<double> RechargeHours; // to 90 %, of each unit's battery; none without a charger
};

// The standard rating at or above BreakerMargin x AInputCurrent, or none.
std::optional<int> BreakerFor(double AInputCurrent);

InstallationData InstallationFor(const Solution& ASolution, const UpsModel& AModel, const ProductData& AData,
                                 double AWatts, double AVoltAmperes);

} // namespace vantor::devengine
