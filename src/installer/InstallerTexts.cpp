#include "installer/InstallerTexts.h"

#include "i18n/uLanguages.h"

namespace vantor::installer {

QString Text(const char* AId, const char* AEnglish)
{
    const QString text = GetText(QLatin1String(AId));
    return text.isEmpty() ? QString::fromUtf8(AEnglish) : text;
}

QString InstallingText(const QString& AFolder, std::uint64_t AReleaseVersion)
{
    return Text("IDS_SETUP_01", "Installing Vantor %1 into %2 ...").arg(VersionText(AReleaseVersion), AFolder);
}

QString UninstallingText(const QString& AFolder)
{
    return Text("IDS_SETUP_02", "Removing Vantor from %1 ...").arg(AFolder);
}

QString OutcomeText(const TInstallResult& AResult, std::uint64_t AReleaseVersion)
{
    const QString version = VersionText(AReleaseVersion);
    switch (AResult.Status) {
    case TInstallStatus::Installed:
        return Text("IDS_SETUP_03", "Vantor %1 is installed in %2. You find it in the application menu.")
            .arg(version, AResult.Folder);
    case TInstallStatus::Upgraded:
        return Text("IDS_SETUP_04", "Vantor in %2 is now version %1.").arg(version, AResult.Folder);
    case TInstallStatus::Uninstalled:
        return Text("IDS_SETUP_05", "Vantor is removed from %1.").arg(AResult.Folder);
    case TInstallStatus::OlderRelease:
        return Text("IDS_SETUP_06", "The installation in %2 is newer than this release (%1). Nothing was changed.")
            .arg(version, AResult.Folder);
    case TInstallStatus::NotInstalled:
        return Text("IDS_SETUP_07", "Vantor is not installed for this user.");
    case TInstallStatus::LinkInTheWay:
        return Text("IDS_SETUP_08", "%1 is a link to another place. Nothing was changed.").arg(AResult.Detail);
    case TInstallStatus::SameFolder:
        return Text("IDS_SETUP_09", "This release is already installed in %1.").arg(AResult.Folder);
    case TInstallStatus::CopyFailed:
        return Text("IDS_SETUP_10", "Vantor could not be installed in %1. The folder is as it was.")
            .arg(AResult.Folder);
    case TInstallStatus::RemoveFailed:
        return Text("IDS_SETUP_11", "Some files could not be removed, the first: %1").arg(AResult.Detail);
    }
    return {};
}

} // namespace vantor::installer
