// Writes a file whole or not at all: the content goes to a temporary name
// in the same folder, is flushed to disk and then renamed over the target,
// so that a crash or a failed write never leaves half a file, and an
// existing file stays as it was until the new one is complete.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace vantor::devengine {

// Fills the temporary file at the path given; a failure's message is the reason.
using FileFiller = std::function<Result<void>(const QString& ATemporary)>;

// On failure the message is the reason only (the caller names the file) and
// no temporary is left behind.
[[nodiscard]] Result<void> ReplaceFile(const QString& AFile, const FileFiller& AFill);
[[nodiscard]] Result<void> ReplaceFile(const QString& AFile, const QByteArray& AContent);

} // namespace vantor::devengine
