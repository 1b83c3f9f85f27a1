// Reading and writing the user's settings file "Vantor.ini".
#pragma once

#include "common/uGlobals.h"

#include <QString>

#include <algorithm>
#include <array>

namespace vantor {

// OEM identifiers the program runs with: 0 and 3 (see UsageType).
inline constexpr std::array<int, 2> AllowedOemIds{0, 3};

constexpr bool IsAllowedOemId(int oemId)
{
    return std::find(AllowedOemIds.begin(), AllowedOemIds.end(), oemId) != AllowedOemIds.end();
}

// Reads the settings from data.SetupFile into `data`, each value as soon as it
// is read, so a file that fails the checks still leaves its values behind.
// True when the file exists and is readable, its OEM identifier is allowed and
// a folder exists at the resulting CataloguePath (relative paths are taken
// from the current folder). A missing or unreadable file changes nothing.
[[nodiscard]] bool ReadSetupFile(TGlobalSetupData& data);

// The selected catalogue's folder: the file's "Catalogue"/"sPath" (default
// "-1") with a trailing "/", then the code with one. A file that cannot be
// read gives the default's.
[[nodiscard]] QString ReadCataloguePath(const QString& setupFile, const QString& catalogueCode);

// Writes the five settings the user can change (automatic check, language,
// catalogue code, OEM identifier, price display) into data.SetupFile, leaving
// every other line of it as it was; a missing file is created. The file is
// replaced in one step, so a failure (false) leaves it untouched.
[[nodiscard]] bool WriteSetupFile(const TGlobalSetupData& data);

} // namespace vantor
