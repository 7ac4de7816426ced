#pragma once
// The board window: a thin view over the game controller. It lays out the
// board, the move list and the captions, forwards its events to the
// controller and paints what the controller says.

#include "board/board_host.h"
#include "board/board_menus.h"
#include "board/computer_search.h"
#include "board/game_controller.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTableWidget;

namespace Support {
class ButtonFace;
class PictureClip;
class PressLabel;
class SkinnedButton;
} // namespace Support

namespace BoardSupport {

class BoardView;
class PiecePalette;
class SetupTrash;

// What the program tells the window when it opens.
struct BoardOptions {
    OpenRequest request;
    bool simpleUI = false;
    bool showToolTips = true;
    // Closing the board opens the game list (else the tray takes over).
    bool returnToGameList = true;
};

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

    // Commands of the toolbar and the menus.
    void ChangeView();
    void ToggleCoords();
    void ToggleHighlight();
    void SelectFirstMove();
    void SelectLastMove();
    void SelectRow(int row);

    // Redraws the squares, captions, comment panel and marks.
    void DisplayBoardState();

    // ---- Menus and window events (board_window_menus.cpp) ----
    // The options window, then the chosen chess set drawn; a set that
    // cannot be loaded closes the board.
    void ShowOptions();
    // The board as it is shown, through the print options dialog.
    void PrintCurrentBoardState();
    // A menu's command still belongs to this board's game: the window has
    // not closed and holds the game the menu was shown for.
    bool MenuStillApplies() const;
    // Press handlers of the menu titles and menu buttons, the move marks
    // and the coordinate labels on the board (global: the pointer).
    void GameMenu_MouseDown(QWidget* control, Qt::MouseButton button);
    void HistoryMenu_MouseDown(QWidget* control, Qt::MouseButton button);
    void HelpMenu_L_MouseDown(Qt::MouseButton button);
    void MovePointer_MouseDown(Qt::MouseButton button, QPoint global);
    void Coord_MouseDown(Qt::MouseButton button);
    void HelpButton_Click();
    void MDLogo_Click();
    void MinimiseButton_Click();
    // Activation after a new skin was applied: the buttons drawn again.
    void Form_Activate();
    bool SkinReapplied() const { return skinReapplied_; }
    BoardMenus Menus;

    // The end of the game (board_window_end.cpp): surrender and the draw
    // offer in place of a move, and the answer to the opponent's offer.
    void SurrenderGame();
    void OfferDraw();
    void DecideDraw(bool accept);
    // One tick of the board's timer.
    void CheckTimer_Timer();
    // The computer's answer to the player's saved move (board_computer.cpp):
    // it thinks on a worker thread while the window stays responsive, then
    // plays its move, resigns, or, cancelled, leaves the game as it was.
    void MakeComputerMove();
    void CancelSearchFace_Click();
    bool ComputerThinking() const { return computerSearch_->Running(); }
    // The window's closing has begun (it may still be on screen meanwhile).
    bool Closing() const { return windowClosing_; }
    // The engine the computer searches with (the real one unless a test
    // stands in); it must outlive the window.
    void SetSearchEngine(SearchEngine& engine) { engine_ = &engine; }
    // Called after the computer's row was added, before the turn returns to
    // the player: stores the game with the computer's move (SaveComputerMove
    // unless a test stands in).
    std::function<void()> ComputerMoveMade;

    // ---- The toolbar and the commands behind it (board_toolbar.cpp) ----
    // The menus run the same commands: ToolbarClick with the button's
    // index does what the button does, and nothing while it is disabled.
    void ToolbarClick(int index);
    // Lays the toolbar out for the mode and applies the command state.
    void DisplayToolbar();
    // Applies the command state after the game's state changed (play mode).
    void SetButtonEnable();
    void RefreshBoardButtons();
    bool SetupMode() const { return game_.Setup().Active(); }
    // The state the toolbar, the draw buttons and the comment box show
    // now; the menus take their items' enabling and captions from it.
    const CommandState& Commands() const { return commands_; }
    // Told every time the command state is applied in play mode.
    std::function<void(const CommandState&)> CommandsChanged;
    // Stores the last row; false (after saying why) when it could not be.
    bool SaveMove();
    // Stores the player's row, hands the game to the mail or a move file,
    // and closes the window; a row that could not be stored stays, unsent.
    void SendNewMove();
    // Hands the stored game over again and closes the window.
    void ResendLastMove();
    // Takes back the player's unsent row.
    void UndoLastMove();
    // Stores the computer's row and backs the database up.
    void SaveComputerMove();

    // ---- Set-up mode (board_window_setup.cpp) ----
    // The toolbar's Reset, Clear and Play in set-up mode. Play checks the
    // position (a refusal, or warnings the player accepts or cancels) and
    // begins the game from it; false when the board stays in set-up mode.
    void SetupReset();
    void SetupClear();
    bool SetupPlay();
    bool SetupPlayEnabled() const { return game_.Setup().UpdatePiecePalette().playEnabled; }
    // The palette menu's "Remove every piece" for the piece last
    // right-clicked in the palette (PalettePiece).
    void RemovePieces(int piece);
    int PalettePiece() const { return palettePiece_; }
    // The palette's pictures from the current chess set (again after the
    // set changed), then its king marks.
    void SetPiecePallete();
    void UpdatePiecePalette();

    BoardView* CBoard = nullptr;
    PiecePalette* PiecePallete = nullptr;
    SetupTrash* Trash = nullptr;
    QMenu* PiecePalleteMenu = nullptr;
    QTableWidget* MoveList = nullptr;
    QLabel* PlayersTag = nullptr;
    QLabel* OpponentComment = nullptr;
    QLabel* PlayerComment_L = nullptr;
    QLineEdit* PlayerComment = nullptr;
    QMenu* HistoryMenu = nullptr;
    QProgressBar* SearchProgress = nullptr;
    Support::SkinnedButton* CancelSearch = nullptr;
    QPushButton* CancelSearchS = nullptr;
    Support::PictureClip* ToolbarPics = nullptr;
    Support::PictureClip* SetupToolbarPics = nullptr;
    QTimer* CheckTimer = nullptr;
    // The answers to the opponent's draw offer: skinned buttons with their
    // plain twins.
    Support::SkinnedButton* AcceptDraw = nullptr;
    Support::SkinnedButton* DeclineDraw = nullptr;
    QPushButton* AcceptDrawS = nullptr;
    QPushButton* DeclineDrawS = nullptr;
    // The toolbar, items 1..7: skinned pictures with their click targets,
    // and the plain twins.
    std::array<QLabel*, ToolbarButtons + 1> Toolbar1{};
    std::array<Support::ButtonFace*, ToolbarButtons + 1> Toolbar1Face{};
    std::array<QPushButton*, ToolbarButtons + 1> Toolbar1S{};
    Support::PressLabel* GameMenu_L = nullptr;
    Support::PressLabel* HistoryMenu_L = nullptr;
    Support::PressLabel* HelpMenu_L = nullptr;
    Support::PressLabel* Menu1Button = nullptr;
    Support::PressLabel* Menu2Button = nullptr;
    Support::PressLabel* HelpButton = nullptr;
    Support::PressLabel* MinimiseButton = nullptr;
    Support::PressLabel* MDLogo = nullptr;
    QLabel* DrawLogo = nullptr;
    QLabel* LabelBoarder_L = nullptr;

signals:
    // A popup menu opened (tests never wait on one).
    void MenuShown(QMenu* menu, QPoint global);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenuControls();
    void PopUp(QMenu& menu, QPoint global);
    void ApplyMenuStates();
    void RemoveHilight();
    bool InSetupMode() const;
    void CreateEndControls();
    void StartCheckTimer();
    void ShowDrawButtons();
    void SetSimpleUI();
    void SetToolTips();
    void BeginGame();
    void FillMoveList();
    void FitNotationRows();
    void SetFormCaptions();
    void CenterSelected();
    void CBoard_MouseDown(Square square, Qt::MouseButton button, QPoint global);
    void CBoard_DragDrop(std::optional<Square> target);
    void PlayerComment_Validate();
    void ShowDropResult(const DropResult& result);
    void MoveList_SelChange();
    void MoveList_MouseUp(const QPoint& at);
    void Form_Unload();
    void ShowBoardMessage(const BoardMessage& message);
    void CreateSearchControls();
    void CreateToolbar();
    QPixmap FacePicture(const ToolbarFace& face) const;
    void ShowButton(int index, const ButtonState& state);
    void ApplyCommandState();
    void Toolbar1_MouseDown(int index);
    void Toolbar1_MouseUp(int index);
    void Toolbar1S_Click(int index);
    void TransmitGame(int gameId);
    void CreateSetupControls();
    void BeginBoardSetup();
    void ShowSetupParts(bool setup);
    void PiecePallete_MouseDown(int piece, Qt::MouseButton button, QPoint globalPoint);
    void SetupDragDrop(QWidget& source, QPoint point);
    void ShowSetupChange(const SetupChange& change);
    void ShowThinking(bool thinking);
    void StopComputerSearch();
    void ComputerSearch_Finished(const ComputerAI::SearchResult& result);
    void ShowComputerReply(const ComputerReply& reply);

    BoardHost& port_;
    GameController game_;
    bool moveListBusy_ = false;
    bool quitRequest_ = false;
    bool windowClosing_ = false;
    bool unloaded_ = false;
    bool simpleUI_ = false;
    bool showToolTips_ = true;
    Square dragFrom_;
    ComputerOpponent opponent_;
    SearchEngine* engine_ = &opponent_;
    bool thinkingReported_ = false;
    ComputerSearch* computerSearch_ = nullptr;
    bool returnToGameList_ = true;
    bool busy_ = false;
    CommandState commands_;
    bool skinReapplied_ = false;
    int menuGameId_ = -1;
    SetupSource setupDrag_;
    int palettePiece_ = 0;
};

} // namespace BoardSupport
