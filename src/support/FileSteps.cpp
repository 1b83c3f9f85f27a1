#include "support/FileSteps.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::platform::filesteps {

namespace {

// Long names are cut in the reserved names so that these stay within the
// file system's name limit.
constexpr qsizetype MaxNameInReserved = 100;
constexpr qsizetype CopyBufferSize = qsizetype{256} * 1024;

} // namespace

QString WithSlash(const QString& AFolder)
{
    return AFolder.endsWith('/') ? AFolder : AFolder + '/';
}

QString WithoutSlash(const QString& AFolder)
{
    QString folder = AFolder;
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

QString ParentOf(const QString& APath)
{
    const QString path = WithoutSlash(APath);
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString NameOf(const QString& APath)
{
    const QString path = WithoutSlash(APath);
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray Native(const QString& APath)
{
    return QFile::encodeName(APath);
}

void FileDescriptor::Reset(int AFd)
{
    // Replacing a descriptor drops it; callers that care close it first.
    (void)Close();
    fd_ = AFd;
}

bool FileDescriptor::Close()
{
    if (fd_ < 0)
        return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
}

mode_t DefaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool CopyContent(int AFrom, int ATo)
{
    QByteArray buffer(CopyBufferSize, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(AFrom, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        const char* next = buffer.constData();
        ssize_t left = got;
        while (left > 0) {
            const ssize_t written = ::write(ATo, next, left);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            next += written;
            left -= written;
        }
    }
}

void SyncFolder(const QString& AFolder)
{
    FileDescriptor fd(::open(Native(AFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}

bool ReserveNameBeside(const QString& APath, const char* ASuffix, QString& AReserved, FileDescriptor& AFd)
{
    QByteArray pattern = Native(ParentOf(APath) + QStringLiteral("/.") + NameOf(APath).left(MaxNameInReserved));
    pattern += ASuffix;
    pattern += "XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    AFd.Reset(fd);
    AReserved = QFile::decodeName(pattern);
    return true;
}

} // namespace vantor::platform::filesteps
