// CopyFolder: installs staged folders over the installation all or nothing.
//
// Every file of every added folder pair is first written beside its
// destination under a temporary name and flushed to disk; only when all of
// them are written does each replace its destination, the replaced file kept
// under a backup name until the end. A failure at any point puts everything
// back as it was: temporary files and created folders go, replaced files
// return from their backups. A half-installed update (a database written up
// to the middle, one catalogue new and the next old) cannot occur.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace vantor::platform {

// The steps that change the disk, in the order they happen to one file.
enum class TCopyStep {
    CreateFolder,  // a missing destination folder is about to be made
    WriteFile,     // a file is about to be written under its temporary name
    SyncFile,      // its content is written, about to be flushed and closed
    Backup,        // the existing destination is about to be renamed away
    MoveIntoPlace, // the new file is about to take the destination's name
};

// Called before each step with the folder or destination file concerned;
// returning false makes that step fail. Tests use it to fail anywhere.
using TCopyStepHook = std::function<bool(TCopyStep AStep, const QString& APath)>;

// Decides which files of an added folder are installed, by their path
// relative to that folder ("Data/Data.vt4").
using TCopyFilter = std::function<bool(const QString& ARelativePath)>;

class TFolderCopy {
public:
    // Adds a folder whose whole content, at any depth, goes into ATo with the
    // same relative paths. A missing or empty source adds nothing. Links and
    // special files in the source are skipped, never followed. A new file
    // takes the permissions of the one it replaces, or the default ones, with
    // execute permission where the source has it.
    void Add(const QString& AFrom, const QString& ATo, TCopyFilter AFilter = {});

    void SetStepHook(TCopyStepHook AHook);

    // Installs every added folder, in the order added. True when everything
    // is in place (also when there was nothing to install); false when
    // anything failed, and then the destinations are as they were.
    [[nodiscard]] bool Run();

private:
    struct Pair {
        QString From;
        QString To;
        TCopyFilter Filter;
    };

    QList<Pair> pairs_;
    TCopyStepHook hook_;
};

// One folder alone.
[[nodiscard]] bool CopyFolder(const QString& AFrom, const QString& ATo);

} // namespace vantor::platform
