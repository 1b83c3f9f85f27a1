// Reader of update packages (".Z"): a plain concatenation of entries, each a
// relative path, two sizes and one zlib stream. See docs/package-format.md.
#pragma once

#include "support/Result.h"

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace vantor {

class TZlibMultiple {
public:
    // Create the folders of the entries while unpacking.
    bool ForceDirectoriesFlag = true;
    // Settings of the maker's writer; reading ignores them.
    bool StorePaths = true;
    int CompressionLevel = -1;
    bool IgnoreExclusive = false;

    // Before a file is written, with its target and declared size; returning
    // false skips the entry.
    std::function<bool(const QString& Target, qint64 UncompressedSize)> OnDecompressingFile;
    // After a file, with the number of bytes written.
    std::function<void(const QString& Target, qint64 BytesWritten)> OnDecompressedFile;
    // After every chunk written: bytes of the current file so far and its
    // declared size.
    std::function<void(qint64 Done, qint64 Total)> OnProgress;
    // After DecompressFile has worked through the whole package.
    std::function<void()> OnCompletedAction;

    // Appends the relative path of every entry, as stored ("\" between
    // folders), in package order. A final entry whose data is cut short is
    // still listed. Fails on an unreadable or malformed package; the entries
    // listed before stay in the list.
    Result<void> ListStoredFiles(const QString& FileName, QStringList& FileList) const;

    // Writes every entry below Directory. Fails on an unreadable, malformed
    // or refused package (also for an entry that inflates past its recorded
    // size); what was written before the failure stays.
    Result<void> DecompressFile(const QString& FileName, const QString& Directory, bool Overwrite, bool RelativePaths);

    // The same from an open stream that allows seeking (a file or a buffer),
    // from its current position to its end.
    Result<void> DecompressStream(QIODevice& Stream, const QString& Directory, bool Overwrite, bool RelativePaths);
};

} // namespace vantor
