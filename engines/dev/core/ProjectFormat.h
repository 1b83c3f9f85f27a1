// The project file's JSON (docs/project-format.md): reading checks every
// field and names the first that is wrong; writing gives the same bytes for
// the same project (keys in order, numbers in their shortest exact form).
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Project.h"
#include "support/Result.h"

#include <QByteArray>

namespace vantor::devengine {

// The project in ABytes, or the text of what is wrong with them.
[[nodiscard]] Result<Project> ReadProject(const QByteArray& ABytes, const EngineTexts& ATexts);

// Whether AProject reads back once written: the text of the first value
// out of range, or of a free-text line without a price, if any.
[[nodiscard]] Result<void> CheckProjectValues(const Project& AProject, const EngineTexts& ATexts);

[[nodiscard]] QByteArray WriteProject(const Project& AProject);

// The selector's name in the file.
[[nodiscard]] QString SelectorKindName(SelectorKind AKind);

} // namespace vantor::devengine
