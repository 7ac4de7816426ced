#pragma once
// The board's set-up mode: the player builds a new game's start position,
// beginning from the standard one, on the game's own board. Every change is
// judged at once and a refused one puts the board back as it was.

#include "game/board_timer.h"
#include "game/game_status.h"
#include "game/move_history.h"
#include "game/setup_mode.h"

#include <optional>

namespace BoardSupport {

struct PickUpResult;

class SetupSession {
public:
    SetupSession(MoveHistory& history, GameStatus& status, BoardTimer& timer)
        : history_(history), status_(status), timer_(timer)
    {
    }
    SetupSession(const SetupSession&) = delete; // it works on its own game's board
    SetupSession& operator=(const SetupSession&) = delete;

    bool Active() const { return active_; }
    // The standard start on the board, the mode on.
    void Begin();
    // The mode off; the board keeps its set-up position.
    void End() { active_ = false; }

    // Any piece on the board may be picked up; an empty square gives nothing.
    PickUpResult PickUp(Square square) const;
    // One drop: onto a square (replacing what stood there) or, with no
    // target, off the board (the piece leaves it). A palette piece dropped
    // off the board changes nothing.
    SetupChange Place(SetupSource source, std::optional<Square> target);
    // Every piece of one code leaves the board, except those whose removal
    // the rules refuse; one message tells of them all.
    SetupChange RemovePieces(int piece);
    // The toolbar's Reset and Clear: the standard start, an empty board.
    void Reset() { ResetBoard(false); }
    void Clear() { ResetBoard(true); }
    SetupPalette UpdatePiecePalette() const;
    // The check before play: what no game may start from is refused, what
    // no game could reach is listed for the player to accept.
    SetupCheck Valid() const;

private:
    SetupChange Judge(int movedPiece);
    void ResetBoard(bool emptyBoard);

    MoveHistory& history_;
    GameStatus& status_;
    BoardTimer& timer_;
    bool active_ = false;
};

} // namespace BoardSupport
