// Opening and saving project files ("*.vantor"). Opening changes nothing
// when the file is refused; saving replaces the file all or nothing.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Project.h"
#include "support/Result.h"

#include <QString>

namespace vantor::devengine {

inline constexpr const char* ProjectSuffix = ".vantor";

// The user's documents folder + "Vantor Projects" (no trailing "/"); it may
// not exist yet.
[[nodiscard]] QString DefaultProjectFolder();

[[nodiscard]] Result<Project> OpenProjectFile(const QString& APath, const EngineTexts& ATexts);

// Refuses a project that would not open again (a value out of range), so
// that no save leaves a file the program rejects. Creates the folder.
[[nodiscard]] Result<void> SaveProjectFile(const QString& APath, const Project& AProject, const EngineTexts& ATexts);

} // namespace vantor::devengine
