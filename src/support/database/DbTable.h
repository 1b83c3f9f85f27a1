// A table cursor that opens on the table's first record and gives its fields
// by name as text.
#pragma once

#include "support/Result.h"
#include "support/database/DbConnection.h"

#include <QHash>
#include <QString>

namespace vantor::db {

class DbTable final : public DbDataSet {
public:
    explicit DbTable(DbConnection& connection) : DbDataSet(connection) {}
    ~DbTable() override { Close(); }

    QString TableName;
    bool ReadOnly = true;
    bool Exclusive = false;

    // Opens the connection when needed and reads the first record; fails
    // when the table is missing.
    [[nodiscard]] Result<void> Open();
    void Close() override;
    bool Active() const override { return active_; }

    // Text of a field of the first record; empty when the table has no
    // records. Fails for a field the table lacks.
    [[nodiscard]] Result<QString> FieldAsText(const QString& fieldName) const;

private:
    bool active_ = false;
    QHash<QString, int> fieldIndex_;
    QList<QString> values_;
};

} // namespace vantor::db
