#include "update/UpdateHandoff.h"

#include "common/FileHelpers.h"
#include "common/uConstants.h"
#include "support/Process.h"
#include "update/PackageFiles.h"

#include <QFile>
#include <QFileInfo>

namespace vantor {

bool InstallProgramUpdate(const QString& PackageFile, const THandoffTarget& Target,
                          const CloseMainWindowFn& CloseMainWindow)
{
    QString first;
    QStringList entries;
    if (ListPackageFiles(PackageFile, entries) && !entries.isEmpty())
        first = entries.first();
    if (first.isEmpty())
        return false;
    if (!UnpackPackage(PackageFile))
        return false;

    const QString folder = QFileInfo(PackageFile).absolutePath() + QLatin1Char('/');
    const QString installer = folder + QString(first).replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Packages carry no permissions: the installer becomes executable for its owner.
    QFile::setPermissions(installer, QFile::permissions(installer) | QFileDevice::ExeOwner);
    // /DIR= names this installation, so that an upgrade need not guess it
    // while this program is still closing; installers that do not know it
    // ignore it. One argument each: no quotes needed.
    QString installation = Target.RootPath;
    if (installation.endsWith(QLatin1Char('/')))
        installation.chop(1);
    if (!platform::StartDetachedArguments(
            {installer, QStringLiteral("/LANG=") + Target.LanguageId, QStringLiteral("/DIR=") + installation}))
        return false;
    if (CloseMainWindow)
        CloseMainWindow();
    return true;
}

bool UnpackStagedFile(const QString& FileName)
{
    if (!IsPackageFile(FileName))
        return true;
    const bool unpacked = UnpackPackage(FileName);
    if (!unpacked)
        DeleteTempWorkFolder();
    return unpacked;
}

bool StartUpdater(const QString& StagingFolder, const THandoffTarget& Target, const CloseMainWindowFn& CloseMainWindow)
{
    const auto unpackFolder = [](const QString& folder) {
        // The list is complete before unpacking, so unpacked files are not visited.
        QStringList files;
        ListFiles(folder, true, files);
        for (const QString& file : files)
            if (!UnpackStagedFile(file))
                return false;
        return true;
    };
    if (!unpackFolder(StagingFolder + QStringLiteral("Data")))
        return false;
    QStringList catalogueFolders;
    ListSubfolders(StagingFolder + QStringLiteral("Catalogues"), true, catalogueFolders);
    for (const QString& folder : catalogueFolders)
        if (!unpackFolder(folder))
            return false;

    // An argument list: a path may hold blanks or quotes.
    if (!platform::StartDetachedArguments(QStringList{Target.RootPath + QLatin1String(UpdaterProgramName)} +
                                          BuildUpdaterArguments(StagingFolder, Target)))
        return false;
    if (CloseMainWindow)
        CloseMainWindow();
    return true;
}

QStringList BuildUpdaterArguments(const QString& StagingFolder, const THandoffTarget& Target)
{
    return {
        QStringLiteral("/SP=") + StagingFolder,
        QStringLiteral("/DP=") + Target.RootPath + QStringLiteral("Data/"),
        QStringLiteral("/CP=") + Target.RootPath + QLatin1String(CataloguesFolderName),
        QStringLiteral("/LF=") + Target.LanguageFile,
        QStringLiteral("/LI=") + Target.LanguageId,
    };
}

} // namespace vantor
