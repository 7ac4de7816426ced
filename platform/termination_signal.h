#pragma once
// The desktop's request to end the program (SIGTERM, as at log-out or from
// a service manager), delivered to the window thread as a Qt signal: the
// handler itself only writes one byte into a pipe, which a socket notifier
// reads in the event loop.

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace SysTraySupport {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    // One per process; installs the handler (False when it could not).
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;
    bool Installed() const { return installed_; }

signals:
    void Received();

private:
    void Pipe_Readable();

    std::unique_ptr<QSocketNotifier> notifier_;
    bool installed_ = false;
};

} // namespace SysTraySupport
