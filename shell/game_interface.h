#pragma once
// The game list window: every stored game in a grid, a toolbar to play the
// selected game or start a new e-mail, computer or set-up game, and a menu
// bar of four menus (File, Sort, Game, Help). What the list shows comes from
// its window-free model (game_list_model.h); the window lays it out in the
// skinned or the plain look and carries out the commands.
//
// Without a tray icon this window is the program's main window: closing it
// ends the program.

#include "foundation/press_label.h"
#include "shell/game_list_menus.h"
#include "shell/game_list_model.h"
#include "shell/new_game_kind.h"
#include "shell/tray_services.h"

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QPushButton;
class QTableWidget;

namespace Support {

class PictureClip;

// What the list asks of the rest of the program.
struct GameListServices {
    SysTraySupport::BoardPort* Board = nullptr;
    SysTraySupport::MailPort* Mail = nullptr;
    // The new-game dialog, for a game of the kind the command chose.
    std::function<void(QWidget& owner, const NewGameKind& kind)> StartNewGame;
    // The two printouts of a stored game.
    std::function<void(int gameId, QWidget& owner)> PrintGameDiagrams;
    std::function<void(int gameId, QWidget& owner)> PrintGameNotation;
    // The tray's icon from the database, and its games menu.
    std::function<void()> UpdateTrayState;
    std::function<void()> PopulateTrayGameMenu;
    // The list closed without a tray icon: the program ends.
    std::function<void()> EndProgram;
    // The mail account dialog, applied at once.
    std::function<void()> ChangeMailAccount;
};

// The toolbar buttons, by their index.
enum GameListToolbarButton : int {
    ToolbarPlay = 1,
    ToolbarNewEmailGame = 2,
    ToolbarNewComputerGame = 3,
    ToolbarNewSetupGame = 4
};

class GameInterface : public QWidget {
    Q_OBJECT
public:
    GameInterface(GameListModel& model, GameListServices services);
    ~GameInterface() override;

    // Lays the window out, skinned or plain, and fills the list. False when
    // the skin could not be applied: the window must be closed unshown.
    bool Form_Load();

    // The one routine that rebuilds the list; the sort is kept by the model.
    void FillGameList(int sortColumn, const QString& sortOrder,
                      std::optional<int> selectGameId = std::nullopt);
    // The same with the model's sort.
    void Refill(std::optional<int> selectGameId = std::nullopt);

    void DeleteGame();
    void PlayCurrentGame();
    void GetGames(bool readLocal);
    void SetSimpleUI();
    void RefreshInterfaceButtons();
    void SetToolbarButton(int index, bool enabled);
    void Toolbar1_Click(int index);

    std::optional<int> SelectedGameId() const { return model_.SelectedGameId(); }
    // The topic of the Help menu's "Help": the board's while a board is
    // open, else the list's.
    int HelpMenuTopic() const;
    GameListModel& Model() { return model_; }
    const GameListServices& Services() const { return services_; }
    bool SimpleLayout() const { return simpleUI_; }

    // Controls, by the names the skin and the tests look up.
    QTableWidget* GameList;
    PictureClip* InterfaceButtons;
    QList<QPixmap> StatusIcons;
    std::array<PressLabel*, 4> Toolbar1{};   // index - 1
    std::array<QPushButton*, 4> Toolbar1S{}; // index - 1
    PressLabel* FileMenu_L;
    PressLabel* SortMenu_L;
    PressLabel* GameMenu_L;
    PressLabel* HelpMenu_L;
    PressLabel* FileMenuButton;
    PressLabel* SortMenuButton;
    PressLabel* GameMenuButton;
    PressLabel* HelpMenuButton;
    PressLabel* HelpButton;
    PressLabel* MinimiseButton;
    PressLabel* HideButton;
    GameListMenus Menus;

    // Grid events, by the row under the pointer (-1: the header).
    void GameList_DblClick(int row);
    void GameList_RightClick(int row, const QPoint& globalPos);
    void GameList_HeaderClick(int column, Qt::MouseButton button);

    // The window has loaded and not yet unloaded: the game list is shown.
    bool Loaded() const { return loaded_; }

signals:
    // A menu popped up (for tests, which never wait on one).
    void MenuShown(QMenu* menu);
    // The window has closed; it is deleted later.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenuBar();
    void CreateToolbar();
    void CreateWindowButtons();
    void CreateGrid();
    void SetToolTips();
    void ShowFill(const GameListFill& fill);
    void ApplyCommandStates(const GameListFill& fill);
    void PopUp(QMenu& menu, const QPoint& globalPos);
    void Form_Unload();
    bool HandleKey(int key);
    void Toolbar1_Face(int index, bool pressed);

    GameListModel& model_;
    GameListServices services_;
    bool simpleUI_ = false;
    bool unloaded_ = false;
    bool loaded_ = false;
};

// Whether a move can be sent: on-line, or moves travel as files.
bool MovesCanBeSent();

} // namespace Support
