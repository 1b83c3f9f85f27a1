#include "catalogue/CatalogueTool.h"

#include "catalogue/ProductSource.h"

#include "common/TextHelpers.h"
#include "common/uConstants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace vantor::tools {

namespace {

// Undoes what a failed run created: files first, then the folders made for
// them, deepest first (only while they are empty).
class Rollback {
public:
    ~Rollback()
    {
        if (done_)
            return;
        for (const QString& file : files_)
            QFile::remove(file);
        for (auto it = folders_.crbegin(); it != folders_.crend(); ++it)
            QDir().rmdir(*it);
    }

    // Notes the folders that writing into folder will create.
    void FolderWillBeCreated(const QString& folder)
    {
        QStringList missing;
        for (QString path = QDir::cleanPath(QDir(folder).absolutePath()); !QFileInfo::exists(path);) {
            missing.prepend(path);
            const QString parent = QFileInfo(path).path();
            if (parent == path)
                break;
            path = parent;
        }
        for (const QString& path : missing) {
            if (!folders_.contains(path))
                folders_.append(path);
        }
    }
    void FileWritten(const QString& file) { files_.append(file); }
    void Done() { done_ = true; }

private:
    QStringList files_;
    QStringList folders_;
    bool done_ = false;
};

} // namespace

Result<QList<CatalogueSource>> ReadCatalogueSources(const QStringList& sourceFolders)
{
    QList<CatalogueSource> sources;
    QHash<QString, QString> folderOfCode;
    for (const QString& folder : sourceFolders) {
        Result<CatalogueSource> source = ReadCatalogueSource(folder);
        if (!source)
            return source.error();
        if (folderOfCode.contains(source->Code))
            return Failure(QStringLiteral("%1 and %2 both hold catalogue %3")
                               .arg(folderOfCode.value(source->Code), folder, source->Code));
        folderOfCode.insert(source->Code, folder);
        sources.append(std::move(*source));
    }
    return sources;
}

Result<QStringList> BuildCatalogues(const QList<CatalogueSource>& sources, const QString& outputFolder, bool overwrite)
{
    struct Planned {
        QString file;
        QString password;
        DatabaseContent content;
    };
    QList<Planned> plan;
    const QDir output(outputFolder);
    for (const CatalogueSource& source : sources) {
        const QString folder = output.filePath(source.Code) + u'/';
        plan.append(
            {folder + QLatin1String(CatalogueDatabaseName), QString(), CatalogueContent(source.Code, source.Version)});
        if (source.HasPricelist)
            plan.append({folder + QLatin1String(PricelistDatabaseName), QString::fromLatin1(DatabasePassword),
                         PricelistContent(source.PricelistCode, source.Validity, source.Items, source.PricelistKey)});
    }
    if (!overwrite) {
        for (const Planned& step : plan) {
            if (QFileInfo::exists(step.file))
                return Failure(QStringLiteral("%1 already exists (replace it with --force)").arg(step.file));
        }
    }

    Rollback rollback;
    QStringList written;
    for (const Planned& step : plan) {
        rollback.FolderWillBeCreated(QFileInfo(step.file).path());
        if (const Result<void> wrote = WriteDatabase(step.file, step.password, step.content, overwrite); !wrote)
            return wrote.error();
        rollback.FileWritten(step.file);
        written.append(step.file);
    }
    rollback.Done();
    return written;
}

QString EngineDatabaseKind(const QString& name)
{
    if (name == QLatin1String("Data.vt4"))
        return QStringLiteral("Data");
    if (name == QLatin1String("Devices.vt4"))
        return QStringLiteral("Devices");
    return {};
}

DatabaseContent EngineDatabaseContent(const QString& kind, const QString& version)
{
    DatabaseContent content;
    content.Info = {{QStringLiteral("Version"), version}, {QStringLiteral("Kind"), kind}};
    return content;
}

Result<void> BuildEngineDatabase(const QString& name, const QString& version, const QString& file, bool overwrite,
                                 const QString& sourceFolder)
{
    const QString kind = EngineDatabaseKind(name);
    if (kind.isEmpty())
        return Failure(QStringLiteral("\"%1\" is no engine database; they are Data.vt4 and Devices.vt4").arg(name));
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    if (!eightDigits.match(version).hasMatch() || !IsValidCompactDate(version))
        return Failure(QStringLiteral("the version \"%1\" is no date written YYYYMMDD").arg(version));
    DatabaseContent content = EngineDatabaseContent(kind, version);
    if (!sourceFolder.isEmpty()) {
        Result<QList<TableContent>> tables =
            kind == QLatin1String("Data") ? ReadProductTables(sourceFolder) : ReadDeviceTables(sourceFolder);
        if (!tables)
            return tables.error();
        content.Tables = std::move(*tables);
    }
    Rollback rollback;
    rollback.FolderWillBeCreated(QFileInfo(file).path());
    if (const Result<void> wrote = WriteDatabase(file, QString::fromLatin1(DatabasePassword), content, overwrite);
        !wrote)
        return wrote;
    rollback.Done();
    return Ok();
}

} // namespace vantor::tools
