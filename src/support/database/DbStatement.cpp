#include "support/database/DbStatement.h"

#include <sqlite3.h>

namespace vantor::db {

DbStatement::DbStatement(DbConnection& connection, const QString& sql) : connection_(connection)
{
    if (!connection.Connected())
        throw DbError(QStringLiteral("%1: not connected").arg(connection.DatabaseName));
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection.Handle(), text.constData(), static_cast<int>(text.size()), &statement_,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
        connection.Fail(QStringLiteral("cannot run \"%1\"").arg(sql));
    }
    if (statement_ == nullptr)
        throw DbError(QStringLiteral("%1: empty statement").arg(connection.DatabaseName));
}

DbStatement::~DbStatement()
{
    sqlite3_finalize(statement_);
}

void DbStatement::BindText(int index, const QString& value)
{
    const QByteArray text = value.toUtf8();
    if (sqlite3_bind_text(statement_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        connection_.Fail(QStringLiteral("cannot bind a value"));
}

void DbStatement::BindDouble(int index, double value)
{
    if (sqlite3_bind_double(statement_, index, value) != SQLITE_OK)
        connection_.Fail(QStringLiteral("cannot bind a value"));
}

void DbStatement::BindInt(int index, long long value)
{
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        connection_.Fail(QStringLiteral("cannot bind a value"));
}

bool DbStatement::Step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    connection_.Fail(QStringLiteral("cannot read"));
}

void DbStatement::Reset()
{
    sqlite3_reset(statement_);
}

int DbStatement::ColumnCount() const
{
    return sqlite3_column_count(statement_);
}

QString DbStatement::ColumnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QString DbStatement::ColumnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int bytes = sqlite3_column_bytes(statement_, column);
    return text != nullptr ? QString::fromUtf8(text, bytes) : QString();
}

} // namespace vantor::db
