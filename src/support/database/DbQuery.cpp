#include "support/database/DbQuery.h"

#include "support/database/DbStatement.h"

#include <algorithm>

namespace vantor::db {

DbQuery::DbQuery(DbConnection& connection) : DbDataSet(connection)
{}

DbQuery::~DbQuery()
{
    Close();
}

void DbQuery::Open()
{
    if (Active())
        return;
    Connection().Open();
    statement_ = std::make_unique<DbStatement>(Connection(), Sql);
    fieldNames_.clear();
    for (int i = 0; i < statement_->ColumnCount(); ++i)
        fieldNames_.append(statement_->ColumnName(i));
    rows_.clear();
    atEnd_ = false;
    recordCount_ = -1;
    // The first row proves the statement runs, and a current row exists when the result has any.
    FetchMore(1);
    currentRow_ = rows_.isEmpty() ? -1 : 0;
}

void DbQuery::Close()
{
    statement_.reset();
    fieldNames_.clear();
    rows_.clear();
    atEnd_ = false;
    recordCount_ = -1;
    currentRow_ = -1;
}

int DbQuery::RecordCount()
{
    if (!Active())
        throw DbError(QStringLiteral("%1: the query is not open").arg(Connection().DatabaseName));
    if (recordCount_ < 0) {
        if (atEnd_) {
            recordCount_ = static_cast<int>(rows_.size());
        } else {
            DbStatement count(Connection(), QStringLiteral("SELECT count(*) FROM (%1)").arg(Sql));
            recordCount_ = count.Step() ? count.ColumnText(0).toInt() : 0;
        }
    }
    return recordCount_;
}

int DbQuery::FetchMore(int count)
{
    int fetched = 0;
    while (fetched < count && CanFetchMore()) {
        if (!statement_->Step()) {
            atEnd_ = true;
            break;
        }
        QStringList row;
        row.reserve(fieldNames_.size());
        for (int i = 0; i < fieldNames_.size(); ++i)
            row.append(statement_->ColumnText(i));
        rows_.append(std::move(row));
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

int DbQuery::FindFirst(const QString& fieldName, const QString& text)
{
    int field = -1;
    for (int i = 0; i < fieldNames_.size() && field < 0; ++i) {
        if (fieldNames_.at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            field = i;
    }
    if (field < 0)
        throw DbError(QStringLiteral("%1: field \"%2\" not found").arg(Connection().DatabaseName, fieldName));
    // The engine answers whether the text is there at all without handing
    // over a row: a miss on a large result would otherwise read all of it
    // into memory first. Column text compares as Value() shows it.
    const bool seen =
        std::any_of(rows_.begin(), rows_.end(), [&](const QStringList& row) { return row.at(field) == text; });
    if (!seen && CanFetchMore()) {
        QString quoted = fieldNames_.at(field);
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        DbStatement exists(
            Connection(),
            QStringLiteral("SELECT 1 FROM (%1) WHERE CAST(\"%2\" AS TEXT) = ?1 LIMIT 1").arg(Sql, quoted));
        exists.BindText(1, text);
        if (!exists.Step())
            return -1;
    }
    for (int row = 0;; ++row) {
        if (row >= rows_.size() && FetchMore(256) == 0)
            return -1;
        if (rows_.at(row).at(field) == text) {
            currentRow_ = row;
            return row;
        }
    }
}

} // namespace vantor::db
