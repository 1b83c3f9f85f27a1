// Versions of the engine's databases. Their "Info" table holds a "Version"
// text, a date written YYYYMMDD; the engine reports it as the four-part
// version year.month.day.0 (20241101 gives 2024.11.1.0), which orders like
// the date and is what the update check compares.
#pragma once

#include "engine/EngineApi.h"

#include <QString>

#include <optional>

namespace vantor::devengine {

// The "Version" text of the first "Info" record of a database file, opened
// read-only with password; nullopt when the file is missing or cannot be read
// (wrong password, no such table or field, damaged file).
std::optional<QString> ReadDatabaseVersionText(const QString& file, const QString& password);

// "YYYYMMDD" (exactly eight digits forming a calendar date) as year, month,
// day, 0; nullopt for anything else.
std::optional<TInfoVersion> VersionFromDateText(const QString& text);

// Both steps; nullopt when either fails.
std::optional<TInfoVersion> ReadDatabaseVersion(const QString& file, const QString& password);

} // namespace vantor::devengine
