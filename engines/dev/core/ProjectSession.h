// The project the engine's screens work on while the engine lives: the
// project itself, the file it came from, whether it changed since, its
// recovery file and the recent-projects list. Outlives every screen, so that
// systems added on one selector are still there on the next.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Project.h"
#include "dev/core/ProjectRecovery.h"
#include "support/Result.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vantor::devengine {

class ProjectSession {
public:
    // ARecoveryFolder and ARecentFile: RecoveryFolder() and
    // RecentProjectsFile() outside tests.
    ProjectSession(const EngineTexts& ATexts, QString ARecoveryFolder, QString ARecentFile);
    ~ProjectSession();
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    [[nodiscard]] const Project& Current() const { return project_; }
    // For an edit; call Changed() after it.
    [[nodiscard]] Project& Edit() { return project_; }
    // Marks the project modified; the recovery is written by WriteRecovery.
    void Changed();
    [[nodiscard]] bool IsModified() const { return modified_; }
    [[nodiscard]] bool IsEmpty() const;
    // The file the project was opened from or saved to; empty for a new one.
    [[nodiscard]] QString Path() const { return path_; }
    // The project's name, else the file's, for titles.
    [[nodiscard]] QString DisplayName(const QString& AUntitled) const;

    // Writes a change not yet kept to the recovery file. The recovery is
    // started on the first change, so that an untouched session leaves no
    // file behind.
    [[nodiscard]] Result<void> WriteRecovery();
    [[nodiscard]] bool RecoveryPending() const { return recoveryPending_; }
    [[nodiscard]] QString RecoveryFile() const;

    // Forgets the project and clears the recovery.
    void Close();
    // Replaces the project with the file's; changes nothing when it fails.
    [[nodiscard]] Result<void> Open(const QString& APath);
    // Saves to APath (it becomes the project's file), clears the recovery and
    // puts the file first in the recent list. The project stays modified when
    // the save fails.
    [[nodiscard]] Result<void> SaveAs(const QString& APath);
    // Takes work left behind as the current project, unsaved, keeps it in
    // this instance's recovery and removes what was left.
    [[nodiscard]] Result<void> Restore(const LeftWork& AWork);

    // Adds a system and returns its index.
    int AddSystem(const ProjectSystem& ASystem);
    // The system being changed in a selector, put back by PutBack.
    void Reopen(int ASystem);
    [[nodiscard]] std::optional<int> Reopened() const { return reopened_; }
    void CancelReopen() { reopened_.reset(); }
    // Replaces the reopened system with ASystem, keeping its name and lines;
    // false when nothing is reopened.
    bool PutBack(const ProjectSystem& ASystem);

    [[nodiscard]] QStringList Recent() const;
    [[nodiscard]] const QString& RecoveryFolderPath() const { return recoveryFolder_; }
    // What the last failed recent-list update said; empty when it worked.
    [[nodiscard]] const QString& RecentProblem() const { return recentProblem_; }

private:
    void NoteRecent(const QString& APath);

    EngineTexts texts_;
    QString recoveryFolder_;
    QString recentFile_;
    Project project_;
    QString path_;
    bool modified_ = false;
    bool recoveryPending_ = false;
    std::unique_ptr<ProjectRecovery> recovery_;
    std::optional<int> reopened_;
    QString recentProblem_;
};

} // namespace vantor::devengine
