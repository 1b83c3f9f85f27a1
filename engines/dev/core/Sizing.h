// The sizing arithmetic of the selectors: what a load needs, which products
// fit it, parallel systems of identical units and battery energy for a
// runtime. Deliberately plain; a real sizing engine replaces it.
#pragma once

#include "dev/core/Pricelist.h"

#include <QList>

namespace vantor::devengine {

// What a product must at least deliver.
struct Requirement {
    double VoltAmperes = 0;
    double Watts = 0;
};

enum class LoadUnit { VoltAmperes, Watts };

// A load given in VA or W with its power factor (0 < pf <= 1): the other
// quantity follows from the power factor.
Requirement RequirementForLoad(double load, LoadUnit unit, double powerFactor);

// Room for growth (percent added) and a loading limit (the products may run
// at most at this percentage of their rating).
Requirement WithReserve(const Requirement& requirement, double growthPercent, double maxLoadingPercent);

bool Fits(const Rating& rating, const Requirement& requirement);

enum class SuggestionOrder { BySize, ByPrice };

// Indices into items of the rated products that fit, the smallest first
// (VA, then W, then price) or the cheapest first; at most limit of them
// (limit < 0: all). Empty for a requirement of nothing.
QList<int> SmallestFitting(const QList<PriceItem>& items, const Requirement& requirement, int limit,
                           SuggestionOrder order);

// A parallel system of identical units: enough units for the load plus
// redundant ones.
struct ParallelChoice {
    int Item = -1;
    int UnitsForLoad = 0;
    int RedundantUnits = 0;
    int TotalUnits() const { return UnitsForLoad + RedundantUnits; }
};

// For every rated product, the units it takes to carry the requirement
// (shared equally), plus redundantUnits; choices of more than maxUnits units
// are left out. Ordered by installed power (then price) or by total price;
// at most limit (limit < 0: all).
QList<ParallelChoice> ParallelChoices(const QList<PriceItem>& items, const Requirement& requirement, int redundantUnits,
                                      int maxUnits, int limit, SuggestionOrder order);

// Battery energy for a runtime at constant load.
struct BatteryEstimate {
    double EnergyWattHours = 0; // delivered by the battery, inverter losses included
    double AmpHours = 0;        // at the battery voltage
};

BatteryEstimate EstimateBattery(double loadWatts, double minutes, double batteryVolts, double efficiencyPercent);

} // namespace vantor::devengine
