// Replaces a file all or nothing: the bytes go to a temporary file beside
// it, which is flushed to disk and renamed over the old one, and then the
// folder is flushed. Killed at any moment, the file is either the complete
// old one or the complete new one.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QString>

namespace vantor::devengine {

// The moments of a save, in order; a test stops the process at each.
enum class SaveStep { TemporaryCreated, PartlyWritten, Written, Flushed, Renamed, FolderFlushed };

// Called after each step when set; for tests only.
using SaveStepHook = void (*)(SaveStep);
void SetSaveStepHook(SaveStepHook AHook);

// The temporary files are named "." + the file's name + ".save" + six
// characters. One left behind by a killed save is removed by the next save
// of the same file, once no process holds it.
inline constexpr const char* TemporarySuffix = ".save";

// Removes the temporaries in AFolder of files whose names match the
// wildcard ANames that killed saves left (no process holds them).
void RemoveLeftTemporaries(const QString& AFolder, const QString& ANames);

// Writes ABytes as APath (keeping an existing file's permissions). On
// failure APath is unchanged, no temporary file is left, and the message
// says what the system refused.
[[nodiscard]] Result<void> WriteFileAtomically(const QString& APath, const QByteArray& ABytes);

} // namespace vantor::devengine
