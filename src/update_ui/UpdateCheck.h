// The update check with its questions: fetch the manifest, compare it with
// what is installed, ask once, download, and hand over to the updater or the
// installer.
#pragma once

#include "data/InstalledVersion.h"
#include "update/Minisign.h"
#include "update/UpdateHandoff.h"
#include "update/UpdatePlan.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace vantor {

// The question "IDS_CONTAINER_14"; true when the user chose Yes.
[[nodiscard]] bool AskForUpdate();

// The whole check. MainWindow parents the dialogs, gets the focus back at the
// end, and is closed once the updater or the installer has started. While the
// manifest is fetched MainWindow keeps painting but takes no input; when it
// is closed meanwhile, the check ends at once. With
// Keys (the program passes the compiled-in ones) only a manifest signed by
// one of them counts, and only the files it lists, as listed, are installed.
// Target is the installation, for the hand-off.
void CheckForUpdates(QWidget* MainWindow, const QString& ServerHost, std::int32_t OemId,
                     const TInstalledVersion& Installed, const minisign::TrustedKeys& Keys,
                     const THandoffTarget& Target);

} // namespace vantor
