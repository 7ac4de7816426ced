#pragma once
// The computer's answer to the player's move, as the game controller sees
// it: what the search is given, and what its result did to the game.

#include "game/board_message.h"
#include "game/forced_draw.h"
#include "rules/position.h"

#include <string>
#include <vector>

namespace BoardSupport {

// What the computer's turn starts with.
struct ComputerTurn {
    bool search = false; // false: the game is over and nothing is searched
    Position position;   // a copy for the search to work on
    Move previousMove;   // the player's move, Move::None() when none
};

// What the search's result did.
struct ComputerReply {
    enum Outcome {
        GameOver,  // nothing was searched
        Cancelled, // nothing changed
        Resigned,  // the computer had no move: its resignation row was added
        Made,      // the computer's row was added
    };
    Outcome outcome = GameOver;
    std::string notation;
    int checkedSide = NoSideChecked;
    bool checkmated = false;
    bool stalemate = false;
    ForcedDraw forcedDraw = NoForcedDraw;
    std::vector<BoardMessage> messages; // to show in order
};

} // namespace BoardSupport
