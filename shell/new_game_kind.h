#pragma once
// The kind of a new game, as the command that starts it chose; it is the
// game's own (game/new_game_request.h) and travels with the new game to the
// dialog and the board as a value.

#include "game/new_game_request.h"

namespace Support {

using BoardSupport::NewGameKind;

} // namespace Support
