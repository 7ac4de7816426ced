#pragma once
// The open game on the board, without a window: it loads a stored game or
// starts a new one, rebuilds the position at the selected row of the move
// list, and says what the window shows (the cell of every square, the
// captions, the comment panel, the move marks). The Board window forwards
// its events here and paints what this class answers.

#include "board/captions.h"
#include "board/highlight.h"
#include "board/history_replay.h"
#include "board/square_cells.h"
#include "rules/position.h"
#include "store/data_folder.h"
#include "store/game_record.h"

#include <optional>
#include <string>

namespace BoardSupport {

// What the program tells the board about the game to open.
struct OpenRequest {
    int gameId = -1;                  // CurrentGameID: -1 starts a new game
    std::string newGameOpponent;      // the new-game dialog's opponent's name
    bool newGameVsComputer = false;   // ComputerGame for a new game
    bool defaultView = false;         // always open in White's view
    bool mailOffline = false;
    bool standAlone = false;
};

// A message for the window to show: caption, text ("|" breaks a line),
// message icon and sound cue.
struct BoardMessage {
    int icon = 1;
    std::string caption;
    std::string text;
    int soundCue = 0;
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

    // ---- What the window shows ----
    int CellAt(Square square) const;
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
    GameFacts Facts() const;

private:
    void SetupOptions();
    bool SetMoves(const OpenRequest& request);
    OpenResult SetBoardState();
    ReplayRules Rules() const;
    void Apply(const ReplayResult& replay);

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
    bool playerMayMove_ = false;
    bool checkmated_ = false;
    bool surrendered_ = false;
    bool gameDrawn_ = false;
    bool drawOffered_ = false;
    bool coordsShown_ = false;
    bool hilightShown_ = false;
    std::vector<Square> marks_;
};

} // namespace BoardSupport
