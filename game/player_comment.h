#pragma once
// The player's comment as it may travel: no mail markers, no control
// characters, and "|" (the move list's field separator in mail) as a space.

#include "game/board_message.h"

#include <optional>
#include <string>

namespace BoardSupport {

// The cleaned text when it differs from the typed one; nothing when the
// comment may go as it is.
std::optional<std::string> CleanPlayerComment(const std::string& typed);

// The message that tells the player the comment was cleaned.
BoardMessage IllegalCharactersMessage();

} // namespace BoardSupport
