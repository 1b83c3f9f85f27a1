// One prepared statement, finalised with its owner.
#pragma once

#include "support/Result.h"
#include "support/database/DbConnection.h"

#include <QString>

struct sqlite3_stmt;

namespace vantor::db {

class DbStatement {
public:
    // Prepares sql on an open connection; fails when it does not compile.
    [[nodiscard]] static Result<DbStatement> Prepare(DbConnection& connection, const QString& sql);
    ~DbStatement();
    DbStatement(DbStatement&& other) noexcept;
    DbStatement(const DbStatement&) = delete;
    DbStatement& operator=(const DbStatement&) = delete;
    DbStatement& operator=(DbStatement&&) = delete;

    // Binds text or numbers to ?1, ?2 ... (1-based).
    [[nodiscard]] Result<void> BindText(int index, const QString& value);
    [[nodiscard]] Result<void> BindDouble(int index, double value);
    [[nodiscard]] Result<void> BindInt(int index, long long value);

    // Advances to the next row: true when there is one, false at the end
    // (both ok), or the engine's failure.
    [[nodiscard]] Result<bool> Step();
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnText(int column) const;

private:
    DbStatement(DbConnection& connection, sqlite3_stmt* statement) : connection_(&connection), statement_(statement) {}

    DbConnection* connection_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace vantor::db
