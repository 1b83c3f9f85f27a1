// Small POSIX file steps under the updater's all-or-nothing copy: paths,
// descriptors, copying a file's bytes, flushing, and reserving unused names
// beside a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace vantor::platform::filesteps {

[[nodiscard]] QString WithSlash(const QString& AFolder);
[[nodiscard]] QString WithoutSlash(const QString& AFolder);
[[nodiscard]] QString ParentOf(const QString& APath);
[[nodiscard]] QString NameOf(const QString& APath);
[[nodiscard]] QByteArray Native(const QString& APath);

// Owns one open descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int AFd = -1) : fd_(AFd) {}
    ~FileDescriptor() { (void)Close(); } // unchecked: whoever wrote through it closed it first
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    void Reset(int AFd);
    [[nodiscard]] int Get() const { return fd_; }
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    // A failed close can be the first news of a failed write.
    [[nodiscard]] bool Close();

private:
    int fd_;
};

// 0666 less the process's umask: what a newly created file would get.
mode_t DefaultFileMode();

// Copies everything readable from AFrom to ATo.
[[nodiscard]] bool CopyContent(int AFrom, int ATo);

// Flushes a folder's entries (renames, new names) to disk; errors are ignored.
void SyncFolder(const QString& AFolder);

// A fresh, unused name "." + name + ASuffix + six characters beside APath,
// held by an empty file (mode 0600) that is left open in AFd.
[[nodiscard]] bool ReserveNameBeside(const QString& APath, const char* ASuffix, QString& AReserved,
                                     FileDescriptor& AFd);

} // namespace vantor::platform::filesteps
