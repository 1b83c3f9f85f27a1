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

QList<QHash<QString, QString>> Rows(db::DbConnection& AConnection, const QString& ASql)
{
    db::DbQuery query(AConnection);
    query.Sql = ASql;
    query.Open();
    while (query.CanFetchMore())
        if (query.FetchMore(1000) == 0)
            break;
    QList<QHash<QString, QString>> rows;
    for (int row = 0; row < query.FetchedCount(); ++row) {
        QHash<QString, QString> values;
        for (int field = 0; field < query.FieldCount(); ++field)
            values.insert(query.FieldNames().at(field), query.Value(row, field));
        rows.append(values);
    }
    return rows;
}

} // namespace vantor::devengine
