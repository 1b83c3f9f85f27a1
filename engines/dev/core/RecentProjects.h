// The projects a user opened or saved last, in the engine's own per-user
// settings file $XDG_CONFIG_HOME/Vantor/RecentProjects.ini: at most ten,
// the most recent first, each once.
#pragma once

#include "dev/core/EngineTexts.h"
#include "support/Result.h"

#include <QString>
#include <QStringList>

namespace vantor::devengine {

inline constexpr int MaxRecentProjects = 10;

// $XDG_CONFIG_HOME/Vantor/RecentProjects.ini
[[nodiscard]] QString RecentProjectsFile();

// The list in ASettingsFile; files that no longer exist are dropped from
// it as well.
[[nodiscard]] QStringList RecentProjects(const QString& ASettingsFile);

// Puts AProject first (by its absolute path).
[[nodiscard]] Result<void> AddRecentProject(const QString& ASettingsFile, const QString& AProject,
                                            const EngineTexts& ATexts);

} // namespace vantor::devengine
