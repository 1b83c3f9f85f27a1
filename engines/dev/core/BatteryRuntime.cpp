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

double CapacityFactor(const BatteryConditions& AConditions)
{
    const double cold = std::max(0.0, 25.0 - AConditions.TemperatureC);
    return std::max(0.0, 1.0 - 0.01 * cold) * AConditions.Ageing;
}

double EfficiencyAt(const std::array<double, 4>& AEfficiency, double ALoadFraction)
{
    const double fraction = std::clamp(ALoadFraction, 0.25, 1.0);
    const double position = fraction / 0.25 - 1; // 0 at 25 %, 3 at 100 %
    const int below = std::min(2, static_cast<int>(std::floor(position)));
    const double t = position - below;
    return AEfficiency[below] + t * (AEfficiency[below + 1] - AEfficiency[below]);
}

BatteryDischarge Discharge(double ALoadWatts, double AEfficiency, int AStrings, int ABlocksPerString,
                           const BatteryBlock& ABlock, const DischargeCurve& ACurve,
                           const BatteryConditions& AConditions)
{
    BatteryDischarge result;
    result.BatteryWatts = AEfficiency > 0 ? ALoadWatts / AEfficiency : 0;
    result.CellCount = AStrings * ABlocksPerString * ABlock.Cells;
    if (result.CellCount <= 0 || AEfficiency <= 0) {
        result.Minutes.BeyondTable = true;
        return result;
    }
    result.WattsPerCell = result.BatteryWatts / result.CellCount;
    const double capacity = CapacityFactor(AConditions);
    // A battery with less capacity behaves as a full one asked for more watts.
    result.TableWattsPerCell = capacity > 0 ? result.WattsPerCell / capacity : INFINITY;
    result.Minutes = MinutesAt(ACurve, result.TableWattsPerCell);
    return result;
}

} // namespace vantor::devengine
