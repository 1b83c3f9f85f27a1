#include "size/SizeTool.h"

#include "common/uConstants.h"
#include "dev/core/Pricelist.h"
#include "dev/core/ProductDataFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace vantor::size {

namespace {

// The longest autonomy a sizing may ask for: beyond any maker's table.
constexpr double MaxAutonomyMinutes = 480;

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

} // namespace

QString SizeUsage()
{
    return QStringLiteral("usage: vantor-size INSTALLATION_FOLDER --catalogue CODE --load 6000W|6600VA [--pf 0.9]\n"
                          "         --autonomy MINUTES [--selector base|advanced|modular] [--growth PERCENT]\n"
                          "         [--redundancy N] [--end-voltage 1.67] [--temperature 25] [--ageing 0.8]\n"
                          "         [--prices] [--option WORD]...\n"
                          "  Prints one JSON object: the load and the solutions in the order the selector shows them.\n"
                          "  Options words: SHOW_ALLCFG, UNLIMITED_BATTCAB, SORT_BY_PRICE, HIDE_3PH_UPS,\n"
                          "  SHOW_AUTONOMY_LOWER, DEBUG_MODE (adds each solution's calculation).\n"
                          "  Exit status: 0, 1 for unusable data, 2 for a wrong command line.\n");
}

std::optional<SizeCommand> ParseSizeArguments(const QStringList& AArguments, QString& AError)
{
    SizeCommand command;
    devengine::SizingRequest& request = command.Request;
    QString load;
    double powerFactor = 0.9, growth = 0;
    std::optional<double> autonomy;
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
            if (!(parsed = number(0.01, 1)))
                return fail(QStringLiteral("--pf is a power factor above 0 and at most 1"));
            powerFactor = *parsed;
        } else if (argument == QLatin1String("--autonomy")) {
            if (!(autonomy = number(0.1, MaxAutonomyMinutes)))
                return fail(QStringLiteral("--autonomy is minutes above 0 and at most %1").arg(MaxAutonomyMinutes));
        } else if (argument == QLatin1String("--selector")) {
            const auto text = value();
            if (!text || !QStringList{"base", "advanced", "modular"}.contains(*text))
                return fail(QStringLiteral("--selector is base, advanced or modular"));
            selector = *text;
        } else if (argument == QLatin1String("--growth")) {
            if (!(parsed = number(0, 1000)))
                return fail(QStringLiteral("--growth is a percentage from 0 to 1000"));
            growth = *parsed;
        } else if (argument == QLatin1String("--redundancy")) {
            if (!(parsed = number(0, 8)) || *parsed != std::floor(*parsed))
                return fail(QStringLiteral("--redundancy is a whole number from 0 to 8"));
            request.Redundancy = static_cast<int>(*parsed);
        } else if (argument == QLatin1String("--end-voltage")) {
            if (!(parsed = number(1.6, 1.75)))
                return fail(QStringLiteral("--end-voltage is volts per cell from 1.60 to 1.75"));
            request.Battery.EndVoltage = *parsed;
        } else if (argument == QLatin1String("--temperature")) {
            if (!(parsed = number(-20, 50)))
                return fail(QStringLiteral("--temperature is degrees Celsius from -20 to 50"));
            request.Battery.TemperatureC = *parsed;
        } else if (argument == QLatin1String("--ageing")) {
            if (!(parsed = number(0.5, 1)))
                return fail(QStringLiteral("--ageing is the end-of-life capacity from 0.5 to 1"));
            request.Battery.Ageing = *parsed;
        } else if (argument == QLatin1String("--prices")) {
            request.ShowPrices = true;
        } else if (argument == QLatin1String("--option")) {
            const auto word = value();
            if (word == QLatin1String("SHOW_ALLCFG"))
                request.AllConfigurations = true;
            else if (word == QLatin1String("UNLIMITED_BATTCAB"))
                request.UnlimitedCabinets = true;
            else if (word == QLatin1String("SORT_BY_PRICE"))
                request.Order = devengine::SolutionOrder::ByPrice;
            else if (word == QLatin1String("HIDE_3PH_UPS"))
                request.HideThreePhase = true;
            else if (word == QLatin1String("SHOW_AUTONOMY_LOWER"))
                request.IncludeShort = true;
            else if (word == QLatin1String("DEBUG_MODE"))
                command.DebugTrace = true;
            else
                return fail(QStringLiteral("unknown option word \"%1\"").arg(word.value_or(QString())));
        } else if (!argument.startsWith(QLatin1String("--")) && command.Installation.isEmpty()) {
            command.Installation = argument;
        } else {
            return fail(QStringLiteral("unexpected argument \"%1\"").arg(argument));
        }
    }
    if (command.Installation.isEmpty() || command.Catalogue.isEmpty() || load.isEmpty() || !autonomy)
        return fail(QStringLiteral("the installation folder, --catalogue, --load and --autonomy are needed"));
    static const QRegularExpression loadForm(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(W|VA)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = loadForm.match(load);
    if (!match.hasMatch() || !(match.captured(1).toDouble() > 0))
        return fail(QStringLiteral("--load \"%1\" is no positive load in W or VA (6000W, 6600VA)").arg(load));
    const double amount = match.captured(1).toDouble() * (1 + growth / 100);
    const bool watts = match.captured(2).compare(QLatin1String("W"), Qt::CaseInsensitive) == 0;
    request.Watts = watts ? amount : amount * powerFactor;
    request.VoltAmperes = watts ? amount / powerFactor : amount;
    request.AutonomyMinutes = *autonomy;
    if (selector == QLatin1String("advanced"))
        request.Units = 4; // parallel systems of up to four identical units
    request.ModularOnly = selector == QLatin1String("modular");
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
    QJsonArray solutions;
    for (const devengine::Solution& solution : devengine::FindSolutions(data, ACommand.Request, prices)) {
        QJsonObject entry{
            {"ups", solution.Ups},
            {"units", solution.Units},
            {"modules", solution.Modules ? QJsonValue(*solution.Modules) : QJsonValue()},
            {"cabinets", solution.Cabinets > 0
                             ? QJsonArray{QJsonObject{{"code", solution.Cabinet}, {"count", solution.Cabinets}}}
                             : QJsonArray()},
            {"strings", solution.Strings},
            {"blocks_per_string", solution.BlocksPerString},
            {"cells", solution.Cells},
            {"watts_per_cell", Rounded(solution.WattsPerCell, 2)},
            {"end_voltage", solution.EndVoltage},
            {"minutes", solution.Minutes.Minutes ? QJsonValue(Rounded(*solution.Minutes.Minutes, 1)) : QJsonValue()},
            {"beyond_table", solution.Minutes.BeyondTable},
            {"loading_percent", Rounded(solution.LoadingPercent, 1)},
            {"below_autonomy", solution.BelowAutonomy},
            {"price", OrNull(solution.Price)},
        };
        if (ACommand.DebugTrace)
            entry.insert("trace", QJsonObject{{"efficiency", Rounded(solution.Efficiency, 4)},
                                              {"battery_watts", Rounded(solution.BatteryWatts, 1)},
                                              {"table_watts_per_cell", Rounded(solution.TableWattsPerCell, 2)}});
        solutions.append(entry);
    }
    return QJsonObject{{"load", QJsonObject{{"watts", Rounded(ACommand.Request.Watts, 1)},
                                            {"volt_amperes", Rounded(ACommand.Request.VoltAmperes, 1)}}},
                       {"solutions", solutions}};
}

} // namespace vantor::size
