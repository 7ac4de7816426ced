#pragma once
// Every message, question and error report of the program.

#include "store/message_sink.h"

#include <QString>

#include <optional>

namespace Support {

// Shows the message window modally and answers True when the user confirmed
// (the OK button or Enter), False for the Cancel button, Escape while Cancel
// is shown, the time-out, or a window that could not be skinned.
//   icon: the picture beside the text; a value outside MsgIcon shows
//         MsgIcon::Information.
//   text: "|" breaks the line, "||" leaves an empty one; shown as plain text.
//   cancelCaption: blank for a box with the OK button alone, centred.
//   timeoutOn: close as Cancel after the NotificationTimeout setting's time.
//   sound: cue played as the box opens.
// Mail polling is paused and ModalBusy set while the box is open; both get
// their former values back afterwards. Tests answer the box through their
// own ModalHost (modal_host.h).
bool ShowMessage(MsgIcon icon, const QString& caption, const QString& text, const QString& okCaption,
                 const QString& cancelCaption, bool timeoutOn,
                 std::optional<SoundCue> sound = std::nullopt);
// The same box for a call decided in window-free code.
bool ShowMessage(const MessageBoxCall& call);

// A rules note: a box (MsgIcon::Information, "OK", with time-out) while the Verbose
// setting is on, otherwise only the sound cue. Note: text before caption.
void VerboseMessage(const QString& text, const QString& caption,
                    std::optional<SoundCue> sound = std::nullopt);

} // namespace Support
