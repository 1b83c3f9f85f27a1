#include "support/database/DbStatement.h"

#include <sqlite3.h>

#include <utility>

namespace vantor::db {

Result<DbStatement> DbStatement::Prepare(DbConnection& connection, const QString& sql)
{
    if (!connection.Connected())
        return Failure(QStringLiteral("%1: not connected").arg(connection.DatabaseName));
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), text.constData(), static_cast<int>(text.size()), &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        return connection.LastError(QStringLiteral("cannot run \"%1\"").arg(sql));
    }
    if (statement == nullptr)
        return Failure(QStringLiteral("%1: empty statement").arg(connection.DatabaseName));
    return DbStatement(connection, statement);
}

DbStatement::DbStatement(DbStatement&& other) noexcept
    : connection_(other.connection_), statement_(std::exchange(other.statement_, nullptr))
{}

DbStatement::~DbStatement()
{
    sqlite3_finalize(statement_);
}

Result<void> DbStatement::BindText(int index, const QString& value)
{
    const QByteArray text = value.toUtf8();
    if (sqlite3_bind_text(statement_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        return connection_->LastError(QStringLiteral("cannot bind a value"));
    return Ok();
}

Result<void> DbStatement::BindDouble(int index, double value)
{
    if (sqlite3_bind_double(statement_, index, value) != SQLITE_OK)
        return connection_->LastError(QStringLiteral("cannot bind a value"));
    return Ok();
}

Result<void> DbStatement::BindInt(int index, long long value)
{
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        return connection_->LastError(QStringLiteral("cannot bind a value"));
    return Ok();
}

Result<bool> DbStatement::Step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    return connection_->LastError(QStringLiteral("cannot read"));
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
