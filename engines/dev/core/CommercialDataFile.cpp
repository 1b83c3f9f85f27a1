#include "dev/core/CommercialDataFile.h"

#include "dev/core/EngineDatabase.h"

#include <QSet>

namespace vantor::devengine {

Result<CommercialData> ReadCommercialData(const QString& AFile, const QString& APassword)
{
    db::DbConnection connection;
    SetUpReadOnly(connection, QStringLiteral("Data.vt4"), AFile, APassword);
    const Result<QList<TableRow>> tables =
        Rows(connection, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    if (!tables)
        return tables.error();
    QSet<QString> names;
    for (const TableRow& row : *tables)
        names.insert(row.value(QStringLiteral("name")));

    CommercialData data;
    if (names.contains(QStringLiteral("Accessories"))) {
        const Result<QList<TableRow>> rows = Rows(connection, QStringLiteral("SELECT * FROM Accessories"));
        if (!rows)
            return rows.error();
        data.Accessories = AccessoryRulesFrom(*rows);
    }
    if (names.contains(QStringLiteral("Catalogues"))) {
        const Result<QList<TableRow>> rows = Rows(connection, QStringLiteral("SELECT * FROM Catalogues"));
        if (!rows)
            return rows.error();
        for (const TableRow& row : *rows)
            data.Catalogues.insert(
                row.value(QStringLiteral("Catalogue")),
                {row.value(QStringLiteral("Country")), row.value(QStringLiteral("VatPercent")).toDouble()});
    }
    return data;
}

} // namespace vantor::devengine
