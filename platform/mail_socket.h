#pragma once
// The network connection under internet mail. Looking the server's name up
// and connecting to it together give up at the connect time; afterwards
// every wait gives up when the timeout handler says so (the stall time, the
// call's deadline); and every wait, the look-up included, gives up within a
// few hundredths of a second of the user's Cancel. How connecting failed
// (refused, no such server, no answer in time) is kept for the service to
// tell: the mail library's own words for it are not reliable.

#include "platform/mail_wait.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace vmime::net {
class socketFactory;
} // namespace vmime::net

namespace MailSupport {

// How the last connect of a service's sockets failed.
struct ConnectOutcome {
    MailFailure Failure = MailFailure::None;
    // The system's own words, for the curious.
    std::string Detail;
};

struct SocketRules {
    std::chrono::milliseconds Connect{15000};
    std::shared_ptr<MailWait> Wait;
    std::shared_ptr<ConnectOutcome> Outcome;
    // Every byte the sockets have received, as the connection carried it.
    std::shared_ptr<std::atomic<std::uint64_t>> Received;
};

std::shared_ptr<vmime::net::socketFactory> DeadlineSocketFactory(SocketRules rules);

} // namespace MailSupport
