#pragma once
// How store/ code puts a message in front of the user without knowing about
// windows: the window layer implements this with the program's message box.
// Tests record the calls instead.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Support {

// Picture shown beside a message.
enum MsgIcon : std::int16_t {
    IconInformation = 1,
    IconWarning = 2,
    IconSetupRefusal = 3,
    IconTransmission = 4,
    IconDatabase = 5,
};

// One call of the program's message box. The text uses "|" as a line break.
struct MessageBoxCall {
    std::int16_t icon = IconInformation;
    std::string caption;
    std::string text;
    std::string okCaption = "OK";
    std::string cancelCaption; // blank: only the confirming button
    bool timeoutOn = false;
    std::optional<std::int16_t> sound; // sound cue number, none for silence

    bool operator==(const MessageBoxCall&) const = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // The program's own message box; true when the user confirmed.
    virtual bool ShowMessage(const MessageBoxCall& call) = 0;
    // A plain system box with only OK under the program's title, for
    // reports of a programming slip (an unknown field name).
    virtual void ShowSystemMessage(std::string_view text) = 0;
};

} // namespace Support
