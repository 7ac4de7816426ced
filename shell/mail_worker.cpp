#include "shell/mail_worker.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <atomic>
#include <thread>

namespace SysTraySupport {

namespace {

// How long the end of the mail service waits for an operation still running.
constexpr int LeaveBehindMs = 3000;

} // namespace

struct MailWorker::Flight {
    std::atomic<bool> done{false};

    // Answers the window thread's events until the operation has ended or
    // the program abandons it; true when it has ended. (Events are pumped
    // by hand: an event loop would not run again once the program was told
    // to end.)
    bool Wait(const bool& abandoned) const
    {
        while (!done && !abandoned)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        return done;
    }
};

MailWorker::~MailWorker()
{
    if (!current_ || current_->done)
        return;
    // The operation may be waiting for the window thread: keep answering.
    QElapsedTimer clock;
    clock.start();
    while (!current_->done && clock.elapsed() < LeaveBehindMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

bool MailWorker::Run(std::function<void()> operation)
{
    // One operation at a time: a later one waits for the one under way.
    if (current_)
        current_->Wait(abandoned_);
    if (abandoned_)
        return false;

    auto flight = std::make_shared<Flight>();
    current_ = flight;
    running_ = true;
    std::thread([flight, operation = std::move(operation)] {
        operation();
        flight->done = true;
        // Wakes the window thread's wait.
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [] {}, Qt::QueuedConnection);
    }).detach();

    const bool ended = flight->Wait(abandoned_);
    if (ended)
        running_ = false;
    return ended && !abandoned_;
}

void MailWorker::Abandon()
{
    abandoned_ = true;
}

bool MailWorker::LeftRunning() const
{
    return current_ && !current_->done;
}

} // namespace SysTraySupport
