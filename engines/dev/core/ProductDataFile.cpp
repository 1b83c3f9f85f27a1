#include "dev/core/ProductDataFile.h"

#include "dev/core/EngineDatabase.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace vantor::devengine {

namespace {

// A database of an older product data format lacks the newer columns; its
// rows would read as zeros, so it is refused by name instead.
Result<void> RequireColumns(const QString& AFile, const QString& ATable, const QList<TableRow>& ARows,
                            std::initializer_list<const char*> AColumns)
{
    if (ARows.isEmpty())
        return Ok();
    for (const char* column : AColumns) {
        if (!ARows.first().contains(QLatin1String(column)))
            return Failure(QStringLiteral("%1: the table %2 has no column %3 (product data of an older format)")
                               .arg(AFile, ATable, QLatin1String(column)));
    }
    return Ok();
}

// The rows of a table that must have these columns.
Result<QList<TableRow>> TableRows(db::DbConnection& AConnection, const QString& AFile, const QString& ATable,
                                  const QString& ASql, std::initializer_list<const char*> AColumns)
{
    Result<QList<TableRow>> rows = Rows(AConnection, ASql);
    if (!rows)
        return rows;
    if (const Result<void> complete = RequireColumns(AFile, ATable, *rows, AColumns); !complete)
        return complete.error();
    return rows;
}

Result<void> ReadProductData(const QString& AFile, const QString& APassword, ProductData& AData)
{
    db::DbConnection connection;
    SetUpReadOnly(connection, QStringLiteral("Data.vt4"), AFile, APassword);

    const auto blocks = TableRows(connection, AFile, QStringLiteral("Blocks"), QStringLiteral("SELECT * FROM Blocks"),
                                  {"Chemistry", "ColdDerating"});
    if (!blocks)
        return blocks.error();
    for (const auto& row : *blocks) {
        BatteryBlock block;
        block.Code = row.value(QStringLiteral("Code"));
        block.NominalVolts = row.value(QStringLiteral("Volts")).toDouble();
        block.Cells = row.value(QStringLiteral("Cells")).toInt();
        block.AmpereHours = row.value(QStringLiteral("AmpereHours")).toDouble();
        block.Kind = row.value(QStringLiteral("Chemistry")) == QLatin1String("Li-ion") ? BatteryChemistry::LithiumIon
                                                                                       : BatteryChemistry::Vrla;
        block.ColdDerating = row.value(QStringLiteral("ColdDerating")).toDouble() / 100;
        AData.Blocks.append(block);
    }
    const auto points = Rows(connection, QStringLiteral("SELECT * FROM Discharge ORDER BY Block, EndVoltage, Minutes"));
    if (!points)
        return points.error();
    for (const auto& row : *points) {
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
    const auto cabinets =
        TableRows(connection, AFile, QStringLiteral("Cabinets"), QStringLiteral("SELECT * FROM Cabinets"),
                  {"WeightKg", "WidthMm", "DepthMm", "HeightMm"});
    if (!cabinets)
        return cabinets.error();
    for (const auto& row : *cabinets) {
        const auto number = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toDouble(); };
        AData.Cabinets.append({row.value(QStringLiteral("Code")), row.value(QStringLiteral("Block")),
                               row.value(QStringLiteral("Strings")).toInt(), number("WeightKg"), number("WidthMm"),
                               number("DepthMm"), number("HeightMm")});
    }
    const auto models = TableRows(connection, AFile, QStringLiteral("Models"), QStringLiteral("SELECT * FROM Models"),
                                  {"MaxParallel", "EndVoltageFull", "EndVoltageLight", "ChargerAmps", "ChargerStrings",
                                   "OnlineEff25", "OnlineEff50", "OnlineEff75", "OnlineEff100", "NominalVolts",
                                   "WeightKg", "WidthMm", "DepthMm", "HeightMm"});
    if (!models)
        return models.error();
    for (const auto& row : *models) {
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
    return Ok();
}

} // namespace

bool LoadProductData(const QString& AFile, const QString& APassword, ProductData& AData, QString& AProblem)
{
    AData = {};
    if (const Result<void> read = ReadProductData(AFile, APassword, AData); !read) {
        AProblem = read.message();
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
