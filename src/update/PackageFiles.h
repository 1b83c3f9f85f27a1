// The three operations through which the update hand-off uses packages.
#pragma once

#include "support/Result.h"

#include <QString>
#include <QStringList>

namespace vantor {

// True when the file name's extension (from its last "." on) is ".Z" in any
// case.
[[nodiscard]] bool IsPackageFile(const QString& FilePath);

// Clears the list and fills it with the package's relative paths as stored.
Result<void> ListPackageFiles(const QString& PackagePath, QStringList& FileList);

// Unpacks the package into its own folder, replacing existing files, and
// deletes it whatever happened. False when anything failed; files unpacked
// before the failure stay.
[[nodiscard]] bool UnpackPackage(const QString& PackagePath);

} // namespace vantor
