// The plain source files from which the maker builds a catalogue: a folder
// holding "catalogue.ini" and, for a catalogue with a pricelist, a CSV file
// of its items (see docs/catalogue-sources.md).
#pragma once

#include "catalogue/CatalogueBuilder.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vantor::tools {

inline constexpr const char* SourceSettingsFileName = "catalogue.ini";
inline constexpr const char* DefaultItemsFileName = "items.csv";
inline constexpr const char* PricelistKey = "Rimbel_Ostavar";

struct CatalogueSource {
    QString Code;    // the catalogue code, also the name of its folder
    QString Version; // YYYYMMDD

    bool HasPricelist = false;
    QString PricelistKey;  // normally PricelistKey; other values make broken test fixtures
    QString PricelistCode; // normally the catalogue code
    QString Validity;      // normally YYYYMMDD; any other non-empty text is kept as it is
    QString ItemsFile;     // as written in the settings, relative to the source folder
    QList<PricelistItem> Items;
};

// "catalogue.ini" read from bytes; file names the file in messages. Leaves
// Items empty. Fails with a message naming file and line (code: the line): unknown sections or
// keys, keys given twice, lines that are no "key=value", a missing or unknown
// catalogue code, a version that is no YYYYMMDD date, a pricelist without
// validity, empty values.
[[nodiscard]] Result<CatalogueSource> ParseCatalogueSettings(const QByteArray& bytes, const QString& file);

// The items CSV read from bytes. Fails naming file and line, as above: a
// missing, unknown or repeated column, a row with another number of fields
// than the header, a malformed or repeated product code, an empty
// description, a price that is no plain decimal number or is negative, and
// every CSV fault of ReadCsv.
[[nodiscard]] Result<QList<PricelistItem>> ParseItems(const QByteArray& bytes, const QString& file);

// Whether text has the form of a product code: one character, a blank, three
// characters, a blank, two characters, each character a capital A-Z or a digit.
bool IsProductCode(const QString& text);

// Reads and checks the whole source folder (settings and items). Fails as
// above, also for files that are missing or cannot be read.
[[nodiscard]] Result<CatalogueSource> ReadCatalogueSource(const QString& folder);

} // namespace vantor::tools
