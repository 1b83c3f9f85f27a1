#include "catalogue/ProductSource.h"

#include "catalogue/CsvReader.h"
#include "catalogue/SourceError.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace vantor::tools {

namespace {

// One CSV file with its header: the records and where each column is.
struct SourceTable {
    QString File;
    QHash<QString, int> Columns;
    QList<CsvRecord> Records;

    QString Text(const CsvRecord& ARecord, const QString& AColumn) const
    {
        return ARecord.Fields.value(Columns.value(AColumn)).trimmed();
    }

    double Number(const CsvRecord& ARecord, const QString& AColumn, double AMin, double AMax) const
    {
        bool ok = false;
        const QString text = Text(ARecord, AColumn);
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < AMin || value > AMax)
            throw SourceError(
                File, ARecord.Line,
                QStringLiteral("%1 \"%2\" is no number from %3 to %4").arg(AColumn, text).arg(AMin).arg(AMax));
        return value;
    }

    int Whole(const CsvRecord& ARecord, const QString& AColumn, int AMin, int AMax) const
    {
        const double value = Number(ARecord, AColumn, AMin, AMax);
        if (value != std::floor(value))
            throw SourceError(File, ARecord.Line, QStringLiteral("%1 must be a whole number").arg(AColumn));
        return static_cast<int>(value);
    }
};

SourceTable ReadTable(const QString& AFolder, const QString& AName, const QStringList& AColumns)
{
    SourceTable table;
    table.File = AFolder + QLatin1Char('/') + AName;
    QFile file(table.File);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(table.File, 0, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    QList<CsvRecord> records = ReadCsv(file.readAll(), table.File);
    if (records.isEmpty())
        throw SourceError(table.File, 0, QStringLiteral("has no header line"));
    const CsvRecord header = records.takeFirst();
    for (qsizetype i = 0; i < header.Fields.size(); ++i) {
        const QString name = header.Fields[i].trimmed();
        if (!AColumns.contains(name))
            throw SourceError(table.File, header.Line, QStringLiteral("unknown column \"%1\"").arg(name));
        if (table.Columns.contains(name))
            throw SourceError(table.File, header.Line, QStringLiteral("column \"%1\" given twice").arg(name));
        table.Columns.insert(name, static_cast<int>(i));
    }
    for (const QString& column : AColumns) {
        if (!table.Columns.contains(column))
            throw SourceError(table.File, header.Line, QStringLiteral("column \"%1\" is missing").arg(column));
    }
    for (const CsvRecord& record : records) {
        if (record.Fields.size() != header.Fields.size())
            throw SourceError(table.File, record.Line,
                              QStringLiteral("%1 fields where the header has %2")
                                  .arg(record.Fields.size())
                                  .arg(header.Fields.size()));
    }
    table.Records = records;
    return table;
}

// A key unique in its file.
QString Key(const SourceTable& ATable, const CsvRecord& ARecord, const QString& AColumn, QSet<QString>& ASeen)
{
    const QString key = ATable.Text(ARecord, AColumn);
    if (key.isEmpty())
        throw SourceError(ATable.File, ARecord.Line, QStringLiteral("%1 is empty").arg(AColumn));
    if (ASeen.contains(key))
        throw SourceError(ATable.File, ARecord.Line, QStringLiteral("%1 \"%2\" is given twice").arg(AColumn, key));
    ASeen.insert(key);
    return key;
}

TableContent Table(const QString& AName, const QStringList& ATextColumns, const QStringList& AColumns,
                   const QStringList& AIntegerColumns = {})
{
    TableContent table;
    table.Name = AName;
    for (const QString& column : AColumns) {
        const QString type = ATextColumns.contains(column)      ? QStringLiteral("TEXT")
                             : AIntegerColumns.contains(column) ? QStringLiteral("INTEGER")
                                                                : QStringLiteral("REAL");
        table.Columns.append({column, type});
    }
    return table;
}

// Weight and width x depth x height, for the installation data.
void CheckSizes(const SourceTable& ATable, const CsvRecord& ARecord)
{
    ATable.Number(ARecord, QStringLiteral("WeightKg"), 0.5, 10000);
    for (const QString& size : {QStringLiteral("WidthMm"), QStringLiteral("DepthMm"), QStringLiteral("HeightMm")})
        ATable.Number(ARecord, size, 50, 5000);
}

// The model's battery cut-off within its block's tables, and a charger that
// recharges as many strings as the model takes.
void CheckModelBattery(const SourceTable& AModels, const CsvRecord& ARecord, const QPair<double, double>& ATables,
                       const QString& ABlock, int AMostStrings)
{
    const double full = AModels.Number(ARecord, QStringLiteral("EndVoltageFull"), 1.6, 1.75);
    // At light load the inverter stops higher, sparing the battery.
    const double light = AModels.Number(ARecord, QStringLiteral("EndVoltageLight"), full, 1.75);
    for (const double volts : {full, light}) {
        if (volts < ATables.first - 1e-9 || volts > ATables.second + 1e-9)
            throw SourceError(AModels.File, ARecord.Line,
                              QStringLiteral("end voltage %1 is outside the tables of block \"%2\" (%3 to %4 V)")
                                  .arg(volts)
                                  .arg(ABlock)
                                  .arg(ATables.first)
                                  .arg(ATables.second));
    }
    AModels.Number(ARecord, QStringLiteral("ChargerAmps"), 0.1, 500);
    const int chargerStrings = AModels.Whole(ARecord, QStringLiteral("ChargerStrings"), 1, 200);
    if (AMostStrings > chargerStrings)
        throw SourceError(AModels.File, ARecord.Line,
                          QStringLiteral("with MaxCabinets the battery has %1 strings, more than ChargerStrings %2")
                              .arg(AMostStrings)
                              .arg(chargerStrings));
}

} // namespace

QList<TableContent> ReadProductTables(const QString& AFolder)
{
    // Blocks first: the other files name them.
    const QStringList blockColumns{QStringLiteral("Code"),      QStringLiteral("Volts"),
                                   QStringLiteral("Cells"),     QStringLiteral("AmpereHours"),
                                   QStringLiteral("Chemistry"), QStringLiteral("ColdDerating")};
    const SourceTable blocks = ReadTable(AFolder, QStringLiteral("blocks.csv"), blockColumns);
    TableContent blockTable = Table(QStringLiteral("Blocks"), {QStringLiteral("Code"), QStringLiteral("Chemistry")},
                                    blockColumns, {QStringLiteral("Cells")});
    QSet<QString> blockCodes;
    for (const CsvRecord& record : blocks.Records) {
        const QString code = Key(blocks, record, QStringLiteral("Code"), blockCodes);
        const double volts = blocks.Number(record, QStringLiteral("Volts"), 1, 48);
        const int cells = blocks.Whole(record, QStringLiteral("Cells"), 1, 24);
        const double ah = blocks.Number(record, QStringLiteral("AmpereHours"), 0.5, 5000);
        const QString chemistry = blocks.Text(record, QStringLiteral("Chemistry"));
        if (chemistry != QLatin1String("VRLA") && chemistry != QLatin1String("Li-ion"))
            throw SourceError(blocks.File, record.Line,
                              QStringLiteral("Chemistry \"%1\" is VRLA or Li-ion").arg(chemistry));
        const double derating = blocks.Number(record, QStringLiteral("ColdDerating"), 0, 5);
        blockTable.Rows.append({code, QString::number(volts), QString::number(cells), QString::number(ah), chemistry,
                                QString::number(derating)});
    }

    const QStringList dischargeColumns{QStringLiteral("Block"), QStringLiteral("EndVoltage"), QStringLiteral("Minutes"),
                                       QStringLiteral("WattsPerCell")};
    const SourceTable discharge = ReadTable(AFolder, QStringLiteral("discharge.csv"), dischargeColumns);
    TableContent dischargeTable = Table(QStringLiteral("Discharge"), {QStringLiteral("Block")}, dischargeColumns);
    // Per block and end voltage: minutes rise and watts fall from point to point.
    QMap<QString, QPair<double, double>> last;
    QSet<QString> curves;
    QHash<QString, QPair<double, double>> endVoltages; // per block: the lowest and highest table
    for (const CsvRecord& record : discharge.Records) {
        const QString block = discharge.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            throw SourceError(discharge.File, record.Line,
                              QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const double end = discharge.Number(record, QStringLiteral("EndVoltage"), 1.6, 1.75);
        const double minutes = discharge.Number(record, QStringLiteral("Minutes"), 0.1, 10000);
        const double watts = discharge.Number(record, QStringLiteral("WattsPerCell"), 0.01, 10000);
        const QString curve = block + QLatin1Char('@') + QString::number(end);
        if (last.contains(curve) && (minutes <= last[curve].first || watts >= last[curve].second))
            throw SourceError(discharge.File, record.Line,
                              QStringLiteral("the points of %1 at %2 V per cell must rise in minutes and fall in watts")
                                  .arg(block)
                                  .arg(end));
        last[curve] = {minutes, watts};
        curves.insert(curve);
        const auto range = endVoltages.constFind(block);
        endVoltages[block] = range == endVoltages.constEnd()
                                 ? qMakePair(end, end)
                                 : qMakePair(std::min(range->first, end), std::max(range->second, end));
        dischargeTable.Rows.append({block, QString::number(end), QString::number(minutes), QString::number(watts)});
    }
    for (const QString& block : std::as_const(blockCodes)) {
        if (std::none_of(curves.begin(), curves.end(), [&](const QString& A) { return A.startsWith(block + '@'); }))
            throw SourceError(discharge.File, 0, QStringLiteral("block \"%1\" has no discharge table").arg(block));
    }

    const QStringList cabinetColumns{QStringLiteral("Code"),     QStringLiteral("Block"),   QStringLiteral("Strings"),
                                     QStringLiteral("WeightKg"), QStringLiteral("WidthMm"), QStringLiteral("DepthMm"),
                                     QStringLiteral("HeightMm")};
    const SourceTable cabinets = ReadTable(AFolder, QStringLiteral("cabinets.csv"), cabinetColumns);
    TableContent cabinetTable = Table(QStringLiteral("Cabinets"), {QStringLiteral("Code"), QStringLiteral("Block")},
                                      cabinetColumns, {QStringLiteral("Strings")});
    QSet<QString> cabinetCodes;
    QHash<QString, QPair<QString, int>> cabinetContents; // block type and strings by code
    for (const CsvRecord& record : cabinets.Records) {
        const QString code = Key(cabinets, record, QStringLiteral("Code"), cabinetCodes);
        const QString block = cabinets.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            throw SourceError(cabinets.File, record.Line,
                              QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const int strings = cabinets.Whole(record, QStringLiteral("Strings"), 1, 64);
        cabinetContents.insert(code, {block, strings});
        CheckSizes(cabinets, record);
        QStringList row{code, block, QString::number(strings)};
        for (const QString& column : cabinetColumns.mid(3))
            row.append(cabinets.Text(record, column));
        cabinetTable.Rows.append(row);
    }

    const QStringList modelColumns{QStringLiteral("Code"),
                                   QStringLiteral("VA"),
                                   QStringLiteral("W"),
                                   QStringLiteral("InputPhases"),
                                   QStringLiteral("OutputPhases"),
                                   QStringLiteral("Topology"),
                                   QStringLiteral("Eff25"),
                                   QStringLiteral("Eff50"),
                                   QStringLiteral("Eff75"),
                                   QStringLiteral("Eff100"),
                                   QStringLiteral("BlocksPerString"),
                                   QStringLiteral("Block"),
                                   QStringLiteral("InternalStrings"),
                                   QStringLiteral("MaxCabinets"),
                                   QStringLiteral("Cabinet"),
                                   QStringLiteral("ModuleVA"),
                                   QStringLiteral("ModuleW"),
                                   QStringLiteral("Slots"),
                                   QStringLiteral("Module"),
                                   QStringLiteral("MaxParallel"),
                                   QStringLiteral("EndVoltageFull"),
                                   QStringLiteral("EndVoltageLight"),
                                   QStringLiteral("ChargerAmps"),
                                   QStringLiteral("ChargerStrings"),
                                   QStringLiteral("OnlineEff25"),
                                   QStringLiteral("OnlineEff50"),
                                   QStringLiteral("OnlineEff75"),
                                   QStringLiteral("OnlineEff100"),
                                   QStringLiteral("NominalVolts"),
                                   QStringLiteral("WeightKg"),
                                   QStringLiteral("WidthMm"),
                                   QStringLiteral("DepthMm"),
                                   QStringLiteral("HeightMm")};
    const SourceTable models = ReadTable(AFolder, QStringLiteral("models.csv"), modelColumns);
    TableContent modelTable =
        Table(QStringLiteral("Models"),
              {QStringLiteral("Code"), QStringLiteral("Topology"), QStringLiteral("Block"), QStringLiteral("Cabinet"),
               QStringLiteral("Module")},
              modelColumns,
              {QStringLiteral("InputPhases"), QStringLiteral("OutputPhases"), QStringLiteral("BlocksPerString"),
               QStringLiteral("InternalStrings"), QStringLiteral("MaxCabinets"), QStringLiteral("Slots"),
               QStringLiteral("MaxParallel"), QStringLiteral("ChargerStrings")});
    QSet<QString> modelCodes;
    for (const CsvRecord& record : models.Records) {
        QStringList row;
        const QString code = Key(models, record, QStringLiteral("Code"), modelCodes);
        static const QRegularExpression form(QStringLiteral("^[A-Z0-9] [A-Z0-9]{3}$"));
        if (!form.match(code).hasMatch())
            throw SourceError(
                models.File, record.Line,
                QStringLiteral("Code \"%1\" is not a product code without its suffix (\"B 6K0\")").arg(code));
        const double va = models.Number(record, QStringLiteral("VA"), 100, 10e6);
        models.Number(record, QStringLiteral("W"), 50, va);
        for (const QString& phases : {QStringLiteral("InputPhases"), QStringLiteral("OutputPhases")}) {
            const int value = models.Whole(record, phases, 1, 3);
            if (value == 2)
                throw SourceError(models.File, record.Line, QStringLiteral("%1 is 1 or 3").arg(phases));
        }
        for (const QString& efficiency :
             {QStringLiteral("Eff25"), QStringLiteral("Eff50"), QStringLiteral("Eff75"), QStringLiteral("Eff100")})
            models.Number(record, efficiency, 0.5, 1);
        models.Whole(record, QStringLiteral("BlocksPerString"), 1, 200);
        const QString block = models.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            throw SourceError(models.File, record.Line, QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const int internalStrings = models.Whole(record, QStringLiteral("InternalStrings"), 0, 64);
        const int maxCabinets = models.Whole(record, QStringLiteral("MaxCabinets"), 0, 64);
        const QString cabinet = models.Text(record, QStringLiteral("Cabinet"));
        if (!cabinet.isEmpty() && !cabinetCodes.contains(cabinet))
            throw SourceError(models.File, record.Line,
                              QStringLiteral("cabinet \"%1\" is not in cabinets.csv").arg(cabinet));
        if (maxCabinets > 0 && cabinet.isEmpty())
            throw SourceError(models.File, record.Line, QStringLiteral("MaxCabinets without a Cabinet"));
        // Its cabinets extend the model's own battery bus.
        if (!cabinet.isEmpty() && cabinetContents.value(cabinet).first != block)
            throw SourceError(models.File, record.Line,
                              QStringLiteral("cabinet \"%1\" holds block \"%2\", not the model's \"%3\"")
                                  .arg(cabinet, cabinetContents.value(cabinet).first, block));
        CheckModelBattery(models, record, endVoltages.value(block), block,
                          internalStrings + maxCabinets * cabinetContents.value(cabinet).second);
        const int slotCount = models.Whole(record, QStringLiteral("Slots"), 0, 64);
        if (slotCount > 0) {
            const double moduleVa = models.Number(record, QStringLiteral("ModuleVA"), 100, va);
            models.Number(record, QStringLiteral("ModuleW"), 50, moduleVa);
            if (models.Text(record, QStringLiteral("Module")).isEmpty())
                throw SourceError(models.File, record.Line, QStringLiteral("a modular frame needs its Module code"));
        }
        models.Whole(record, QStringLiteral("MaxParallel"), 1, 16);
        for (const QString& efficiency : {QStringLiteral("OnlineEff25"), QStringLiteral("OnlineEff50"),
                                          QStringLiteral("OnlineEff75"), QStringLiteral("OnlineEff100")})
            models.Number(record, efficiency, 0.5, 1);
        models.Number(record, QStringLiteral("NominalVolts"), 100, 300);
        CheckSizes(models, record);
        for (const QString& column : modelColumns)
            row.append(models.Text(record, column));
        modelTable.Rows.append(row);
    }
    return {modelTable, blockTable, dischargeTable, cabinetTable};
}

QList<TableContent> ReadDeviceTables(const QString& AFolder)
{
    const QStringList columns{QStringLiteral("Name"), QStringLiteral("Category"), QStringLiteral("Watts"),
                              QStringLiteral("PowerFactor")};
    const SourceTable devices = ReadTable(AFolder, QStringLiteral("devices.csv"), columns);
    TableContent table =
        Table(QStringLiteral("Devices"), {QStringLiteral("Name"), QStringLiteral("Category")}, columns);
    QSet<QString> names;
    for (const CsvRecord& record : devices.Records) {
        const QString name = Key(devices, record, QStringLiteral("Name"), names);
        const double watts = devices.Number(record, QStringLiteral("Watts"), 0.1, 1e6);
        const double pf = devices.Number(record, QStringLiteral("PowerFactor"), 0.1, 1);
        table.Rows.append(
            {name, devices.Text(record, QStringLiteral("Category")), QString::number(watts), QString::number(pf)});
    }
    return {table};
}

} // namespace vantor::tools
