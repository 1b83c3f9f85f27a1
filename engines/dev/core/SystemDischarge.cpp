#include "dev/core/SystemDischarge.h"

#include <cmath>

namespace vantor::devengine {

namespace {

double EndVoltageFor(const UpsModel& AModel, double ALoadFraction, const BatteryConditions& AConditions)
{
    return AConditions.EndVoltage > 0 ? AConditions.EndVoltage : EndVoltageAt(AModel, ALoadFraction);
}

} // namespace

double LoadFractionOf(const UpsModel& AModel, int ARunning, double AWatts, double AVoltAmperes)
{
    const double va = AModel.Modular ? AModel.ModuleVA : AModel.RatedVA;
    const double w = AModel.Modular ? AModel.ModuleW : AModel.RatedW;
    if (ARunning <= 0 || va <= 0 || w <= 0)
        return INFINITY;
    return std::max(AVoltAmperes / (va * ARunning), AWatts / (w * ARunning));
}

OperatingCase::OperatingCase(const UpsModel& AModel, const BatteryBlock& ABlock, double AWatts, double AVoltAmperes,
                             int ARunning, const BatteryConditions& AConditions)
    : model_(AModel), block_(ABlock), conditions_(AConditions),
      // Parallel units each have their own battery; a frame's modules share one.
      batteryLoad_(AModel.Modular || ARunning <= 0 ? AWatts : AWatts / ARunning),
      loadFraction_(LoadFractionOf(AModel, ARunning, AWatts, AVoltAmperes)),
      efficiency_(EfficiencyAt(AModel.Efficiency, loadFraction_)),
      endVoltage_(EndVoltageFor(AModel, loadFraction_, AConditions)), reader_(ABlock, endVoltage_)
{}

OperatingCase::Reading OperatingCase::Read(int AStrings) const
{
    Reading reading;
    reading.EndOfLife =
        Discharge(batteryLoad_, efficiency_, AStrings, model_.BlocksPerString, block_, reader_, conditions_);
    // New batteries: the same cells without the ageing factor.
    BatteryConditions fresh = conditions_;
    fresh.Ageing = 1.0;
    const double capacity = CapacityFactor(fresh, block_.ColdDerating);
    reading.New = reading.EndOfLife.CellCount > 0 && capacity > 0 && efficiency_ > 0
                      ? reader_(reading.EndOfLife.WattsPerCell / capacity)
                      : reading.EndOfLife.Minutes;
    return reading;
}

} // namespace vantor::devengine
