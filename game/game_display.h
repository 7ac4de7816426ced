#pragma once
// What the window shows of the open game, read from the controller's
// parts: the picture of every square, the captions, the comment panel and
// which commands are on.

#include "game/board_timer.h"
#include "game/captions.h"
#include "game/command_state.h"
#include "game/computer_play.h"
#include "game/game_info.h"
#include "game/game_status.h"
#include "game/move_history.h"
#include "game/move_marks.h"
#include "game/setup_session.h"

namespace BoardSupport {

class GameDisplay {
public:
    GameDisplay(const GameInfo& info, const GameStatus& status, const MoveHistory& history,
                const BoardTimer& timer, const MoveMarks& marks, const SetupSession& setup,
                const ComputerPlay& computer)
        : info_(info), status_(status), history_(history), timer_(timer), marks_(marks), setup_(setup),
          computer_(computer)
    {
    }
    GameDisplay(const GameDisplay&) = delete; // it shows its own game's parts
    GameDisplay& operator=(const GameDisplay&) = delete;

    int CellAt(Square square) const;
    // The caption and the players' tag are written when the game opens
    // (and when the computer's reply is stored): they tell whose turn the
    // stored game is at, not the row browsed, the unsent move or the
    // computer's search.
    FormCaptions Captions() const;
    const FormCaptions& WriteCaptions();
    CommentPanel Comment() const;
    // What the captions and the comment panel are written from.
    GameFacts Facts() const;
    // The state of the toolbar's, the menus' and the comment box's
    // commands, from the game's state as it is now.
    CommandInputs Commands() const;
    // Whether the draw's picture stands in the logo's place: only while the
    // row shown is the opponent's offer, awaiting the player's answer there.
    // An answered offer (declined, accepted) gives the place back to the
    // program's logo; an Undo of the answer brings the offer back.
    bool DrawLogoShown() const;

private:
    const GameInfo& info_;
    const GameStatus& status_;
    const MoveHistory& history_;
    const BoardTimer& timer_;
    const MoveMarks& marks_;
    const SetupSession& setup_;
    const ComputerPlay& computer_;
    FormCaptions captions_;
};

} // namespace BoardSupport
