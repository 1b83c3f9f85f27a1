// One prepared statement, finalised with its owner.
#pragma once

#include "support/database/DbConnection.h"

#include <QString>

struct sqlite3_stmt;

namespace vantor::db {

class DbStatement {
public:
    // Prepares sql; raises DbError when it does not compile.
    DbStatement(DbConnection& connection, const QString& sql);
    ~DbStatement();
    DbStatement(const DbStatement&) = delete;
    DbStatement& operator=(const DbStatement&) = delete;

    // Binds text or numbers to ?1, ?2 ... (1-based).
    void BindText(int index, const QString& value);
    void BindDouble(int index, double value);
    void BindInt(int index, long long value);

    // Advances to the next row; false when there is none. Raises DbError on failure.
    bool Step();
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnText(int column) const;

private:
    DbConnection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace vantor::db
