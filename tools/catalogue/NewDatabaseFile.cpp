#include "catalogue/NewDatabaseFile.h"

#include "catalogue/CatalogueBuilder.h"
#include "support/database/DatabaseKey.h"

#include <QFile>

#include <sqlite3.h>

namespace vantor::tools {

Result<void> InitialiseDatabaseFile(const QString& file, const QString& password)
{
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    auto fail = [&](const QString& what) {
        const QString detail = handle != nullptr ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString();
        sqlite3_close(handle);
        return Failure(QStringLiteral("%1: %2: %3").arg(file, what, detail));
    };
    if (rc != SQLITE_OK)
        return fail(QStringLiteral("cannot open"));
    if (!password.isEmpty()) {
        const QByteArray pragma = db::KeyPragma(db::DeriveRawKey(password));
        if (sqlite3_exec(handle, pragma.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return fail(QStringLiteral("cannot set the key"));
    }
    // Writing the header makes the file a database (encrypted with the key
    // from its first page on), which the connection can then open.
    if (sqlite3_exec(handle, "PRAGMA user_version = 0;", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(QStringLiteral("cannot write"));
    if (sqlite3_close(handle) != SQLITE_OK)
        return fail(QStringLiteral("cannot close"));
    return Ok();
}

} // namespace vantor::tools
