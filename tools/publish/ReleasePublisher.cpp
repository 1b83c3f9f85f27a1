#include "publish/ReleasePublisher.h"

#include "common/FileHelpers.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "publish/ManifestSigning.h"
#include "support/database/DbConnection.h"
#include "support/database/DbTable.h"
#include "update/FileDigest.h"
#include "update/ManifestListing.h"
#include "update/PackageFiles.h"
#include "update/UpdateManifest.h"
#include "update/ZlibMultiple.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

#include <optional>

namespace vantor::publish {

namespace {

const QString MainDatabase = QStringLiteral("Data.vt4");
const QString DevicesDatabase = QStringLiteral("Devices.vt4");

// A file of the release and where its content can be read: the file itself,
// or the named entry unpacked from a package into a scratch folder.
struct ReleaseFile {
    QString served;  // path below the release folder, with "/"
    QString content; // readable copy of the named database or program
};

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Unpacks a package into its own scratch folder and returns that folder.
Result<QString> Unpack(const QString& package, QTemporaryDir& scratch, int& counter)
{
    const QString target = scratch.path() + QStringLiteral("/%1/").arg(++counter);
    QDir().mkpath(target);
    TZlibMultiple reader;
    if (const auto unpacked = reader.DecompressFile(package, target, true, true); !unpacked)
        return Failure(QStringLiteral("%1: %2").arg(package, unpacked.message()));
    return target;
}

// The file named `name` in `folder` (plain) or inside one of its packages.
Result<std::optional<ReleaseFile>> Find(const QString& releaseFolder, const QString& relativeFolder,
                                        const QString& name, QTemporaryDir& scratch, int& counter)
{
    const QString folder = releaseFolder + relativeFolder;
    std::optional<ReleaseFile> found;
    for (const QString& file : FilesIn(folder)) {
        QString content;
        if (file.compare(name, Qt::CaseSensitive) == 0) {
            content = folder + file;
        } else if (IsPackageFile(file)) {
            const Result<QString> unpacked = Unpack(folder + file, scratch, counter);
            if (!unpacked)
                return unpacked.error();
            if (QFileInfo(*unpacked + name).isFile())
                content = *unpacked + name;
        }
        if (content.isEmpty())
            continue;
        if (found)
            return Failure(QStringLiteral("%1: %2 is in both %3 and %4")
                               .arg(folder, name, QFileInfo(found->served).fileName(), file));
        found = ReleaseFile{relativeFolder + file, content};
    }
    return found;
}

Result<QString> DatabaseVersion(const ReleaseFile& file)
{
    db::DbConnection connection;
    connection.FileName = file.content;
    connection.Password = QLatin1String(DatabasePassword);
    connection.ReadOnly = true;
    connection.OnPassword = [](db::DbConnection&, bool& Continue) { Continue = false; };
    db::DbTable info(connection);
    info.TableName = QStringLiteral("Info");
    const Result<void> opened = info.Open();
    const Result<QString> version = opened ? info.FieldAsText(QStringLiteral("Version")) : opened.error();
    connection.Close();
    if (!version)
        return Failure(QStringLiteral("%1: cannot read its version (%2)").arg(file.served, version.message()));
    const QString text = *version;
    // The engine reports the date YYYYMMDD as the version year.month.day.0.
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (text.size() != 8 || !date.isValid())
        return Failure(QStringLiteral("%1: version \"%2\" is no date YYYYMMDD").arg(file.served, text));
    return QStringLiteral("%1.%2.%3.0").arg(date.year()).arg(date.month()).arg(date.day());
}

Result<QString> ProgramVersion(const QString& releaseFolder, const QString& package, QTemporaryDir& scratch,
                               int& counter)
{
    QStringList entries;
    if (const auto listed = ListPackageFiles(releaseFolder + package, entries); !listed)
        return Failure(QStringLiteral("%1: %2").arg(package, listed.message()));
    if (entries.isEmpty())
        return Failure(QStringLiteral("%1: the package is empty; its first entry must be the installer").arg(package));
    const Result<QString> unpacked = Unpack(releaseFolder + package, scratch, counter);
    if (!unpacked)
        return unpacked.error();
    QDirIterator it(*unpacked, {QStringLiteral("Vantor")}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return Failure(QStringLiteral("%1: holds no program file \"Vantor\"").arg(package));
    TInfoVersion version;
    if (!GetFileVersion(it.next(), version))
        return Failure(QStringLiteral("%1: its \"Vantor\" carries no version").arg(package));
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.wMajor)
        .arg(version.wMinor)
        .arg(version.wRelease)
        .arg(version.wBuild);
}

// The catalogue or pricelist version exactly as the installation reads it.
Result<QString> CatalogueVersion(TDM& dm, const ReleaseFile& file, const QString& code, const QString& installedName,
                                 bool pricelist, QTemporaryDir& scratch, int& counter)
{
    const QString folder = scratch.path() + QStringLiteral("/check%1/").arg(++counter);
    QDir().mkpath(folder + code);
    if (!QFile::copy(file.content, folder + code + QLatin1Char('/') + installedName))
        return Failure(QStringLiteral("%1: cannot be read").arg(file.served));
    QString version;
    const bool valid =
        pricelist ? dm.CheckPricelistValidity(folder, code, version) : dm.CheckCatalogueValidity(folder, code, version);
    if (!valid || version.isEmpty())
        return Failure(
            QStringLiteral("%1: not a valid %2 of catalogue %3")
                .arg(file.served, pricelist ? QStringLiteral("pricelist") : QStringLiteral("catalogue"), code));
    return version;
}

QString EscapePercent(const QString& text)
{
    return QString(text).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

} // namespace

int ChannelOfUrl(const QString& BaseUrl)
{
    static const QRegularExpression channel(QStringLiteral("/Updates/Vantorix/([0-9]{1,9})/?$"));
    const QRegularExpressionMatch match = channel.match(BaseUrl);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

Result<QByteArray> BuildManifest(const QString& ReleaseFolderIn, const QString& BaseUrlIn, const ManifestStamp& Stamp)
{
    const QString release = QDir(ReleaseFolderIn).absolutePath() + QLatin1Char('/');
    if (!QFileInfo(release).isDir())
        return Failure(QStringLiteral("%1: no such folder").arg(ReleaseFolderIn));
    const QString base = BaseUrlIn.endsWith(QLatin1Char('/')) ? BaseUrlIn : BaseUrlIn + QLatin1Char('/');
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return Failure(QStringLiteral("cannot create a scratch folder"));
    int counter = 0;

    if (!Stamp.Expires.isValid())
        return Failure(QStringLiteral("the expiry date is no date"));
    if (Stamp.Channel < 0)
        return Failure(QStringLiteral("no channel: name it with --channel, or publish below /Updates/Vantorix/<n>/"));
    if (!Stamp.Issued.isValid())
        return Failure(QStringLiteral("the issue time is no time"));
    QStringList main{QStringLiteral("[MAIN]"),
                     QStringLiteral("Expires=") + Stamp.Expires.toString(QStringLiteral("yyyyMMdd")),
                     QStringLiteral("Channel=") + QString::number(Stamp.Channel),
                     QStringLiteral("Issued=") + FormatIssued(Stamp.Issued)};
    const auto add = [&main](const char* key, const QString& value) {
        main.append(QLatin1String(key) + QLatin1Char('=') + value);
    };
    // Every file a client may fetch, by the URL it fetches it under.
    QStringList files{QStringLiteral("[FILES]")};
    const auto listFile = [&](const QString& served) -> Result<void> {
        const QString path = release + served;
        const QByteArray digest = Sha256OfFile(path);
        if (digest.isEmpty())
            return Failure(QStringLiteral("%1: cannot be read").arg(served));
        files.append(QStringLiteral("%1=").arg(files.size()) +
                     FormatListedFile(base + served, TListedFile{digest, QFileInfo(path).size()}));
        return Ok();
    };

    QStringList packages;
    for (const QString& file : FilesIn(release + QStringLiteral("Program")))
        if (IsPackageFile(file))
            packages.append(file);
    if (packages.size() > 1)
        return Failure(QStringLiteral("Program: holds more than one package"));
    if (!packages.isEmpty()) {
        const QString package = QStringLiteral("Program/") + packages.first();
        const Result<QString> version = ProgramVersion(release, package, scratch, counter);
        if (!version)
            return version.error();
        add("ProgramVersion", *version);
        add("ProgramLink_NoAdmin", base + package);
        if (const Result<void> listed = listFile(package); !listed)
            return listed.error();
    }

    for (const auto& [name, versionKey, linkKey] : {std::tuple{MainDatabase, "DatabaseVersion", "DatabaseLink"},
                                                    std::tuple{DevicesDatabase, "DevicesVersion", "DevicesLink"}}) {
        const Result<std::optional<ReleaseFile>> file = Find(release, QStringLiteral("Data/"), name, scratch, counter);
        if (!file)
            return file.error();
        if (!file->has_value())
            continue;
        const ReleaseFile& found = **file;
        const Result<QString> version = DatabaseVersion(found);
        if (!version)
            return version.error();
        add(versionKey, *version);
        add(linkKey, base + found.served);
        if (const Result<void> listed = listFile(found.served); !listed)
            return listed.error();
    }

    // Pricelists are read with the installation's password, as the program does.
    TDM dm{QLatin1String(DatabasePassword)};
    QString catalogueName, pricelistName;
    QStringList catalogueList{QStringLiteral("[CATALOGUES_LIST]")};
    QStringList sections;
    const QStringList codes =
        QDir(release + QStringLiteral("Catalogues")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    // Every catalogue shares one URL template, so the file names must agree.
    const auto sameName = [](QString& name, const ReleaseFile& file) -> Result<void> {
        const QString fileName = QFileInfo(file.served).fileName();
        if (name.isEmpty())
            name = fileName;
        else if (name != fileName)
            return Failure(
                QStringLiteral("%1: every catalogue folder must use the file name %2").arg(file.served, name));
        return Ok();
    };
    // The line of the manifest that gives the version of a catalogue or pricelist.
    const auto versionLine = [&](QString& name, const ReleaseFile& file, const QString& code,
                                 bool pricelist) -> Result<QString> {
        if (const Result<void> named = sameName(name, file); !named)
            return named.error();
        if (const Result<void> listed = listFile(file.served); !listed)
            return listed.error();
        const Result<QString> version =
            CatalogueVersion(dm, file, code, QLatin1String(pricelist ? PricelistDatabaseName : CatalogueDatabaseName),
                             pricelist, scratch, counter);
        if (!version)
            return version.error();
        return (pricelist ? QStringLiteral("PricelistVersion=") : QStringLiteral("CatalogueVersion=")) + *version;
    };
    for (const QString& code : codes) {
        const QString folder = QStringLiteral("Catalogues/") + code + QLatin1Char('/');
        const Result<std::optional<ReleaseFile>> foundCatalogue =
            Find(release, folder, QLatin1String(CatalogueDatabaseName), scratch, counter);
        if (!foundCatalogue)
            return foundCatalogue.error();
        const Result<std::optional<ReleaseFile>> foundPricelist =
            Find(release, folder, QLatin1String(PricelistDatabaseName), scratch, counter);
        if (!foundPricelist)
            return foundPricelist.error();
        const std::optional<ReleaseFile>& catalogue = *foundCatalogue;
        const std::optional<ReleaseFile>& pricelist = *foundPricelist;
        if (!catalogue && !pricelist)
            continue;
        // An installation without this catalogue would fetch the catalogue
        // and fail every update on it.
        if (!catalogue)
            return Failure(QStringLiteral("%1: holds a pricelist but no catalogue; installations without catalogue %2 "
                                          "could not update")
                               .arg(folder, code));
        QStringList section{QLatin1Char('[') + code + QLatin1Char(']')};
        const Result<QString> catalogueLine = versionLine(catalogueName, *catalogue, code, false);
        if (!catalogueLine)
            return catalogueLine.error();
        section.append(*catalogueLine);
        if (pricelist) {
            const Result<QString> pricelistLine = versionLine(pricelistName, *pricelist, code, true);
            if (!pricelistLine)
                return pricelistLine.error();
            section.append(*pricelistLine);
        }
        catalogueList.append(QStringLiteral("%1=%2").arg(catalogueList.size()).arg(code));
        sections.append(section.join(QStringLiteral("\r\n")));
    }
    if (!catalogueName.isEmpty())
        add("CataloguesLink", EscapePercent(base) + QStringLiteral("Catalogues/%s/") + EscapePercent(catalogueName));
    if (!pricelistName.isEmpty())
        add("PricelistsLink", EscapePercent(base) + QStringLiteral("Catalogues/%s/") + EscapePercent(pricelistName));

    QStringList parts{main.join(QStringLiteral("\r\n")), catalogueList.join(QStringLiteral("\r\n"))};
    parts += sections;
    parts += files.join(QStringLiteral("\r\n"));
    return (parts.join(QStringLiteral("\r\n\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

Result<void> PublishRelease(const QString& ReleaseFolder, const QString& BaseUrl, const PublishOptions& Options)
{
    const Result<QByteArray> built = BuildManifest(ReleaseFolder, BaseUrl, Options.Stamp);
    if (!built)
        return built.error();
    const QByteArray& manifest = *built;
    const QDir release(ReleaseFolder);
    const QString target = release.filePath(QLatin1String(ManifestFileName));
    const QString signatureTarget = release.filePath(QLatin1String(ManifestSignatureFileName));
    // Written (and signed) under its own name in a scratch folder beside the
    // release, so the signature names the right file; then moved into place.
    QTemporaryDir scratch(release.filePath(QStringLiteral(".publish-XXXXXX")));
    if (!scratch.isValid())
        return Failure(QStringLiteral("%1: cannot create a scratch folder").arg(ReleaseFolder));
    const QString written = scratch.filePath(QLatin1String(ManifestFileName));
    QSaveFile out(written);
    if (!out.open(QIODevice::WriteOnly) || out.write(manifest) != manifest.size() || !out.commit())
        return Failure(QStringLiteral("%1: cannot write VersionControl.txt").arg(ReleaseFolder));

    if (!Options.SecretKeyFile.isEmpty()) {
        if (const Result<void> signedManifest = SignManifest(Options.MinisignProgram, Options.SecretKeyFile, written);
            !signedManifest)
            return signedManifest;
        if (const Result<void> moved = ReplaceFile(written + QStringLiteral(".minisig"), signatureTarget); !moved)
            return moved;
    } else if (QFile::exists(signatureTarget) && !QFile::remove(signatureTarget)) {
        return Failure(QStringLiteral("%1: cannot remove the old signature").arg(ReleaseFolder));
    }
    return ReplaceFile(written, target);
}

} // namespace vantor::publish
