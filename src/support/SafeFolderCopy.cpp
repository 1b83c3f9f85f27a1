#include "support/SafeFolderCopy.h"

#include "support/FileSteps.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::platform {

using namespace filesteps;

namespace {

// One run of TFolderCopy: the plan, what has been done so far, and the way back.
class Installation {
public:
    explicit Installation(const TCopyStepHook& AHook) : hook_(AHook) {}

    bool Plan(const QString& AFrom, const QString& ATo, const TCopyFilter& AFilter);
    bool Install();

private:
    struct Entry {
        bool IsFolder = false;
        QString Source;      // files only
        QString Destination; // a folder ends with "/"
        QString Temporary;   // once written
        QString Backup;      // once the old file is renamed away
        bool InPlace = false;
    };

    bool Step(TCopyStep AStep, const QString& APath) const { return !hook_ || hook_(AStep, APath); }
    bool PlanFolder(const QString& AFrom, const QString& ATo, const QString& ARelative, const TCopyFilter& AFilter);
    bool EnsureFolder(const QString& AFolder);
    bool WriteTemporary(Entry& AEntry);
    bool MoveIntoPlace(Entry& AEntry);
    void RollBack();
    void DropBackups();

    const TCopyStepHook& hook_;
    QList<Entry> entries_;
    QStringList createdFolders_; // in the order made
    mode_t defaultMode_ = DefaultFileMode();
};

bool Installation::Plan(const QString& AFrom, const QString& ATo, const TCopyFilter& AFilter)
{
    struct stat st {};
    if (::lstat(Native(WithoutSlash(AFrom)).constData(), &st) != 0)
        return errno == ENOENT; // nothing staged for this folder
    if (!S_ISDIR(st.st_mode))
        return true; // a link or a file where a folder belongs: not ours to install
    return PlanFolder(WithSlash(AFrom), WithSlash(ATo), QString(), AFilter);
}

bool Installation::PlanFolder(const QString& AFrom, const QString& ATo, const QString& ARelative,
                              const TCopyFilter& AFilter)
{
    // Read errors fail the whole run: skipping an unreadable folder would
    // report a partial update as complete.
    DIR* folder = ::opendir(Native(AFrom).constData());
    if (folder == nullptr)
        return false;
    QList<QByteArray> names;
    errno = 0;
    while (const dirent* item = ::readdir(folder)) {
        if (std::strcmp(item->d_name, ".") != 0 && std::strcmp(item->d_name, "..") != 0)
            names.append(QByteArray(item->d_name));
        errno = 0;
    }
    const bool listed = errno == 0;
    ::closedir(folder);
    if (!listed)
        return false;
    std::sort(names.begin(), names.end());

    for (const QByteArray& nativeName : names) {
        const QString name = QFile::decodeName(nativeName);
        const QString source = AFrom + name;
        struct stat st {};
        if (::lstat(Native(source).constData(), &st) != 0)
            return false;
        if (S_ISDIR(st.st_mode)) {
            Entry folderEntry;
            folderEntry.IsFolder = true;
            folderEntry.Destination = ATo + name + '/';
            entries_.append(folderEntry);
            if (!PlanFolder(source + '/', ATo + name + '/', ARelative + name + '/', AFilter))
                return false;
        } else if (S_ISREG(st.st_mode)) {
            if (AFilter && !AFilter(ARelative + name))
                continue;
            Entry fileEntry;
            fileEntry.Source = source;
            fileEntry.Destination = ATo + name;
            entries_.append(fileEntry);
        }
        // Links, devices, pipes and sockets are skipped.
    }
    return true;
}

bool Installation::EnsureFolder(const QString& AFolder)
{
    QStringList missing;
    QString current = WithoutSlash(AFolder);
    for (;;) {
        struct stat st {};
        if (::stat(Native(current).constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return false;
            break;
        }
        if (errno != ENOENT)
            return false;
        missing.prepend(current);
        const QString parent = ParentOf(current);
        if (parent == current)
            break;
        current = parent;
    }
    for (const QString& folder : std::as_const(missing)) {
        if (!Step(TCopyStep::CreateFolder, folder + '/'))
            return false;
        if (::mkdir(Native(folder).constData(), 0777) != 0)
            return false;
        createdFolders_.append(folder);
    }
    return true;
}

bool Installation::WriteTemporary(Entry& AEntry)
{
    if (!Step(TCopyStep::WriteFile, AEntry.Destination))
        return false;
    if (!EnsureFolder(ParentOf(AEntry.Destination)))
        return false;

    // The new file takes the permissions of the one it replaces.
    mode_t mode = defaultMode_;
    struct stat existing {};
    if (::stat(Native(AEntry.Destination).constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            return false;
        mode = existing.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    FileDescriptor source(::open(Native(AEntry.Source).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!source.IsOpen())
        return false;
    struct stat st {};
    if (::fstat(source.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Programs stay runnable: execute permission wherever reading is allowed.
    if ((st.st_mode & S_IXUSR) != 0)
        mode |= (mode & 0444) >> 2;

    FileDescriptor target;
    if (!ReserveNameBeside(AEntry.Destination, ".vantor-new-", AEntry.Temporary, target))
        return false;
    if (::fchmod(target.Get(), mode) != 0)
        return false;
    if (!CopyContent(source.Get(), target.Get()))
        return false;

    if (!Step(TCopyStep::SyncFile, AEntry.Destination))
        return false;
    return ::fsync(target.Get()) == 0 && target.Close();
}

bool Installation::MoveIntoPlace(Entry& AEntry)
{
    struct stat st {};
    if (::lstat(Native(AEntry.Destination).constData(), &st) == 0) {
        if (!Step(TCopyStep::Backup, AEntry.Destination))
            return false;
        QString backup;
        FileDescriptor placeholder;
        if (!ReserveNameBeside(AEntry.Destination, ".vantor-old-", backup, placeholder))
            return false;
        (void)placeholder.Close(); // empty: nothing written that could be lost
        if (::rename(Native(AEntry.Destination).constData(), Native(backup).constData()) != 0) {
            ::unlink(Native(backup).constData());
            return false;
        }
        AEntry.Backup = backup;
    } else if (errno != ENOENT) {
        return false;
    }

    if (!Step(TCopyStep::MoveIntoPlace, AEntry.Destination))
        return false;
    if (::rename(Native(AEntry.Temporary).constData(), Native(AEntry.Destination).constData()) != 0)
        return false;
    AEntry.InPlace = true;
    return true;
}

bool Installation::Install()
{
    for (Entry& entry : entries_) {
        const bool written = entry.IsFolder ? EnsureFolder(entry.Destination) : WriteTemporary(entry);
        if (!written) {
            RollBack();
            return false;
        }
    }
    QSet<QString> touched;
    for (Entry& entry : entries_) {
        if (entry.IsFolder)
            continue;
        if (!MoveIntoPlace(entry)) {
            RollBack();
            return false;
        }
        touched.insert(ParentOf(entry.Destination));
    }
    DropBackups();
    for (const QString& folder : std::as_const(touched))
        SyncFolder(folder);
    return true;
}

void Installation::RollBack()
{
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->IsFolder)
            continue;
        const QByteArray destination = Native(entry->Destination);
        if (!entry->Backup.isEmpty()) {
            // When this fails the backup stays where it is: the old file is
            // never thrown away.
            ::rename(Native(entry->Backup).constData(), destination.constData());
        } else if (entry->InPlace) {
            ::unlink(destination.constData());
        }
        if (!entry->InPlace && !entry->Temporary.isEmpty())
            ::unlink(Native(entry->Temporary).constData());
    }
    for (auto folder = createdFolders_.crbegin(); folder != createdFolders_.crend(); ++folder)
        ::rmdir(Native(*folder).constData());
    for (const Entry& entry : std::as_const(entries_)) {
        if (!entry.IsFolder)
            SyncFolder(ParentOf(entry.Destination));
    }
}

void Installation::DropBackups()
{
    for (const Entry& entry : std::as_const(entries_)) {
        if (!entry.Backup.isEmpty())
            ::unlink(Native(entry.Backup).constData());
    }
}

} // namespace

void TFolderCopy::Add(const QString& AFrom, const QString& ATo, TCopyFilter AFilter)
{
    pairs_.append({WithSlash(AFrom), WithSlash(ATo), std::move(AFilter)});
}

void TFolderCopy::SetStepHook(TCopyStepHook AHook)
{
    hook_ = std::move(AHook);
}

bool TFolderCopy::Run()
{
    Installation installation(hook_);
    for (const Pair& pair : std::as_const(pairs_)) {
        if (!installation.Plan(pair.From, pair.To, pair.Filter))
            return false; // nothing has been touched yet
    }
    return installation.Install();
}

bool CopyFolder(const QString& AFrom, const QString& ATo)
{
    TFolderCopy copy;
    copy.Add(AFrom, ATo);
    return copy.Run();
}

} // namespace vantor::platform
