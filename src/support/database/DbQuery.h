// A query whose rows are read from the engine as they are needed, so that a
// grid over a large result shows its first rows at once.
#pragma once

#include "support/database/DbConnection.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace vantor::db {

class DbStatement;

class DbQuery final : public DbDataSet {
public:
    explicit DbQuery(DbConnection& connection);
    ~DbQuery() override;

    QString Sql;
    bool ReadOnly = true;

    // Opens the connection when needed and runs Sql. Raises DbError.
    void Open();
    void Close() override;
    bool Active() const override { return statement_ != nullptr; }

    // Rows of the whole result (counted by the engine, without fetching them).
    int RecordCount();
    int FieldCount() const { return static_cast<int>(fieldNames_.size()); }
    const QStringList& FieldNames() const { return fieldNames_; }

    // Rows read so far, and reading more of them.
    int FetchedCount() const { return static_cast<int>(rows_.size()); }
    bool CanFetchMore() const { return Active() && !atEnd_; }
    // Reads up to count more rows; returns how many came.
    int FetchMore(int count);
    // Text of a fetched row's field.
    QString Value(int row, int field) const;

    // Makes the first row whose field equals text exactly the current row
    // (reading further as needed) and returns its index, or -1 (current row
    // unchanged) when there is none; a text the result lacks is known so
    // without reading further rows.
    int FindFirst(const QString& fieldName, const QString& text);
    int CurrentRow() const { return currentRow_; }

private:
    std::unique_ptr<DbStatement> statement_;
    QStringList fieldNames_;
    QList<QStringList> rows_;
    bool atEnd_ = false;
    int recordCount_ = -1;
    int currentRow_ = -1;
};

} // namespace vantor::db
