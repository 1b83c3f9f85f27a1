#include "installer/Installer.h"

#include "common/IniFile.h"
#include "installer/DatabaseVersion.h"
#include "installer/DesktopFiles.h"
#include "support/FileSystem.h"
#include "support/FileVersion.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace vantor::installer {

namespace {

const QString SettingsFile = QStringLiteral("Vantor.ini");
const QString ReleaseFile = QStringLiteral("Release.ini");

bool IsLink(const QString& APath)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(APath).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool Exists(const QString& APath)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(APath).constData(), &st) == 0;
}

bool IsDatabaseFile(const QString& ARelative)
{
    return (ARelative.startsWith(QLatin1String("Data/")) || ARelative.startsWith(QLatin1String("Catalogues/"))) &&
           ARelative.endsWith(QLatin1String(".vt4"), Qt::CaseInsensitive);
}

// Every regular file of the release, relative to it; links are never part of one.
QStringList ReleaseFiles(const QString& AFolder)
{
    QStringList files;
    QDirIterator it(AFolder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(AFolder).relativeFilePath(it.next());
        if (relative != SettingsFile && relative != ReleaseFile)
            files.append(relative);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A relative path from a record that stays inside its folder.
bool IsPlainRelative(const QString& ARelative)
{
    if (ARelative.isEmpty() || QDir::isAbsolutePath(ARelative))
        return false;
    const QStringList parts = ARelative.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& APart) {
        return APart.isEmpty() || APart == QLatin1String(".") || APart == QLatin1String("..");
    });
}

// True when a folder between ABase and the file (ABase itself included) is a link.
bool LinkOnTheWay(const QString& ABase, const QString& ARelative)
{
    if (IsLink(ABase))
        return true;
    QString path = ABase;
    const QStringList parts = ARelative.split(QLatin1Char('/'));
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        path += QLatin1Char('/') + parts.at(i);
        if (IsLink(path))
            return true;
    }
    return false;
}

bool WriteFile(const QString& APath, const QByteArray& ABytes)
{
    if (!QDir().mkpath(QFileInfo(APath).path()))
        return false;
    QFile file(APath);
    return file.open(QIODevice::WriteOnly) && file.write(ABytes) == ABytes.size() && file.flush();
}

// Removes the folders of the files, deepest first, as far as they are empty, never ABase itself.
void RemoveEmptyFolders(const QString& ABase, const QStringList& ARelativeFiles)
{
    QSet<QString> folders;
    for (const QString& relative : ARelativeFiles) {
        QString folder = QFileInfo(relative).path();
        while (folder != QLatin1String(".") && !folder.isEmpty()) {
            folders.insert(folder);
            folder = QFileInfo(folder).path();
        }
    }
    QStringList ordered(folders.begin(), folders.end());
    std::sort(ordered.begin(), ordered.end(),
              [](const QString& A, const QString& B) { return A.count(QLatin1Char('/')) > B.count(QLatin1Char('/')); });
    for (const QString& folder : ordered)
        ::rmdir(QFile::encodeName(ABase + QLatin1Char('/') + folder).constData());
}

// A folder that holds anything at all (a missing one holds nothing).
bool HoldsEntries(const QString& AFolder)
{
    return !QDir(AFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
}

bool IsControl(QChar AChar)
{
    return AChar.category() == QChar::Other_Control;
}

} // namespace

bool HasControlCharacter(const QString& AFolder)
{
    return std::any_of(AFolder.begin(), AFolder.end(), IsControl);
}

QString PrintableFolder(const QString& AFolder)
{
    QString printable;
    for (const QChar c : AFolder) {
        if (c == QLatin1Char('\n'))
            printable += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            printable += QLatin1String("\\t");
        else if (IsControl(c))
            printable += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            printable += c;
    }
    return printable;
}

QString VersionText(std::uint64_t AVersion)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(AVersion >> 48)
        .arg((AVersion >> 32) & 0xFFFF)
        .arg((AVersion >> 16) & 0xFFFF)
        .arg(AVersion & 0xFFFF);
}

std::uint64_t InstalledVersionOf(const QString& AFolder)
{
    const auto words = platform::ReadFileVersion(AFolder + QStringLiteral("/Vantor"));
    if (!words)
        return 0;
    return (std::uint64_t{words->mostSignificant} << 32) | words->leastSignificant;
}

bool ReadRelease(const QString& AFolder, TRelease& ARelease)
{
    ARelease.Folder = QDir::cleanPath(QFileInfo(AFolder).absoluteFilePath());
    ARelease.Version = InstalledVersionOf(ARelease.Folder);
    if (ARelease.Version == 0)
        return false;
    IniDocument settings;
    settings.loadFile(ARelease.Folder + QLatin1Char('/') + ReleaseFile);
    ARelease.DefaultCatalogue = settings.readString(QStringLiteral("Release"), QStringLiteral("sCode"));
    ARelease.OemId = settings.readInteger(QStringLiteral("Release"), QStringLiteral("iOemId"), 0);
    if (ARelease.DefaultCatalogue.isEmpty()) {
        const QStringList codes = QDir(ARelease.Folder + QStringLiteral("/Catalogues"))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        ARelease.DefaultCatalogue = codes.value(0);
    }
    return true;
}

TInstaller::TInstaller(TInstallLocations ALocations, TRelease ARelease)
    : locations_(std::move(ALocations)), release_(std::move(ARelease))
{}

QString TInstaller::ChooseFolder(const QString& AHandOffFolder, const QString& AChosenFolder) const
{
    QString folder = !AHandOffFolder.isEmpty() ? AHandOffFolder : AChosenFolder;
    TInstallRecord record;
    if (folder.isEmpty() && ReadInstallRecord(locations_.RecordFile(), record))
        folder = record.Folder;
    if (folder.isEmpty())
        folder = locations_.DefaultFolder();
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool TInstaller::LinkInTheWay(const QString& AFolder, const QStringList& ARelativeFiles, QString& AAt) const
{
    for (const QString& relative : ARelativeFiles) {
        if (LinkOnTheWay(AFolder, relative)) {
            AAt = AFolder + QLatin1Char('/') + relative;
            return true;
        }
    }
    return false;
}

bool TInstaller::KeepInstalled(const QString& AFolder, const QString& ARelative) const
{
    if (!IsDatabaseFile(ARelative))
        return false;
    const QString installed = AFolder + QLatin1Char('/') + ARelative;
    if (!Exists(installed))
        return false;
    return DatabaseDate(installed) > DatabaseDate(release_.Folder + QLatin1Char('/') + ARelative);
}

QByteArray TInstaller::NewSettings(const QString& AFolder, const QString& ALanguageId) const
{
    IniDocument settings;
    settings.loadBytes("; Settings of Vantor. The setup dialog changes the first five keys.\n"
                       "[Updates]\n\n[Language]\n\n[Catalogue]\n\n[Misc]\n");
    settings.writeInteger(QStringLiteral("Updates"), QStringLiteral("bAutoCheck"), 1);
    settings.writeString(QStringLiteral("Language"), QStringLiteral("iLangId"),
                         ALanguageId.isEmpty() ? QStringLiteral("ENG") : ALanguageId);
    settings.writeString(QStringLiteral("Catalogue"), QStringLiteral("sCode"), release_.DefaultCatalogue);
    settings.writeString(QStringLiteral("Catalogue"), QStringLiteral("sPath"), AFolder + QStringLiteral("/Catalogues"));
    settings.writeInteger(QStringLiteral("Misc"), QStringLiteral("iOemId"), release_.OemId);
    settings.writeInteger(QStringLiteral("Misc"), QStringLiteral("bDebugMode"), 0);
    settings.writeInteger(QStringLiteral("Misc"), QStringLiteral("bShowPrices"), 1);
    return settings.toBytes();
}

TInstallResult TInstaller::Install(const QString& AFolder, const QString& ALanguageId)
{
    TInstallResult result;
    result.Folder = AFolder;
    if (HasControlCharacter(AFolder)) {
        result.Status = TInstallStatus::BadFolderName;
        return result;
    }
    if (AFolder == release_.Folder) {
        result.Status = TInstallStatus::SameFolder;
        return result;
    }
    const std::uint64_t installed = InstalledVersionOf(AFolder);
    const bool upgrade = installed != 0;
    if (installed > release_.Version) {
        result.Status = TInstallStatus::OlderRelease;
        return result;
    }
    const QStringList files = ReleaseFiles(release_.Folder);
    if (LinkInTheWay(AFolder, files + QStringList{SettingsFile}, result.Detail)) {
        result.Status = TInstallStatus::LinkInTheWay;
        return result;
    }
    TInstallRecord previous;
    const bool recorded = ReadInstallRecord(locations_.RecordFile(), previous) && previous.Folder == AFolder;
    // Someone's folder of other things is not taken over; one an uninstall
    // left settings in, or the recorded one, is Vantor's.
    if (!upgrade && !force_ && HoldsEntries(AFolder) && !recorded &&
        !Exists(AFolder + QLatin1Char('/') + SettingsFile)) {
        result.Status = TInstallStatus::NotVantorFolder;
        return result;
    }

    // What the installer makes itself goes through the same all-or-nothing copy.
    QTemporaryDir staging;
    if (!staging.isValid())
        return result;
    const QString generated = staging.path();
    bool staged = true;
    TInstallRecord record;
    if (recorded) {
        record.ProgramFiles = previous.ProgramFiles;
        record.DataFiles = previous.DataFiles;
    }
    if (!Exists(AFolder + QLatin1Char('/') + SettingsFile))
        staged &= WriteFile(generated + QStringLiteral("/app/") + SettingsFile, NewSettings(AFolder, ALanguageId));
    record.Folder = AFolder;
    record.Version = VersionText(release_.Version);
    for (const QString& file : files) {
        QStringList& list = IsDatabaseFile(file) ? record.DataFiles : record.ProgramFiles;
        if (!list.contains(file))
            list.append(file);
    }
    for (const TDesktopFile& file : MakeDesktopFiles(AFolder + QStringLiteral("/Vantor"), record.Version)) {
        staged &= WriteFile(generated + QStringLiteral("/data/") + file.RelativePath, file.Content);
        record.DesktopFiles.append(file.RelativePath);
    }
    staged &= WriteFile(generated + QStringLiteral("/config/Vantor/installation.ini"), InstallRecordBytes(record));
    if (!staged)
        return result;

    platform::TFolderCopy copy;
    copy.Add(release_.Folder, AFolder, [this, upgrade, &AFolder](const QString& ARelative) {
        if (ARelative == SettingsFile || ARelative == ReleaseFile)
            return false;
        return !upgrade || !KeepInstalled(AFolder, ARelative);
    });
    copy.Add(generated + QStringLiteral("/app"), AFolder);
    copy.Add(generated + QStringLiteral("/data"), locations_.DataHome);
    copy.Add(generated + QStringLiteral("/config"), locations_.ConfigHome);
    const int total = static_cast<int>(files.size() + record.DesktopFiles.size()) + 2;
    int written = 0;
    copy.SetStepHook([this, &written, total](platform::TCopyStep AStep, const QString& APath) {
        if (AStep == platform::TCopyStep::WriteFile && progress_)
            progress_(std::min(++written, total), total);
        return !hook_ || hook_(AStep, APath);
    });
    if (!copy.Run())
        return result;
    if (progress_)
        progress_(total, total);
    result.Status = upgrade ? TInstallStatus::Upgraded : TInstallStatus::Installed;
    return result;
}

TInstallResult Uninstall(const TInstallLocations& ALocations, bool APurge)
{
    TInstallResult result;
    TInstallRecord record;
    if (!ReadInstallRecord(ALocations.RecordFile(), record)) {
        result.Status = TInstallStatus::NotInstalled;
        return result;
    }
    const QString folder = QDir::cleanPath(record.Folder);
    result.Folder = folder;
    if (IsLink(folder) || !QDir::isAbsolutePath(folder)) {
        result.Status = TInstallStatus::LinkInTheWay;
        result.Detail = folder;
        return result;
    }
    // What could not be removed stays in the record, so that the next
    // uninstall finds it again.
    TInstallRecord left = record;
    left.ProgramFiles.clear();
    left.DataFiles.clear();
    left.DesktopFiles.clear();
    const auto removeListed = [&result](const QString& ABase, const QStringList& ARelative, QStringList& ALeft) {
        QStringList removed;
        for (const QString& relative : ARelative) {
            // A record changed by hand must not lead out of the installation.
            if (!IsPlainRelative(relative) || LinkOnTheWay(ABase, relative))
                continue;
            const QString path = ABase + QLatin1Char('/') + relative;
            if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
                ALeft.append(relative);
                if (result.Detail.isEmpty())
                    result.Detail = path;
            }
            removed.append(relative);
        }
        RemoveEmptyFolders(ABase, removed);
    };
    removeListed(folder, record.ProgramFiles, left.ProgramFiles);
    removeListed(ALocations.DataHome, record.DesktopFiles, left.DesktopFiles);
    if (APurge) {
        // The settings are the user's to remove; of the databases and
        // catalogues only what the installation shipped.
        removeListed(folder, record.DataFiles + QStringList{SettingsFile}, left.DataFiles);
        ::rmdir(QFile::encodeName(folder).constData()); // only when nothing of the user's is left
    } else {
        // Kept for a later purge, should the record stay.
        left.DataFiles = record.DataFiles;
    }
    const bool everythingRemoved = result.Detail.isEmpty();
    if (everythingRemoved) {
        QFile::remove(ALocations.RecordFile());
        ::rmdir(QFile::encodeName(QFileInfo(ALocations.RecordFile()).path()).constData());
    } else {
        QSaveFile file(ALocations.RecordFile());
        const QByteArray bytes = InstallRecordBytes(left);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            result.Detail += QStringLiteral(" (and the installation record could not be updated)");
    }
    result.Status = everythingRemoved ? TInstallStatus::Uninstalled : TInstallStatus::RemoveFailed;
    return result;
}

} // namespace vantor::installer
