// File-system facts and folder operations of the platform.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vantor::platform {

// Size in bytes; 0 for a folder; -1 when the entry cannot be examined.
[[nodiscard]] std::int64_t FileSize(const QString& path);

enum class EntryKind { Files, Folders };

// Names of the entries directly inside folder, in the order the file system
// returns them. Folders: "." and "..", and hidden ones (a leading dot) are left
// out; a link to a folder counts as a folder. Files: everything else, hidden
// ones included. Missing or unreadable folders give an empty list.
[[nodiscard]] QStringList ListEntries(const QString& folder, EntryKind kind);

// The system's temporary folder: $TMPDIR when set, else /tmp; with a trailing "/".
[[nodiscard]] QString SystemTempFolder();

// True when path is a real folder (not a link) owned by the current user.
// Folders in shared places are used and deleted only when this holds.
[[nodiscard]] bool IsOwnFolder(const QString& path);

// IsOwnFolder, and nobody else may enter it, read it or write in it.
[[nodiscard]] bool IsPrivateFolder(const QString& path);

// Creates path (and missing parents) with mode 0700 for the last part.
// True when afterwards it is a folder owned by the current user.
[[nodiscard]] bool CreatePrivateFolder(const QString& path);

// Deletes a folder with everything in it without ever following a link:
// links inside are removed as links. A path that is itself a link or belongs
// to another user is left alone. True when nothing is left.
[[nodiscard]] bool DeleteFolderTree(const QString& path);

// Folder of the running program file, with a trailing "/".
[[nodiscard]] QString ProgramFolder();

} // namespace vantor::platform
