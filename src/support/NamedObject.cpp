#include "support/NamedObject.h"

#include "support/FileSystem.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantor::platform {

namespace {

QString RuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsOwnFolder(runtime))
        return runtime.endsWith('/') ? runtime : runtime + '/';
    // Without a runtime folder, a private folder of this user in the shared temporary folder.
    const QString fallback = SystemTempFolder() + QStringLiteral("vantor-run-%1/").arg(::geteuid());
    CreatePrivateFolder(fallback);
    return fallback;
}

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
    return RuntimeFolder() + name;
}

bool NamedObject::Open(const QString& name)
{
    Close();
    fd_ = OpenLockFile(PathFor(name));
    if (fd_ < 0)
        return false;
    if (::flock(fd_, LOCK_SH) != 0) {
        Close();
        return false;
    }
    return true;
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
    const int fd = ::open(QFile::encodeName(PathFor(name)).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    // An exclusive lock is granted only when nobody holds the shared one.
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

} // namespace vantor::platform
