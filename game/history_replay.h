#pragma once
// The position at a row of the move list, rebuilt from the game's start
// position by replaying the entries up to that row. Viewing an earlier row
// is only a view: the player may move only at the last row, in the player's
// turn, in a game that is neither over nor drawn.

#include "rules/position.h"
#include "store/game_record.h"

#include <optional>

namespace BoardSupport {

// What decides whether the player may move at the last row.
struct ReplayRules {
    MoveValidation::Colour playerColour = MoveValidation::White;
    bool mailOffline = false;
    bool computerGame = false;
    bool standAlone = false;
};

struct ReplayResult {
    Position position; // checkedSide set from the replayed squares
    bool surrendered = false;
    bool gameDrawn = false;
    bool drawOffered = false;
    bool checkmated = false;
    bool playerMayMove = false;
    // The first entry up to the row that is not a legal move (a damaged or
    // hand-edited game): the replay stops before it.
    std::optional<int> badEntry;
};

// Replays entries 1..selectedRow (0 = the header row: the start position).
// gameDrawn and drawOffered come in as the board holds them and change only
// through the entries, as the board's own flags do.
ReplayResult MoveThroughHistory(const Position& start, const MoveList& entries, int selectedRow,
                                bool gameDrawn, bool drawOffered, const ReplayRules& rules);

// The first entry of the list that is not a legal move, if any.
std::optional<int> FirstBadEntry(const Position& start, const MoveList& entries);

} // namespace BoardSupport
