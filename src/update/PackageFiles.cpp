#include "update/PackageFiles.h"

#include "update/ZlibMultiple.h"

#include <QFile>
#include <QFileInfo>

namespace vantor {

bool IsPackageFile(const QString& FilePath)
{
    const QString name = QFileInfo(FilePath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.mid(dot).compare(u".z", Qt::CaseInsensitive) == 0;
}

void ListPackageFiles(const QString& PackagePath, QStringList& FileList)
{
    FileList.clear();
    TZlibMultiple().ListStoredFiles(PackagePath, FileList);
}

bool UnpackPackage(const QString& PackagePath)
{
    bool unpacked = false;
    try {
        TZlibMultiple().DecompressFile(PackagePath, QFileInfo(PackagePath).path(), true, true);
        unpacked = true;
    } catch (const std::exception&) {
        // PackageError, or no memory for the buffers: the hand-off reports it.
    }
    QFile::remove(PackagePath);
    return unpacked;
}

} // namespace vantor
