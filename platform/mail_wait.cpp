#include "platform/mail_wait.h"

namespace MailSupport {

void MailWait::Begin()
{
    cancelled_ = false;
    Enter(Stage::Idle, std::string());
}

void MailWait::Enter(Stage stage, const std::string& host)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    stage_ = stage;
    host_ = host;
}

std::string MailWait::Describe() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    switch (stage_) {
    case Stage::LookingUp:
        return "Looking up " + host_ + "...";
    case Stage::Connecting:
        return "Connecting to " + host_ + "...";
    case Stage::Answer:
        return "Waiting for " + host_ + " to answer...";
    case Stage::Idle:
        break;
    }
    return std::string();
}

} // namespace MailSupport
