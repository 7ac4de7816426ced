#pragma once
// What the game controller answers in the board's set-up mode, where the
// player builds a new game's start position from a palette of the twelve
// pieces. The controller's set-up members live in setup_mode.cpp.

#include "game/board_message.h"
#include "game/captions.h"
#include "rules/move.h"

#include <optional>
#include <string>

namespace BoardSupport {

// Where a dragged piece came from: a palette piece, or the piece standing
// on a square of the board.
struct SetupSource {
    int palettePiece = 0; // the piece code, 0 when it came from the board
    Square square;

    static SetupSource Palette(int piece) { return SetupSource{piece, Square{}}; }
    static SetupSource Board(Square from) { return SetupSource{0, from}; }
    bool FromPalette() const { return palettePiece != 0; }
};

// What a change to the set-up board did.
struct SetupChange {
    bool changed = false;                // the board is not as it was
    std::optional<BoardMessage> message; // a refusal to show
};

// The palette's state: a king already on the board is marked in the
// palette and cannot be taken from it again; play needs both kings and at
// least one other piece.
struct SetupPalette {
    bool whiteKingOnBoard = false;
    bool blackKingOnBoard = false;
    bool playEnabled = false;

    bool ItemEnabled(int piece) const;
};

// The check before play: a refusal, or the warnings the player is asked to
// accept (empty when there are none).
struct SetupCheck {
    std::optional<BoardMessage> refusal;
    std::string warnings;
};

// The window caption, the players' tag and the comment panel while the
// board is being set up.
FormCaptions SetupCaptions();
CommentPanel SetupComment();

} // namespace BoardSupport
