// Real ".vt4" files for the database layer's tests, written by the catalogue
// builder, and connections set up as the programs set up theirs.
#pragma once

#include "catalogue/CatalogueBuilder.h"
#include "support/database/DbConnection.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

namespace vantor::test {

inline const QString TestPassword = QStringLiteral("k3y for the tests");

// A pricelist of ACount items "A 000 XX", "A 001 XX" ..., protected when
// APassword is set; a few hundred items fill many pages.
inline QString WritePricelist(const TempFolder& AFolder, const QString& AName, const QString& APassword,
                              int ACount = 20)
{
    QList<tools::PricelistItem> items;
    for (int i = 0; i < ACount; ++i)
        items.append({QStringLiteral("A %1 XX").arg(i, 3, 10, QChar('0')),
                      QStringLiteral("Item %1, described at some length").arg(i), 10.0 + i});
    const QString file = AFolder.path() + AName;
    vantor::test::ExpectOk(
        tools::WriteDatabase(file, APassword, tools::PricelistContent("380", "20240201", items), true));
    return file;
}

// A connection whose password handler declines, counting the requests.
struct TestConnection {
    explicit TestConnection(const QString& AFile, const QString& APassword = {})
    {
        connection.DatabaseName = QStringLiteral("Pricelist");
        connection.FileName = AFile;
        connection.Password = APassword;
        connection.OnPassword = [this](db::DbConnection&, bool&) { ++asked; };
    }

    db::DbConnection connection;
    int asked = 0;
};

} // namespace vantor::test
