#include "support/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::platform {

namespace {

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

QString WithTrailingSlash(QString path)
{
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

int RemoveEntry(const char* path, const struct stat*, int typeflag, struct FTW*)
{
    // Failures are not fatal here: the caller checks whether anything is left.
    if (typeflag == FTW_DP)
        ::rmdir(path);
    else
        ::unlink(path);
    return 0;
}

} // namespace

std::int64_t FileSize(const QString& path)
{
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0)
        return -1;
    if (S_ISDIR(st.st_mode))
        return 0;
    return static_cast<std::int64_t>(st.st_size);
}

QStringList ListEntries(const QString& folder, EntryKind kind)
{
    QStringList names;
    DIR* dir = ::opendir(Native(folder).constData());
    if (dir == nullptr)
        return names;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            isFolder = ::fstatat(dirFd, entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (kind == EntryKind::Folders) {
            if (isFolder && !name.startsWith('.'))
                names.append(name);
        } else if (!isFolder) {
            names.append(name);
        }
    }
    ::closedir(dir);
    return names;
}

QString SystemTempFolder()
{
    QString folder = qEnvironmentVariable("TMPDIR");
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");
    return WithTrailingSlash(folder);
}

bool IsOwnFolder(const QString& path)
{
    struct stat st {};
    if (::lstat(Native(WithoutTrailingSlash(path)).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

bool IsPrivateFolder(const QString& path)
{
    struct stat st {};
    if (::lstat(Native(WithoutTrailingSlash(path)).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

bool CreatePrivateFolder(const QString& path)
{
    const QString folder = WithoutTrailingSlash(path);
    QDir().mkpath(QFileInfo(folder).path());
    if (::mkdir(Native(folder).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsOwnFolder(folder);
}

bool DeleteFolderTree(const QString& path)
{
    const QByteArray native = Native(WithoutTrailingSlash(path));
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    // FTW_PHYS: links are reported as links and removed, never followed.
    // FTW_MOUNT: never descend into another file system mounted below.
    ::nftw(native.constData(), RemoveEntry, 32, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
    return ::lstat(native.constData(), &st) != 0 && errno == ENOENT;
}

QString ProgramFolder()
{
    // /proc/self/exe names the program file itself, also before a QCoreApplication exists.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!exe.isEmpty())
        return WithTrailingSlash(QFileInfo(exe).path());
    return WithTrailingSlash(QCoreApplication::applicationDirPath());
}

} // namespace vantor::platform
