#pragma once
// What a set-up position may be. Every change the player makes to it is
// judged at once (no side mated or stalemated, not both kings in check);
// when play is asked for, the counts no game could reach are listed as
// warnings the player may accept.

#include "game/board_message.h"
#include "rules/piece.h"
#include "rules/position.h"

#include <string>

namespace BoardSupport {

// What a change to the set-up board leads to: refused with its message, or
// allowed with the side whose king now stands in check (or neither).
struct SetupJudgement {
    bool refused = false;
    BoardMessage message;
    int checkedSide = NoSideChecked;
};

// Judges the position after a piece of colour `own` was placed or taken
// away: the other side first, then the own side, each for mate, check and
// stalemate. The position's checked side is handed to the move rules.
SetupJudgement JudgeSetupPosition(const Position& position, MoveValidation::Colour own);

// A refusal of the set-up mode: MsgIcon::SetupRefusal, caption "Invalid setup",
// SoundCue::Information.
BoardMessage InvalidSetupMessage(std::string text);

// The warnings of a position no game could reach, one block per colour
// ("White warnings" / "Black warnings" and its indented lines), or the
// empty text when there is nothing to warn about. Kings are not counted.
std::string SetupWarnings(const BoardSquares& squares);

} // namespace BoardSupport
