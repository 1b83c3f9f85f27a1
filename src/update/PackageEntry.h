// One entry of an update package: its header and the rules its stored path
// must meet before anything is written for it.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace vantor::package {

struct EntryHeader {
    QString Directory;           // as stored; "\" between folders, trailing "\" optional
    QString Name;                // as stored
    qint64 UncompressedSize = 0; // declared; serves progress only
    qint64 CompressedSize = 0;   // bytes of the zlib stream that follows
    qint64 DataOffset = 0;       // position of that stream in the package
};

// Reads the header at the stream's position, leaving the position at the
// data. Text fields carry no code page, so each byte is taken as Latin-1:
// every byte stays one character and nothing is lost. Fails when the header
// is cut short or a size is negative.
Result<EntryHeader> ReadEntryHeader(QIODevice& stream);

// The directory with a trailing "\" when not empty, followed by the name.
[[nodiscard]] QString StoredRelativePath(const EntryHeader& header);

// The directory with a trailing "\" when not empty.
[[nodiscard]] QString StoredDirectory(const EntryHeader& header);

// Fails when the entry's path could reach outside the destination folder
// (absolute, drive letter, ".." anywhere, "/" and "\" both counting as
// separators), contains a NUL byte, or names no file.
Result<void> CheckEntryPath(const EntryHeader& header);

// A stored path with "/" between folders.
[[nodiscard]] QString ToLocalSeparators(const QString& storedPath);

} // namespace vantor::package
