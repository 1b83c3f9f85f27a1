#include "shell/TDebugThread.h"

#include "support/Process.h"

#include <QFileInfo>

#include <exception>

namespace vantor {

TDebugThread::TDebugThread(const QString& rootPath) : rootPath_(rootPath)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(QThread::HighPriority);
}

void TDebugThread::StartCompanion(const QString& rootPath, const QString& FileName)
{
    const QString path = rootPath + FileName;
    if (!QFileInfo(path).isFile())
        return;
    (void)platform::StartDetachedArguments({path}); // a debugging aid: nothing to tell
}

void TDebugThread::run()
{
    try {
        for (const char* name : CompanionPrograms)
            StartCompanion(rootPath_, QString::fromLatin1(name));
    } catch (...) {
        // Companions are optional: nothing about them reaches the user, and
        // nothing may escape the thread.
    }
}

} // namespace vantor
