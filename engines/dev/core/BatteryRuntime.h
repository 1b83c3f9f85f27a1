// Battery runtime by the constant-power (watts-per-cell) method: a UPS
// inverter draws constant power from its battery, and the battery makers
// publish for each block type the watts each cell delivers for a given time
// down to a given end voltage.
#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

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

enum class BatteryChemistry { Vrla, LithiumIon };

// A battery block (a 12 V VRLA block has 6 cells). Lithium-ion blocks are
// described as the UPS's battery bus sees them: cells of the lead-acid
// equivalent, with their tables at the UPS's end voltages per such cell.
struct BatteryBlock {
    QString Code;
    double NominalVolts = 12;
    int Cells = 6;
    double AmpereHours = 0;
    QList<DischargeCurve> Curves; // in order of rising end voltage
    BatteryChemistry Kind = BatteryChemistry::Vrla;
    double ColdDerating = 0.01; // capacity lost per °C below 25 °C

    // The table for this end voltage (within 5 mV), or none.
    const DischargeCurve* CurveFor(double AEndVoltage) const;
    // The lowest and highest end voltage the tables are given for; none
    // without tables.
    std::optional<std::pair<double, double>> EndVoltageRange() const;
    bool Covers(double AEndVoltage) const;
};

QString ChemistryName(BatteryChemistry AChemistry);

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

// Minutes at AWattsPerCell down to AEndVoltage: read in each of the two
// tables around it and interpolated linearly in the end voltage. Unknown
// outside the range of end voltages the tables cover, and where either
// table has no answer (then the edge reported is the nearer one's).
Runtime MinutesAt(const BatteryBlock& ABlock, double AEndVoltage, double AWattsPerCell);

// The same reading with the tables found once, for many loads at one end
// voltage. Keeps pointers into the block, which must outlive it.
class EndVoltageReader {
public:
    EndVoltageReader(const BatteryBlock& ABlock, double AEndVoltage);
    Runtime operator()(double AWattsPerCell) const;

private:
    const DischargeCurve* exact_ = nullptr;
    const DischargeCurve* below_ = nullptr;
    const DischargeCurve* above_ = nullptr;
    double t_ = 0; // the end voltage's place from below_ to above_
};

// Conditions of the battery: the end voltage the UPS stops at (0: the
// UPS's own, by its load), the ambient temperature and the end-of-life
// capacity the sizing allows for.
struct BatteryConditions {
    double EndVoltage = 0;
    double TemperatureC = 25;
    double Ageing = 0.8;
};

// The share of the table's capacity the battery has under these conditions:
// AColdDerating less per degree below 25 °C (1 % for VRLA; nothing gained
// above), times the ageing factor.
double CapacityFactor(const BatteryConditions& AConditions, double AColdDerating = 0.01);

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
// The same down to AEndVoltage, between the block's tables.
BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, double AEndVoltage, const BatteryConditions& AConditions);
// The same with the tables already found.
BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, const EndVoltageReader& AReader,
                           const BatteryConditions& AConditions);

} // namespace vantor::devengine
