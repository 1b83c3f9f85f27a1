#include "support/NamedObject.h"

#include "support/FileSystem.h"
#include "support/UserFolders.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantor::platform {

namespace {

// The user's runtime folder, else a private folder of the user in the
// shared temporary folder, else one in the user's cache folder; empty when
// none of them is private. A folder that another user made, or that others
// may enter, is never used: its lock or socket could be held against us.
QString RuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return runtime.endsWith('/') ? runtime : runtime + '/';
    for (const QString& fallback : {SystemTempFolder() + QStringLiteral("vantor-run-%1/").arg(::geteuid()),
                                    UserCacheFolder() + QStringLiteral("/Vantor/Run/")}) {
        (void)CreatePrivateFolder(fallback); // checked next
        if (IsPrivateFolder(fallback))
            return fallback;
    }
    return {};
}

// Every holder takes the lock shared; only IsHeld takes it exclusively, for
// an instant. Anything longer is not ours to wait for.
constexpr int LockAttempts = 50;
constexpr useconds_t LockRetryMicroseconds = 2000;

int OpenLockFile(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
}

} // namespace

NamedObject::~NamedObject()
{
    Close();
}

QString NamedObject::PathFor(const QString& name)
{
    const QString folder = RuntimeFolder();
    return folder.isEmpty() ? QString() : folder + name;
}

bool NamedObject::Open(const QString& name)
{
    Close();
    const QString path = PathFor(name);
    if (path.isEmpty())
        return false;
    fd_ = OpenLockFile(path);
    if (fd_ < 0)
        return false;
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        if (::flock(fd_, LOCK_SH | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        ::usleep(LockRetryMicroseconds);
    }
    Close();
    return false;
}

void NamedObject::Close()
{
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
        fd_ = -1;
    }
}

bool NamedObject::IsHeld(const QString& name)
{
    const QString path = PathFor(name);
    if (path.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    // An exclusive lock is granted only when nobody holds the shared one.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

} // namespace vantor::platform
