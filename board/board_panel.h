#pragma once
// The board window's view of the game: the squares, the move list, the
// players' line, the comment panel and the comment box, and what a press,
// a drop or a selection there does.

#include "game/game_controller.h"

#include <QPoint>

#include <optional>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace BoardSupport {

class Board;
class BoardHost;
class BoardView;

class BoardPanel {
public:
    BoardPanel(Board& window, GameController& game, BoardHost& port);

    // The squares, the move list, the captions and the comment box, then
    // (created after the menu titles, below them) the plain layout's frame
    // round the comment area.
    void Create();
    void CreateCommentFrame();

    BoardView* Squares() const { return squares_; }
    QTableWidget* MoveList() const { return moveList_; }
    QLabel* PlayersTag() const { return playersTag_; }
    QLabel* OpponentComment() const { return opponentComment_; }
    // "Your comment:" over the box, "Thinking..." while the computer thinks.
    QLabel* CommentLabel() const { return commentLabel_; }
    QLineEdit* PlayerComment() const { return playerComment_; }
    QLabel* CommentFrame() const { return commentFrame_; }

    // The list's rows from the game's moves, the selected one in view.
    void FillMoveList();
    void SetFormCaptions();
    void CenterSelected();
    // A selection made here raises the same change as the user's.
    void SelectRow(int row);
    void SelectFirstMove();
    void SelectLastMove();

    // Commands of the toolbar and the menus.
    void ChangeView();
    void ToggleCoords();
    void ToggleHighlight();
    void RemoveHilight();
    // While set, a change of the list's selection is the window's own.
    void SetListBusy(bool busy) { moveListBusy_ = busy; }

private:
    void FitNotationRows();
    void CBoard_MouseDown(Square square, Qt::MouseButton button, QPoint global);
    void CBoard_DragDrop(std::optional<Square> target);
    void PlayerComment_Validate();
    void ShowDropResult(const DropResult& result);
    void MoveList_SelChange();
    void MoveList_MouseUp(const QPoint& at);

    Board& window_;
    GameController& game_;
    BoardHost& port_;
    BoardView* squares_ = nullptr;
    QTableWidget* moveList_ = nullptr;
    bool fittingRows_ = false;
    QLabel* playersTag_ = nullptr;
    QLabel* opponentComment_ = nullptr;
    QLabel* commentLabel_ = nullptr;
    QLineEdit* playerComment_ = nullptr;
    QLabel* commentFrame_ = nullptr;
    bool moveListBusy_ = false;
    Square dragFrom_;
};

} // namespace BoardSupport
