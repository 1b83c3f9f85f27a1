#include "dev/core/ProjectRecovery.h"

#include "dev/core/AtomicFile.h"
#include "dev/core/ProjectFormat.h"
#include "support/FileSteps.h"
#include "support/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::devengine {

namespace fs = platform::filesteps;

namespace {

constexpr const char* RecoveryPrefix = "recovery-";
constexpr const char* RecoverySuffix = ".json";
constexpr const char* LockSuffix = ".lock";

QString LockFileOf(const QString& ARecoveryFile)
{
    return ARecoveryFile.chopped(static_cast<qsizetype>(std::strlen(RecoverySuffix))) + QLatin1String(LockSuffix);
}

QString Why(int AErrno)
{
    return QString::fromLocal8Bit(std::strerror(AErrno));
}

// Whether a living instance holds the lock of ARecoveryFile.
bool HeldByLivingInstance(const QString& ARecoveryFile)
{
    const QByteArray lock = fs::Native(LockFileOf(ARecoveryFile));
    const fs::FileDescriptor fd(::open(lock.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.IsOpen())
        return false;
    // The lock is released when fd closes.
    return ::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

LeftWork ReadLeftWork(const QString& AFile, const EngineTexts& ATexts)
{
    LeftWork work;
    work.File = AFile;
    QFile file(AFile);
    if (!file.open(QIODevice::ReadOnly)) {
        work.Problem = ATexts(TextId::ProjectCannotOpen).arg(QDir::toNativeSeparators(AFile), file.errorString());
        return work;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.read(ProjectLimit::MaxFileBytes));
    const QJsonObject root = document.object();
    work.ProjectPath = root.value(QLatin1String("projectPath")).toString();
    work.WrittenAt = QDateTime::fromString(root.value(QLatin1String("writtenAt")).toString(), Qt::ISODateWithMs);
    if (!work.WrittenAt.isValid())
        work.WrittenAt = QFileInfo(AFile).lastModified().toUTC();
    const QJsonValue project = root.value(QLatin1String("project"));
    if (!project.isObject()) {
        work.Problem = ATexts(TextId::ProjectNotAProject);
        return work;
    }
    auto read = ReadProject(QJsonDocument(project.toObject()).toJson(QJsonDocument::Compact), ATexts);
    if (read)
        work.Work = std::move(*read);
    else
        work.Problem = read.message();
    return work;
}

} // namespace

QString RecoveryFolder()
{
    return platform::UserStateFolder() + QStringLiteral("/Vantor");
}

Result<std::unique_ptr<ProjectRecovery>> ProjectRecovery::Start(const QString& AFolder, const EngineTexts& ATexts)
{
    const QString folder = QDir::cleanPath(QDir(AFolder).absolutePath());
    if (!QDir().mkpath(folder))
        return Failure(ATexts(TextId::RecoveryCannotWrite)
                           .arg(QDir::toNativeSeparators(folder), ATexts(TextId::FolderNotCreated)));
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = QStringLiteral("%1%2-%3")
                                 .arg(QLatin1String(RecoveryPrefix))
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        const QString file = folder + QLatin1Char('/') + name + QLatin1String(RecoverySuffix);
        const QString lockFile = LockFileOf(file);
        // O_EXCL: a name in use by anyone, living or gone, is never taken.
        const int fd = ::open(fs::Native(lockFile).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return Failure(ATexts(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(folder), Why(errno)));
        }
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int error = errno;
        if (!locked || QFile::exists(file)) {
            ::close(fd);
            ::unlink(fs::Native(lockFile).constData());
            if (locked)
                continue; // left work of an earlier process with this name
            return Failure(ATexts(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(folder), Why(error)));
        }
        return std::unique_ptr<ProjectRecovery>(new ProjectRecovery(file, lockFile, fd, ATexts));
    }
    return Failure(ATexts(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(folder), Why(EEXIST)));
}

ProjectRecovery::ProjectRecovery(QString AFile, QString ALockFile, int ALockFd, EngineTexts ATexts)
    : file_(std::move(AFile)), lockFile_(std::move(ALockFile)), lockFd_(ALockFd), texts_(std::move(ATexts))
{}

ProjectRecovery::~ProjectRecovery()
{
    // A recovery file still there becomes left work: its lock file is gone.
    ::unlink(fs::Native(lockFile_).constData());
    ::close(lockFd_);
}

Result<void> ProjectRecovery::Write(const Project& AProject, const QString& AProjectPath)
{
    const QJsonObject root{
        {QStringLiteral("schema"), ProjectSchema},
        {QStringLiteral("projectPath"), AProjectPath},
        {QStringLiteral("writtenAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("project"), QJsonDocument::fromJson(WriteProject(AProject)).object()},
    };
    const auto written = WriteFileAtomically(file_, QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (!written)
        return Failure(
            texts_(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(fs::ParentOf(file_)), written.message()));
    return Ok();
}

Result<void> ProjectRecovery::Clear()
{
    if (::unlink(fs::Native(file_).constData()) != 0 && errno != ENOENT)
        return Failure(
            texts_(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(fs::ParentOf(file_)), Why(errno)));
    fs::SyncFolder(fs::ParentOf(file_));
    return Ok();
}

QList<LeftWork> FindLeftWork(const QString& AFolder, const EngineTexts& ATexts)
{
    QList<LeftWork> found;
    const QDir folder(AFolder);
    const QStringList names = folder.entryList(
        {QLatin1String(RecoveryPrefix) + QLatin1Char('*') + QLatin1String(RecoverySuffix)}, QDir::Files);
    for (const QString& name : names) {
        const QString file = folder.absoluteFilePath(name);
        if (!HeldByLivingInstance(file))
            found.append(ReadLeftWork(file, ATexts));
    }
    // Locks of instances killed with nothing to recover.
    const QStringList locks =
        folder.entryList({QLatin1String(RecoveryPrefix) + QLatin1Char('*') + QLatin1String(LockSuffix)}, QDir::Files);
    for (const QString& name : locks) {
        const QString recovery = folder.absoluteFilePath(name.chopped(static_cast<qsizetype>(std::strlen(LockSuffix))) +
                                                         QLatin1String(RecoverySuffix));
        // A fresh lock may belong to an instance starting, not locked yet.
        const QByteArray lock = fs::Native(folder.absoluteFilePath(name));
        struct stat facts {};
        if (!QFile::exists(recovery) && ::stat(lock.constData(), &facts) == 0 &&
            std::time(nullptr) - facts.st_mtime >= 10 && !HeldByLivingInstance(recovery))
            ::unlink(lock.constData());
    }
    RemoveLeftTemporaries(folder.absolutePath(),
                          QLatin1String(RecoveryPrefix) + QLatin1Char('*') + QLatin1String(RecoverySuffix));
    std::sort(found.begin(), found.end(),
              [](const LeftWork& A, const LeftWork& B) { return A.WrittenAt > B.WrittenAt; });
    return found;
}

Result<void> DiscardLeftWork(const LeftWork& AWork, const EngineTexts& ATexts)
{
    // Never what a living instance keeps, should the work have been found
    // before it took that name over.
    if (HeldByLivingInstance(AWork.File))
        return Ok();
    if (::unlink(fs::Native(AWork.File).constData()) != 0 && errno != ENOENT)
        return Failure(
            ATexts(TextId::RecoveryCannotWrite).arg(QDir::toNativeSeparators(fs::ParentOf(AWork.File)), Why(errno)));
    ::unlink(fs::Native(LockFileOf(AWork.File)).constData());
    fs::SyncFolder(fs::ParentOf(AWork.File));
    return Ok();
}

QString RecoveryQuestion(const LeftWork& AWork, const EngineTexts& ATexts)
{
    const QString when = ATexts.Locale().toString(AWork.WrittenAt.toLocalTime(), QLocale::ShortFormat);
    if (AWork.ProjectPath.isEmpty())
        return ATexts(TextId::RecoveryOfferNew).arg(when);
    return ATexts(TextId::RecoveryOffer).arg(QDir::toNativeSeparators(AWork.ProjectPath), when);
}

} // namespace vantor::devengine
