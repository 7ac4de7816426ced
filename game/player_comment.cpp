#include "game/player_comment.h"

#include "store/move_payload.h"

#include <algorithm>

namespace BoardSupport {

std::optional<std::string> CleanPlayerComment(const std::string& typed)
{
    std::string text = typed;
    // Taking a marker out can join the text around it into a new one.
    for (std::string before; before != text;) {
        before = text;
        text = Support::StripMailMarkers(text);
        std::replace(text.begin(), text.end(), '|', ' ');
    }
    if (text == typed)
        return std::nullopt;
    return text;
}

BoardMessage IllegalCharactersMessage()
{
    return BoardMessage{
        Support::MsgIcon::Warning, "Illegal characters",
        "You are not permitted to use certain text in the player comment as it is reserved by "
        "Marrowdale.||This text has have been removed or, where appropriate, replaced with spaces.",
        Support::SoundCue::Information, false};
}

} // namespace BoardSupport
