#include "common/FileHelpers.h"

#include "common/uConstants.h"
#include "support/FileSystem.h"
#include "support/FileVersion.h"
#include "support/Process.h"

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

} // namespace

QString GetCataloguesFolder()
{
    return GlobalSetupData.RootPath + QLatin1String(CataloguesFolderName);
}

QString GetTempFolder()
{
    return platform::SystemTempFolder();
}

QString GetTempWorkFolder(bool Create)
{
    const QString folder = GetTempFolder() + QLatin1String(StagingFolderName);
    if (Create)
        platform::CreatePrivateFolder(folder);
    return folder;
}

bool IsTempWorkFolderUsable()
{
    return platform::IsOwnFolder(GetTempWorkFolder(false));
}

void DeleteTempWorkFolder()
{
    platform::DeleteFolderTree(GetTempWorkFolder(false));
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
    const QString commandLine = Parameters.isEmpty() ? Program : Program + ' ' + Parameters;
    return platform::StartDetached(commandLine);
}

} // namespace vantor
