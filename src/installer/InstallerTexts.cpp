#include "installer/InstallerTexts.h"

#include "common/TextHelpers.h"
#include "i18n/uLanguages.h"

namespace vantor::installer {

namespace {

// A translated "%s" template filled in order.
QString Filled(const char* AId, const char* AEnglish, const QStringList& AValues)
{
    return FormatPercentS(Text(AId, AEnglish), AValues);
}

} // namespace

QString Text(const char* AId, const char* AEnglish)
{
    const QString text = GetText(QLatin1String(AId));
    return text.isEmpty() ? QString::fromUtf8(AEnglish) : text;
}

QString InstallingText(const QString& AFolder, std::uint64_t AReleaseVersion)
{
    return Filled("IDS_SETUP_01", "Installing Vantor %s into %s ...", {VersionText(AReleaseVersion), AFolder});
}

QString UninstallingText(const QString& AFolder)
{
    return Filled("IDS_SETUP_02", "Removing Vantor from %s ...", {AFolder});
}

QString OutcomeText(const TInstallResult& AResult, std::uint64_t AReleaseVersion)
{
    const QString version = VersionText(AReleaseVersion);
    const QString& folder = AResult.Folder;
    switch (AResult.Status) {
    case TInstallStatus::Installed:
        return Filled("IDS_SETUP_03", "Vantor %s is installed in %s. You find it in the application menu.",
                      {version, folder});
    case TInstallStatus::Upgraded:
        return Filled("IDS_SETUP_04", "Vantor %s is now installed in %s.", {version, folder});
    case TInstallStatus::Uninstalled:
        return Filled("IDS_SETUP_05", "Vantor is removed from %s.", {folder});
    case TInstallStatus::OlderRelease:
        return Filled("IDS_SETUP_06", "The installation in %s is newer than this release (%s). Nothing was changed.",
                      {folder, version});
    case TInstallStatus::NotInstalled:
        return Text("IDS_SETUP_07", "Vantor is not installed for this user.");
    case TInstallStatus::LinkInTheWay:
        return Filled("IDS_SETUP_08", "%s is a link to another place. Nothing was changed.", {AResult.Detail});
    case TInstallStatus::SameFolder:
        return Filled("IDS_SETUP_09", "This release is already installed in %s.", {folder});
    case TInstallStatus::CopyFailed:
        return Filled("IDS_SETUP_10", "Vantor could not be installed in %s. The folder is as it was.", {folder});
    case TInstallStatus::RemoveFailed:
        return Filled("IDS_SETUP_11", "Some files could not be removed, the first: %s", {AResult.Detail});
    case TInstallStatus::NotVantorFolder:
        return Filled("IDS_SETUP_17",
                      "%s holds other files and no Vantor installation. Nothing was changed. Choose another folder, "
                      "or install there all the same with --force.",
                      {folder});
    case TInstallStatus::BadFolderName:
        return Filled("IDS_SETUP_18",
                      "The folder name %s holds a control character such as a line break. Nothing was changed. "
                      "Choose another folder.",
                      {PrintableFolder(folder)});
    case TInstallStatus::StillRunning:
        return Text("IDS_SETUP_16", "Vantor did not close within 30 seconds. Nothing was changed. Close Vantor and "
                                    "run Setup again.");
    }
    return {};
}

} // namespace vantor::installer
