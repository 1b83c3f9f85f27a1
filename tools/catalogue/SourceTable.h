// One CSV source file of the engine's data, read with its header, and the
// checks every such file shares: faults are named by file and line.
#pragma once

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CsvReader.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace vantor::tools {

// One CSV file with its header: the records and where each column is.
struct SourceTable {
    QString File;
    QHash<QString, int> Columns;
    QList<CsvRecord> Records;

    QString Text(const CsvRecord& ARecord, const QString& AColumn) const;
    [[nodiscard]] Result<double> Number(const CsvRecord& ARecord, const QString& AColumn, double AMin,
                                        double AMax) const;
    [[nodiscard]] Result<int> Whole(const CsvRecord& ARecord, const QString& AColumn, int AMin, int AMax) const;
    // Checks the columns in turn, each a number within its bounds.
    [[nodiscard]] Result<void> Numbers(const CsvRecord& ARecord, std::initializer_list<QString> AColumns, double AMin,
                                       double AMax) const;
};

// AFolder/AName with exactly the columns AColumns, in any order.
[[nodiscard]] Result<SourceTable> ReadTable(const QString& AFolder, const QString& AName, const QStringList& AColumns);

// A key unique in its file.
[[nodiscard]] Result<QString> Key(const SourceTable& ATable, const CsvRecord& ARecord, const QString& AColumn,
                                  QSet<QString>& ASeen);

// An empty table of these columns: TEXT, INTEGER or else REAL.
TableContent Table(const QString& AName, const QStringList& ATextColumns, const QStringList& AColumns,
                   const QStringList& AIntegerColumns = {});

} // namespace vantor::tools
