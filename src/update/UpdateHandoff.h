// Handing over to another process once the downloads are staged: the
// installer of a program package, or the updater for databases and
// catalogues. The main program cannot replace its own files while it runs.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vantor {

// Called when the other process has started: closes the main window.
using CloseMainWindowFn = std::function<void()>;

// The installation a hand-off comes from, and the language its texts are in.
struct THandoffTarget {
    QString RootPath;     // the program folder, with a trailing "/"
    QString LanguageId;   // "/LANG=" of an installer, "/LI=" of the updater
    QString LanguageFile; // "/LF=" of the updater
};

// The updater's file name in the program folder.
inline constexpr const char* UpdaterProgramName = "Updater";

// Unpacks the program package and starts its first entry with
// "/LANG=" + LanguageId; true when it started (the main window is then closing).
[[nodiscard]] bool InstallProgramUpdate(const QString& PackageFile, const THandoffTarget& Target,
                                        const CloseMainWindowFn& CloseMainWindow);

// Unpacks the staged packages and starts the updater; true when it started
// (the main window is then closing).
[[nodiscard]] bool StartUpdater(const QString& StagingFolder, const THandoffTarget& Target,
                                const CloseMainWindowFn& CloseMainWindow);

// Unpacks a staged package beside itself; other files stay as downloaded.
// False when unpacking failed; the whole staging folder is then deleted.
[[nodiscard]] bool UnpackStagedFile(const QString& FileName);

// The updater's five parameters, one argument each (no quotes, never split
// again): /SP=<staging> /DP=<root>Data/ /CP=<root>Catalogues/
// /LF=<language file> /LI=<language id>.
[[nodiscard]] QStringList BuildUpdaterArguments(const QString& StagingFolder, const THandoffTarget& Target);

} // namespace vantor
