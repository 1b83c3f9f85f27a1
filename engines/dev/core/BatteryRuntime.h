// Battery runtime by the constant-power (watts-per-cell) method: a UPS
// inverter draws constant power from its battery, and the battery makers
// publish for each block type the watts each cell delivers for a given time
// down to a given end voltage.
#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace vantor::devengine {

// One point of a constant-power discharge table.
struct DischargePoint {
    double Minutes = 0;
    double WattsPerCell = 0;
};

// The table of one block type down to one end voltage (volts per cell):
// points with rising minutes and falling watts per cell.
struct DischargeCurve {
    double EndVoltage = 0;
    QList<DischargePoint> Points;
};

// A battery block (a 12 V VRLA block has 6 cells).
struct BatteryBlock {
    QString Code;
    double NominalVolts = 12;
    int Cells = 6;
    double AmpereHours = 0;
    QList<DischargeCurve> Curves;

    // The table for this end voltage (within 5 mV), or none.
    const DischargeCurve* CurveFor(double AEndVoltage) const;
};

// What the minutes at a load are. Outside the table the answer is unknown:
// more watts per cell than its first point (the battery gives out sooner
// than the table reaches) or fewer than its last (it lasts longer).
struct Runtime {
    std::optional<double> Minutes;
    bool BeyondTable = false;
    bool LongerThanTable = false; // with BeyondTable: the load is lighter than the table's last point
    double TableEdgeMinutes = 0;  // with BeyondTable: the minutes of the table's point passed
};

// Minutes at AWattsPerCell, interpolated on logarithms of both axes between
// the two neighbouring points (the curves are close to straight lines on
// log-log paper). A point of the table is read exactly.
Runtime MinutesAt(const DischargeCurve& ACurve, double AWattsPerCell);

// The watts per cell the table gives for AMinutes (the inverse reading),
// or none outside the table.
std::optional<double> WattsPerCellFor(const DischargeCurve& ACurve, double AMinutes);

// Conditions of the battery: the end voltage the UPS stops at, the ambient
// temperature and the end-of-life capacity the sizing allows for.
struct BatteryConditions {
    double EndVoltage = 1.67;
    double TemperatureC = 25;
    double Ageing = 0.8;
};

// The share of the table's capacity the battery has under these conditions:
// 1 % less per degree below 25 °C (nothing gained above), times the ageing
// factor.
double CapacityFactor(const BatteryConditions& AConditions);

// Inverter efficiency at a fraction of the rating, from the efficiencies at
// 25, 50, 75 and 100 % load: linear between them, flat outside.
double EfficiencyAt(const std::array<double, 4>& AEfficiency, double ALoadFraction);

// The whole reading for a battery bus carrying a load.
struct BatteryDischarge {
    double BatteryWatts = 0;      // load / efficiency
    int CellCount = 0;            // strings x blocks per string x cells per block
    double WattsPerCell = 0;      // what each cell delivers
    double TableWattsPerCell = 0; // the same, raised by the derating, as read in the table
    Runtime Minutes;
};

BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, const DischargeCurve& ACurve,
                           const BatteryConditions& AConditions);

} // namespace vantor::devengine
