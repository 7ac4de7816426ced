#pragma once
// What the mail thread is waiting for, and the user's Cancel of the mail
// operation under way. The windows read the one and give the other; the
// mail connections write the one and obey the other at their next look,
// a few hundredths of a second later.

#include <atomic>
#include <mutex>
#include <string>

namespace MailSupport {

// How a mail connection failed, as the user is told.
enum class MailFailure {
    None,
    Refused,
    NotFound,
    TimedOut,
    Certificate,
    LogOnRefused,
    Cancelled,
    Other
};

class MailWait {
public:
    enum class Stage { Idle, LookingUp, Connecting, Answer };

    // A new operation: not cancelled, waiting for nothing yet.
    void Begin();
    // The operation under way gives up at once; so does every connection
    // it tries until the next Begin.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

    void Enter(Stage stage, const std::string& host);
    // "Looking up mail.example.org...", "Connecting to mail.example.org...",
    // "Waiting for mail.example.org to answer..."; empty when idle.
    std::string Describe() const;

private:
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    Stage stage_ = Stage::Idle;
    std::string host_;
};

} // namespace MailSupport
