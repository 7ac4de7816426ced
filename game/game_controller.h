#pragma once
// The open game on the board, without a window: it loads a stored game or
// starts a new one, rebuilds the position at the selected row of the move
// list, and says what the window shows (the cell of every square, the
// captions, the comment panel, the move marks). The Board window forwards
// its events here and paints what this class answers.
//
// The controller is made of parts of one concept each, which the window
// reads through the accessors: the move list and its position (History),
// where the game stands (Status), who plays it and where it is stored
// (Info), what the timer shows (Timer), the marks over the board (Marks),
// the set-up mode (Setup), the computer's side (Computer) and what the
// window shows of them (Display). What spans them (opening, a move, its
// save, the game's end, the computer's turn) is the controller's. The parts
// that work on another part's state hold a reference to it, declared after
// it below.

#include "game/board_message.h"
#include "game/board_timer.h"
#include "game/captions.h"
#include "game/command_state.h"
#include "game/computer_play.h"
#include "game/computer_reply.h"
#include "game/forced_draw.h"
#include "game/game_display.h"
#include "game/game_info.h"
#include "game/game_status.h"
#include "game/history_replay.h"
#include "game/move_history.h"
#include "game/move_marks.h"
#include "game/move_saving.h"
#include "game/new_game_request.h"
#include "game/setup_mode.h"
#include "game/setup_session.h"
#include "game/square_cells.h"
#include "rules/position.h"
#include "rules/refusal.h"
#include "rules/search.h"
#include "rules/validation.h"
#include "store/data_folder.h"
#include "store/game_record.h"

#include <optional>
#include <string>

namespace BoardSupport {

// What the program tells the board about the game to open.
struct OpenRequest {
    int gameId = -1; // the stored game (CurrentGameID); -1 starts a new game
    // A new game as its starter asked for it; its presence starts one.
    std::optional<NewGameRequest> newGame;
    std::string newGameOwnName; // the name the player's mails carry
    bool defaultView = false;   // always open in White's view
    bool mailOffline = false;
    bool standAlone = false;
};

// Whether a pressed piece may be picked up.
struct PickUpResult {
    bool allowed = false;
    int dragIcon = 0;                 // the IconSet image of the piece
    std::optional<BoardMessage> note; // why not, when the player is told
};

// What a drop did.
struct DropResult {
    enum Outcome {
        Nothing,        // dropped on its own square, or nothing was picked up
        Refused,        // the position is as before
        NeedsPromotion, // a pawn reached the last row: Promote with the choice
        Made,           // a new last row of the move list
    };
    Outcome outcome = Nothing;
    MoveValidation::Refusal refusal = MoveValidation::Refusal::None;
    bool selfCheck = false;             // refused: it would leave the king in check
    std::vector<BoardMessage> messages; // to show in order
    std::string notation;
    int checkedSide = NoSideChecked;
    bool checkmated = false;
    bool stalemate = false;
    ForcedDraw forcedDraw = NoForcedDraw;
    bool checkSound = false;                   // sound cue 2
    std::optional<std::string> cleanedComment; // the comment box's new text
};

struct OpenResult {
    bool ok = false;                     // false: the window closes again
    std::optional<BoardMessage> message; // a database error, or a damaged move list
};

class GameController {
public:
    explicit GameController(Database::DataFolder folder);

    // The open order: the per-game state reset, the moves and the game's
    // record loaded, then play mode at the last row.
    OpenResult Open(const OpenRequest& request);
    // The move list's selection changed: the position at that row.
    void SelectRow(int row);
    // The view from the other side.
    void ChangeView();
    // On closing: a game the opponent's last entry ended gets its won,
    // lost or drawn status. False (with the message to show) when the
    // record could not be read or saved.
    std::optional<BoardMessage> SetGameStatus();

    // ---- Making a move (game_controller_moves.cpp) ----
    // pressClearedMarks: this press has just hidden the move marks or the
    // coordinates, so a refused pick-up says nothing.
    PickUpResult PickUp(Square square, bool pressClearedMarks) const;
    // The pipeline of a move: validation, the undo snapshot, the self-check
    // test, promotion, castling, en passant, check, mate, stalemate and the
    // forced draw, then the new row with its notation and comment.
    DropResult Drop(Square from, Square to, const std::string& comment);
    // The piece the player chose for a pawn that reached the last row.
    DropResult Promote(MoveValidation::PieceCode chosen);
    bool PromotionPending() const { return pending_.has_value(); }

    // ---- Game end, draws and surrender (game_controller_end.cpp) ----
    // Each writes one special entry in place of a move, with the player's
    // king square as its coordinates and the comment box's text; Undo takes
    // it back through the snapshot. Afterwards the player can only send,
    // undo or close.
    void SurrenderGame(const std::string& comment);
    void OfferDraw(const std::string& comment);
    void DecideDraw(bool accept, const std::string& comment);

    // ---- The board timer (game_controller_timer.cpp) ----
    // One tick of the window's timer; its answer says the next interval.
    // Notices are shown through the given shower, each marked shown before
    // it opens, and ticks arriving while one is open do nothing.
    TickResult Tick(bool visible, NoticeShower& shower);

    // ---- The computer's reply (game_controller_computer.cpp) ----
    // The computer's turn begins: the player's side may no longer move. A
    // game already over (mate, resignation, a draw) is not searched.
    ComputerTurn BeginComputerMove();
    // The search's result played on the board and written as the
    // computer's row, or its resignation; a cancelled search changes
    // nothing. The turn ends either way.
    ComputerReply FinishComputerMove(const ComputerAI::SearchResult& result);

    // ---- Saving, sending and undoing (game_controller_saving.cpp) ----
    // Writes the last row (with the comment box's text as its comment) into
    // the game's record, a new record for a game not yet stored, with the
    // status the row leaves the game in. On failure nothing changes, on the
    // board or in the database, and the message says so. Once the player's
    // own row is stored it is no longer undone: the game awaits the answer.
    SaveResult SaveMove(const std::string& comment, const ClockReading& now);
    // Takes back the player's unsent last row: the board, the flags and
    // the move list as they were before it.
    void UndoLastMove();

    // ---- Set-up mode (game_controller_setup.cpp; the changes are the Setup part's) ----
    void BeginBoardSetup();
    // Play from the set-up position: it becomes the game's start position,
    // the player takes White and moves first.
    void BeginSetupGame();

    // ---- The parts ----
    const MoveHistory& History() const { return history_; }
    const GameStatus& Status() const { return status_; }
    const GameInfo& Info() const { return info_; }
    const BoardTimer& Timer() const { return timer_; }
    BoardTimer& Timer() { return timer_; }
    const MoveMarks& Marks() const { return marks_; }
    MoveMarks& Marks() { return marks_; }
    const SetupSession& Setup() const { return setup_; }
    SetupSession& Setup() { return setup_; }
    const ComputerPlay& Computer() const { return computer_; }
    // What the window shows: the squares' pictures, the captions, the
    // comment, the commands' state.
    const GameDisplay& Display() const { return display_; }

private:
    bool SetMoves(const OpenRequest& request);
    OpenResult SetBoardState();
    void SetFormCaptions();
    // On opening: the opponent's offer waits for an answer, so the Accept
    // and Decline buttons show, the pieces freeze and the notice is due.
    void ConfirmDraw();

    // A move between the self-check test and its row (game_controller_moves.cpp).
    struct PendingMove {
        Move move;
        int piece;
        MoveValidation::CaptureMode capture;
        int castleMarker;
        MoveValidation::CastleType castle;
        MoveValidation::EnPassantCapture enPassant;
        Move previous;
        std::string comment;
    };
    DropResult Finish(PendingMove move, int landingPiece, DropResult result);

    GameInfo info_;
    MoveHistory history_;
    GameStatus status_;
    BoardTimer timer_;
    MoveMarks marks_{history_};
    SetupSession setup_{history_, status_, timer_};
    ComputerPlay computer_;
    GameDisplay display_{info_, status_, history_, timer_, marks_, setup_, computer_};
    std::optional<PendingMove> pending_;
};

// The end-of-game notices, none when the game has not ended that way
// (game_end.cpp).
std::optional<BoardMessage> MateMessage(const GameController& game);
std::optional<BoardMessage> DrawMessage(const GameController& game);

} // namespace BoardSupport
