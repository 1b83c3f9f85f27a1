#include "dev/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace vantor::devengine {

QString ProgramFolder()
{
    // The link names the real file even when the program was started through
    // a symbolic link, as the installation's own files lie beside the real one.
    QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    QString folder =
        executable.isEmpty() ? QCoreApplication::applicationDirPath() : QFileInfo(executable).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace vantor::devengine
