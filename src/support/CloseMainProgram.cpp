#include "support/CloseMainProgram.h"

#include "support/WindowChannel.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace vantor {

namespace {

constexpr int PollMs = 100;
// A main program started while we wait, or one that missed the request,
// is asked again this often.
constexpr int RepeatRequestEveryPolls = 10;

} // namespace

void PauseProcessingEvents(int AMilliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(AMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool CloseMainProgram(const QString& AClassName, std::chrono::milliseconds ALimit)
{
    QElapsedTimer waited;
    waited.start();
    for (int poll = 0;; ++poll) {
        PauseProcessingEvents(PollMs);
        if (platform::WindowChannel::CountRunning(AClassName) == 0)
            return true;
        if (waited.elapsed() >= ALimit.count())
            return false;
        if (poll % RepeatRequestEveryPolls == 0)
            platform::WindowChannel::RequestQuitAll(AClassName);
    }
}

} // namespace vantor
