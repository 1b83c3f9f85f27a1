#include "dev/core/UpsSolutions.h"

#include <algorithm>
#include <cmath>

namespace vantor::devengine {

const BatteryBlock* ProductData::Block(const QString& ACode) const
{
    for (const BatteryBlock& block : Blocks) {
        if (block.Code == ACode)
            return &block;
    }
    return nullptr;
}

const BatteryCabinet* ProductData::CabinetFor(const UpsModel& AModel) const
{
    for (const BatteryCabinet& cabinet : Cabinets) {
        const bool named =
            AModel.CabinetCode.isEmpty() ? cabinet.BlockType == AModel.BlockType : cabinet.Code == AModel.CabinetCode;
        if (named && cabinet.Strings > 0)
            return &cabinet;
    }
    return nullptr;
}

const UpsModel* ProductData::Model(const QString& ACode) const
{
    for (const UpsModel& model : Models) {
        if (model.Code == ACode)
            return &model;
    }
    return nullptr;
}

double ProductData::LongestMinutes(double AEndVoltage) const
{
    double longest = 0;
    for (const BatteryBlock& block : Blocks) {
        const DischargeCurve* curve = block.CurveFor(AEndVoltage);
        if (curve != nullptr && !curve->Points.isEmpty())
            longest = std::max(longest, curve->Points.last().Minutes);
    }
    return longest;
}

namespace {

// How a model carries the load: units in parallel, or modules in a frame.
struct Arrangement {
    int Units = 1;
    std::optional<int> Modules;
    double LoadingPercent = 0;
    double LoadFraction = 0; // of what runs, for the efficiency
};

// The units or modules the load needs at the loading limit, plus the
// redundant ones; none when the model cannot carry it.
std::optional<Arrangement> Arrange(const UpsModel& AModel, const SizingRequest& ARequest)
{
    const double limit = ARequest.MaxLoadingPercent / 100.0;
    const auto needed = [&](double AVA, double AW) {
        if (AVA <= 0 || AW <= 0)
            return 0;
        const double share = std::max(ARequest.VoltAmperes / (AVA * limit), ARequest.Watts / (AW * limit));
        return std::max(1, static_cast<int>(std::ceil(share - 1e-9)));
    };
    Arrangement arrangement;
    if (AModel.Modular) {
        const int modules = needed(AModel.ModuleVA, AModel.ModuleW);
        if (modules == 0 || modules + ARequest.Redundancy > AModel.Slots)
            return std::nullopt;
        arrangement.Modules = modules + ARequest.Redundancy;
        arrangement.LoadFraction = std::max(ARequest.VoltAmperes / (AModel.ModuleVA * *arrangement.Modules),
                                            ARequest.Watts / (AModel.ModuleW * *arrangement.Modules));
    } else {
        const int units = needed(AModel.RatedVA, AModel.RatedW);
        const int maxUnits = ARequest.Units > 0 ? ARequest.Units : 1;
        if (units == 0 || units + ARequest.Redundancy > maxUnits)
            return std::nullopt;
        arrangement.Units = units + ARequest.Redundancy;
        // All units share the load while all run.
        arrangement.LoadFraction = std::max(ARequest.VoltAmperes / (AModel.RatedVA * arrangement.Units),
                                            ARequest.Watts / (AModel.RatedW * arrangement.Units));
    }
    arrangement.LoadingPercent = arrangement.LoadFraction * 100;
    return arrangement;
}

std::optional<double> PriceOf(const QHash<QString, double>& APrices, const QString& ACode, int ACount)
{
    if (ACount == 0)
        return 0.0;
    const auto found = APrices.constFind(ACode);
    if (found == APrices.constEnd())
        return std::nullopt;
    return *found * ACount;
}

// The model's configurations with 0, 1, ... cabinets.
QList<Solution> Configurations(const UpsModel& AModel, const Arrangement& AArrangement, const ProductData& AData,
                               const SizingRequest& ARequest, const QHash<QString, double>& APrices)
{
    QList<Solution> result;
    const BatteryBlock* block = AData.Block(AModel.BlockType);
    const DischargeCurve* curve = block ? block->CurveFor(ARequest.Battery.EndVoltage) : nullptr;
    if (curve == nullptr || AModel.BlocksPerString <= 0)
        return result;
    const BatteryCabinet* cabinet = AData.CabinetFor(AModel);
    const int maxCabinets =
        cabinet == nullptr
            ? 0
            : (ARequest.UnlimitedCabinets ? CabinetCeiling : std::min(AModel.MaxCabinets, CabinetCeiling));
    // Parallel units each have their own battery; a frame has one.
    const int batteries = AArrangement.Units;
    const double loadPerBattery = ARequest.Watts / batteries;
    const double efficiency = EfficiencyAt(AModel.Efficiency, AArrangement.LoadFraction);
    for (int cabinets = 0; cabinets <= maxCabinets; ++cabinets) {
        const int strings = AModel.InternalStrings + (cabinet ? cabinets * cabinet->Strings : 0);
        if (strings <= 0)
            continue;
        const BatteryDischarge discharge =
            Discharge(loadPerBattery, efficiency, strings, AModel.BlocksPerString, *block, *curve, ARequest.Battery);
        Solution solution;
        solution.Ups = AModel.Code;
        solution.SystemVA = AModel.RatedVA * AArrangement.Units;
        solution.Units = AArrangement.Units;
        solution.Modules = AArrangement.Modules;
        solution.Cabinet = cabinets > 0 ? cabinet->Code : QString();
        solution.Cabinets = cabinets * batteries;
        solution.Strings = strings;
        solution.BlocksPerString = AModel.BlocksPerString;
        solution.Cells = discharge.CellCount;
        solution.WattsPerCell = discharge.WattsPerCell;
        solution.EndVoltage = ARequest.Battery.EndVoltage;
        solution.Minutes = discharge.Minutes;
        solution.LoadingPercent = AArrangement.LoadingPercent;
        solution.Efficiency = efficiency;
        solution.BatteryWatts = discharge.BatteryWatts;
        solution.TableWattsPerCell = discharge.TableWattsPerCell;
        const bool lasts = discharge.Minutes.LongerThanTable ||
                           (discharge.Minutes.Minutes && *discharge.Minutes.Minutes >= ARequest.AutonomyMinutes);
        solution.BelowAutonomy = !lasts;
        if (ARequest.ShowPrices) {
            auto ups = PriceOf(APrices, AModel.Code, AArrangement.Units);
            // A frame is priced with the modules it holds.
            if (ups && AArrangement.Modules && !AModel.ModuleCode.isEmpty()) {
                const auto modules = PriceOf(APrices, AModel.ModuleCode, *AArrangement.Modules);
                ups = modules ? std::optional<double>(*ups + *modules) : std::nullopt;
            }
            const auto cabinetsPrice =
                PriceOf(APrices, solution.Cabinet, solution.Cabinet.isEmpty() ? 0 : solution.Cabinets);
            if (ups && cabinetsPrice)
                solution.Price = *ups + *cabinetsPrice;
        }
        result.append(solution);
        if (lasts && !ARequest.AllConfigurations)
            break; // the fewest cabinets that reach the autonomy
    }
    if (!ARequest.AllConfigurations && !result.isEmpty()) {
        const Solution best = result.last();
        result = {best};
    }
    return result;
}

} // namespace

QList<Solution> FindSolutions(const ProductData& AData, const SizingRequest& ARequest,
                              const QHash<QString, double>& APrices)
{
    QList<Solution> solutions;
    if (!(ARequest.Watts > 0) || !(ARequest.VoltAmperes > 0))
        return solutions;
    for (const UpsModel& model : AData.Models) {
        if (ARequest.HideThreePhase && (model.InputPhases == 3 || model.OutputPhases == 3))
            continue;
        if (ARequest.OutputPhases != 0 && model.OutputPhases != ARequest.OutputPhases)
            continue;
        if (ARequest.ModularOnly != model.Modular)
            continue;
        const auto arrangement = Arrange(model, ARequest);
        if (!arrangement)
            continue;
        for (const Solution& solution : Configurations(model, *arrangement, AData, ARequest, APrices)) {
            if (!solution.BelowAutonomy || ARequest.IncludeShort)
                solutions.append(solution);
        }
    }
    std::stable_sort(solutions.begin(), solutions.end(), [&](const Solution& A, const Solution& B) {
        if (A.BelowAutonomy != B.BelowAutonomy)
            return !A.BelowAutonomy; // those that reach the autonomy first
        if (ARequest.Order == SolutionOrder::ByPrice) {
            // Those without a price go after the priced ones: mixing them in
            // by size would leave no consistent order at all.
            if (A.Price.has_value() != B.Price.has_value())
                return A.Price.has_value();
            if (A.Price && *A.Price != *B.Price)
                return *A.Price < *B.Price;
        }
        if (A.SystemVA != B.SystemVA)
            return A.SystemVA < B.SystemVA;
        return A.Cabinets < B.Cabinets;
    });
    return solutions;
}

std::optional<Solution> ConfigurationOf(const ProductData& AData, const UpsModel& AModel, int ACabinets,
                                        const SizingRequest& ARequest, const QHash<QString, double>& APrices)
{
    if (!(ARequest.Watts > 0) || !(ARequest.VoltAmperes > 0) || ACabinets < 0)
        return std::nullopt;
    SizingRequest request = ARequest;
    request.Units = 0;
    request.AllConfigurations = true;
    const auto arrangement = Arrange(AModel, request);
    if (!arrangement)
        return std::nullopt;
    for (const Solution& solution : Configurations(AModel, *arrangement, AData, request, APrices)) {
        if (solution.Cabinets == ACabinets)
            return solution;
    }
    return std::nullopt;
}

} // namespace vantor::devengine
