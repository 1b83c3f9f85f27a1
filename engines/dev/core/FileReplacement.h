// Writes a file whole or not at all where a library writes the file itself
// (the spreadsheet): it fills a temporary name in the same folder, which is
// flushed to disk and then renamed over the target, so that a crash or a
// failed write never leaves half a file. Bytes held in memory go through
// WriteFileAtomically (AtomicFile.h).
#pragma once

#include "support/Result.h"

#include <QString>

#include <functional>

namespace vantor::devengine {

// Fills the temporary file at the path given; a failure's message is the reason.
using FileFiller = std::function<Result<void>(const QString& ATemporary)>;

// On failure the message is the reason only (the caller names the file) and
// no temporary is left behind.
[[nodiscard]] Result<void> ReplaceFile(const QString& AFile, const FileFiller& AFill);

} // namespace vantor::devengine
