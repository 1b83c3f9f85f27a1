// The battery reading of a UPS system in one operating case: so many units
// running, each on its own battery, or so many modules of a frame on the
// frame's one battery. The sizing reads it with all units running and with
// the redundant ones out; the runtime curves read it at each load.
#pragma once

#include "dev/core/UpsSolutions.h"

namespace vantor::devengine {

// What does not change with the number of strings: the share each unit
// carries, its efficiency, the end voltage and the tables read for it.
class OperatingCase {
public:
    OperatingCase(const UpsModel& AModel, const BatteryBlock& ABlock, double AWatts, double AVoltAmperes, int ARunning,
                  const BatteryConditions& AConditions);

    double LoadFraction() const { return loadFraction_; } // of each running unit or module
    double Efficiency() const { return efficiency_; }     // on battery, at that fraction
    double EndVoltage() const { return endVoltage_; }     // the request's, or the model's at that fraction

    struct Reading {
        BatteryDischarge EndOfLife;
        Runtime New;
    };
    // With AStrings strings on each battery.
    Reading Read(int AStrings) const;

private:
    const UpsModel& model_;
    const BatteryBlock& block_;
    BatteryConditions conditions_;
    double batteryLoad_ = 0;
    double loadFraction_ = 0;
    double efficiency_ = 0;
    double endVoltage_ = 0;
    EndVoltageReader reader_;
};

// The share of its rating each of ARunning units (or modules of a frame)
// carries; infinite when none runs.
double LoadFractionOf(const UpsModel& AModel, int ARunning, double AWatts, double AVoltAmperes);

} // namespace vantor::devengine
