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

Result<void> ListPackageFiles(const QString& PackagePath, QStringList& FileList)
{
    FileList.clear();
    return TZlibMultiple().ListStoredFiles(PackagePath, FileList);
}

bool UnpackPackage(const QString& PackagePath)
{
    bool unpacked = false;
    try {
        unpacked = TZlibMultiple().DecompressFile(PackagePath, QFileInfo(PackagePath).path(), true, true).ok();
    } catch (const std::bad_alloc&) {
        // No memory for the buffers (the standard library throws): the hand-off reports it.
    }
    QFile::remove(PackagePath);
    return unpacked;
}

} // namespace vantor
