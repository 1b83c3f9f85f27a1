#include "support/database/DbConnection.h"

#include "support/database/DatabaseKey.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace vantor::db {

DbConnection::~DbConnection()
{
    Close();
}

Error DbConnection::LastError(const QString& what) const
{
    const QString detail = handle_ != nullptr ? QString::fromUtf8(sqlite3_errmsg(handle_)) : QString();
    const QString name = DatabaseName.isEmpty() ? FileName : DatabaseName;
    return Error(detail.isEmpty() ? QStringLiteral("%1: %2").arg(name, what)
                                  : QStringLiteral("%1: %2: %3").arg(name, what, detail));
}

Result<void> DbConnection::Open()
{
    if (Connected())
        return Ok();
    // sqlite would create a missing file, and an empty file would pass for a
    // new database: neither is a ".vt4" file.
    const QFileInfo info(FileName);
    if (!info.isFile())
        return Failure(QStringLiteral("%1: the database file \"%2\" does not exist").arg(DatabaseName, FileName));
    if (info.size() == 0)
        return Failure(QStringLiteral("%1: \"%2\" is not a database").arg(DatabaseName, FileName));

    // Ask again for as long as the owner lets the open go on.
    for (;;) {
        if (Result<void> opened = OpenHandle(); !opened)
            return opened;
        const Result<bool> unlocked = TryUnlock();
        if (unlocked && *unlocked)
            return Ok();
        // SQLCipher keeps a key once set: a retry needs a fresh handle.
        CloseHandle();
        if (!unlocked)
            return unlocked.error();
        bool proceed = false;
        if (OnPassword)
            OnPassword(*this, proceed);
        if (!proceed)
            return Failure(
                QStringLiteral("%1: \"%2\" is not a database, or needs another password").arg(DatabaseName, FileName));
    }
}

Result<bool> DbConnection::TryUnlock()
{
    if (!Password.isEmpty()) {
        const QByteArray pragma = KeyPragma(DeriveRawKey(Password));
        if (sqlite3_exec(handle_, pragma.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    // The first read proves the key: a wrong or missing one reads as no
    // database. Compiling a statement on the schema reads it, and the
    // first statement of the caller then finds it loaded; running this one
    // as well would only cost another read transaction.
    sqlite3_stmt* probe = nullptr;
    const int rc = sqlite3_prepare_v2(handle_, "SELECT 1 FROM sqlite_master", -1, &probe, nullptr);
    sqlite3_finalize(probe);
    if (rc == SQLITE_OK)
        return true;
    if ((rc & 0xFF) != SQLITE_NOTADB)
        return LastError(QStringLiteral("cannot read"));
    return false;
}

Result<void> DbConnection::OpenHandle()
{
    // Every connection is used from one thread: no engine-side locking needed.
    const int flags = (ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(FileName).constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close(handle);
        return Failure(QStringLiteral("%1: cannot open \"%2\": %3").arg(DatabaseName, FileName, message));
    }
    handle_ = handle;
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, BusyTimeout);
    return Ok();
}

void DbConnection::CloseHandle()
{
    if (handle_ != nullptr) {
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

void DbConnection::Close()
{
    // Data sets detach themselves while closing; work on a copy.
    const QList<DbDataSet*> open = dataSets_;
    for (DbDataSet* dataSet : open)
        dataSet->Close();
    CloseHandle();
}

Result<void> DbConnection::Execute(const QString& sql)
{
    if (!Connected())
        return Failure(QStringLiteral("%1: not connected").arg(DatabaseName));
    char* error = nullptr;
    if (sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error != nullptr ? error : "failed");
        sqlite3_free(error);
        return Failure(QStringLiteral("%1: %2").arg(DatabaseName, message));
    }
    return Ok();
}

void DbConnection::Attach(DbDataSet* dataSet)
{
    dataSets_.append(dataSet);
}

void DbConnection::Detach(DbDataSet* dataSet)
{
    dataSets_.removeAll(dataSet);
}

DbDataSet::DbDataSet(DbConnection& connection) : connection_(connection)
{
    connection_.Attach(this);
}

DbDataSet::~DbDataSet()
{
    connection_.Detach(this);
}

} // namespace vantor::db
