// Which UPS systems carry a load for the required time: every model that
// carries it (phases, parallel capability and redundancy respected), with
// the fewest battery cabinets that reach the autonomy (with the redundant
// units out), priced when prices are shown.
#pragma once

#include "dev/core/BatteryRuntime.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace vantor::devengine {

// A UPS model of the product data, keyed by its pricelist product code.
struct UpsModel {
    QString Code;
    double RatedVA = 0;
    double RatedW = 0;
    int InputPhases = 1;
    int OutputPhases = 1;
    std::array<double, 4> Efficiency{0.9, 0.92, 0.93, 0.93}; // at 25, 50, 75, 100 % load
    int BlocksPerString = 0;                                 // of the battery bus
    QString BlockType;
    int InternalStrings = 0;
    int MaxCabinets = 0;
    QString CabinetCode{}; // the cabinet for its battery bus; empty: the first of its block type
    // Modular systems: the frame holds up to Slots modules of ModuleW each;
    // RatedVA/RatedW are then those of a full frame.
    bool Modular = false;
    double ModuleVA = 0;
    double ModuleW = 0;
    int Slots = 0;
    QString ModuleCode{}; // the power module's product code, priced per module
    int MaxParallel = 1;  // the most units in parallel; 1: none
    // The inverter's battery cut-off per cell at full load and at light
    // (25 %) load; in between by the load.
    double EndVoltageFull = 1.67;
    double EndVoltageLight = 1.67;
    double ChargerAmps = 0;
    int ChargerStrings = 0;                                        // the most strings it recharges; 0: not limited
    std::array<double, 4> OnlineEfficiency{0.9, 0.92, 0.93, 0.93}; // in normal operation, at 25..100 % load
    double NominalVolts = 230; // phase to neutral; between the lines of three phases √3 times this
    double WeightKg = 0;       // with its internal batteries
    double WidthMm = 0;
    double DepthMm = 0;
    double HeightMm = 0;
};

// The end voltage the model's inverter stops at when each unit (or module)
// carries ALoadFraction of its rating.
double EndVoltageAt(const UpsModel& AModel, double ALoadFraction);

// An external battery cabinet: strings of the UPS's block type.
struct BatteryCabinet {
    QString Code;
    QString BlockType;
    int Strings = 0;
    double WeightKg = 0;
    double WidthMm = 0;
    double DepthMm = 0;
    double HeightMm = 0;
};

struct ProductData {
    QList<UpsModel> Models;
    QList<BatteryBlock> Blocks;
    QList<BatteryCabinet> Cabinets;

    const BatteryBlock* Block(const QString& ACode) const;
    // The cabinet that extends AModel's battery, or none; a cabinet that
    // holds another block type never does.
    const BatteryCabinet* CabinetFor(const UpsModel& AModel) const;
    // The most cabinets AModel takes: its own limit and its charger's, or
    // the ceiling when the limits are lifted; 0 without a cabinet.
    int CabinetLimit(const UpsModel& AModel, bool AUnlimited) const;
    const UpsModel* Model(const QString& ACode) const;
    // The longest time any table gives down to this end voltage (0: to any
    // end voltage): no autonomy beyond it can be sized.
    double LongestMinutes(double AEndVoltage) const;
    // The end voltages every block's tables cover: what a user may choose
    // instead of the UPS's own; none when the blocks share no range.
    std::optional<std::pair<double, double>> CommonEndVoltageRange() const;
};

enum class SolutionOrder { BySize, ByPrice };

struct SizingRequest {
    double Watts = 0;
    double VoltAmperes = 0;
    double AutonomyMinutes = 0;
    double MaxLoadingPercent = 100; // a unit may carry at most this share of its rating
    int Redundancy = 0;             // units (or modules) beyond those the load needs, and out for the runtime
    int Units = 0; // 0: one unit, or a modular frame; >0: parallel systems of up to that many (as the model allows)
    bool ModularOnly = false;
    int OutputPhases = 0; // 0: any
    BatteryConditions Battery;
    // The option words of the shell.
    bool AllConfigurations = false; // SHOW_ALLCFG
    bool UnlimitedCabinets = false; // UNLIMITED_BATTCAB
    bool HideThreePhase = false;    // HIDE_3PH_UPS
    bool IncludeShort = false;      // SHOW_AUTONOMY_LOWER
    SolutionOrder Order = SolutionOrder::BySize;
    bool ShowPrices = false;
};

struct Solution {
    QString Ups;
    double SystemVA = 0; // the rating of all units together: what "size" orders by
    int Units = 1;
    std::optional<int> Modules;
    int Redundant = 0; // of the units or modules: out for the guaranteed runtime
    QString Cabinet;   // empty without cabinets
    int Cabinets = 0;
    int Strings = 0;
    int BlocksPerString = 0;
    int Cells = 0;
    double WattsPerCell = 0;
    double EndVoltage = 0; // used with all units running
    Runtime Minutes;       // all units running, batteries at end of life
    Runtime MinutesNew;    // all units running, new batteries
    // With the redundant units or modules out, the rest carrying the load:
    // none without redundancy.
    std::optional<Runtime> MinutesOut;
    std::optional<Runtime> MinutesNewOut;
    double EndVoltageOut = 0;
    double LoadingPercent = 0;  // all units running
    bool BelowAutonomy = false; // of the guaranteed runtime
    BatteryChemistry Chemistry = BatteryChemistry::Vrla;
    std::optional<double> Price;
    // The numbers a sales engineer checks by hand.
    double Efficiency = 0;
    double BatteryWatts = 0;
    double TableWattsPerCell = 0;

    // The runtime the autonomy is sized with: with the redundant ones out
    // when there are any, at end of life.
    const Runtime& GuaranteedMinutes() const { return MinutesOut ? *MinutesOut : Minutes; }
};

// The cabinet count without a limit from the model still stops here.
inline constexpr int CabinetCeiling = 40;

// Every solution for the request, in the order the selector shows them.
// Prices by product code; a UPS or cabinet without one leaves the price empty.
QList<Solution> FindSolutions(const ProductData& AData, const SizingRequest& ARequest,
                              const QHash<QString, double>& APrices = {});

// Whether AModel is offered for the request and carries its load (its
// units or modules within their limits).
bool CarriesLoad(const UpsModel& AModel, const SizingRequest& ARequest);

// AModel with exactly ACabinets cabinets carrying the request's load (one
// unit, or a frame with the modules the load needs): none when it cannot
// carry the load or takes no such number of cabinets.
std::optional<Solution> ConfigurationOf(const ProductData& AData, const UpsModel& AModel, int ACabinets,
                                        const SizingRequest& ARequest, const QHash<QString, double>& APrices = {});

} // namespace vantor::devengine
