#pragma once
// The open game on the board, without a window: it loads a stored game or
// starts a new one, rebuilds the position at the selected row of the move
// list, and says what the window shows (the cell of every square, the
// captions, the comment panel, the move marks). The Board window forwards
// its events here and paints what this class answers.

#include "board/board_message.h"
#include "board/board_timer.h"
#include "board/captions.h"
#include "board/command_state.h"
#include "board/computer_reply.h"
#include "board/forced_draw.h"
#include "board/highlight.h"
#include "board/history_replay.h"
#include "board/move_saving.h"
#include "board/setup_mode.h"
#include "board/square_cells.h"
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
    int gameId = -1;                // CurrentGameID: -1 starts a new game
    std::string newGameOpponent;    // the new-game dialog's opponent's name
    std::string newGameName;        // ... the game's title
    std::string newGameEmail;       // ... the opponent's address
    std::string newGameOwnName;     // the name the player's mails carry
    bool newGameVsComputer = false; // ComputerGame for a new game
    bool defaultView = false;       // always open in White's view
    bool mailOffline = false;
    bool standAlone = false;
    bool newGameSetup = false; // NewGameSetup: a new game opens in set-up mode
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
    void ToggleCoords() { coordsShown_ = !coordsShown_; }
    void HideCoords() { coordsShown_ = false; }

    // The history menu's first item: marks the selected row's path, or
    // hides the marks when they are shown.
    void ToggleHighlight();
    void HilightMove(int row);
    void RemoveHilight();

    // On closing: a game the opponent's last entry ended gets its won,
    // lost or drawn status. False (with the message to show) when the
    // record could not be read or saved.
    std::optional<BoardMessage> SetGameStatus();

    // ---- Making a move ----
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
    int SelfCheckBlinks() const { return selfCheckBlinks_; }
    int StalemateBlinks() const { return stalemateBlinks_; }
    bool MateNoticeShown() const { return mateNoticeShown_; }
    // The undo snapshot of the last move and whether the game was ended by
    // resignation when it was taken.
    const BoardSnapshot& Snapshot() const { return snapshot_; }

    // ---- Game end, draws and surrender (game_end.cpp) ----
    // Each writes one special entry in place of a move, with the player's
    // king square as its coordinates and the comment box's text; Undo takes
    // it back through the snapshot. Afterwards the player can only send,
    // undo or close.
    void SurrenderGame(const std::string& comment);
    void OfferDraw(const std::string& comment);
    void DecideDraw(bool accept, const std::string& comment);
    // On opening: the opponent's offer waits for an answer, so the Accept
    // and Decline buttons show, the pieces freeze and the notice is due.
    void ConfirmDraw();
    bool DrawAnswerPending() const { return drawAnswerPending_; }
    bool DrawOfferNoticePending() const { return drawOfferNoticePending_; }
    // The toolbar's send button shows as Close.
    bool CloseAsClose() const;
    bool WonGame() const { return BoardSupport::WonGame(Facts()); }
    // The end-of-game notices, none when the game has not ended that way.
    std::optional<BoardMessage> MateMessage() const;
    std::optional<BoardMessage> DrawMessage() const;

    // ---- The board timer (board_timer.cpp) ----
    // One tick of the window's timer; its answer says the next interval.
    // Notices are shown through the given shower, each marked shown before
    // it opens, and ticks arriving while one is open do nothing.
    TickResult Tick(bool visible, NoticeShower& shower);
    void SetMessageOpen(bool open) { timer_.messageOpen = open; }
    void RequestQuit() { timer_.quitRequest = true; }
    // The window has not been shown since it opened the game: the once-only
    // notices are due again.
    void ResetNotices();
    const TimerState& Timer() const { return timer_; }
    // ---- The computer's reply (computer_reply.cpp) ----
    // The computer's turn begins: the player's side may no longer move. A
    // game already over (mate, resignation, a draw) is not searched.
    ComputerTurn BeginComputerMove();
    // The search's result played on the board and written as the
    // computer's row, or its resignation; a cancelled search changes
    // nothing. The turn ends either way.
    ComputerReply FinishComputerMove(const ComputerAI::SearchResult& result);
    bool ComputerThinking() const { return computerThinking_; }
    int LastMoveScore() const { return lastMoveScore_; }

    // ---- Saving, sending and undoing (move_sending.cpp) ----
    // Writes the last row (with the comment box's text as its comment) into
    // the game's record, a new record for a game not yet stored, with the
    // status the row leaves the game in. On failure nothing changes, on the
    // board or in the database, and the message says so. Once the player's
    // own row is stored it is no longer undone: the game awaits the answer.
    SaveResult SaveMove(const std::string& comment, const ClockReading& now);
    // Takes back the player's unsent last row: the board, the flags and
    // the move list as they were before it.
    void UndoLastMove();
    // The id the last save wrote under (SavedGameID), 0 before any.
    int SavedGameId() const { return savedGameId_; }
    // The player may not move now (set on opening, after a stored row and
    // around the computer's turn).
    bool AwaitingOpponent() const { return awaitingOpponent_; }
    // How Send and Resend deliver the stored game with the mail state the
    // board was opened with (mail polling waits while the board is open).
    MoveTransport Transport() const { return TransportFor(mailOffline_, standAlone_); }
    // The state of the toolbar's, the menus' and the comment box's
    // commands, from the game's state as it is now.
    CommandInputs Commands() const;
    CommandState CommandStates() const { return ComputeCommandState(Commands()); }

    // ---- Set-up mode (setup_mode.cpp) ----
    // The player builds a new game's start position, beginning from the
    // standard one. Every change is judged at once and a refused one puts
    // the board back as it was.
    void BeginBoardSetup();
    bool SetupMode() const { return setupMode_; }
    // The new game was set up by the player (its start position is theirs).
    bool NewGameSetup() const { return newGameSetup_; }
    // Any piece on the board may be picked up; an empty square gives nothing.
    PickUpResult SetupPickUp(Square square) const;
    // One drop: onto a square (replacing what stood there) or, with no
    // target, off the board (the piece leaves it). A palette piece dropped
    // off the board changes nothing.
    SetupChange PlaceSetupPiece(SetupSource source, std::optional<Square> target);
    // Every piece of one code leaves the board, except those whose removal
    // the rules refuse; one message tells of them all.
    SetupChange RemovePieces(int piece);
    // The toolbar's Reset and Clear: the standard start, an empty board.
    void SetupReset();
    void SetupClear();
    SetupPalette UpdatePiecePalette() const;
    // The check before play: what no game may start from is refused, what
    // no game could reach is listed for the player to accept.
    SetupCheck SetupValid() const;
    // Play from the set-up position: it becomes the game's start position,
    // the player takes White and moves first.
    void BeginSetupGame();

    // ---- What the window shows ----
    int CellAt(Square square) const;
    // The caption and the players' tag are written when the game opens
    // (and when the computer's reply is stored): they tell whose turn the
    // stored game is at, not the row browsed, the unsent move or the
    // computer's search.
    FormCaptions Captions() const;
    CommentPanel Comment() const;
    const std::vector<Square>& Marks() const { return marks_; }
    bool HilightShown() const { return hilightShown_; }
    bool CoordsShown() const { return coordsShown_; }
    // "Show hilight" or "Remove hilight", and the history items' enabling.
    std::string HighlightItemCaption() const;
    bool HighlightItemEnabled() const { return Entries() >= 1; }
    bool FirstLastItemsEnabled() const { return Entries() >= 2; }

    // ---- The game's state ----
    const Position& CurrentPosition() const { return position_; }
    const MoveList& Moves() const { return moves_; }
    int Entries() const { return static_cast<int>(moves_.size()); }
    int SelectedRow() const { return selectedRow_; }
    int GameId() const { return gameId_; }
    int ViewColour() const { return viewColour_; }
    MoveValidation::Colour PlayerColour() const { return playerColour_; }
    bool PlayerIsHost() const { return playerIsHost_; }
    bool PlayerMayMove() const { return playerMayMove_; }
    bool Checkmated() const { return checkmated_; }
    bool Surrendered() const { return surrendered_; }
    bool GameDrawn() const { return gameDrawn_; }
    bool DrawOffered() const { return drawOffered_; }
    bool ComputerGame() const { return computerGame_; }
    int BoardGameStatus() const { return boardGameStatus_; }
    const std::string& InitialBoardState() const { return initialBoardState_; }
    const std::string& WhitePlayerName() const { return whitePlayerName_; }
    const std::string& BlackPlayerName() const { return blackPlayerName_; }
    // A new game's title as it was opened with it, stored with its first move.
    const std::string& NewGameName() const { return newGameName_; }
    GameFacts Facts() const;
    const Database::DataFolder& Folder() const { return folder_; }

private:
    void SetupOptions();
    bool SetMoves(const OpenRequest& request);
    OpenResult SetBoardState();
    ReplayRules Rules() const;
    void Apply(const ReplayResult& replay);
    void SetFormCaptions();

    // A move between the self-check test and its row (move_making.cpp).
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
    // An entry made in place of a move, written on the maker's king square.
    void AppendSpecialEntry(const char* text, const std::string& comment, MoveValidation::Colour maker);
    void FlashKing(int king);
    void EndFlash();
    // A flashing king hidden at this moment is shown, and stays shown for
    // the flash's longer half.
    void ShowKing();
    void Blink(int& counter, int king);
    Move PreviousMove() const;

    Database::DataFolder folder_;
    Position start_;
    Position position_;
    MoveList moves_;
    int selectedRow_ = 0;
    int gameId_ = -1;
    std::string initialBoardState_;
    std::string whitePlayerName_;
    std::string blackPlayerName_;
    bool playerIsHost_ = true;
    MoveValidation::Colour playerColour_ = MoveValidation::White;
    int viewColour_ = 0;
    int boardGameStatus_ = 0;
    bool computerGame_ = false;
    bool mailOffline_ = false;
    bool standAlone_ = false;
    std::string newGameName_;
    std::string newGameEmail_;
    std::string newGameOwnName_;
    int savedGameId_ = 0;
    FormCaptions captions_;
    bool awaitingOpponent_ = false;
    bool keptAwaitingOpponent_ = false;
    bool playerMayMove_ = false;
    bool checkmated_ = false;
    bool surrendered_ = false;
    bool gameDrawn_ = false;
    bool drawOffered_ = false;
    bool coordsShown_ = false;
    bool hilightShown_ = false;
    std::vector<Square> marks_;
    BoardSnapshot snapshot_;
    BoardSquares drawnSquares_;
    std::optional<PendingMove> pending_;
    int selfCheckBlinks_ = 0;
    int stalemateBlinks_ = 0;
    bool mateNoticeShown_ = false;
    bool drawNoticeShown_ = false;
    bool drawAnswerPending_ = false;
    bool drawOfferNoticePending_ = false;
    TimerState timer_;
    bool computerThinking_ = false;
    bool keptPlayerMayMove_ = false;
    int lastMoveScore_ = 0;
    std::int64_t movesConsidered_ = 0;
    ComputerReply PlayComputerMove(const ComputerAI::SearchResult& result);
    void AppendComputerResignation();
    SetupChange JudgeSetupChange(int movedPiece);
    void ResetSetupBoard(bool emptyBoard);
    bool setupMode_ = false;
    bool newGameSetup_ = false;
};

} // namespace BoardSupport
