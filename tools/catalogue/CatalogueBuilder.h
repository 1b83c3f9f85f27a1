// Writes the ".vt4" databases of a catalogue: the catalogue database, the
// pricelist database protected by the database password, and the engine's
// main and devices databases. Used by the maker's command-line tool and by
// the tests, which build real files with it.
#pragma once

#include "support/Result.h"

#include <QList>
#include <QPair>
#include <QString>

namespace vantor::tools {

// Fields of the one-record "Info" table, in column order (at least one).
// Every value is stored as text.
using InfoFields = QList<QPair<QString, QString>>;

struct PricelistItem {
    QString ProductCode; // one character, blank, three characters, blank, two characters
    QString Description;
    double Price = 0;
};

// A further table: columns with their SQL types ("TEXT", "REAL", "INTEGER")
// and rows of text values, which the database converts by the column's type.
struct TableContent {
    QString Name;
    QList<QPair<QString, QString>> Columns;
    QList<QStringList> Rows;
};

struct DatabaseContent {
    QList<TableContent> Tables;
    InfoFields Info;
    bool InfoHasRecord = true;  // false: the "Info" table has its columns but no record
    bool HasItems = false;      // whether an "Items" table is written
    QList<PricelistItem> Items; // ProductCode TEXT, Description TEXT, Price REAL
};

// Writes content to file, protected by password (empty: unprotected). The
// file appears complete or not at all: it is written under a temporary name
// beside the target and renamed into place. An existing file is replaced only
// with overwrite; otherwise the write fails, as on every other fault.
[[nodiscard]] Result<void> WriteDatabase(const QString& file, const QString& password, const DatabaseContent& content,
                                         bool overwrite);

// The usual shapes of the files.
DatabaseContent CatalogueContent(const QString& code, const QString& version);
DatabaseContent PricelistContent(const QString& code, const QString& validity, const QList<PricelistItem>& items,
                                 const QString& key = QStringLiteral("Rimbel_Ostavar"));

} // namespace vantor::tools
