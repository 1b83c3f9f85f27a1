// The installer's texts in the user's language, from the release's
// translation file; English where a text is missing.
#pragma once

#include "installer/Installer.h"

#include <QString>

namespace vantor::installer {

// The outcome of an install, upgrade or uninstall, for people.
[[nodiscard]] QString OutcomeText(const TInstallResult& AResult, std::uint64_t AReleaseVersion);

// What the window shows while it works.
[[nodiscard]] QString InstallingText(const QString& AFolder, std::uint64_t AReleaseVersion);
[[nodiscard]] QString UninstallingText(const QString& AFolder);

// A text by id, or AEnglish when the translation file has none.
[[nodiscard]] QString Text(const char* AId, const char* AEnglish);

} // namespace vantor::installer
