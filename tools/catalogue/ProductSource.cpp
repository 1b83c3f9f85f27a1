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

} // namespace

QList<TableContent> ReadProductTables(const QString& AFolder)
{
    // Blocks first: the other files name them.
    const QStringList blockColumns{QStringLiteral("Code"), QStringLiteral("Volts"), QStringLiteral("Cells"),
                                   QStringLiteral("AmpereHours")};
    const SourceTable blocks = ReadTable(AFolder, QStringLiteral("blocks.csv"), blockColumns);
    TableContent blockTable =
        Table(QStringLiteral("Blocks"), {QStringLiteral("Code")}, blockColumns, {QStringLiteral("Cells")});
    QSet<QString> blockCodes;
    for (const CsvRecord& record : blocks.Records) {
        const QString code = Key(blocks, record, QStringLiteral("Code"), blockCodes);
        const double volts = blocks.Number(record, QStringLiteral("Volts"), 1, 48);
        const int cells = blocks.Whole(record, QStringLiteral("Cells"), 1, 24);
        const double ah = blocks.Number(record, QStringLiteral("AmpereHours"), 0.5, 5000);
        blockTable.Rows.append({code, QString::number(volts), QString::number(cells), QString::number(ah)});
    }

    const QStringList dischargeColumns{QStringLiteral("Block"), QStringLiteral("EndVoltage"), QStringLiteral("Minutes"),
                                       QStringLiteral("WattsPerCell")};
    const SourceTable discharge = ReadTable(AFolder, QStringLiteral("discharge.csv"), dischargeColumns);
    TableContent dischargeTable = Table(QStringLiteral("Discharge"), {QStringLiteral("Block")}, dischargeColumns);
    // Per block and end voltage: minutes rise and watts fall from point to point.
    QMap<QString, QPair<double, double>> last;
    QSet<QString> curves;
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
        dischargeTable.Rows.append({block, QString::number(end), QString::number(minutes), QString::number(watts)});
    }
    for (const QString& block : std::as_const(blockCodes)) {
        if (std::none_of(curves.begin(), curves.end(), [&](const QString& A) { return A.startsWith(block + '@'); }))
            throw SourceError(discharge.File, 0, QStringLiteral("block \"%1\" has no discharge table").arg(block));
    }

    const QStringList cabinetColumns{QStringLiteral("Code"), QStringLiteral("Block"), QStringLiteral("Strings")};
    const SourceTable cabinets = ReadTable(AFolder, QStringLiteral("cabinets.csv"), cabinetColumns);
    TableContent cabinetTable = Table(QStringLiteral("Cabinets"), {QStringLiteral("Code"), QStringLiteral("Block")},
                                      cabinetColumns, {QStringLiteral("Strings")});
    QSet<QString> cabinetCodes;
    for (const CsvRecord& record : cabinets.Records) {
        const QString code = Key(cabinets, record, QStringLiteral("Code"), cabinetCodes);
        const QString block = cabinets.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            throw SourceError(cabinets.File, record.Line,
                              QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        cabinetTable.Rows.append(
            {code, block, QString::number(cabinets.Whole(record, QStringLiteral("Strings"), 1, 64))});
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
                                   QStringLiteral("Module")};
    const SourceTable models = ReadTable(AFolder, QStringLiteral("models.csv"), modelColumns);
    TableContent modelTable =
        Table(QStringLiteral("Models"),
              {QStringLiteral("Code"), QStringLiteral("Topology"), QStringLiteral("Block"), QStringLiteral("Cabinet"),
               QStringLiteral("Module")},
              modelColumns,
              {QStringLiteral("InputPhases"), QStringLiteral("OutputPhases"), QStringLiteral("BlocksPerString"),
               QStringLiteral("InternalStrings"), QStringLiteral("MaxCabinets"), QStringLiteral("Slots")});
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
        models.Whole(record, QStringLiteral("InternalStrings"), 0, 64);
        const int maxCabinets = models.Whole(record, QStringLiteral("MaxCabinets"), 0, 64);
        const QString cabinet = models.Text(record, QStringLiteral("Cabinet"));
        if (!cabinet.isEmpty() && !cabinetCodes.contains(cabinet))
            throw SourceError(models.File, record.Line,
                              QStringLiteral("cabinet \"%1\" is not in cabinets.csv").arg(cabinet));
        if (maxCabinets > 0 && cabinet.isEmpty())
            throw SourceError(models.File, record.Line, QStringLiteral("MaxCabinets without a Cabinet"));
        const int slotCount = models.Whole(record, QStringLiteral("Slots"), 0, 64);
        if (slotCount > 0) {
            const double moduleVa = models.Number(record, QStringLiteral("ModuleVA"), 100, va);
            models.Number(record, QStringLiteral("ModuleW"), 50, moduleVa);
            if (models.Text(record, QStringLiteral("Module")).isEmpty())
                throw SourceError(models.File, record.Line, QStringLiteral("a modular frame needs its Module code"));
        }
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
