#pragma once
// The computer's side of a game against it: whether its search runs, what
// the player's turn was before it began (a cancelled search gives it back),
// and what the last search reported for the comment panel.

#include "game/game_status.h"

#include <cstdint>
#include <utility>

namespace BoardSupport {

class ComputerPlay {
public:
    bool Thinking() const { return thinking_; }
    int LastMoveScore() const { return lastMoveScore_; }
    std::int64_t MovesConsidered() const { return movesConsidered_; }

    void Reset() { *this = ComputerPlay{}; }
    // Keeps the player's turn as it is before the computer's begins.
    void Keep(const GameStatus& status)
    {
        keptPlayerMayMove_ = status.playerMayMove;
        keptAwaitingOpponent_ = status.awaitingOpponent;
    }
    void Start() { thinking_ = true; }
    // False when no search was running.
    bool Stop() { return std::exchange(thinking_, false); }
    void GiveBack(GameStatus& status) const
    {
        status.playerMayMove = keptPlayerMayMove_;
        status.awaitingOpponent = keptAwaitingOpponent_;
    }
    void Record(int score, std::int64_t movesConsidered)
    {
        lastMoveScore_ = score;
        movesConsidered_ = movesConsidered;
    }

private:
    bool thinking_ = false;
    bool keptPlayerMayMove_ = false;
    bool keptAwaitingOpponent_ = false;
    int lastMoveScore_ = 0;
    std::int64_t movesConsidered_ = 0;
};

} // namespace BoardSupport
