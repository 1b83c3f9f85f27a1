#include "catalogue/SourceTable.h"

#include "catalogue/SourceFailure.h"

#include <QFile>

#include <cmath>

namespace vantor::tools {

QString SourceTable::Text(const CsvRecord& ARecord, const QString& AColumn) const
{
    return ARecord.Fields.value(Columns.value(AColumn)).trimmed();
}

Result<double> SourceTable::Number(const CsvRecord& ARecord, const QString& AColumn, double AMin, double AMax) const
{
    bool ok = false;
    const QString text = Text(ARecord, AColumn);
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < AMin || value > AMax)
        return SourceFailure(
            File, ARecord.Line,
            QStringLiteral("%1 \"%2\" is no number from %3 to %4").arg(AColumn, text).arg(AMin).arg(AMax));
    return value;
}

Result<int> SourceTable::Whole(const CsvRecord& ARecord, const QString& AColumn, int AMin, int AMax) const
{
    const Result<double> value = Number(ARecord, AColumn, AMin, AMax);
    if (!value)
        return value.error();
    if (*value != std::floor(*value))
        return SourceFailure(File, ARecord.Line, QStringLiteral("%1 must be a whole number").arg(AColumn));
    return static_cast<int>(*value);
}

Result<void> SourceTable::Numbers(const CsvRecord& ARecord, std::initializer_list<QString> AColumns, double AMin,
                                  double AMax) const
{
    for (const QString& column : AColumns) {
        if (const Result<double> value = Number(ARecord, column, AMin, AMax); !value)
            return value.error();
    }
    return Ok();
}

Result<SourceTable> ReadTable(const QString& AFolder, const QString& AName, const QStringList& AColumns)
{
    SourceTable table;
    table.File = AFolder + QLatin1Char('/') + AName;
    QFile file(table.File);
    if (!file.open(QIODevice::ReadOnly))
        return SourceFailure(table.File, 0, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    Result<QList<CsvRecord>> read = ReadCsv(file.readAll(), table.File);
    if (!read)
        return read.error();
    QList<CsvRecord>& records = *read;
    if (records.isEmpty())
        return SourceFailure(table.File, 0, QStringLiteral("has no header line"));
    const CsvRecord header = records.takeFirst();
    for (qsizetype i = 0; i < header.Fields.size(); ++i) {
        const QString name = header.Fields[i].trimmed();
        if (!AColumns.contains(name))
            return SourceFailure(table.File, header.Line, QStringLiteral("unknown column \"%1\"").arg(name));
        if (table.Columns.contains(name))
            return SourceFailure(table.File, header.Line, QStringLiteral("column \"%1\" given twice").arg(name));
        table.Columns.insert(name, static_cast<int>(i));
    }
    for (const QString& column : AColumns) {
        if (!table.Columns.contains(column))
            return SourceFailure(table.File, header.Line, QStringLiteral("column \"%1\" is missing").arg(column));
    }
    for (const CsvRecord& record : records) {
        if (record.Fields.size() != header.Fields.size())
            return SourceFailure(table.File, record.Line,
                                 QStringLiteral("%1 fields where the header has %2")
                                     .arg(record.Fields.size())
                                     .arg(header.Fields.size()));
    }
    table.Records = records;
    return table;
}

Result<QString> Key(const SourceTable& ATable, const CsvRecord& ARecord, const QString& AColumn, QSet<QString>& ASeen)
{
    const QString key = ATable.Text(ARecord, AColumn);
    if (key.isEmpty())
        return SourceFailure(ATable.File, ARecord.Line, QStringLiteral("%1 is empty").arg(AColumn));
    if (ASeen.contains(key))
        return SourceFailure(ATable.File, ARecord.Line, QStringLiteral("%1 \"%2\" is given twice").arg(AColumn, key));
    ASeen.insert(key);
    return key;
}

TableContent Table(const QString& AName, const QStringList& ATextColumns, const QStringList& AColumns,
                   const QStringList& AIntegerColumns)
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

} // namespace vantor::tools
