#include "dev/core/BatteryRuntime.h"

#include <algorithm>
#include <cmath>

namespace vantor::devengine {

const DischargeCurve* BatteryBlock::CurveFor(double AEndVoltage) const
{
    for (const DischargeCurve& curve : Curves) {
        if (std::abs(curve.EndVoltage - AEndVoltage) < 0.005)
            return &curve;
    }
    return nullptr;
}

std::optional<std::pair<double, double>> BatteryBlock::EndVoltageRange() const
{
    if (Curves.isEmpty())
        return std::nullopt;
    double lowest = Curves.first().EndVoltage, highest = lowest;
    for (const DischargeCurve& curve : Curves) {
        lowest = std::min(lowest, curve.EndVoltage);
        highest = std::max(highest, curve.EndVoltage);
    }
    return std::pair{lowest, highest};
}

bool BatteryBlock::Covers(double AEndVoltage) const
{
    const auto range = EndVoltageRange();
    return range && AEndVoltage > range->first - 0.005 && AEndVoltage < range->second + 0.005;
}

QString ChemistryName(BatteryChemistry AChemistry)
{
    return AChemistry == BatteryChemistry::LithiumIon ? QStringLiteral("Li-ion") : QStringLiteral("VRLA");
}

namespace {

// Between two points on log-log axes: y at x, where x lies from x0 to x1.
double LogLog(double x, double x0, double y0, double x1, double y1)
{
    if (x0 == x1)
        return y0;
    const double t = (std::log(x) - std::log(x0)) / (std::log(x1) - std::log(x0));
    return std::exp(std::log(y0) + t * (std::log(y1) - std::log(y0)));
}

bool Usable(const DischargeCurve& ACurve)
{
    return !ACurve.Points.isEmpty() &&
           std::all_of(ACurve.Points.begin(), ACurve.Points.end(),
                       [](const DischargePoint& APoint) { return APoint.Minutes > 0 && APoint.WattsPerCell > 0; });
}

} // namespace

Runtime MinutesAt(const DischargeCurve& ACurve, double AWattsPerCell)
{
    Runtime runtime;
    if (!Usable(ACurve) || !(AWattsPerCell > 0)) {
        runtime.BeyondTable = true;
        runtime.LongerThanTable = AWattsPerCell <= 0;
        return runtime;
    }
    const QList<DischargePoint>& points = ACurve.Points;
    // Watts fall as minutes rise: the first point carries the most watts.
    if (AWattsPerCell > points.first().WattsPerCell) {
        runtime.BeyondTable = true;
        runtime.TableEdgeMinutes = points.first().Minutes;
        return runtime;
    }
    if (AWattsPerCell < points.last().WattsPerCell) {
        runtime.BeyondTable = true;
        runtime.LongerThanTable = true;
        runtime.TableEdgeMinutes = points.last().Minutes;
        return runtime;
    }
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const DischargePoint& high = points.at(i);
        const DischargePoint& low = points.at(i + 1);
        if (AWattsPerCell <= high.WattsPerCell && AWattsPerCell >= low.WattsPerCell) {
            runtime.Minutes = AWattsPerCell == high.WattsPerCell ? high.Minutes
                                                                 : LogLog(AWattsPerCell, high.WattsPerCell,
                                                                          high.Minutes, low.WattsPerCell, low.Minutes);
            return runtime;
        }
    }
    runtime.Minutes = points.first().Minutes; // a table of one point
    return runtime;
}

std::optional<double> WattsPerCellFor(const DischargeCurve& ACurve, double AMinutes)
{
    if (!Usable(ACurve) || AMinutes < ACurve.Points.first().Minutes || AMinutes > ACurve.Points.last().Minutes)
        return std::nullopt;
    const QList<DischargePoint>& points = ACurve.Points;
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const DischargePoint& a = points.at(i);
        const DischargePoint& b = points.at(i + 1);
        if (AMinutes >= a.Minutes && AMinutes <= b.Minutes)
            return LogLog(AMinutes, a.Minutes, a.WattsPerCell, b.Minutes, b.WattsPerCell);
    }
    return points.first().WattsPerCell;
}

EndVoltageReader::EndVoltageReader(const BatteryBlock& ABlock, double AEndVoltage)
{
    exact_ = ABlock.CurveFor(AEndVoltage);
    if (exact_ != nullptr)
        return;
    // The nearest table below and above the end voltage.
    for (const DischargeCurve& curve : ABlock.Curves) {
        if (curve.EndVoltage < AEndVoltage && (below_ == nullptr || curve.EndVoltage > below_->EndVoltage))
            below_ = &curve;
        if (curve.EndVoltage > AEndVoltage && (above_ == nullptr || curve.EndVoltage < above_->EndVoltage))
            above_ = &curve;
    }
    if (below_ != nullptr && above_ != nullptr)
        t_ = (AEndVoltage - below_->EndVoltage) / (above_->EndVoltage - below_->EndVoltage);
}

Runtime EndVoltageReader::operator()(double AWattsPerCell) const
{
    if (exact_ != nullptr)
        return MinutesAt(*exact_, AWattsPerCell);
    if (below_ == nullptr || above_ == nullptr) {
        Runtime unknown;
        unknown.BeyondTable = true;
        return unknown;
    }
    const Runtime low = MinutesAt(*below_, AWattsPerCell);
    const Runtime high = MinutesAt(*above_, AWattsPerCell);
    if (low.Minutes && high.Minutes) {
        Runtime runtime;
        runtime.Minutes = *low.Minutes + t_ * (*high.Minutes - *low.Minutes);
        return runtime;
    }
    // One table has no answer: a lighter load than both tables reach lasts
    // longer than the shorter of them; anything else is unknown.
    Runtime edge;
    edge.BeyondTable = true;
    if (low.LongerThanTable && high.LongerThanTable) {
        edge.LongerThanTable = true;
        edge.TableEdgeMinutes = std::min(low.TableEdgeMinutes, high.TableEdgeMinutes);
    } else {
        edge.TableEdgeMinutes = std::max(low.LongerThanTable ? 0.0 : low.TableEdgeMinutes,
                                         high.LongerThanTable ? 0.0 : high.TableEdgeMinutes);
    }
    return edge;
}

Runtime MinutesAt(const BatteryBlock& ABlock, double AEndVoltage, double AWattsPerCell)
{
    return EndVoltageReader(ABlock, AEndVoltage)(AWattsPerCell);
}

double CapacityFactor(const BatteryConditions& AConditions, double AColdDerating)
{
    const double cold = std::max(0.0, 25.0 - AConditions.TemperatureC);
    return std::max(0.0, 1.0 - AColdDerating * cold) * AConditions.Ageing;
}

double EfficiencyAt(const std::array<double, 4>& AEfficiency, double ALoadFraction)
{
    const double fraction = std::clamp(ALoadFraction, 0.25, 1.0);
    const double position = fraction / 0.25 - 1; // 0 at 25 %, 3 at 100 %
    const int below = std::min(2, static_cast<int>(std::floor(position)));
    const double t = position - below;
    return AEfficiency[below] + t * (AEfficiency[below + 1] - AEfficiency[below]);
}

namespace {

// The arithmetic of both Discharge forms, with the table reading last.
template <typename Read>
BatteryDischarge DischargeWith(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                               const BatteryBlock& ABlock, const BatteryConditions& AConditions, Read ARead)
{
    BatteryDischarge result;
    result.BatteryWatts = AEfficiency > 0 ? ALoadWatts / AEfficiency : 0;
    result.CellCount = AStrings * ABlocksPerString * ABlock.Cells;
    if (result.CellCount <= 0 || AEfficiency <= 0) {
        result.Minutes.BeyondTable = true;
        return result;
    }
    result.WattsPerCell = result.BatteryWatts / result.CellCount;
    const double capacity = CapacityFactor(AConditions, ABlock.ColdDerating);
    // A battery with less capacity behaves as a full one asked for more watts.
    result.TableWattsPerCell = capacity > 0 ? result.WattsPerCell / capacity : INFINITY;
    result.Minutes = ARead(result.TableWattsPerCell);
    return result;
}

} // namespace

BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, const DischargeCurve& ACurve,
                           const BatteryConditions& AConditions)
{
    return DischargeWith(ALoadWatts, AEfficiency, AStrings, ABlocksPerString, ABlock, AConditions,
                         [&](double AWattsPerCell) { return MinutesAt(ACurve, AWattsPerCell); });
}

BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, double AEndVoltage, const BatteryConditions& AConditions)
{
    return Discharge(ALoadWatts, AEfficiency, AStrings, ABlocksPerString, ABlock, EndVoltageReader(ABlock, AEndVoltage),
                     AConditions);
}

BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, const EndVoltageReader& AReader,
                           const BatteryConditions& AConditions)
{
    return DischargeWith(ALoadWatts, AEfficiency, AStrings, ABlocksPerString, ABlock, AConditions, AReader);
}

} // namespace vantor::devengine
