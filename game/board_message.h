#pragma once
// What the board asks the window to tell the player.

#include <string>

namespace BoardSupport {

// A message for the window to show: caption, text ("|" breaks a line),
// message icon and sound cue.
struct BoardMessage {
    int icon = 1;
    std::string caption;
    std::string text;
    int soundCue = 0;
    // A rules note: a message box only while the Verbose setting is on,
    // otherwise only its sound.
    bool verbose = false;
};

} // namespace BoardSupport
