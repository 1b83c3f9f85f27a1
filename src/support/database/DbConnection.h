// A connection to one ".vt4" database file (SQLCipher). Tables and queries
// on it close with it.
#pragma once

#include "support/Result.h"

#include <QList>
#include <QString>

#include <functional>

struct sqlite3;

namespace vantor::db {

class DbDataSet;

class DbConnection {
public:
    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Settings; changed only while closed.
    QString DatabaseName; // logical name, for messages
    QString FileName;
    QString Password; // empty: the file is not protected
    bool ReadOnly = false;
    bool Exclusive = false; // never used: other programs may read the file too
    bool MultiUser = true;  // shared access: other readers are welcome
    int MaxConnections = 500;
    // Milliseconds a statement waits for another connection's write lock to
    // go before it fails with "database is locked".
    int BusyTimeout = 1000;

    // Asked when the file needs a password that is missing or wrong. Setting
    // Continue to true retries with the (possibly changed) Password; left
    // false, as it comes, the open fails.
    std::function<void(DbConnection& sender, bool& Continue)> OnPassword;

    // Opens the file; fails when it is missing, is no database, or cannot be
    // unlocked with the password. A failed open leaves the connection closed.
    [[nodiscard]] Result<void> Open();
    // Closes every table and query on the connection, then the connection.
    void Close();
    bool Connected() const { return handle_ != nullptr; }

    // Runs statements that return no rows (the maker's tools write with it).
    [[nodiscard]] Result<void> Execute(const QString& sql);

    sqlite3* Handle() const { return handle_; }
    // The failure "<name>: <what>: <the engine's last message>".
    [[nodiscard]] Error LastError(const QString& what) const;

private:
    friend class DbDataSet;
    void Attach(DbDataSet* dataSet);
    void Detach(DbDataSet* dataSet);
    [[nodiscard]] Result<void> OpenHandle();
    void CloseHandle();
    [[nodiscard]] Result<bool> TryUnlock();

    sqlite3* handle_ = nullptr;
    QList<DbDataSet*> dataSets_;
};

// Common base of tables and queries: bound to a connection, closed with it.
class DbDataSet {
public:
    explicit DbDataSet(DbConnection& connection);
    virtual ~DbDataSet();
    DbDataSet(const DbDataSet&) = delete;
    DbDataSet& operator=(const DbDataSet&) = delete;

    virtual void Close() = 0;
    virtual bool Active() const = 0;
    DbConnection& Connection() const { return connection_; }

private:
    DbConnection& connection_;
};

} // namespace vantor::db
