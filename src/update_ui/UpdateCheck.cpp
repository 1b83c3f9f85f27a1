#include "update_ui/UpdateCheck.h"

#include "common/FileHelpers.h"
#include "common/IniFile.h"
#include "i18n/uLanguages.h"
#include "update/ManifestFetch.h"
#include "update/ResponsiveWait.h"
#include "update/UpdateHandoff.h"
#include "update_ui/dlgDownloader.h"
#include "widgets/MessageDialogs.h"

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <optional>

#include <cstdio>

namespace vantor {

bool AskForUpdate()
{
    return AskYesNo(QString(), GetText(QStringLiteral("IDS_CONTAINER_14")) + QStringLiteral("\r\n"), false);
}

void CheckForUpdates(QWidget* MainWindow, const QString& ServerHost, std::int32_t OemId,
                     const TInstalledVersion& Installed, const minisign::TrustedKeys& Keys,
                     const THandoffTarget& Target)
{
    const auto giveFocusBack = [MainWindow] {
        if (MainWindow != nullptr && MainWindow->isVisible())
            MainWindow->activateWindow();
    };

    const QString staging = GetTempWorkFolder(true);
    // Whoever can enter the staging folder could swap what is installed: one
    // that is not private to the user is not used (and reported once).
    if (!IsTempWorkFolderUsable()) {
        giveFocusBack();
        return;
    }
    std::optional<Result<TFetchedManifest>> fetched;
    // The check holds the program until the manifest is in, but the window
    // keeps painting and closing it ends the check at once.
    std::atomic<bool> cancel{false};
    const QPointer<QWidget> window(MainWindow);
    RunWhileResponsive(
        [&] { fetched = FetchUpdateManifest(ServerHost, OemId, staging, Keys, &cancel); },
        [&window, MainWindow] { return MainWindow != nullptr && (window.isNull() || !window->isVisible()); },
        [&cancel] { cancel = true; });
    if (cancel)
        return;
    if (!fetched || !*fetched) {
        // As silent as an unreachable server; the program keeps no log, so
        // this one line tells an administrator why nothing was offered.
        if (fetched && fetched->error().code() == ManifestRefused)
            std::fprintf(stderr, "Vantor: update check ignored the manifest: %s\n", qPrintable(fetched->message()));
        giveFocusBack();
        return;
    }
    TFetchedManifest& manifest = fetched->value();
    TUpdatedData& data = manifest.Data;
    if (!MarkUpdates(data, Installed) || !AskForUpdate()) {
        giveFocusBack();
        return;
    }

    const TUpdateDownloads downloads = ListUpdateDownloads(data, staging);
    bool failed = false;
    if (!downloads.Remote.isEmpty() && RunDownloader(downloads.Remote, downloads.Local, MainWindow, manifest.Listed)) {
        const auto closeMainWindow = [MainWindow] {
            if (MainWindow != nullptr)
                MainWindow->close();
        };
        if (downloads.ProgramPackage)
            failed = !InstallProgramUpdate(downloads.Local.first(), Target, closeMainWindow);
        else
            failed = !StartUpdater(staging, Target, closeMainWindow);
    }
    if (failed)
        ShowErrorMessage(QString(), QStringLiteral("IDS_UPDATER_03"), true);
    giveFocusBack();
}

} // namespace vantor
