#pragma once
// What the board asks the window to tell the player.

#include "store/message_sink.h"

#include <optional>
#include <string>

namespace BoardSupport {

// A message for the window to show: caption, text ("|" breaks a line),
// message icon and sound cue.
struct BoardMessage {
    Support::MsgIcon icon = Support::MsgIcon::Information;
    std::string caption;
    std::string text;
    std::optional<Support::SoundCue> soundCue; // none: silent
    // A rules note: a message box only while the Verbose setting is on,
    // otherwise only its sound.
    bool verbose = false;
};

} // namespace BoardSupport
