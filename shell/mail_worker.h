#pragma once
// Mail operations run off the window thread, one at a time. The window
// thread waits for each one in an event loop of its own, so the windows
// repaint, timers fire and clicks are answered meanwhile, and the results
// still reach the windows in the order of the calls. What an operation asks
// of the windows (the status window, a message, the log-on dialog, the game
// database) is run on the window thread through OnWindowThread.
//
// A program that ends while an operation hangs abandons it: the waiting
// call returns at once and the operation is left to the end of the process.

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <functional>
#include <memory>
#include <type_traits>

namespace SysTraySupport {

class MailWorker {
public:
    MailWorker() = default;
    // Waits (pumping events) for an operation still under way; one that
    // never ends is left behind after a few seconds.
    ~MailWorker();
    MailWorker(const MailWorker&) = delete;
    MailWorker& operator=(const MailWorker&) = delete;

    // Runs `operation` on a mail thread and returns when it has ended,
    // after the one under way if any. False when it did not run to its end
    // here: the program abandoned mail first.
    bool Run(std::function<void()> operation);

    // An operation is under way.
    bool Busy() const { return running_; }
    // The program is ending: a waiting Run returns at once and nothing
    // more starts.
    void Abandon();
    // An operation was abandoned and may still be running.
    bool LeftRunning() const;

private:
    struct Flight;
    std::shared_ptr<Flight> current_;
    bool running_ = false;
    bool abandoned_ = false;
};

// Runs `work` on the window thread and hands back its result; called
// there, it simply runs it.
template <class Work>
auto OnWindowThread(Work work) -> decltype(work())
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return work();
    using Result = decltype(work());
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(app, std::move(work), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(app, std::move(work), Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

} // namespace SysTraySupport
