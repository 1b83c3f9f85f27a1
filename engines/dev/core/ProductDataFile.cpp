#include "dev/core/ProductDataFile.h"

#include "dev/core/EngineDatabase.h"
#include "support/Error.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace vantor::devengine {

namespace {

// A database of an older product data format lacks the newer columns; its
// rows would read as zeros, so it is refused by name instead.
void RequireColumns(const QString& AFile, const QString& ATable, const QList<QHash<QString, QString>>& ARows,
                    std::initializer_list<const char*> AColumns)
{
    if (ARows.isEmpty())
        return;
    for (const char* column : AColumns) {
        if (!ARows.first().contains(QLatin1String(column)))
            throw Error(QStringLiteral("%1: the table %2 has no column %3 (product data of an older format)")
                            .arg(AFile, ATable, QLatin1String(column)));
    }
}

} // namespace

bool LoadProductData(const QString& AFile, const QString& APassword, ProductData& AData, QString& AProblem)
{
    AData = {};
    try {
        db::DbConnection connection;
        SetUpReadOnly(connection, QStringLiteral("Data.vt4"), AFile, APassword);

        const auto blocks = Rows(connection, QStringLiteral("SELECT * FROM Blocks"));
        RequireColumns(AFile, QStringLiteral("Blocks"), blocks, {"Chemistry", "ColdDerating"});
        for (const auto& row : blocks) {
            BatteryBlock block;
            block.Code = row.value(QStringLiteral("Code"));
            block.NominalVolts = row.value(QStringLiteral("Volts")).toDouble();
            block.Cells = row.value(QStringLiteral("Cells")).toInt();
            block.AmpereHours = row.value(QStringLiteral("AmpereHours")).toDouble();
            block.Kind = row.value(QStringLiteral("Chemistry")) == QLatin1String("Li-ion")
                             ? BatteryChemistry::LithiumIon
                             : BatteryChemistry::Vrla;
            block.ColdDerating = row.value(QStringLiteral("ColdDerating")).toDouble() / 100;
            AData.Blocks.append(block);
        }
        const QList<QHash<QString, QString>> points =
            Rows(connection, QStringLiteral("SELECT * FROM Discharge ORDER BY Block, EndVoltage, Minutes"));
        for (const auto& row : points) {
            for (BatteryBlock& block : AData.Blocks) {
                if (block.Code != row.value(QStringLiteral("Block")))
                    continue;
                const double end = row.value(QStringLiteral("EndVoltage")).toDouble();
                if (block.Curves.isEmpty() || std::abs(block.Curves.last().EndVoltage - end) > 0.001)
                    block.Curves.append(DischargeCurve{end, {}});
                block.Curves.last().Points.append({row.value(QStringLiteral("Minutes")).toDouble(),
                                                   row.value(QStringLiteral("WattsPerCell")).toDouble()});
            }
        }
        const auto cabinets = Rows(connection, QStringLiteral("SELECT * FROM Cabinets"));
        RequireColumns(AFile, QStringLiteral("Cabinets"), cabinets, {"WeightKg", "WidthMm", "DepthMm", "HeightMm"});
        for (const auto& row : cabinets) {
            const auto number = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toDouble(); };
            AData.Cabinets.append({row.value(QStringLiteral("Code")), row.value(QStringLiteral("Block")),
                                   row.value(QStringLiteral("Strings")).toInt(), number("WeightKg"), number("WidthMm"),
                                   number("DepthMm"), number("HeightMm")});
        }
        const auto models = Rows(connection, QStringLiteral("SELECT * FROM Models"));
        RequireColumns(AFile, QStringLiteral("Models"), models,
                       {"MaxParallel", "EndVoltageFull", "EndVoltageLight", "ChargerAmps", "ChargerStrings",
                        "OnlineEff25", "OnlineEff50", "OnlineEff75", "OnlineEff100", "NominalVolts", "WeightKg",
                        "WidthMm", "DepthMm", "HeightMm"});
        for (const auto& row : models) {
            UpsModel model;
            const auto number = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toDouble(); };
            const auto whole = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toInt(); };
            model.Code = row.value(QStringLiteral("Code"));
            model.RatedVA = number("VA");
            model.RatedW = number("W");
            model.InputPhases = whole("InputPhases");
            model.OutputPhases = whole("OutputPhases");
            model.Efficiency = {number("Eff25"), number("Eff50"), number("Eff75"), number("Eff100")};
            model.BlocksPerString = whole("BlocksPerString");
            model.BlockType = row.value(QStringLiteral("Block"));
            model.InternalStrings = whole("InternalStrings");
            model.MaxCabinets = whole("MaxCabinets");
            model.CabinetCode = row.value(QStringLiteral("Cabinet"));
            model.Slots = whole("Slots");
            model.Modular = model.Slots > 0;
            model.ModuleVA = number("ModuleVA");
            model.ModuleW = number("ModuleW");
            model.ModuleCode = row.value(QStringLiteral("Module"));
            model.MaxParallel = std::max(1, whole("MaxParallel"));
            model.EndVoltageFull = number("EndVoltageFull");
            model.EndVoltageLight = number("EndVoltageLight");
            model.ChargerAmps = number("ChargerAmps");
            model.ChargerStrings = whole("ChargerStrings");
            model.OnlineEfficiency = {number("OnlineEff25"), number("OnlineEff50"), number("OnlineEff75"),
                                      number("OnlineEff100")};
            model.NominalVolts = number("NominalVolts");
            model.WeightKg = number("WeightKg");
            model.WidthMm = number("WidthMm");
            model.DepthMm = number("DepthMm");
            model.HeightMm = number("HeightMm");
            AData.Models.append(model);
        }
    } catch (const Error& error) {
        AProblem = error.message();
        AData = {};
        return false;
    }
    if (AData.Models.isEmpty() || AData.Blocks.isEmpty()) {
        AProblem = QStringLiteral("%1 holds no UPS models or no battery blocks").arg(AFile);
        return false;
    }
    return true;
}

} // namespace vantor::devengine
