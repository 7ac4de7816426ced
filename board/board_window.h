#pragma once
// The board window: a thin view over the game controller. It lays out the
// board, the move list and the captions, forwards its events to the
// controller and paints what the controller says.

#include "board/board_host.h"
#include "board/game_controller.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QTableWidget;

namespace Support {
class PictureClip;
}

namespace BoardSupport {

class BoardView;

// What the program tells the window when it opens.
struct BoardOptions {
    OpenRequest request;
    bool simpleUI = false;
    bool showToolTips = true;
};

class Board : public QWidget {
    Q_OBJECT
public:
    Board(BoardHost& port, Database::DataFolder folder);

    // Opens the game: the layout (skinned or plain), then the game. False
    // when the window must close again: a failed skin, or a history that
    // could not be read (QuitRequest is then set).
    bool Form_Load(const BoardOptions& options);

    GameController& Game() { return game_; }
    const GameController& Game() const { return game_; }
    bool QuitRequest() const { return quitRequest_; }

    // Commands of the toolbar and the menus.
    void ChangeView();
    void ToggleCoords();
    void ToggleHighlight();
    void SelectFirstMove();
    void SelectLastMove();
    void SelectRow(int row);

    // Redraws the squares, captions, comment panel and marks.
    void DisplayBoardState();

    // The end of the game (board_window_end.cpp): surrender and the draw
    // offer in place of a move, and the answer to the opponent's offer.
    void SurrenderGame();
    void OfferDraw();
    void DecideDraw(bool accept);
    // One tick of the board's timer.
    void CheckTimer_Timer();

    BoardView* CBoard = nullptr;
    QTableWidget* MoveList = nullptr;
    QLabel* PlayersTag = nullptr;
    QLabel* OpponentComment = nullptr;
    QLabel* PlayerComment_L = nullptr;
    QLineEdit* PlayerComment = nullptr;
    QMenu* HistoryMenu = nullptr;
    Support::PictureClip* ToolbarPics = nullptr;
    Support::PictureClip* SetupToolbarPics = nullptr;
    QTimer* CheckTimer = nullptr;
    QPushButton* AcceptDraw = nullptr;
    QPushButton* DeclineDraw = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateHistoryMenu();
    void CreateEndControls();
    void StartCheckTimer();
    void ShowDrawButtons();
    void SetSimpleUI();
    void SetToolTips(bool on);
    void BeginGame();
    void FillMoveList();
    void SetFormCaptions();
    void CenterSelected();
    void CBoard_MouseDown(Square square, Qt::MouseButton button);
    void CBoard_DragDrop(std::optional<Square> target);
    void PlayerComment_Validate();
    void ShowDropResult(const DropResult& result);
    void MoveList_SelChange();
    void MoveList_MouseUp(const QPoint& at);
    void Form_Unload();
    void ShowBoardMessage(const BoardMessage& message);

    BoardHost& port_;
    GameController game_;
    bool moveListBusy_ = false;
    bool quitRequest_ = false;
    bool windowClosing_ = false;
    bool unloaded_ = false;
    bool simpleUI_ = false;
    bool showToolTips_ = true;
    Square dragFrom_;
};

} // namespace BoardSupport
