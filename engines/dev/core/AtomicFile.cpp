#include "dev/core/AtomicFile.h"

#include "support/FileSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

SaveStepHook stepHook = nullptr;

void Reached(SaveStep AStep)
{
    if (stepHook)
        stepHook(AStep);
}

Error SystemError(int AErrno)
{
    return Failure(QString::fromLocal8Bit(std::strerror(AErrno)), AErrno);
}

bool WriteAll(int AFd, const char* AData, qsizetype ASize)
{
    while (ASize > 0) {
        const ssize_t written = ::write(AFd, AData, static_cast<size_t>(ASize));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        AData += written;
        ASize -= written;
    }
    return true;
}

} // namespace

void SetSaveStepHook(SaveStepHook AHook)
{
    stepHook = AHook;
}

void RemoveLeftTemporaries(const QString& AFolder, const QString& ANames)
{
    const QString pattern = QLatin1Char('.') + ANames + QLatin1String(TemporarySuffix) + QStringLiteral("??????");
    const QStringList names = QDir(AFolder).entryList({pattern}, QDir::Files | QDir::Hidden);
    const std::time_t now = std::time(nullptr);
    for (const QString& name : names) {
        const QByteArray path = fs::Native(AFolder + QLatin1Char('/') + name);
        const fs::FileDescriptor fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        struct stat facts {};
        // Another save locks its own right after creating it: a fresh one
        // may not be locked yet.
        if (!fd.IsOpen() || ::fstat(fd.Get(), &facts) != 0 || now - facts.st_mtime < 10)
            continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
    }
}

Result<void> WriteFileAtomically(const QString& APath, const QByteArray& ABytes)
{
    const QString path = QFileInfo(APath).absoluteFilePath();
    QString temporary;
    fs::FileDescriptor fd;
    if (!fs::ReserveNameBeside(path, TemporarySuffix, temporary, fd))
        return SystemError(errno);
    const QByteArray nativeTemporary = fs::Native(temporary);
    const auto fail = [&](int AErrno) {
        ::unlink(nativeTemporary.constData());
        return SystemError(AErrno);
    };
    // Held until the rename, so that another save's clean-up leaves it alone.
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
        return fail(errno);
    Reached(SaveStep::TemporaryCreated);

    struct stat existing {};
    const QByteArray nativePath = fs::Native(path);
    const mode_t mode =
        ::stat(nativePath.constData(), &existing) == 0 ? (existing.st_mode & 07777) : fs::DefaultFileMode();
    if (::fchmod(fd.Get(), mode) != 0)
        return fail(errno);
    const qsizetype half = ABytes.size() / 2;
    if (!WriteAll(fd.Get(), ABytes.constData(), half))
        return fail(errno);
    Reached(SaveStep::PartlyWritten);
    if (!WriteAll(fd.Get(), ABytes.constData() + half, ABytes.size() - half))
        return fail(errno);
    Reached(SaveStep::Written);
    if (::fsync(fd.Get()) != 0)
        return fail(errno);
    Reached(SaveStep::Flushed);
    if (::rename(nativeTemporary.constData(), nativePath.constData()) != 0)
        return fail(errno);
    Reached(SaveStep::Renamed);
    // The data is safe on disk; a failed close cannot lose it now.
    (void)fd.Close();
    fs::SyncFolder(fs::ParentOf(path));
    Reached(SaveStep::FolderFlushed);
    // As ReserveNameBeside shortens long names.
    RemoveLeftTemporaries(fs::ParentOf(path), fs::NameOf(path).left(100));
    return Ok();
}

} // namespace vantor::devengine
