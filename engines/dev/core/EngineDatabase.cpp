#include "dev/core/EngineDatabase.h"

#include "support/database/DbQuery.h"

namespace vantor::devengine {

void SetUpReadOnly(db::DbConnection& AConnection, const QString& AName, const QString& AFile, const QString& APassword)
{
    AConnection.DatabaseName = AName;
    AConnection.FileName = AFile;
    AConnection.Password = APassword;
    AConnection.ReadOnly = true;
    AConnection.OnPassword = [](db::DbConnection&, bool& AContinue) { AContinue = false; };
}

Result<QList<TableRow>> Rows(db::DbConnection& AConnection, const QString& ASql)
{
    db::DbQuery query(AConnection);
    query.Sql = ASql;
    if (const Result<void> opened = query.Open(); !opened)
        return opened.error();
    while (query.CanFetchMore()) {
        const Result<int> fetched = query.FetchMore(1000);
        if (!fetched)
            return fetched.error();
        if (*fetched == 0)
            break;
    }
    QList<TableRow> rows;
    for (int row = 0; row < query.FetchedCount(); ++row) {
        TableRow values;
        for (int field = 0; field < query.FieldCount(); ++field)
            values.insert(query.FieldNames().at(field), query.Value(row, field));
        rows.append(values);
    }
    return rows;
}

} // namespace vantor::devengine
