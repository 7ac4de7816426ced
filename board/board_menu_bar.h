#pragma once
// The board's menu titles (the plain layout's Game, History and Help), the
// skinned layout's menu buttons, help and minimise buttons, the logo and
// the draw offer's picture in its place; and the popups they, the right
// click and the move marks open.

#include "board/board_menus.h"

#include <QPoint>

class QLabel;
class QMenu;
class QWidget;

namespace Support {
class PressLabel;
} // namespace Support

namespace BoardSupport {

class Board;
class BoardHost;
class GameController;

class BoardMenuBar {
public:
    BoardMenuBar(Board& window, GameController& game, BoardHost& port);

    // The titles, buttons and logos; the menus' items connected to the
    // board; the marks and coordinate labels on the board answered.
    void Create();

    BoardMenus& Menus() { return menus_; }
    Support::PressLabel* GameTitle() const { return gameTitle_; }
    Support::PressLabel* HistoryTitle() const { return historyTitle_; }
    Support::PressLabel* HelpTitle() const { return helpTitle_; }
    Support::PressLabel* GameButton() const { return gameButton_; }
    Support::PressLabel* HistoryButton() const { return historyButton_; }
    Support::PressLabel* HelpButton() const { return helpButton_; }
    Support::PressLabel* MinimiseButton() const { return minimiseButton_; }
    Support::PressLabel* Logo() const { return logo_; }
    QLabel* DrawLogo() const { return drawLogo_; }

    // Shows a menu at the pointer (nothing while the computer thinks).
    void PopUp(QMenu& menu, QPoint global);
    // A menu's command still belongs to this board's game: the window has
    // not closed and holds the game the menu was shown for.
    bool MenuStillApplies() const;
    // No menu while the computer thinks: its Close and Options would pull
    // the game or the chess set away from under the search.
    void EnableTitles(bool enabled);

    // Press handlers of the menu titles and menu buttons, the move marks
    // and the coordinate labels on the board (global: the pointer).
    void GameMenu_MouseDown(QWidget* control, Qt::MouseButton button);
    void HistoryMenu_MouseDown(QWidget* control, Qt::MouseButton button);
    void HelpMenu_L_MouseDown(Qt::MouseButton button);
    void MovePointer_MouseDown(Qt::MouseButton button, QPoint global);
    void Coord_MouseDown(Qt::MouseButton button);

    // The options window, then the chosen chess set drawn; a set that
    // cannot be loaded closes the board.
    void ShowOptions();
    // The board as it is shown, through the print options dialog.
    void PrintCurrentBoardState();

private:
    void ApplyMenuStates();
    bool InSetupMode() const;

    Board& window_;
    GameController& game_;
    BoardHost& port_;
    BoardMenus menus_;
    Support::PressLabel* gameTitle_ = nullptr;
    Support::PressLabel* historyTitle_ = nullptr;
    Support::PressLabel* helpTitle_ = nullptr;
    Support::PressLabel* gameButton_ = nullptr;
    Support::PressLabel* historyButton_ = nullptr;
    Support::PressLabel* helpButton_ = nullptr;
    Support::PressLabel* minimiseButton_ = nullptr;
    Support::PressLabel* logo_ = nullptr;
    QLabel* drawLogo_ = nullptr;
    int menuGameId_ = -1;
};

} // namespace BoardSupport
