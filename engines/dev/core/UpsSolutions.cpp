#include "dev/core/UpsSolutions.h"

#include "dev/core/SystemDischarge.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

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
        // A cabinet of other blocks cannot extend this battery bus.
        if (named && cabinet.Strings > 0 && cabinet.BlockType == AModel.BlockType)
            return &cabinet;
    }
    return nullptr;
}

int ProductData::CabinetLimit(const UpsModel& AModel, bool AUnlimited) const
{
    const BatteryCabinet* cabinet = CabinetFor(AModel);
    if (cabinet == nullptr)
        return 0;
    if (AUnlimited)
        return CabinetCeiling;
    int limit = std::min(AModel.MaxCabinets, CabinetCeiling);
    if (AModel.ChargerStrings > 0)
        limit = std::min(limit, std::max(0, AModel.ChargerStrings - AModel.InternalStrings) / cabinet->Strings);
    return std::max(0, limit);
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
        if (AEndVoltage > 0 && !block.Covers(AEndVoltage))
            continue;
        // Between two tables the shorter one bounds what the reading gives.
        double blockLongest = 0;
        double below = -1, above = -1;
        for (const DischargeCurve& curve : block.Curves) {
            if (curve.Points.isEmpty())
                continue;
            const double last = curve.Points.last().Minutes;
            if (AEndVoltage <= 0 || std::abs(curve.EndVoltage - AEndVoltage) < 0.005) {
                blockLongest = std::max(blockLongest, last);
            } else if (curve.EndVoltage < AEndVoltage) {
                below = last;
            } else if (above < 0) {
                above = last;
            }
        }
        if (blockLongest == 0 && below > 0 && above > 0)
            blockLongest = std::min(below, above);
        longest = std::max(longest, blockLongest);
    }
    return longest;
}

std::optional<std::pair<double, double>> ProductData::CommonEndVoltageRange() const
{
    std::optional<std::pair<double, double>> common;
    for (const BatteryBlock& block : Blocks) {
        const auto range = block.EndVoltageRange();
        if (!range)
            continue;
        if (!common)
            common = range;
        common->first = std::max(common->first, range->first);
        common->second = std::min(common->second, range->second);
    }
    if (common && common->first > common->second + 1e-9)
        return std::nullopt;
    return common;
}

double EndVoltageAt(const UpsModel& AModel, double ALoadFraction)
{
    // Light load is a quarter of the rating; beyond full load stays at full.
    const double t = (std::clamp(ALoadFraction, 0.25, 1.0) - 0.25) / 0.75;
    return AModel.EndVoltageLight + t * (AModel.EndVoltageFull - AModel.EndVoltageLight);
}

namespace {

// How a model carries the load: units in parallel, or modules in a frame.
struct Arrangement {
    int Units = 1;
    std::optional<int> Modules;
    int Redundant = 0;
};

// The units or modules the load needs at the loading limit, plus the
// redundant ones; none when the model cannot carry it.
std::optional<Arrangement> Arrange(const UpsModel& AModel, const SizingRequest& ARequest)
{
    const double limit = ARequest.MaxLoadingPercent / 100.0;
    const int most =
        AModel.Modular ? AModel.Slots : (ARequest.Units > 0 ? std::min(ARequest.Units, AModel.MaxParallel) : 1);
    const int redundancy = std::max(0, ARequest.Redundancy);
    // How many of AVA/AW the load needs, when no more than the model holds.
    const auto needed = [&](double AVA, double AW) -> std::optional<int> {
        if (AVA <= 0 || AW <= 0 || !(limit > 0))
            return std::nullopt;
        const double share = std::max(ARequest.VoltAmperes / (AVA * limit), ARequest.Watts / (AW * limit));
        // Compared before the conversion: a load of any size stays defined.
        if (!(share - 1e-9 <= most - redundancy))
            return std::nullopt;
        return std::max(1, static_cast<int>(std::ceil(share - 1e-9)));
    };
    Arrangement arrangement;
    arrangement.Redundant = redundancy;
    if (AModel.Modular) {
        const auto modules = needed(AModel.ModuleVA, AModel.ModuleW);
        if (!modules)
            return std::nullopt;
        arrangement.Modules = *modules + redundancy;
    } else {
        const auto units = needed(AModel.RatedVA, AModel.RatedW);
        if (!units)
            return std::nullopt;
        arrangement.Units = *units + redundancy;
    }
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

bool Lasts(const Runtime& ARuntime, double AMinutes)
{
    return ARuntime.LongerThanTable || (ARuntime.Minutes && *ARuntime.Minutes >= AMinutes);
}

std::optional<double> PriceFor(const Solution& ASolution, const UpsModel& AModel, const QHash<QString, double>& APrices)
{
    auto ups = PriceOf(APrices, AModel.Code, ASolution.Units);
    // A frame is priced with the modules it holds.
    if (ups && ASolution.Modules && !AModel.ModuleCode.isEmpty()) {
        const auto modules = PriceOf(APrices, AModel.ModuleCode, *ASolution.Modules);
        ups = modules ? std::optional<double>(*ups + *modules) : std::nullopt;
    }
    const auto cabinets = PriceOf(APrices, ASolution.Cabinet, ASolution.Cabinet.isEmpty() ? 0 : ASolution.Cabinets);
    if (ups && cabinets)
        return *ups + *cabinets;
    return std::nullopt;
}

// The model's configurations with 0, 1, ... cabinets.
QList<Solution> Configurations(const UpsModel& AModel, const Arrangement& AArrangement, const ProductData& AData,
                               const SizingRequest& ARequest, const QHash<QString, double>& APrices)
{
    QList<Solution> result;
    const BatteryBlock* block = AData.Block(AModel.BlockType);
    if (block == nullptr || AModel.BlocksPerString <= 0)
        return result;
    const BatteryCabinet* cabinet = AData.CabinetFor(AModel);
    const int maxCabinets = AData.CabinetLimit(AModel, ARequest.UnlimitedCabinets);
    // Parallel units each have their own battery; a frame has one.
    const int batteries = AArrangement.Units;
    const int running = AArrangement.Modules ? *AArrangement.Modules : AArrangement.Units;
    const int carrying = running - AArrangement.Redundant;
    const OperatingCase allRunning(AModel, *block, ARequest.Watts, ARequest.VoltAmperes, running, ARequest.Battery);
    // The case redundancy is for: the spare ones out, the rest carrying the
    // whole load on their batteries.
    std::optional<OperatingCase> someOut;
    if (AArrangement.Redundant > 0)
        someOut.emplace(AModel, *block, ARequest.Watts, ARequest.VoltAmperes, carrying, ARequest.Battery);
    for (int cabinets = 0; cabinets <= maxCabinets; ++cabinets) {
        const int strings = AModel.InternalStrings + (cabinet ? cabinets * cabinet->Strings : 0);
        if (strings <= 0)
            continue;
        const OperatingCase::Reading all = allRunning.Read(strings);
        Solution solution;
        solution.Ups = AModel.Code;
        solution.SystemVA = AModel.RatedVA * AArrangement.Units;
        solution.Units = AArrangement.Units;
        solution.Modules = AArrangement.Modules;
        solution.Redundant = AArrangement.Redundant;
        solution.Cabinet = cabinets > 0 ? cabinet->Code : QString();
        solution.Cabinets = cabinets * batteries;
        solution.Strings = strings;
        solution.BlocksPerString = AModel.BlocksPerString;
        solution.Cells = all.EndOfLife.CellCount;
        solution.WattsPerCell = all.EndOfLife.WattsPerCell;
        solution.EndVoltage = allRunning.EndVoltage();
        solution.Minutes = all.EndOfLife.Minutes;
        solution.MinutesNew = all.New;
        solution.LoadingPercent = allRunning.LoadFraction() * 100;
        solution.Efficiency = allRunning.Efficiency();
        solution.BatteryWatts = all.EndOfLife.BatteryWatts;
        solution.TableWattsPerCell = all.EndOfLife.TableWattsPerCell;
        solution.Chemistry = block->Kind;
        if (someOut) {
            const OperatingCase::Reading out = someOut->Read(strings);
            solution.MinutesOut = out.EndOfLife.Minutes;
            solution.MinutesNewOut = out.New;
            solution.EndVoltageOut = someOut->EndVoltage();
        }
        const bool lasts = Lasts(solution.GuaranteedMinutes(), ARequest.AutonomyMinutes);
        solution.BelowAutonomy = !lasts;
        if (ARequest.ShowPrices)
            solution.Price = PriceFor(solution, AModel, APrices);
        result.append(std::move(solution));
        if (lasts && !ARequest.AllConfigurations)
            break; // the fewest cabinets that reach the autonomy
    }
    if (!ARequest.AllConfigurations && result.size() > 1)
        result.remove(0, result.size() - 1);
    return result;
}

bool Offered(const UpsModel& AModel, const SizingRequest& ARequest)
{
    if (ARequest.HideThreePhase && (AModel.InputPhases == 3 || AModel.OutputPhases == 3))
        return false;
    if (ARequest.OutputPhases != 0 && AModel.OutputPhases != ARequest.OutputPhases)
        return false;
    return ARequest.ModularOnly == AModel.Modular;
}

} // namespace

bool CarriesLoad(const UpsModel& AModel, const SizingRequest& ARequest)
{
    return Offered(AModel, ARequest) && Arrange(AModel, ARequest).has_value();
}

QList<Solution> FindSolutions(const ProductData& AData, const SizingRequest& ARequest,
                              const QHash<QString, double>& APrices)
{
    QList<Solution> solutions;
    if (!(ARequest.Watts > 0) || !(ARequest.VoltAmperes > 0))
        return solutions;
    // Room for every configuration the request can list, allocated once.
    qsizetype most = 0;
    for (const UpsModel& model : AData.Models) {
        if (Offered(model, ARequest))
            most += ARequest.AllConfigurations ? AData.CabinetLimit(model, ARequest.UnlimitedCabinets) + 1 : 1;
    }
    solutions.reserve(most);
    bool singleLasts = false;
    for (const UpsModel& model : AData.Models) {
        if (!Offered(model, ARequest))
            continue;
        const auto arrangement = Arrange(model, ARequest);
        if (!arrangement)
            continue;
        for (Solution& solution : Configurations(model, *arrangement, AData, ARequest, APrices)) {
            singleLasts = singleLasts || (solution.Units == 1 && !solution.BelowAutonomy);
            if (!solution.BelowAutonomy || ARequest.IncludeShort)
                solutions.append(std::move(solution));
        }
    }
    // A parallel system is offered for redundancy, or when no single unit
    // does the job; SHOW_ALLCFG lists it anyway.
    if (singleLasts && ARequest.Redundancy == 0 && !ARequest.AllConfigurations)
        solutions.removeIf([](const Solution& ASolution) { return ASolution.Units > 1; });
    const auto before = [&](const Solution& A, const Solution& B) {
        if (A.BelowAutonomy != B.BelowAutonomy)
            return !A.BelowAutonomy; // those that reach the autonomy first
        if (A.Units != B.Units)
            return A.Units < B.Units; // a single unit before a parallel system, fewer units first
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
    };
    // Sorting places rather than the solutions themselves moves each one once.
    std::vector<qsizetype> order(static_cast<std::size_t>(solutions.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype A, qsizetype B) { return before(solutions[A], solutions[B]); });
    // Each cycle of the permutation moves its solutions along by one.
    std::vector<bool> placed(order.size());
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start] || order[start] == static_cast<qsizetype>(start))
            continue;
        Solution first = std::move(solutions[static_cast<qsizetype>(start)]);
        std::size_t at = start;
        while (true) {
            placed[at] = true;
            const auto from = static_cast<std::size_t>(order[at]);
            if (from == start) {
                solutions[static_cast<qsizetype>(at)] = std::move(first);
                break;
            }
            solutions[static_cast<qsizetype>(at)] = std::move(solutions[static_cast<qsizetype>(from)]);
            at = from;
        }
    }
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
