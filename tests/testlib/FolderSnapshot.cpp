#include "testlib/FolderSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

namespace vantor::test {

QMap<QString, QString> SnapshotTree(const QString& ARoot)
{
    QMap<QString, QString> snapshot;
    QDirIterator it(ARoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QString entry = QString::number(st.st_mode, 8) + ' ';
        if (S_ISREG(st.st_mode)) {
            QFile file(path);
            entry += file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex()) : QStringLiteral("?");
        } else if (S_ISLNK(st.st_mode)) {
            entry += QFile::symLinkTarget(path);
        }
        snapshot.insert(QDir(ARoot).relativeFilePath(path), entry);
    }
    return snapshot;
}

} // namespace vantor::test
