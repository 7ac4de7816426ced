#include "platform/mail_socket.h"

#include <vmime/vmime.hpp>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace MailSupport {
namespace {

using Clock = std::chrono::steady_clock;

// How often a wait looks at the clock and at the user's Cancel.
constexpr int SliceMs = 20;
// What the mail library asks for as one piece.
constexpr std::size_t BlockSize = 16384;

bool Again(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR || error == EINPROGRESS;
}

[[noreturn]] void ThrowSocketError(int error)
{
    throw vmime::exceptions::socket_exception(std::strerror(error));
}

int MsLeft(Clock::time_point until)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

// One name look-up. The system's look-up thread writes into the request
// until it has ended, so a request given up on is freed only when it is
// known to be over; one that cannot be called off is left to it.
struct LookUp {
    std::string name;
    std::string service;
    addrinfo hints{};
    gaicb request{};
};

class DeadlineSocket : public vmime::net::socket {
public:
    DeadlineSocket(std::shared_ptr<vmime::net::timeoutHandler> timeouts, SocketRules rules)
        : timeouts_(std::move(timeouts)), rules_(std::move(rules))
    {
    }
    ~DeadlineSocket() override { Close(); }

    void connect(const vmime::string& address, const vmime::port_t port) override
    {
        Close();
        host_ = address;
        *rules_.Outcome = ConnectOutcome{};
        const Clock::time_point deadline = Clock::now() + rules_.Connect;
        rules_.Wait->Enter(MailWait::Stage::LookingUp, address);
        addrinfo* found = Resolve(address, port, deadline);
        rules_.Wait->Enter(MailWait::Stage::Connecting, address);
        int count = 0;
        for (addrinfo* a = found; a; a = a->ai_next)
            ++count;
        int lastError = ETIMEDOUT;
        for (addrinfo* a = found; a && fd_ < 0; a = a->ai_next, --count) {
            if (a->ai_family != AF_INET && a->ai_family != AF_INET6)
                continue;
            const int fd =
                ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
            if (fd < 0) {
                lastError = errno;
                continue;
            }
            const int on = 1;
            ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
            // An address that does not answer leaves the others their share
            // of the time.
            const Clock::time_point until =
                Clock::now() + (deadline - Clock::now()) / std::max(count, 1);
            const int error = ConnectOne(fd, *a, until);
            if (error == 0) {
                fd_ = fd;
                break;
            }
            ::close(fd);
            lastError = error;
            if (error == ECANCELED || Clock::now() >= deadline)
                break;
        }
        ::freeaddrinfo(found);
        if (fd_ < 0) {
            const MailFailure failure = lastError == ECANCELED      ? MailFailure::Cancelled
                                        : lastError == ECONNREFUSED ? MailFailure::Refused
                                        : lastError == ETIMEDOUT    ? MailFailure::TimedOut
                                                                    : MailFailure::Other;
            Fail(failure, lastError == ECANCELED ? "cancelled" : std::strerror(lastError));
        }
        rules_.Wait->Enter(MailWait::Stage::Answer, address);
        if (timeouts_)
            timeouts_->resetTimeOut();
    }

    void disconnect() override { Close(); }

    bool isConnected() const override
    {
        if (fd_ < 0)
            return false;
        char byte;
        return ::recv(fd_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
    }

    bool waitForRead(const int msecs) override { return WaitFor(POLLIN, msecs); }
    bool waitForWrite(const int msecs) override { return WaitFor(POLLOUT, msecs); }

    void receive(vmime::string& buffer) override
    {
        const std::size_t size = receiveRaw(buffer_, sizeof buffer_);
        buffer = vmime::utility::stringUtils::makeStringFromBytes(buffer_, size);
    }

    std::size_t receiveRaw(vmime::byte_t* buffer, const std::size_t count) override
    {
        status_ &= ~STATUS_WOULDBLOCK;
        if (!WaitFor(POLLIN, 50)) {
            status_ |= STATUS_WOULDBLOCK;
            return 0;
        }
        const ssize_t got = ::recv(fd_, buffer, count, 0);
        if (got < 0) {
            if (!Again(errno))
                ThrowSocketError(errno);
            status_ |= STATUS_WOULDBLOCK;
            return 0;
        }
        if (got == 0)
            ThrowSocketError(ENOTCONN);
        if (rules_.Received)
            *rules_.Received += static_cast<std::uint64_t>(got);
        if (timeouts_)
            timeouts_->resetTimeOut();
        return static_cast<std::size_t>(got);
    }

    void send(const vmime::string& buffer) override
    {
        sendRaw(reinterpret_cast<const vmime::byte_t*>(buffer.data()), buffer.size());
    }
    void send(const char* text) override
    {
        sendRaw(reinterpret_cast<const vmime::byte_t*>(text), std::strlen(text));
    }

    void sendRaw(const vmime::byte_t* buffer, const std::size_t count) override
    {
        status_ &= ~STATUS_WOULDBLOCK;
        std::size_t left = count;
        while (left > 0) {
            const ssize_t sent = ::send(fd_, buffer, left, MSG_NOSIGNAL);
            if (sent > 0) {
                buffer += sent;
                left -= static_cast<std::size_t>(sent);
                continue;
            }
            if (sent < 0 && !Again(errno))
                ThrowSocketError(errno);
            WaitFor(POLLOUT, 50);
        }
        if (timeouts_)
            timeouts_->resetTimeOut();
    }

    std::size_t sendRawNonBlocking(const vmime::byte_t* buffer, const std::size_t count) override
    {
        status_ &= ~STATUS_WOULDBLOCK;
        const ssize_t sent = ::send(fd_, buffer, count, MSG_NOSIGNAL);
        if (sent <= 0) {
            if (sent < 0 && !Again(errno))
                ThrowSocketError(errno);
            CheckGiveUp();
            status_ |= STATUS_WOULDBLOCK;
            return 0;
        }
        if (timeouts_)
            timeouts_->resetTimeOut();
        return static_cast<std::size_t>(sent);
    }

    std::size_t getBlockSize() const override { return BlockSize; }
    unsigned int getStatus() const override { return status_; }

    // The name the server was asked for by, as the certificate check wants
    // it (no reverse look-up of a numeric address).
    const vmime::string getPeerName() const override { return host_; }

    const vmime::string getPeerAddress() const override
    {
        sockaddr_storage peer{};
        socklen_t size = sizeof peer;
        if (fd_ < 0 || ::getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &size) != 0)
            ThrowSocketError(errno ? errno : ENOTCONN);
        char text[INET6_ADDRSTRLEN] = {};
        const void* where =
            peer.ss_family == AF_INET6
                ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&peer)->sin6_addr)
                : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&peer)->sin_addr);
        if (!::inet_ntop(peer.ss_family, where, text, sizeof text))
            ThrowSocketError(errno);
        return text;
    }

    std::shared_ptr<vmime::net::timeoutHandler> getTimeoutHandler() override { return timeouts_; }
    void setTracer(std::shared_ptr<vmime::net::tracer> tracer) override { tracer_ = std::move(tracer); }
    std::shared_ptr<vmime::net::tracer> getTracer() override { return tracer_; }

private:
    void Close()
    {
        if (fd_ >= 0) {
            ::shutdown(fd_, SHUT_RDWR);
            ::close(fd_);
            fd_ = -1;
        }
    }

    [[noreturn]] void Fail(MailFailure failure, const std::string& detail)
    {
        rules_.Outcome->Failure = failure;
        rules_.Outcome->Detail = detail;
        throw vmime::exceptions::connection_error(detail);
    }

    addrinfo* Resolve(const std::string& host, vmime::port_t port, Clock::time_point deadline)
    {
        auto* lookUp = new LookUp;
        lookUp->name = host;
        lookUp->service = std::to_string(port);
        lookUp->hints.ai_flags = AI_NUMERICSERV;
        lookUp->hints.ai_family = AF_UNSPEC;
        lookUp->hints.ai_socktype = SOCK_STREAM;
        lookUp->request.ar_name = lookUp->name.c_str();
        lookUp->request.ar_service = lookUp->service.c_str();
        lookUp->request.ar_request = &lookUp->hints;
        gaicb* requests[] = {&lookUp->request};
        if (const int error = ::getaddrinfo_a(GAI_NOWAIT, requests, 1, nullptr); error != 0) {
            delete lookUp;
            Fail(MailFailure::Other, ::gai_strerror(error));
        }
        while (true) {
            const timespec slice{0, SliceMs * 1000000L};
            ::gai_suspend(requests, 1, &slice);
            const int state = ::gai_error(&lookUp->request);
            if (state != EAI_INPROGRESS) {
                addrinfo* result = lookUp->request.ar_result;
                delete lookUp;
                if (state == 0 && result)
                    return result;
                if (result)
                    ::freeaddrinfo(result);
                const bool unknown = state == EAI_NONAME || state == EAI_NODATA || state == EAI_FAIL
                                     || state == EAI_AGAIN || state == 0;
                Fail(unknown ? MailFailure::NotFound : MailFailure::Other,
                     state == 0 ? "no address" : ::gai_strerror(state));
            }
            const bool cancelled = rules_.Wait->Cancelled();
            if (cancelled || Clock::now() >= deadline) {
                if (::gai_cancel(&lookUp->request) == EAI_CANCELED
                    || ::gai_error(&lookUp->request) != EAI_INPROGRESS) {
                    if (lookUp->request.ar_result)
                        ::freeaddrinfo(lookUp->request.ar_result);
                    delete lookUp;
                }
                Fail(cancelled ? MailFailure::Cancelled : MailFailure::TimedOut,
                     cancelled ? "cancelled" : "the name look-up took too long");
            }
        }
    }

    // 0 when connected, else why not (ECANCELED: the user's Cancel).
    int ConnectOne(int fd, const addrinfo& address, Clock::time_point until)
    {
        if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0)
            return 0;
        if (errno != EINPROGRESS && errno != EINTR)
            return errno;
        while (true) {
            if (rules_.Wait->Cancelled())
                return ECANCELED;
            const int left = MsLeft(until);
            if (left <= 0)
                return ETIMEDOUT;
            pollfd waiting{fd, POLLOUT, 0};
            const int ready = ::poll(&waiting, 1, std::min(SliceMs, left));
            if (ready < 0 && errno != EINTR)
                return errno;
            if (ready > 0) {
                int error = 0;
                socklen_t size = sizeof error;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) < 0)
                    return errno;
                return error;
            }
        }
    }

    // Throws when the user cancelled or the timeout handler gives up.
    void CheckGiveUp()
    {
        if (rules_.Wait->Cancelled())
            throw vmime::exceptions::operation_cancelled();
        if (timeouts_ && timeouts_->isTimeOut()) {
            if (!timeouts_->handleTimeOut())
                throw vmime::exceptions::operation_timed_out();
            timeouts_->resetTimeOut();
        }
    }

    // True when the socket is ready within msecs; false when it is not.
    bool WaitFor(short events, int msecs)
    {
        if (fd_ < 0)
            ThrowSocketError(ENOTCONN);
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(msecs);
        while (true) {
            pollfd waiting{fd_, events, 0};
            const int ready = ::poll(&waiting, 1, std::min(SliceMs, MsLeft(until)));
            if (ready < 0 && errno != EINTR && errno != EAGAIN)
                ThrowSocketError(errno);
            if (ready > 0 && (waiting.revents & (events | POLLERR | POLLHUP)))
                return true;
            CheckGiveUp();
            if (MsLeft(until) <= 0)
                return false;
        }
    }

    std::shared_ptr<vmime::net::timeoutHandler> timeouts_;
    SocketRules rules_;
    std::shared_ptr<vmime::net::tracer> tracer_;
    std::string host_;
    int fd_ = -1;
    unsigned int status_ = 0;
    vmime::byte_t buffer_[65536];
};

class Factory : public vmime::net::socketFactory {
public:
    explicit Factory(SocketRules rules) : rules_(std::move(rules)) { }
    std::shared_ptr<vmime::net::socket> create() override
    {
        return std::make_shared<DeadlineSocket>(nullptr, rules_);
    }
    std::shared_ptr<vmime::net::socket> create(std::shared_ptr<vmime::net::timeoutHandler> th) override
    {
        return std::make_shared<DeadlineSocket>(std::move(th), rules_);
    }

private:
    SocketRules rules_;
};

} // namespace

std::shared_ptr<vmime::net::socketFactory> DeadlineSocketFactory(SocketRules rules)
{
    if (!rules.Wait)
        rules.Wait = std::make_shared<MailWait>();
    if (!rules.Outcome)
        rules.Outcome = std::make_shared<ConnectOutcome>();
    return std::make_shared<Factory>(std::move(rules));
}

} // namespace MailSupport
