#pragma once
// The board window: a thin view over the game controller. It lays out the
// board, the move list and the captions, forwards its events to the
// controller and paints what the controller says.

#include "board/board_host.h"
#include "board/board_menu_bar.h"
#include "board/board_panel.h"
#include "board/board_toolbar.h"
#include "board/computer_controls.h"
#include "board/game_end_controls.h"
#include "board/setup_controls.h"
#include "game/game_controller.h"

#include <QWidget>

class QMenu;

namespace BoardSupport {

// What the program tells the window when it opens.
struct BoardOptions {
    OpenRequest request;
    bool simpleUI = false;
    bool showToolTips = true;
    // Closing the board opens the game list (else the tray takes over).
    bool returnToGameList = true;
};

// The window composes its parts, each one concept with its own controls:
// the view (squares, move list, captions, comments), the toolbar and the
// commands behind it, the menu titles and popups, the set-up palette, the
// computer's search and the end of the game. The window itself opens the
// game, keeps the parts in step and closes.
class Board : public QWidget {
    Q_OBJECT
public:
    Board(BoardHost& port, Database::DataFolder folder);
    // A search still running is cancelled and its turn ended first.
    ~Board() override;

    // Opens the game: the layout (skinned or plain), then the game. False
    // when the window must close again: a failed skin, or a history that
    // could not be read (QuitRequest is then set).
    bool Form_Load(const BoardOptions& options);

    GameController& Game() { return game_; }
    const GameController& Game() const { return game_; }
    bool QuitRequest() const { return quitRequest_; }

    BoardPanel& View() { return view_; }
    BoardToolbar& Toolbar() { return toolbar_; }
    BoardMenuBar& MenuBar() { return menuBar_; }
    BoardMenus& Menus() { return menuBar_.Menus(); }
    SetupControls& Setup() { return setup_; }
    ComputerControls& Computer() { return computer_; }
    GameEndControls& GameEnd() { return gameEnd_; }

    bool SimpleUI() const { return simpleUI_; }
    bool ShowToolTips() const { return showToolTips_; }
    // The window's closing has begun (it may still be on screen meanwhile).
    bool Closing() const { return closing_; }
    bool ComputerThinking() const;

    // Redraws the squares, captions, comment panel and marks.
    void DisplayBoardState();
    // The set-up palette drawn again (after the chess set changed).
    void SetPiecePallete();
    void ShowBoardMessage(const BoardMessage& message);
    // Play mode from the game as it stands: after opening, or from set-up.
    void BeginGame();

    // ---- Window events (board_window_menus.cpp) ----
    // Activation after a new skin was applied: the buttons drawn again.
    void Form_Activate();
    bool SkinReapplied() const { return skinReapplied_; }

signals:
    // A popup menu opened (tests never wait on one).
    void MenuShown(QMenu* menu, QPoint global);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();

    BoardHost& port_;
    GameController game_;
    BoardPanel view_;
    BoardToolbar toolbar_;
    BoardMenuBar menuBar_;
    SetupControls setup_;
    ComputerControls computer_;
    GameEndControls gameEnd_;
    bool quitRequest_ = false;
    bool closing_ = false;
    bool simpleUI_ = false;
    bool showToolTips_ = true;
    // Closing the board opens the game list (else the tray takes over).
    bool returnToGameList_ = true;
    bool skinReapplied_ = false;
};

} // namespace BoardSupport
