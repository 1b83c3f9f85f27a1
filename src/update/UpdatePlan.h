// What an update run fetches: the update server of an installation, the
// offer compared with what is installed, and the list of downloads.
#pragma once

#include "data/InstalledVersion.h"
#include "update/UpdateManifest.h"

#include <QString>
#include <QStringList>

namespace vantor {

// The configuration key (section "Updates") that may name another update
// server as host[:port]; without it the build's server is used.
inline constexpr const char* UpdateServerKey = "sServer";

// The update server of this installation: the key above in the configuration
// file, else the host the program was built with. It may name its scheme,
// "https://host[:port]"; without one it is plain HTTP.
[[nodiscard]] QString UpdateServerHost(const QString& SetupFile);

// Sets the ToUpdate flags of Data from what is installed; true when anything
// is to be fetched.
[[nodiscard]] bool MarkUpdates(TUpdatedData& Data, const TInstalledVersion& Installed);

// What one run fetches: remote URLs and the parallel local paths below the
// staging folder. A newer program is fetched alone.
struct TUpdateDownloads {
    QStringList Remote;
    QStringList Local;
    bool ProgramPackage = false;
};
TUpdateDownloads ListUpdateDownloads(const TUpdatedData& Data, const QString& StagingFolder);

} // namespace vantor
