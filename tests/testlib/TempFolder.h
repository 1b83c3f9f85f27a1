// Test helpers for folders and files on disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vantor::test {

// A fresh folder below the system's temporary folder, removed afterwards.
// path() ends with "/".
class TempFolder {
public:
    TempFolder();
    QString path() const;
    // Writes a file (creating folders on the way) and returns its full path.
    QString write(const QString& relative, const QByteArray& content) const;
    QString makeFolder(const QString& relative) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

} // namespace vantor::test
