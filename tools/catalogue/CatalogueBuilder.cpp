#include "catalogue/CatalogueBuilder.h"

#include "catalogue/NewDatabaseFile.h"
#include "support/database/DbConnection.h"
#include "support/database/DbStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace vantor::tools {

namespace {

// Names cannot be bound like values; quoted, any text is a name and never SQL.
QString QuoteName(QString name)
{
    name.replace(u'"', QStringLiteral("\"\""));
    return u'"' + name + u'"';
}

Result<void> CheckNames(const DatabaseContent& content)
{
    if (content.Info.isEmpty())
        return Failure(QStringLiteral("the \"Info\" table needs at least one field"));
    QSet<QString> seen;
    for (const auto& field : content.Info) {
        // The engine's column names ignore letter case.
        const QString folded = field.first.toLower();
        if (field.first.isEmpty() || seen.contains(folded))
            return Failure(QStringLiteral("the \"Info\" field name \"%1\" is empty or given twice").arg(field.first));
        seen.insert(folded);
    }
    return Ok();
}

// Inserts the bound row and readies the statement for the next one.
Result<void> InsertRow(db::DbStatement& insert)
{
    const Result<bool> done = insert.Step();
    insert.Reset();
    if (!done)
        return done.error();
    return Ok();
}

Result<void> WriteTables(db::DbConnection& connection, const DatabaseContent& content)
{
    if (const Result<void> begun = connection.Execute(QStringLiteral("BEGIN IMMEDIATE")); !begun)
        return begun;

    QStringList columns;
    QStringList placeholders;
    for (qsizetype i = 0; i < content.Info.size(); ++i) {
        columns << QuoteName(content.Info[i].first) + QStringLiteral(" TEXT");
        placeholders << QStringLiteral("?%1").arg(i + 1);
    }
    if (const Result<void> created =
            connection.Execute(QStringLiteral("CREATE TABLE \"Info\" (%1)").arg(columns.join(QStringLiteral(", "))));
        !created)
        return created;
    if (content.InfoHasRecord) {
        Result<db::DbStatement> insert = db::DbStatement::Prepare(
            connection,
            QStringLiteral("INSERT INTO \"Info\" VALUES (%1)").arg(placeholders.join(QStringLiteral(", "))));
        if (!insert)
            return insert.error();
        for (qsizetype i = 0; i < content.Info.size(); ++i) {
            if (const Result<void> bound = insert->BindText(static_cast<int>(i + 1), content.Info[i].second); !bound)
                return bound;
        }
        if (const Result<void> inserted = InsertRow(*insert); !inserted)
            return inserted;
    }

    if (content.HasItems) {
        if (const Result<void> created = connection.Execute(
                QStringLiteral("CREATE TABLE \"Items\" (\"ProductCode\" TEXT, \"Description\" TEXT, \"Price\" REAL)"));
            !created)
            return created;
        Result<db::DbStatement> insert =
            db::DbStatement::Prepare(connection, QStringLiteral("INSERT INTO \"Items\" VALUES (?1, ?2, ?3)"));
        if (!insert)
            return insert.error();
        for (const PricelistItem& item : content.Items) {
            Result<void> row = insert->BindText(1, item.ProductCode);
            if (row)
                row = insert->BindText(2, item.Description);
            if (row)
                row = insert->BindDouble(3, item.Price);
            if (row)
                row = InsertRow(*insert);
            if (!row)
                return row;
        }
    }

    for (const TableContent& table : content.Tables) {
        QStringList definitions;
        QStringList markers;
        for (qsizetype i = 0; i < table.Columns.size(); ++i) {
            definitions << QuoteName(table.Columns[i].first) + QLatin1Char(' ') + table.Columns[i].second;
            markers << QStringLiteral("?%1").arg(i + 1);
        }
        if (const Result<void> created =
                connection.Execute(QStringLiteral("CREATE TABLE %1 (%2)")
                                       .arg(QuoteName(table.Name), definitions.join(QStringLiteral(", "))));
            !created)
            return created;
        Result<db::DbStatement> insert =
            db::DbStatement::Prepare(connection, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                                     .arg(QuoteName(table.Name), markers.join(QStringLiteral(", "))));
        if (!insert)
            return insert.error();
        for (const QStringList& row : table.Rows) {
            for (qsizetype i = 0; i < row.size() && i < table.Columns.size(); ++i) {
                if (const Result<void> bound = insert->BindText(static_cast<int>(i + 1), row[i]); !bound)
                    return bound;
            }
            if (const Result<void> inserted = InsertRow(*insert); !inserted)
                return inserted;
        }
    }

    return connection.Execute(QStringLiteral("COMMIT"));
}

// Removes the temporary file (and a journal the engine may have left) unless
// it was renamed into place.
class TemporaryGuard {
public:
    explicit TemporaryGuard(QString file) : file_(std::move(file)) {}
    ~TemporaryGuard()
    {
        if (!kept_) {
            QFile::remove(file_);
            QFile::remove(file_ + QStringLiteral("-journal"));
        }
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;
    void Keep() { kept_ = true; }

private:
    QString file_;
    bool kept_ = false;
};

} // namespace

Result<void> WriteDatabase(const QString& file, const QString& password, const DatabaseContent& content, bool overwrite)
{
    if (const Result<void> named = CheckNames(content); !named)
        return named;
    const QFileInfo target(file);
    if (target.exists() && !overwrite)
        return Failure(QStringLiteral("%1 already exists (replace it with --force)").arg(file));
    if (target.exists() && !target.isFile())
        return Failure(QStringLiteral("%1 exists and is no file").arg(file));
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return Failure(QStringLiteral("cannot create the folder %1").arg(folder));

    // The temporary name is reserved by creating the file, so that two runs
    // never write into one file.
    QTemporaryFile reserved(folder + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    reserved.setAutoRemove(false);
    if (!reserved.open())
        return Failure(QStringLiteral("cannot write in the folder %1: %2").arg(folder, reserved.errorString()));
    const QString temporary = reserved.fileName();
    reserved.close();
    TemporaryGuard guard(temporary);

    if (const Result<void> started = InitialiseDatabaseFile(temporary, password); !started)
        return started;
    db::DbConnection connection;
    connection.DatabaseName = target.fileName();
    connection.FileName = temporary;
    connection.Password = password;
    connection.ReadOnly = false;
    Result<void> written = connection.Open();
    if (written)
        written = WriteTables(connection, content);
    connection.Close();
    if (!written)
        return Failure(QStringLiteral("%1: %2").arg(file, written.message()));

    // Installed files are read by every user of the machine.
    QFile::setPermissions(temporary, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ReadOther);
    if (overwrite) {
        std::error_code failure;
        std::filesystem::rename(QFile::encodeName(temporary).toStdString(), QFile::encodeName(file).toStdString(),
                                failure);
        if (failure)
            return Failure(QStringLiteral("cannot move the new file to %1: %2")
                               .arg(file, QString::fromLocal8Bit(failure.message())));
    } else if (!QFile::rename(temporary, file)) {
        // Never replaces: another writer may have put a file there meanwhile.
        return Failure(QFileInfo::exists(file) ? QStringLiteral("%1 already exists (replace it with --force)").arg(file)
                                               : QStringLiteral("cannot move the new file to %1").arg(file));
    }
    guard.Keep();
    return Ok();
}

DatabaseContent CatalogueContent(const QString& code, const QString& version)
{
    DatabaseContent content;
    content.Info = {{QStringLiteral("Code"), code}, {QStringLiteral("Version"), version}};
    return content;
}

DatabaseContent PricelistContent(const QString& code, const QString& validity, const QList<PricelistItem>& items,
                                 const QString& key)
{
    DatabaseContent content;
    content.Info = {
        {QStringLiteral("Key"), key}, {QStringLiteral("Code"), code}, {QStringLiteral("Validity"), validity}};
    content.HasItems = true;
    content.Items = items;
    return content;
}

} // namespace vantor::tools
