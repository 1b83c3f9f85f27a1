#include "update/UpdateHandoff.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "support/Process.h"
#include "update/PackageFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace vantor {

namespace {

QString Parameter(const char* name, const QString& value)
{
    return QStringLiteral("%1\"%2\"").arg(QLatin1String(name), value);
}

// The program path is one argument of its own, so a program folder with
// blanks needs no quoting; the parameters split as the updater expects them.
bool StartWithParameters(const QString& program, const QString& parameters)
{
    QStringList arguments{program};
    arguments += platform::SplitCommandLine(parameters);
    return platform::StartDetachedArguments(arguments);
}

} // namespace

bool InstallProgramUpdate(const QString& PackageFile, const CloseMainWindowFn& CloseMainWindow)
{
    QString first;
    try {
        QStringList entries;
        ListPackageFiles(PackageFile, entries);
        if (!entries.isEmpty())
            first = entries.first();
    } catch (const std::exception&) {
        first.clear();
    }
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
    QString installation = GlobalSetupData.RootPath;
    if (installation.endsWith(QLatin1Char('/')))
        installation.chop(1);
    if (!platform::StartDetachedArguments(
            {installer, QStringLiteral("/LANG=") + GlobalSetupData.LanguageId, QStringLiteral("/DIR=") + installation}))
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

bool StartUpdater(const QString& StagingFolder, const CloseMainWindowFn& CloseMainWindow)
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

    if (!StartWithParameters(GlobalSetupData.RootPath + QLatin1String(UpdaterProgramName), BuildUpdaterCommandLine()))
        return false;
    if (CloseMainWindow)
        CloseMainWindow();
    return true;
}

QString BuildUpdaterCommandLine()
{
    const QStringList parameters{
        Parameter("/SP=", GetTempWorkFolder(false)),
        Parameter("/DP=", GlobalSetupData.RootPath + QStringLiteral("Data/")),
        Parameter("/CP=", GetCataloguesFolder()),
        Parameter("/LF=", GlobalSetupData.LanguageFile),
        Parameter("/LI=", GlobalSetupData.LanguageId),
    };
    return parameters.join(QLatin1Char(' '));
}

} // namespace vantor
