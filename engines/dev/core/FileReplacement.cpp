#include "dev/core/FileReplacement.h"

#include "support/FileSteps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::devengine {

namespace fs = vantor::platform::filesteps;

namespace {

QString SystemReason(int AErrno)
{
    return QString::fromLocal8Bit(std::strerror(AErrno));
}

// Flushes the file's content, so that the rename never publishes a name
// whose data are still only in the page cache.
Result<void> SyncFile(const QString& APath)
{
    fs::FileDescriptor fd(::open(fs::Native(APath).constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen() || ::fsync(fd.Get()) != 0) {
        const int error = errno;
        return Failure(SystemReason(error));
    }
    return Ok();
}

} // namespace

Result<void> ReplaceFile(const QString& AFile, const FileFiller& AFill)
{
    QString temporary;
    fs::FileDescriptor reserved;
    if (!fs::ReserveNameBeside(AFile, ".part", temporary, reserved)) {
        const int error = errno;
        return Failure(SystemReason(error));
    }
    // The reserved name is private (0600); the result gets what a new file
    // of the user would get.
    ::fchmod(reserved.Get(), fs::DefaultFileMode());
    (void)reserved.Close();

    Result<void> outcome = AFill(temporary);
    if (outcome)
        outcome = SyncFile(temporary);
    if (outcome && ::rename(fs::Native(temporary).constData(), fs::Native(AFile).constData()) != 0) {
        const int error = errno;
        outcome = Failure(SystemReason(error));
    }
    if (!outcome) {
        ::unlink(fs::Native(temporary).constData());
        return outcome;
    }
    fs::SyncFolder(fs::ParentOf(AFile));
    return Ok();
}

} // namespace vantor::devengine
