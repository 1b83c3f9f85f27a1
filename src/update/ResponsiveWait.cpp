#include "update/ResponsiveWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

#include <atomic>
#include <thread>

namespace vantor {

namespace {

constexpr int StopPollMs = 50;

// Drops input to every widget of the application while it is installed.
class TInputBlocker final : public QObject {
public:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override
    {
        switch (AEvent->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return QObject::eventFilter(AWatched, AEvent);
        }
    }
};

} // namespace

void RunWhileResponsive(const std::function<void()>& AWork, const std::function<bool()>& AStop,
                        const std::function<void()>& ACancel)
{
    QEventLoop loop;
    std::atomic<bool> done{false};
    std::thread worker([&loop, &AWork, &done] {
        try {
            AWork();
        } catch (...) {
            // Nothing may escape a thread; the work reports through its results.
        }
        done = true;
        // Queued: the loop may not have started yet, and it belongs to the other thread.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    bool cancelled = false;
    const auto cancel = [&cancelled, &ACancel] {
        if (cancelled)
            return;
        cancelled = true;
        if (ACancel)
            ACancel();
    };
    QTimer poll;
    poll.setInterval(StopPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (AStop && AStop())
            cancel();
    });
    poll.start();
    TInputBlocker blocker;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(&blocker);
    loop.exec();
    // Only the work's end quits the loop, or the application quitting (its
    // last window closed), which ends every loop: then the work is not wanted.
    if (!done)
        cancel();
    worker.join();
}

} // namespace vantor
