#include "support/database/DbQuery.h"

#include <algorithm>

namespace vantor::db {

DbQuery::DbQuery(DbConnection& connection) : DbDataSet(connection)
{}

DbQuery::~DbQuery()
{
    Close();
}

Result<void> DbQuery::Open()
{
    if (Active())
        return Ok();
    if (Result<void> connected = Connection().Open(); !connected)
        return connected;
    Result<DbStatement> prepared = DbStatement::Prepare(Connection(), Sql);
    if (!prepared)
        return prepared.error();
    Close();
    statement_.emplace(std::move(*prepared));
    for (int i = 0; i < statement_->ColumnCount(); ++i)
        fieldNames_.append(statement_->ColumnName(i));
    // The first row proves the statement runs, and a current row exists when the result has any.
    if (const Result<int> first = FetchMore(1); !first) {
        Close();
        return first.error();
    }
    currentRow_ = rows_.isEmpty() ? -1 : 0;
    return Ok();
}

void DbQuery::Close()
{
    statement_.reset();
    fieldNames_.clear();
    rows_.clear();
    atEnd_ = false;
    failure_.reset();
    recordCount_ = -1;
    currentRow_ = -1;
}

Result<int> DbQuery::RecordCount()
{
    if (!Active())
        return Failure(QStringLiteral("%1: the query is not open").arg(Connection().DatabaseName));
    if (recordCount_ < 0) {
        if (atEnd_) {
            recordCount_ = static_cast<int>(rows_.size());
        } else {
            Result<DbStatement> count =
                DbStatement::Prepare(Connection(), QStringLiteral("SELECT count(*) FROM (%1)").arg(Sql));
            if (!count)
                return count.error();
            const Result<bool> row = count->Step();
            if (!row)
                return row.error();
            recordCount_ = *row ? count->ColumnText(0).toInt() : 0;
        }
    }
    return recordCount_;
}

Result<int> DbQuery::FetchMore(int count)
{
    if (failure_)
        return *failure_;
    int fetched = 0;
    while (fetched < count && CanFetchMore()) {
        const Result<bool> row = statement_->Step();
        if (!row) {
            // Stepping again would start the result over from its first row.
            failure_ = row.error();
            return row.error();
        }
        if (!*row) {
            atEnd_ = true;
            break;
        }
        QStringList values;
        values.reserve(fieldNames_.size());
        for (int i = 0; i < fieldNames_.size(); ++i)
            values.append(statement_->ColumnText(i));
        rows_.append(std::move(values));
        ++fetched;
    }
    return fetched;
}

QString DbQuery::Value(int row, int field) const
{
    if (row < 0 || row >= rows_.size() || field < 0 || field >= fieldNames_.size())
        return {};
    return rows_.at(row).at(field);
}

Result<int> DbQuery::FindFirst(const QString& fieldName, const QString& text)
{
    int field = -1;
    for (int i = 0; i < fieldNames_.size() && field < 0; ++i) {
        if (fieldNames_.at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            field = i;
    }
    if (field < 0)
        return Failure(QStringLiteral("%1: field \"%2\" not found").arg(Connection().DatabaseName, fieldName));
    // The engine answers whether the text is there at all without handing
    // over a row: a miss on a large result would otherwise read all of it
    // into memory first. Column text compares as Value() shows it.
    const bool seen =
        std::any_of(rows_.begin(), rows_.end(), [&](const QStringList& row) { return row.at(field) == text; });
    if (!seen && CanFetchMore()) {
        QString quoted = fieldNames_.at(field);
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        Result<DbStatement> exists = DbStatement::Prepare(
            Connection(),
            QStringLiteral("SELECT 1 FROM (%1) WHERE CAST(\"%2\" AS TEXT) = ?1 LIMIT 1").arg(Sql, quoted));
        if (!exists)
            return exists.error();
        if (const Result<void> bound = exists->BindText(1, text); !bound)
            return bound.error();
        const Result<bool> found = exists->Step();
        if (!found)
            return found.error();
        if (!*found)
            return -1;
    }
    for (int row = 0;; ++row) {
        if (row >= rows_.size()) {
            const Result<int> more = FetchMore(256);
            if (!more)
                return more.error();
            if (*more == 0)
                return -1;
        }
        if (rows_.at(row).at(field) == text) {
            currentRow_ = row;
            return row;
        }
    }
}

} // namespace vantor::db
