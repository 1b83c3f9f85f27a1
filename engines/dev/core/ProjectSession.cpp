#include "dev/core/ProjectSession.h"

#include "dev/core/ProjectFile.h"
#include "dev/core/RecentProjects.h"

#include <QFileInfo>

namespace vantor::devengine {

ProjectSession::ProjectSession(const EngineTexts& ATexts, QString ARecoveryFolder, QString ARecentFile)
    : texts_(ATexts), recoveryFolder_(std::move(ARecoveryFolder)), recentFile_(std::move(ARecentFile))
{}

// Unsaved work stays in the recovery file: the recovery's own destructor
// releases the lock, so the next selector offers it.
ProjectSession::~ProjectSession() = default;

void ProjectSession::Changed()
{
    modified_ = true;
    recoveryPending_ = true;
}

bool ProjectSession::IsEmpty() const
{
    return project_.Systems.isEmpty() && project_.Lines.isEmpty() && project_.Name.isEmpty() &&
           project_.Customer.Name.isEmpty() && path_.isEmpty();
}

QString ProjectSession::DisplayName(const QString& AUntitled) const
{
    if (!project_.Name.trimmed().isEmpty())
        return project_.Name.trimmed();
    if (!path_.isEmpty())
        return QFileInfo(path_).completeBaseName();
    return AUntitled;
}

Result<void> ProjectSession::WriteRecovery()
{
    if (!recoveryPending_)
        return {};
    if (!recovery_) {
        Result<std::unique_ptr<ProjectRecovery>> started = ProjectRecovery::Start(recoveryFolder_, texts_);
        if (!started)
            return started.error();
        recovery_ = std::move(*started);
    }
    if (Result<void> written = recovery_->Write(project_, path_); !written)
        return written.error();
    recoveryPending_ = false;
    return {};
}

QString ProjectSession::RecoveryFile() const
{
    return recovery_ ? recovery_->File() : QString();
}

void ProjectSession::Close()
{
    project_ = Project();
    path_.clear();
    modified_ = false;
    recoveryPending_ = false;
    reopened_.reset();
    if (recovery_)
        (void)recovery_->Clear(); // a stale file is offered once more at worst
}

Result<void> ProjectSession::Open(const QString& APath)
{
    Result<Project> opened = OpenProjectFile(APath, texts_);
    if (!opened)
        return opened.error();
    Close();
    project_ = std::move(*opened);
    path_ = QFileInfo(APath).absoluteFilePath();
    NoteRecent(path_);
    return {};
}

Result<void> ProjectSession::SaveAs(const QString& APath)
{
    const QString path = QFileInfo(APath).absoluteFilePath();
    if (Result<void> saved = SaveProjectFile(path, project_, texts_); !saved)
        return saved.error();
    path_ = path;
    modified_ = false;
    recoveryPending_ = false;
    if (recovery_)
        (void)recovery_->Clear(); // the saved file holds the work now
    NoteRecent(path_);
    return {};
}

Result<void> ProjectSession::Restore(const LeftWork& AWork)
{
    if (!AWork.Work)
        return Failure(AWork.Problem);
    Close();
    project_ = *AWork.Work;
    path_ = AWork.ProjectPath;
    Changed();
    // Kept here before the left file goes, so that no moment holds it nowhere.
    if (Result<void> kept = WriteRecovery(); !kept)
        return kept.error();
    return DiscardLeftWork(AWork, texts_);
}

int ProjectSession::AddSystem(const ProjectSystem& ASystem)
{
    project_.Systems.append(ASystem);
    Changed();
    return static_cast<int>(project_.Systems.size()) - 1;
}

void ProjectSession::Reopen(int ASystem)
{
    if (ASystem >= 0 && ASystem < project_.Systems.size())
        reopened_ = ASystem;
}

bool ProjectSession::PutBack(const ProjectSystem& ASystem)
{
    if (!reopened_ || *reopened_ >= project_.Systems.size())
        return false;
    ProjectSystem& old = project_.Systems[*reopened_];
    ProjectSystem changed = ASystem;
    changed.Name = old.Name;
    changed.Lines = old.Lines;
    if (changed.Solution && old.Solution)
        changed.Solution->DiscountPercent = old.Solution->DiscountPercent;
    old = std::move(changed);
    reopened_.reset();
    Changed();
    return true;
}

QStringList ProjectSession::Recent() const
{
    return RecentProjects(recentFile_);
}

void ProjectSession::NoteRecent(const QString& APath)
{
    const Result<void> added = AddRecentProject(recentFile_, APath, texts_);
    recentProblem_ = added ? QString() : added.error().message();
}

} // namespace vantor::devengine
