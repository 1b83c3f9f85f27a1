#include "dev/core/InstallationData.h"

#include "dev/core/SystemDischarge.h"

#include <cmath>

namespace vantor::devengine {

namespace {

constexpr int StandardRatings[] = {6,  10,  13,  16,  20,  25,  32,  40,  50,  63,
                                   80, 100, 125, 160, 200, 250, 315, 400, 500, 630};

} // namespace

std::optional<int> BreakerFor(double AInputCurrent)
{
    const double needed = AInputCurrent * BreakerMargin;
    for (const int rating : StandardRatings) {
        // A hair below the rating still fits it: the sum of rounded inputs.
        if (rating >= needed - 1e-9)
            return rating;
    }
    return std::nullopt;
}

InstallationData InstallationFor(const Solution& ASolution, const UpsModel& AModel, const ProductData& AData,
                                 double AWatts, double AVoltAmperes)
{
    InstallationData data;
    const int running = ASolution.Modules ? *ASolution.Modules : ASolution.Units;
    const int carrying = std::max(1, running - ASolution.Redundant);
    const double volts = AModel.NominalVolts > 0 ? AModel.NominalVolts : 230;

    // Losses of the double conversion at the load every unit carries.
    const double efficiency =
        EfficiencyAt(AModel.OnlineEfficiency, LoadFractionOf(AModel, running, AWatts, AVoltAmperes));
    if (efficiency > 0)
        data.HeatWatts = AWatts / efficiency - AWatts;
    data.HeatBtuPerHour = data.HeatWatts * BtuPerHourPerWatt;

    const BatteryCabinet* cabinet = ASolution.Cabinets > 0 ? AData.CabinetFor(AModel) : nullptr;
    data.WeightKg = ASolution.Units * AModel.WeightKg + (cabinet ? ASolution.Cabinets * cabinet->WeightKg : 0);
    data.FloorAreaM2 = (ASolution.Units * AModel.WidthMm * AModel.DepthMm +
                        (cabinet ? ASolution.Cabinets * cabinet->WidthMm * cabinet->DepthMm : 0)) /
                       1e6;

    // Three phases share the apparent power: I = S / (√3 x V between lines) = S / (3 x V to neutral).
    data.OutputCurrentA = AVoltAmperes / (volts * AModel.OutputPhases);

    // One feed carries its unit's share with the redundant ones out, plus
    // what its charger draws; a frame has one feed for all its modules.
    const BatteryBlock* block = AData.Block(AModel.BlockType);
    const double busVolts = block ? AModel.BlocksPerString * block->NominalVolts : 0;
    const double charging = AModel.ChargerAmps * busVolts / ChargerEfficiency;
    const double feedWatts = AModel.Modular ? AWatts : AWatts / carrying;
    const double feedEfficiency =
        EfficiencyAt(AModel.OnlineEfficiency, LoadFractionOf(AModel, carrying, AWatts, AVoltAmperes));
    data.Feeds = AModel.Modular ? 1 : ASolution.Units;
    data.InputPhases = AModel.InputPhases;
    if (feedEfficiency > 0)
        data.InputCurrentA = (feedWatts / feedEfficiency + charging) / (InputPowerFactor * volts * AModel.InputPhases);
    data.BreakerA = BreakerFor(data.InputCurrentA);

    if (block != nullptr && AModel.ChargerAmps > 0)
        data.RechargeHours = RechargeLossFactor * ASolution.Strings * block->AmpereHours / AModel.ChargerAmps;
    return data;
}

} // namespace vantor::devengine
