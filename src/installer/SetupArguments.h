// The installer's command line:
//   Setup [/LANG=ENG] [/DIR=FOLDER] [--folder DIR] [--force] [--uninstall [--purge]] [--quiet]
// /LANG= and /DIR= are what the main program's update hand-off passes.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vantor::installer {

struct TSetupArguments {
    QString LanguageId;    // empty: not given
    QString HandOffFolder; // /DIR=: the installation an update hand-off came from
    QString Folder;        // --folder
    bool Uninstall = false;
    bool Purge = false; // with --uninstall: the user's files go too
    bool Quiet = false; // no window
    bool Force = false; // install also into a folder of other files
};

// Exit statuses of the installer.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Nothing for a wrong command line (an unknown option, a missing or empty
// value, --purge without --uninstall, --force with it); Error then says what
// is wrong.
[[nodiscard]] std::optional<TSetupArguments> ParseSetupArguments(const QStringList& AArguments,
                                                                 QString* AError = nullptr);

[[nodiscard]] QString SetupUsage();

} // namespace vantor::installer
