#pragma once
// How store/ code puts a message in front of the user without knowing about
// windows: the window layer implements this with the program's message box.
// Tests record the calls instead.

#include "store/sound_cue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Support {

// Picture shown beside a message.
enum class MsgIcon : std::int16_t {
    Information = 1, // also a question
    Warning = 2,
    SetupRefusal = 3,
    Transmission = 4,
    Database = 5,
};

// One call of the program's message box. The text uses "|" as a line break.
struct MessageBoxCall {
    MsgIcon icon = MsgIcon::Information;
    std::string caption;
    std::string text;
    std::string okCaption = "OK";
    std::string cancelCaption; // blank: only the confirming button
    bool timeoutOn = false;
    std::optional<SoundCue> sound; // none for silence

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
