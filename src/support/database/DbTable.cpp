#include "support/database/DbTable.h"

#include "support/database/DbStatement.h"

namespace vantor::db {

Result<void> DbTable::Open()
{
    if (active_)
        return Ok();
    DbConnection& connection = Connection();
    if (Result<void> connected = connection.Open(); !connected)
        return connected;
    QString quoted = TableName;
    quoted.replace('"', QStringLiteral("\"\""));
    Result<DbStatement> statement =
        DbStatement::Prepare(connection, QStringLiteral("SELECT * FROM \"%1\" LIMIT 1").arg(quoted));
    if (!statement)
        return statement.error();
    const Result<bool> row = statement->Step();
    if (!row)
        return row.error();
    fieldIndex_.clear();
    values_.clear();
    const int columns = statement->ColumnCount();
    for (int i = 0; i < columns; ++i) {
        // Field names match as in SQL, without regard to case; the first of
        // two equal names wins.
        const QString name = statement->ColumnName(i).toLower();
        if (!fieldIndex_.contains(name))
            fieldIndex_.insert(name, i);
        if (*row)
            values_.append(statement->ColumnText(i));
    }
    active_ = true;
    return Ok();
}

void DbTable::Close()
{
    active_ = false;
    fieldIndex_.clear();
    values_.clear();
}

Result<QString> DbTable::FieldAsText(const QString& fieldName) const
{
    if (!active_)
        return Failure(QStringLiteral("%1: the table is not open").arg(TableName));
    const auto it = fieldIndex_.constFind(fieldName.toLower());
    if (it == fieldIndex_.constEnd())
        return Failure(QStringLiteral("%1: field \"%2\" not found").arg(TableName, fieldName));
    return values_.isEmpty() ? QString() : values_.at(*it);
}

} // namespace vantor::db
