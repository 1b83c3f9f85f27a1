// Small POSIX file steps under the updater's all-or-nothing copy: paths,
// descriptors, copying a file's bytes, flushing, and reserving unused names
// beside a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace vantor::platform::filesteps {

QString WithSlash(const QString& AFolder);
QString WithoutSlash(const QString& AFolder);
QString ParentOf(const QString& APath);
QString NameOf(const QString& APath);
QByteArray Native(const QString& APath);

// Owns one open descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int AFd = -1) : fd_(AFd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    void Reset(int AFd);
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // A failed close can be the first news of a failed write.
    bool Close();

private:
    int fd_;
};

// 0666 less the process's umask: what a newly created file would get.
mode_t DefaultFileMode();

// Copies everything readable from AFrom to ATo.
bool CopyContent(int AFrom, int ATo);

// Flushes a folder's entries (renames, new names) to disk; errors are ignored.
void SyncFolder(const QString& AFolder);

// A fresh, unused name "." + name + ASuffix + six characters beside APath,
// held by an empty file (mode 0600) that is left open in AFd.
bool ReserveNameBeside(const QString& APath, const char* ASuffix, QString& AReserved, FileDescriptor& AFd);

} // namespace vantor::platform::filesteps
