// The program's folders, file versions and sizes, folder listings, and
// starting other programs. None of these raises errors or shows messages:
// failures show in the results.
#pragma once

#include "common/uGlobals.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vantor {

// The user's temporary folder ($TMPDIR, else /tmp) with a trailing "/".
[[nodiscard]] QString GetTempFolder();

// The staging folder of updates: the user's cache folder ($XDG_CACHE_HOME,
// else ~/.cache) + "Vantor/Staging/", a folder nobody else may enter. With
// Create it is made (mode 0700) when missing; failures are not reported.
[[nodiscard]] QString GetTempWorkFolder(bool Create);

// The staging folder may be used, and deleted, only when it is a real folder
// of the current user (not a link) that nobody else can enter. Callers that
// write into it check this first. A folder that fails is reported once on
// standard error.
[[nodiscard]] bool IsTempWorkFolderUsable();

// Deletes the staging folder with everything in it, never following links
// and leaving a folder alone that fails IsTempWorkFolderUsable.
void DeleteTempWorkFolder();

// Version written into a program file by the build. False and 0.0.0.0 when
// the file has none; parts above 32767 read back negative.
[[nodiscard]] bool GetFileVersion(const QString& FileName, TInfoVersion& Version);

// Size in bytes; 0 for a folder; -1 when it cannot be examined.
[[nodiscard]] std::int64_t FileSizeOf(const QString& FileName);

// Immediate sub-folders (not hidden ones) and files (hidden ones included)
// of Folder, as bare names or, WithPath, as Folder + "/" + name.
void ListSubfolders(const QString& Folder, bool WithPath, QStringList& List);
void ListFiles(const QString& Folder, bool WithPath, QStringList& List);

// Starts Program (one argument, blanks and all) with Parameters split as a
// command line (blanks outside double quotes separate). True when it started.
[[nodiscard]] bool StartProgram(const QString& Program, const QString& Parameters);

} // namespace vantor
