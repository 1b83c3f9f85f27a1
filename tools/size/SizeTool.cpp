#include "size/SizeTool.h"

#include "common/uConstants.h"
#include "dev/core/InstallationData.h"
#include "dev/core/NoSolutionReason.h"
#include "dev/core/Pricelist.h"
#include "dev/core/ProductDataFile.h"
#include "dev/core/SelectorRequest.h"
#include "engine/EngineApi.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace vantor::size {

namespace {

namespace limit = devengine::InputLimit;

std::optional<double> Number(const QString& AText)
{
    bool ok = false;
    const double value = AText.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QJsonValue OrNull(const std::optional<double>& AValue)
{
    return AValue ? QJsonValue(*AValue) : QJsonValue();
}

double Rounded(double AValue, int ADecimals)
{
    const double scale = std::pow(10.0, ADecimals);
    return std::round(AValue * scale) / scale;
}

QJsonValue MinutesOf(const devengine::Runtime& ARuntime)
{
    return ARuntime.Minutes ? QJsonValue(Rounded(*ARuntime.Minutes, 1)) : QJsonValue();
}

QJsonObject SolutionJson(const devengine::Solution& ASolution, const devengine::ProductData& AData,
                         const devengine::SizingRequest& ARequest, bool ATrace)
{
    QJsonObject entry{
        {"ups", ASolution.Ups},
        {"units", ASolution.Units},
        {"modules", ASolution.Modules ? QJsonValue(*ASolution.Modules) : QJsonValue()},
        {"cabinets", ASolution.Cabinets > 0
                         ? QJsonArray{QJsonObject{{"code", ASolution.Cabinet}, {"count", ASolution.Cabinets}}}
                         : QJsonArray()},
        {"strings", ASolution.Strings},
        {"blocks_per_string", ASolution.BlocksPerString},
        {"cells", ASolution.Cells},
        {"watts_per_cell", Rounded(ASolution.WattsPerCell, 2)},
        {"end_voltage", Rounded(ASolution.EndVoltage, 3)},
        {"minutes", MinutesOf(ASolution.Minutes)},
        {"minutes_new", MinutesOf(ASolution.MinutesNew)},
        {"minutes_redundancy_out", ASolution.MinutesOut ? MinutesOf(*ASolution.MinutesOut) : QJsonValue()},
        {"beyond_table", ASolution.Minutes.BeyondTable},
        {"loading_percent", Rounded(ASolution.LoadingPercent, 1)},
        {"below_autonomy", ASolution.BelowAutonomy},
        {"price", OrNull(ASolution.Price)},
        {"chemistry", devengine::ChemistryName(ASolution.Chemistry)},
    };
    if (const devengine::UpsModel* model = AData.Model(ASolution.Ups)) {
        const devengine::InstallationData data =
            devengine::InstallationFor(ASolution, *model, AData, ARequest.Watts, ARequest.VoltAmperes);
        entry.insert("recharge_hours", data.RechargeHours ? QJsonValue(Rounded(*data.RechargeHours, 1)) : QJsonValue());
        entry.insert("heat_watts", Rounded(data.HeatWatts, 0));
        entry.insert("heat_btu_per_hour", Rounded(data.HeatBtuPerHour, 0));
        entry.insert("weight_kg", Rounded(data.WeightKg, 1));
        entry.insert("floor_area_m2", Rounded(data.FloorAreaM2, 2));
        entry.insert("output_current_a", Rounded(data.OutputCurrentA, 1));
        entry.insert("input_current_a", Rounded(data.InputCurrentA, 1));
        entry.insert("breaker_a", data.BreakerA ? QJsonValue(*data.BreakerA) : QJsonValue());
    }
    if (ATrace)
        entry.insert("trace", QJsonObject{{"efficiency", Rounded(ASolution.Efficiency, 4)},
                                          {"battery_watts", Rounded(ASolution.BatteryWatts, 1)},
                                          {"table_watts_per_cell", Rounded(ASolution.TableWattsPerCell, 2)}});
    return entry;
}

} // namespace

QString SizeUsage()
{
    return QStringLiteral(
        "usage: vantor-size INSTALLATION_FOLDER --catalogue CODE --load 6000W|6600VA [--pf 0.9]\n"
        "         [--autonomy 15] [--selector base|advanced|modular] [--growth PERCENT]\n"
        "         [--loading-limit PERCENT] [--redundancy N] [--end-voltage VOLTS] [--temperature 25]\n"
        "         [--ageing 0.8] [--prices] [--option WORD]...\n"
        "  Prints one JSON object: the load and the solutions in the order the selector shows them.\n"
        "  Defaults are the screen's: loading limit 90 % on the advanced selector, one redundant module\n"
        "  on the modular one, the end voltage of each UPS for its load.\n"
        "  Options words: " ENGINE_OPTION_SHOW_ALL_CONFIGURATIONS ", " ENGINE_OPTION_UNLIMITED_BATTERY_CABINETS
        ", " ENGINE_OPTION_SORT_BY_PRICE ", " ENGINE_OPTION_HIDE_THREE_PHASE ",\n"
        "  " ENGINE_OPTION_SHOW_AUTONOMY_LOWER ", " ENGINE_OPTION_DEBUG_MODE " (adds each solution's calculation).\n"
        "  Exit status: 0, 1 for unusable data or when nothing fits (with the reason),\n"
        "  2 for a wrong command line.\n");
}

std::optional<SizeCommand> ParseSizeArguments(const QStringList& AArguments, QString& AError)
{
    SizeCommand command;
    devengine::SizingRequest& request = command.Request;
    QString load;
    double powerFactor = devengine::SelectorInputs{}.PowerFactor, growth = 0, autonomy = 15;
    std::optional<double> loadingLimit;
    std::optional<int> redundancy;
    QString selector = QStringLiteral("base");
    const auto fail = [&AError](const QString& AWhy) -> std::optional<SizeCommand> {
        AError = AWhy;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < AArguments.size(); ++i) {
        const QString& argument = AArguments.at(i);
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= AArguments.size())
                return std::nullopt;
            return AArguments.at(++i);
        };
        const auto number = [&](double AMin, double AMax) -> std::optional<double> {
            const auto text = value();
            const auto parsed = text ? Number(*text) : std::nullopt;
            if (!parsed || *parsed < AMin || *parsed > AMax)
                return std::nullopt;
            return parsed;
        };
        std::optional<double> parsed;
        if (argument == QLatin1String("--catalogue")) {
            const auto text = value();
            if (!text || text->isEmpty())
                return fail(QStringLiteral("--catalogue needs a code"));
            command.Catalogue = *text;
        } else if (argument == QLatin1String("--load")) {
            const auto text = value();
            if (!text)
                return fail(QStringLiteral("--load needs a value such as 6000W or 6600VA"));
            load = *text;
        } else if (argument == QLatin1String("--pf")) {
            if (!(parsed = number(limit::MinPowerFactor, 1)))
                return fail(QStringLiteral("--pf is a power factor from %1 to 1").arg(limit::MinPowerFactor));
            powerFactor = *parsed;
        } else if (argument == QLatin1String("--autonomy")) {
            if (!(parsed = number(limit::MinAutonomy, limit::MaxAutonomy)))
                return fail(QStringLiteral("--autonomy is minutes from %1 to %2")
                                .arg(limit::MinAutonomy)
                                .arg(limit::MaxAutonomy));
            autonomy = *parsed;
        } else if (argument == QLatin1String("--loading-limit")) {
            if (!(loadingLimit = number(limit::MinLoadingPercent, 100)))
                return fail(
                    QStringLiteral("--loading-limit is a percentage from %1 to 100").arg(limit::MinLoadingPercent));
        } else if (argument == QLatin1String("--selector")) {
            const auto text = value();
            if (!text || !QStringList{"base", "advanced", "modular"}.contains(*text))
                return fail(QStringLiteral("--selector is base, advanced or modular"));
            selector = *text;
        } else if (argument == QLatin1String("--growth")) {
            if (!(parsed = number(0, limit::MaxGrowthPercent)))
                return fail(QStringLiteral("--growth is a percentage from 0 to %1").arg(limit::MaxGrowthPercent));
            growth = *parsed;
        } else if (argument == QLatin1String("--redundancy")) {
            if (!(parsed = number(0, limit::MaxRedundancy)) || *parsed != std::floor(*parsed))
                return fail(QStringLiteral("--redundancy is a whole number from 0 to %1").arg(limit::MaxRedundancy));
            redundancy = static_cast<int>(*parsed);
        } else if (argument == QLatin1String("--end-voltage")) {
            // Within the tables' range; the data may narrow it further.
            if (!(parsed = number(1.6, 1.75)))
                return fail(QStringLiteral("--end-voltage is volts per cell from 1.60 to 1.75"));
            request.Battery.EndVoltage = *parsed;
        } else if (argument == QLatin1String("--temperature")) {
            if (!(parsed = number(limit::MinTemperature, limit::MaxTemperature)))
                return fail(QStringLiteral("--temperature is degrees Celsius from %1 to %2")
                                .arg(limit::MinTemperature)
                                .arg(limit::MaxTemperature));
            request.Battery.TemperatureC = *parsed;
        } else if (argument == QLatin1String("--ageing")) {
            if (!(parsed = number(limit::MinAgeingPercent / 100, 1)))
                return fail(QStringLiteral("--ageing is the end-of-life capacity from %1 to 1")
                                .arg(limit::MinAgeingPercent / 100));
            request.Battery.Ageing = *parsed;
        } else if (argument == QLatin1String("--prices")) {
            request.ShowPrices = true;
        } else if (argument == QLatin1String("--option")) {
            const auto word = value();
            if (word == QLatin1String(ENGINE_OPTION_SHOW_ALL_CONFIGURATIONS))
                request.AllConfigurations = true;
            else if (word == QLatin1String(ENGINE_OPTION_UNLIMITED_BATTERY_CABINETS))
                request.UnlimitedCabinets = true;
            else if (word == QLatin1String(ENGINE_OPTION_SORT_BY_PRICE))
                request.Order = devengine::SolutionOrder::ByPrice;
            else if (word == QLatin1String(ENGINE_OPTION_HIDE_THREE_PHASE))
                request.HideThreePhase = true;
            else if (word == QLatin1String(ENGINE_OPTION_SHOW_AUTONOMY_LOWER))
                request.IncludeShort = true;
            else if (word == QLatin1String(ENGINE_OPTION_DEBUG_MODE))
                command.DebugTrace = true;
            else
                return fail(QStringLiteral("unknown option word \"%1\"").arg(word.value_or(QString())));
        } else if (!argument.startsWith(QLatin1String("--")) && command.Installation.isEmpty()) {
            command.Installation = argument;
        } else {
            return fail(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        }
    }
    if (command.Installation.isEmpty() || command.Catalogue.isEmpty() || load.isEmpty())
        return fail(QStringLiteral("the installation folder, --catalogue and --load are needed"));
    static const QRegularExpression loadForm(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(W|VA)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = loadForm.match(load);
    const double given = match.hasMatch() ? match.captured(1).toDouble() : 0;
    if (!(given > 0) || given > limit::MaxLoad)
        return fail(QStringLiteral("--load \"%1\" is no load in W or VA above 0 and up to %2 (6000W, 6600VA)")
                        .arg(load)
                        .arg(limit::MaxLoad, 0, 'f', 0));
    const bool advanced = selector == QLatin1String("advanced");
    const bool modular = selector == QLatin1String("modular");
    if (redundancy.value_or(0) > 0 && !advanced && !modular)
        return fail(QStringLiteral("--redundancy needs --selector advanced or modular"));
    // The selector's screen: the same request from the same inputs.
    devengine::SelectorInputs inputs;
    inputs.Load = given;
    inputs.LoadInVA = match.captured(2).compare(QLatin1String("VA"), Qt::CaseInsensitive) == 0;
    inputs.PowerFactor = powerFactor;
    inputs.GrowthPercent = growth;
    inputs.MaxLoadingPercent = loadingLimit.value_or(advanced ? devengine::AdvancedLoadingPercent : 100);
    inputs.AutonomyMinutes = autonomy;
    inputs.Redundancy = redundancy.value_or(modular ? devengine::ModularRedundancy : 0);
    inputs.Battery = request.Battery;
    devengine::EngineSettings settings;
    settings.ShowPrices = request.ShowPrices;
    if (request.AllConfigurations)
        settings.Options.append(QString::fromLatin1(devengine::OptionShowAllConfigurations));
    if (request.UnlimitedCabinets)
        settings.Options.append(QString::fromLatin1(devengine::OptionUnlimitedCabinets));
    if (request.Order == devengine::SolutionOrder::ByPrice)
        settings.Options.append(QString::fromLatin1(devengine::OptionSortByPrice));
    if (request.HideThreePhase)
        settings.Options.append(QString::fromLatin1(devengine::OptionHideThreePhase));
    if (request.IncludeShort)
        settings.Options.append(QString::fromLatin1(devengine::OptionShowAutonomyLower));
    const devengine::SelectorKind kind = advanced  ? devengine::SelectorKind::Advanced
                                         : modular ? devengine::SelectorKind::Modular
                                                   : devengine::SelectorKind::Base;
    request = devengine::RequestFor(kind, inputs, settings);
    return command;
}

std::optional<QJsonObject> RunSizing(const SizeCommand& ACommand, QString& AError)
{
    devengine::ProductData data;
    QString problem;
    const QString dataFile = ACommand.Installation + QStringLiteral("/Data/Data.vt4");
    if (!devengine::LoadProductData(dataFile, QString::fromLatin1(DatabasePassword), data, problem)) {
        AError = QStringLiteral("the product data cannot be used: %1").arg(problem);
        return std::nullopt;
    }
    QHash<QString, double> prices;
    if (ACommand.Request.ShowPrices) {
        const QString pricelist =
            QStringLiteral("%1/Catalogues/%2/Pricelist.vt4").arg(ACommand.Installation, ACommand.Catalogue);
        if (!QFileInfo::exists(pricelist)) {
            AError = QStringLiteral("catalogue %1 has no pricelist (%2)").arg(ACommand.Catalogue, pricelist);
            return std::nullopt;
        }
        const devengine::Pricelist read = devengine::ReadPricelist(QFileInfo(pricelist).path() + QLatin1Char('/'),
                                                                   QString::fromLatin1(DatabasePassword));
        if (!read.Readable) {
            AError = QStringLiteral("%1: %2").arg(pricelist, read.Problem);
            return std::nullopt;
        }
        prices = devengine::PricesByModel(read).Prices;
    }
    const devengine::SizingRequest& request = ACommand.Request;
    const devengine::EngineTexts english{QStringLiteral("ENG")};
    const double endVoltage = request.Battery.EndVoltage;
    if (endVoltage > 0) {
        const auto range = data.CommonEndVoltageRange();
        if (!range || endVoltage < range->first - 0.005 || endVoltage > range->second + 0.005) {
            AError = range ? QStringLiteral("the battery tables cover end voltages from %1 to %2 V per cell")
                                 .arg(range->first, 0, 'f', 2)
                                 .arg(range->second, 0, 'f', 2)
                           : QStringLiteral("the battery blocks share no range of end voltages");
            return std::nullopt;
        }
    }
    // The screen's own refusal first, then the reason nothing fits.
    const double longest = data.LongestMinutes(endVoltage);
    if (request.AutonomyMinutes > longest) {
        AError = english(devengine::TextId::AutonomyTooLong).arg(english.Number(longest));
        return std::nullopt;
    }
    const QList<devengine::Solution> found = devengine::FindSolutions(data, request, prices);
    if (found.isEmpty()) {
        AError = devengine::NoSolutionText(devengine::WhyNoSolution(data, request), english);
        return std::nullopt;
    }
    QJsonArray solutions;
    for (const devengine::Solution& solution : found)
        solutions.append(SolutionJson(solution, data, request, ACommand.DebugTrace));
    return QJsonObject{
        {"load", QJsonObject{{"watts", Rounded(request.Watts, 1)}, {"volt_amperes", Rounded(request.VoltAmperes, 1)}}},
        {"solutions", solutions}};
}

} // namespace vantor::size
