// A query whose rows are read from the engine as they are needed, so that a
// grid over a large result shows its first rows at once.
#pragma once

#include "support/Result.h"
#include "support/database/DbConnection.h"
#include "support/database/DbStatement.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantor::db {

class DbQuery final : public DbDataSet {
public:
    explicit DbQuery(DbConnection& connection);
    ~DbQuery() override;

    QString Sql;
    bool ReadOnly = true;

    // Opens the connection when needed, runs Sql and reads its first row. A
    // failed open leaves the query closed.
    [[nodiscard]] Result<void> Open();
    void Close() override;
    bool Active() const override { return statement_.has_value(); }

    // Rows of the whole result (counted by the engine, without fetching them).
    [[nodiscard]] Result<int> RecordCount();
    int FieldCount() const { return static_cast<int>(fieldNames_.size()); }
    const QStringList& FieldNames() const { return fieldNames_; }

    // Rows read so far, and reading more of them.
    int FetchedCount() const { return static_cast<int>(rows_.size()); }
    bool CanFetchMore() const { return Active() && !atEnd_ && !failure_; }
    // Reads up to count more rows; returns how many came. After a failure
    // the query reads no further (the rows read so far stay) and returns
    // that failure again.
    [[nodiscard]] Result<int> FetchMore(int count);
    // Text of a fetched row's field.
    QString Value(int row, int field) const;

    // Makes the first row whose field equals text exactly the current row
    // (reading further as needed) and returns its index, or -1 (current row
    // unchanged) when there is none; a text the result lacks is known so
    // without reading further rows.
    [[nodiscard]] Result<int> FindFirst(const QString& fieldName, const QString& text);
    int CurrentRow() const { return currentRow_; }

private:
    std::optional<DbStatement> statement_;
    QStringList fieldNames_;
    QList<QStringList> rows_;
    bool atEnd_ = false;
    std::optional<Error> failure_;
    int recordCount_ = -1;
    int currentRow_ = -1;
};

} // namespace vantor::db
