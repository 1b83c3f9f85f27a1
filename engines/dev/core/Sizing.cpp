#include "dev/core/Sizing.h"

#include <algorithm>
#include <cmath>

namespace vantor::devengine {

namespace {

// Keeps tiny floating-point excesses (900.0000001 W) from failing a fit.
constexpr double Tolerance = 1e-6;

int Limited(qsizetype size, int limit)
{
    return limit < 0 ? static_cast<int>(size) : std::min(static_cast<int>(size), limit);
}

} // namespace

Requirement RequirementForLoad(double load, LoadUnit unit, double powerFactor)
{
    if (load <= 0)
        return {};
    powerFactor = std::clamp(powerFactor, 0.01, 1.0);
    if (unit == LoadUnit::Watts)
        return {load / powerFactor, load};
    return {load, load * powerFactor};
}

Requirement WithReserve(const Requirement& requirement, double growthPercent, double maxLoadingPercent)
{
    const double growth = 1 + std::max(0.0, growthPercent) / 100;
    const double loading = std::clamp(maxLoadingPercent, 1.0, 100.0) / 100;
    return {requirement.VoltAmperes * growth / loading, requirement.Watts * growth / loading};
}

bool Fits(const Rating& rating, const Requirement& requirement)
{
    return rating.VoltAmperes + Tolerance >= requirement.VoltAmperes && rating.Watts + Tolerance >= requirement.Watts;
}

QList<int> SmallestFitting(const QList<PriceItem>& items, const Requirement& requirement, int limit,
                           SuggestionOrder order)
{
    QList<int> fitting;
    if (requirement.VoltAmperes <= 0 && requirement.Watts <= 0)
        return fitting;
    for (int i = 0; i < items.size(); ++i)
        if (items[i].PowerRating && Fits(*items[i].PowerRating, requirement))
            fitting.append(i);
    auto bySize = [&](int a, int b) {
        const Rating& ra = *items[a].PowerRating;
        const Rating& rb = *items[b].PowerRating;
        if (ra.VoltAmperes != rb.VoltAmperes)
            return ra.VoltAmperes < rb.VoltAmperes;
        if (ra.Watts != rb.Watts)
            return ra.Watts < rb.Watts;
        return items[a].Price < items[b].Price;
    };
    auto byPrice = [&](int a, int b) {
        if (items[a].Price != items[b].Price)
            return items[a].Price < items[b].Price;
        return bySize(a, b);
    };
    if (order == SuggestionOrder::ByPrice)
        std::stable_sort(fitting.begin(), fitting.end(), byPrice);
    else
        std::stable_sort(fitting.begin(), fitting.end(), bySize);
    fitting.resize(Limited(fitting.size(), limit));
    return fitting;
}

QList<ParallelChoice> ParallelChoices(const QList<PriceItem>& items, const Requirement& requirement, int redundantUnits,
                                      int maxUnits, int limit, SuggestionOrder order)
{
    QList<ParallelChoice> choices;
    if (requirement.VoltAmperes <= 0 && requirement.Watts <= 0)
        return choices;
    redundantUnits = std::max(0, redundantUnits);
    for (int i = 0; i < items.size(); ++i) {
        if (!items[i].PowerRating)
            continue;
        const Rating& rating = *items[i].PowerRating;
        const double share = std::max(requirement.VoltAmperes / rating.VoltAmperes, requirement.Watts / rating.Watts);
        const int forLoad = std::max(1, static_cast<int>(std::ceil(share - Tolerance)));
        if (forLoad + redundantUnits > maxUnits)
            continue;
        choices.append({i, forLoad, redundantUnits});
    }
    auto installed = [&](const ParallelChoice& c) { return c.TotalUnits() * items[c.Item].PowerRating->VoltAmperes; };
    auto cost = [&](const ParallelChoice& c) { return c.TotalUnits() * items[c.Item].Price; };
    std::stable_sort(choices.begin(), choices.end(), [&](const ParallelChoice& a, const ParallelChoice& b) {
        if (order == SuggestionOrder::ByPrice && cost(a) != cost(b))
            return cost(a) < cost(b);
        if (installed(a) != installed(b))
            return installed(a) < installed(b);
        if (a.TotalUnits() != b.TotalUnits())
            return a.TotalUnits() < b.TotalUnits();
        return cost(a) < cost(b);
    });
    choices.resize(Limited(choices.size(), limit));
    return choices;
}

BatteryEstimate EstimateBattery(double loadWatts, double minutes, double batteryVolts, double efficiencyPercent)
{
    if (loadWatts <= 0 || minutes <= 0)
        return {};
    const double efficiency = std::clamp(efficiencyPercent, 1.0, 100.0) / 100;
    BatteryEstimate estimate;
    estimate.EnergyWattHours = loadWatts * minutes / 60 / efficiency;
    estimate.AmpHours = batteryVolts > 0 ? estimate.EnergyWattHours / batteryVolts : 0;
    return estimate;
}

} // namespace vantor::devengine
