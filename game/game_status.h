#pragma once
// Where the open game stands, as one value the controller keeps and the
// window reads: how it ended, the draw offer, and whether the player may
// move. The facts are kept apart because the move list sets them apart: the
// replay of a row reads the end and the offer from the entries, while the
// answer still owed to an offer and the wait for the opponent's mail come
// from the game as it was opened and stored.

#include "game/history_replay.h"

namespace BoardSupport {

struct GameStatus {
    bool checkmated = false;
    bool surrendered = false;
    bool gameDrawn = false;
    bool drawOffered = false;       // an offer stands at the row shown
    bool drawAnswerPending = false; // the opponent's offer waits for the player's answer
    bool playerMayMove = false;     // the row shown is the player's turn
    bool awaitingOpponent = false;  // the player's row is stored: the opponent's answer is due

    // Mate, a resignation or a draw: nothing more is played.
    bool Over() const { return checkmated || surrendered || gameDrawn; }
    // The player's pieces may be picked up (a standing offer freezes them).
    bool PiecesFree() const { return playerMayMove && !drawOffered; }
    // The end, the offer and the turn as the replay of a row reads them.
    void Replayed(const ReplayResult& replay)
    {
        surrendered = replay.surrendered;
        gameDrawn = replay.gameDrawn;
        drawOffered = replay.drawOffered;
        checkmated = replay.checkmated;
        playerMayMove = replay.playerMayMove;
    }
};

} // namespace BoardSupport
