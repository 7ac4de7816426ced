#pragma once
// What a benchmark's mail transport needs of the windows, answered without
// any: no log-on question, no status window, no tray menu, and every
// message counted (and printed to stderr) instead of shown.

#include "store/mail_support.h"
#include "store/message_sink.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace Bench {

class QuietLogon : public MailSupport::LogonGuard {
public:
    bool GetLogonStatus() override { return false; }
    void SetLogonStatus(bool) override { }
};

class QuietWindows : public MailSupport::TransportWindows {
public:
    void ShowStatus(bool, const std::string&) override { }
    void PopulateTrayGameMenu() override { }
};

class CountingSink : public Support::MessageSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override
    {
        std::fprintf(stderr, "message: %s: %s\n", call.caption.c_str(), call.text.c_str());
        ++Messages;
        return true;
    }
    void ShowSystemMessage(std::string_view) override { ++Messages; }
    int Messages = 0;
};

} // namespace Bench
