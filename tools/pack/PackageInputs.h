// The files that go into a package and the paths they are stored under.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantor::pack {

struct PackageInput {
    QString SourcePath;   // the file on disk
    QString RelativePath; // below the root, "/" between folders
    QByteArray Directory; // stored: Latin-1, "\" between folders and at the end; empty at the root
    QByteArray Name;      // stored: Latin-1
};

// Largest file a package can hold: sizes are stored as signed 32-bit numbers.
inline constexpr qint64 MaxStoredSize = 0x7FFFFFFF;
// Both text fields carry a one-byte length.
inline constexpr int MaxTextLength = 255;

// The files named by the arguments (files or folders, relative to the current
// folder), folders walked in sorted order, stored relative to root. Empty
// files are left out, as are folders reached through symbolic links (they
// could loop) and the package itself. Fails for a missing file, a file
// outside root, a file of 2 GiB or more, or a path that cannot be stored.
[[nodiscard]] Result<QList<PackageInput>> CollectInputs(const QString& root, const QStringList& arguments,
                                                        const QString& packagePath);

} // namespace vantor::pack
