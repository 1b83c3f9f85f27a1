// Unsaved work kept for a crash: each engine instance writes every change of
// its project to a recovery file of its own in $XDG_STATE_HOME/Vantor/
// (default ~/.local/state/Vantor/), all or nothing. The instance holds a lock
// on a companion file while it lives; a recovery file whose lock nobody
// holds was left behind by an instance that crashed or was killed, and the
// next selector offers it. A clean save or a close removes the file.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Project.h"
#include "support/Result.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace vantor::devengine {

// $XDG_STATE_HOME/Vantor (no trailing "/").
[[nodiscard]] QString RecoveryFolder();

// The recovery file of one engine instance.
class ProjectRecovery {
public:
    // Takes a name no other instance has (process id and a random part:
    // a later process with the same id never overwrites what a killed one
    // left) and locks it. Creates AFolder.
    [[nodiscard]] static Result<std::unique_ptr<ProjectRecovery>> Start(const QString& AFolder,
                                                                        const EngineTexts& ATexts);
    ~ProjectRecovery();
    ProjectRecovery(const ProjectRecovery&) = delete;
    ProjectRecovery& operator=(const ProjectRecovery&) = delete;

    // Keeps AProject (with the file it was opened from or last saved as;
    // empty for a new project) for recovery, replacing what was kept.
    [[nodiscard]] Result<void> Write(const Project& AProject, const QString& AProjectPath);
    // After a clean save or a close: nothing is left to recover.
    [[nodiscard]] Result<void> Clear();
    [[nodiscard]] QString File() const { return file_; }

private:
    ProjectRecovery(QString AFile, QString ALockFile, int ALockFd, EngineTexts ATexts);

    QString file_;
    QString lockFile_;
    int lockFd_;
    EngineTexts texts_;
};

// Work an instance that is gone left behind.
struct LeftWork {
    QString File;        // the recovery file
    QString ProjectPath; // empty for a new project
    QDateTime WrittenAt; // UTC
    std::optional<Project> Work;
    QString Problem; // why Work cannot be restored, when it is empty
};

// The work left behind in AFolder, the most recent first. What a living
// instance (this one too) keeps is not listed. Removes the locks killed
// instances left without work.
[[nodiscard]] QList<LeftWork> FindLeftWork(const QString& AFolder, const EngineTexts& ATexts);

// Removes left work after it was restored (and written to this instance's
// own recovery) or refused.
[[nodiscard]] Result<void> DiscardLeftWork(const LeftWork& AWork, const EngineTexts& ATexts);

// The question the selector asks, in the user's language.
[[nodiscard]] QString RecoveryQuestion(const LeftWork& AWork, const EngineTexts& ATexts);

} // namespace vantor::devengine
