#include "common/FileHelpers.h"

#include "common/uConstants.h"
#include "support/FileSystem.h"
#include "support/FileVersion.h"
#include "support/Process.h"
#include "support/UserFolders.h"

#include <QFileInfo>

#include <cstdio>

namespace vantor {

namespace {

void ListInto(const QString& folder, bool withPath, QStringList& list, platform::EntryKind kind)
{
    list = platform::ListEntries(folder, kind);
    if (!withPath)
        return;
    const QString prefix = folder.endsWith('/') ? folder : folder + '/';
    for (QString& name : list)
        name.prepend(prefix);
}

// Anything at the path, a dangling link included.
bool SomethingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString GetTempFolder()
{
    return platform::SystemTempFolder();
}

QString GetTempWorkFolder(bool Create)
{
    QString folder = platform::UserCacheFolder() + QLatin1Char('/') + QLatin1String(StagingFolderName);
    if (Create)
        (void)platform::CreatePrivateFolder(folder); // users check IsTempWorkFolderUsable
    return folder;
}

bool IsTempWorkFolderUsable()
{
    const QString folder = GetTempWorkFolder(false);
    if (platform::IsPrivateFolder(folder))
        return true;
    static bool reported = false;
    if (!reported && SomethingAt(folder.chopped(1))) {
        reported = true;
        std::fprintf(stderr, "Vantor: the staging folder %s is not private to this user; it is not used\n",
                     qPrintable(folder));
    }
    return false;
}

void DeleteTempWorkFolder()
{
    const QString folder = GetTempWorkFolder(false);
    // Nothing there is the usual case and says nothing.
    if (SomethingAt(folder.chopped(1)) && IsTempWorkFolderUsable())
        (void)platform::DeleteFolderTree(folder); // a leftover; the next start tries again
}

bool GetFileVersion(const QString& FileName, TInfoVersion& Version)
{
    Version = TInfoVersion{};
    const auto words = platform::ReadFileVersion(FileName);
    if (!words)
        return false;
    Version.wMajor = static_cast<std::int16_t>(words->mostSignificant >> 16);
    Version.wMinor = static_cast<std::int16_t>(words->mostSignificant & 0xFFFFu);
    Version.wRelease = static_cast<std::int16_t>(words->leastSignificant >> 16);
    Version.wBuild = static_cast<std::int16_t>(words->leastSignificant & 0xFFFFu);
    return true;
}

std::int64_t FileSizeOf(const QString& FileName)
{
    return platform::FileSize(FileName);
}

void ListSubfolders(const QString& Folder, bool WithPath, QStringList& List)
{
    ListInto(Folder, WithPath, List, platform::EntryKind::Folders);
}

void ListFiles(const QString& Folder, bool WithPath, QStringList& List)
{
    ListInto(Folder, WithPath, List, platform::EntryKind::Files);
}

bool StartProgram(const QString& Program, const QString& Parameters)
{
    // The program is one argument whatever its path holds; only the
    // parameters are a command line.
    return platform::StartDetachedArguments(QStringList{Program} + platform::SplitCommandLine(Parameters));
}

} // namespace vantor
