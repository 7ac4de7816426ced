#include "platform/termination_signal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace SysTraySupport {

namespace {

// [0] read by the window thread, [1] written by the handler.
int pipeEnds[2] = {-1, -1};

extern "C" void OnTerminate(int)
{
    const char byte = 1;
    // Nothing else is safe inside a signal handler.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

} // namespace

TerminationSignal::TerminationSignal(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignal::Pipe_Readable);
    struct sigaction action = {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = ::sigaction(SIGTERM, &action, nullptr) == 0;
}

TerminationSignal::~TerminationSignal()
{
    if (installed_)
        std::signal(SIGTERM, SIG_DFL);
}

void TerminationSignal::Pipe_Readable()
{
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(pipeEnds[0], bytes, sizeof bytes);
    emit Received();
}

} // namespace SysTraySupport
