#include "shell/game_interface.h"

#include "board/board_menus.h"
#include "foundation/cursor_guard.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/picture_clip.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/qt_text.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"
#include "foundation/window_shape.h"
#include "shell/selected_game_commands.h"
#include "shell/status_window.h"
#include "store/database.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace Support {

namespace {

const QString WindowCaption = QStringLiteral("Marrowdale - Game list");
constexpr int HelpTopicGameList = 3;
constexpr int TwipsPerPixel = 15;

int Pixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

// The skinned look, in pixels of the background picture (700 x 320).
constexpr QSize SkinnedSize(700, 320);
constexpr QRect SkinnedGrid(94, 131, 577, 162);
constexpr int SkinnedMenuTop = 10;
constexpr int SkinnedToolbarTop = 50;
constexpr QSize ToolbarFace(64, 40);
// Left edges by toolbar index 1 to 4: play, e-mail, computer, set-up
// (the set-up button stands left of the computer button).
constexpr int SkinnedToolbarLeft[4] = {38, 109, 251, 180};
constexpr int WindowButtonTop = 89;
constexpr int WindowButtonSize = 23;

// The plain look (600 x 270).
constexpr QSize PlainSize(600, 270);
constexpr QPoint PlainGridAt(7, 73);
constexpr int PlainMenuTop = 3;
constexpr int PlainMenuLeft = 8;
constexpr int PlainMenuGap = 12;
constexpr int PlainToolbarTop = 21;
constexpr QSize PlainToolbarSize(91, 38);
constexpr int PlainToolbarLeft[4] = {7, 98, 280, 189};
constexpr qreal MinimumCaptionPoints = 6;

constexpr int HeaderHeight = 18; // 270 twips
constexpr int RowHeight = 18;
constexpr int GridWidthTwips = 8655;

// The toolbar faces in InterfaceButtons by index 1 to 4: up, pressed,
// disabled (the computer button is never shown disabled).
struct ToolbarCells {
    int up, pressed, disabled;
};
constexpr ToolbarCells ToolbarFaces[4] = {{0, 1, 2}, {3, 4, 5}, {9, 10, 9}, {6, 7, 8}};

const char* ToolbarCaptions[4] = {"&Play game", "&New game", "&vs. Computer", "&Setup new game"};

const char* ToolbarTips[4] = {
    "PLAY - Play the currently selected game",
    "NEW EMAIL GAME - Start a new email game",
    "NEW COMPUTER GAME - Start a new game against the computer",
    "NEW SETUP GAME - Configure the board layout before starting a new game",
};

PressLabel* MenuLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = new PressLabel(parent, name);
    label->setText(caption);
    label->adjustSize();
    return label;
}

// The list's side of Play and Delete: the window steps aside for the board
// with the hourglass up, and every question goes through the message box.
class ListSide : public SelectedGamePort {
public:
    ListSide(GameInterface& list, SysTraySupport::BoardPort* board) : list_(list), board_(board) { }

    bool LoadChessSet() override { return board_->LoadChessSet(); }
    void StepAside() override
    {
        // Until the board has opened, which holds its own pause.
        pause_.emplace();
        wait_.emplace();
        list_.hide();
    }
    void OpenBoard(int gameId) override { board_->OpenBoard(GameToOpen::Stored(gameId), true); }
    bool Ask(const MessageBoxCall& question) override { return ShowMessage(question); }
    bool DeleteStoredGame(int gameId) override
    {
        return Database::DeleteGame(ProgramDataFolder(), gameId);
    }

private:
    GameInterface& list_;
    SysTraySupport::BoardPort* board_;
    std::optional<PollingHold> pause_;
    std::optional<CursorGuard> wait_;
};

} // namespace

bool MovesCanBeSent()
{
    const ProgramState& state = Globals();
    return !state.Mail.MailOffline || state.Mail.StandAloneMode;
}

GameInterface::GameInterface(GameListModel& model, GameListServices services)
    : model_(model), services_(std::move(services))
{
    setObjectName(QLatin1String(WindowNames::GameInterface));
    setWindowTitle(WindowCaption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The window is laid out for a small type: the long dates, the plain
    // buttons' captions and the menu bar fit at 8 points.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    InterfaceButtons = new PictureClip(this, QStringLiteral("InterfaceButtons"), 4, 3);
    const QPixmap icons(Globals().ProgramFolder + QStringLiteral("/Icons/StatusIcons.png"));
    // The status pictures of the icon file, in the order of the statuses
    // 1, 2, 3, 4 and 6 (the file's fifth is not shown: a draw offer reads
    // as waiting for the opponent).
    for (int cell : {0, 1, 2, 3, 5})
        StatusIcons.append(icons.copy(cell * 16, 0, 16, 16));
    CreateMenuBar();
    CreateToolbar();
    CreateWindowButtons();
    CreateGrid();
    Menus.Connect(*this);
    // The window takes Escape and F1 before its controls.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

GameInterface::~GameInterface() = default;

void GameInterface::CreateMenuBar()
{
    const std::array<std::pair<PressLabel**, const char*>, 4> labels = {
        {{&FileMenu_L, "File"}, {&SortMenu_L, "Sort"}, {&GameMenu_L, "Game"}, {&HelpMenu_L, "Help"}}};
    const std::array<PressLabel**, 4> buttons = {&FileMenuButton, &SortMenuButton, &GameMenuButton,
                                                 &HelpMenuButton};
    const std::array<QMenu*, 4> menus = {&Menus.mnuIntFileMenu, &Menus.mnuIntSortMenu,
                                         &Menus.mnuIntGameMenu, &Menus.mnuIntHelpMenu};
    int skinnedLeft = 38;
    int plainLeft = PlainMenuLeft;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString caption = QString::fromLatin1(labels[i].second);
        *labels[i].first = MenuLabel(this, caption + QStringLiteral("Menu_L"), caption);
        PressLabel* button = MenuLabel(this, caption + QStringLiteral("MenuButton"), caption);
        *buttons[i] = button;
        button->setAlignment(Qt::AlignCenter);
        button->setStyleSheet(QStringLiteral("QLabel { color: #F3E6CC; font-weight: bold; }"));
        button->setGeometry(skinnedLeft, SkinnedMenuTop, button->width() + 8, 21);
        skinnedLeft += button->width() + 4;
        (*labels[i].first)->move(plainLeft, PlainMenuTop);
        plainLeft += (*labels[i].first)->width() + PlainMenuGap;
        // The menu opens below the control, at its left edge, on a left press.
        for (PressLabel* control : {*labels[i].first, button})
            connect(control, &PressLabel::MouseDown, this,
                    [this, control, menu = menus[i]](Qt::MouseButton b) {
                        if (b == Qt::LeftButton)
                            PopUp(*menu, control->mapToGlobal(QPoint(0, control->height())));
                    });
    }
}

void GameInterface::CreateToolbar()
{
    for (int index = 1; index <= 4; ++index) {
        auto* picture = new PressLabel(this, QStringLiteral("Toolbar1_%1").arg(index));
        picture->setGeometry(
            QRect(QPoint(SkinnedToolbarLeft[index - 1], SkinnedToolbarTop), ToolbarFace));
        Toolbar1[std::size_t(index - 1)] = picture;
        connect(picture, &PressLabel::MouseDown, this,
                [this, index](Qt::MouseButton) { Toolbar1_Face(index, true); });
        connect(picture, &PressLabel::MouseUp, this,
                [this, index](Qt::MouseButton) { Toolbar1_Face(index, false); });
        connect(picture, &PressLabel::Click, this, [this, index] { Toolbar1_Click(index); });

        auto* button = new QPushButton(QString::fromLatin1(ToolbarCaptions[index - 1]), this);
        button->setObjectName(QStringLiteral("Toolbar1S_%1").arg(index));
        button->setGeometry(
            QRect(QPoint(PlainToolbarLeft[index - 1], PlainToolbarTop), PlainToolbarSize));
        button->setFocusPolicy(Qt::NoFocus);
        // Our font runs wider than the one the buttons were sized for: a
        // caption that does not fit its button is set smaller until it does.
        QFont font = button->font();
        while (button->sizeHint().width() > button->width()
               && font.pointSizeF() > MinimumCaptionPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
            button->setFont(font);
        }
        Toolbar1S[std::size_t(index - 1)] = button;
        connect(button, &QPushButton::clicked, this, [this, index] { Toolbar1_Click(index); });
    }
}

void GameInterface::CreateWindowButtons()
{
    const std::array<std::tuple<PressLabel**, const char*, const char*>, 3> buttons = {
        {{&HelpButton, "HelpButton", "?"},
         {&MinimiseButton, "MinimiseButton", "_"},
         {&HideButton, "HideButton", "x"}}};
    const int left[3] = {584, 614, 645};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new PressLabel(this, QString::fromLatin1(std::get<1>(buttons[i])));
        button->setText(QString::fromLatin1(std::get<2>(buttons[i])));
        StyleWindowButton(*button);
        button->setGeometry(left[i], WindowButtonTop, WindowButtonSize, WindowButtonSize);
        *std::get<0>(buttons[i]) = button;
    }
    connect(HelpButton, &PressLabel::Click, this, [this] { ShowHelpContext(this, HelpTopicGameList); });
    connect(MinimiseButton, &PressLabel::Click, this, [this] { showMinimized(); });
    connect(HideButton, &PressLabel::Click, this, [this] { close(); });
}

void GameInterface::CreateGrid()
{
    GameList = new QTableWidget(this);
    GameList->setObjectName(QStringLiteral("GameList"));
    GameList->setGeometry(SkinnedGrid);
    GameList->setColumnCount(GameListColumnCount);
    GameList->setSelectionBehavior(QAbstractItemView::SelectRows);
    GameList->setSelectionMode(QAbstractItemView::SingleSelection);
    GameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GameList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GameList->setWordWrap(false);
    GameList->setShowGrid(false);
    GameList->setIconSize(QSize(16, 16));
    GameList->verticalHeader()->hide();
    GameList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GameList->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView* header = GameList->horizontalHeader();
    header->setFixedHeight(HeaderHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->viewport()->installEventFilter(this);
    GameList->viewport()->installEventFilter(this);
    GameList->setContextMenuPolicy(Qt::NoContextMenu);
    connect(GameList, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { model_.SetCurrentRow(row); });
    connect(GameList, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { GameList_DblClick(row); });
}

bool GameInterface::Form_Load()
{
    simpleUI_ = ProgramSettings().SimpleUI;
    WindowShape::EnableBackgroundDrag(*this);
    if (simpleUI_) {
        SetSimpleUI();
    } else {
        setFixedSize(SkinnedSize);
        for (QWidget* plain : {static_cast<QWidget*>(FileMenu_L), static_cast<QWidget*>(SortMenu_L),
                               static_cast<QWidget*>(GameMenu_L), static_cast<QWidget*>(HelpMenu_L)})
            plain->hide();
        for (QPushButton* button : Toolbar1S)
            button->hide();
        GameList->setFrameShape(QFrame::NoFrame);
        WindowShape::ApplyWindowShape(*this);
        if (!ApplySkin(*this))
            return false;
        for (int index = 1; index <= 4; ++index)
            Toolbar1[std::size_t(index - 1)]->setPixmap(
                InterfaceButtons->GraphicCell(ToolbarFaces[index - 1].up));
    }
    Globals().Mail.NewMovesArrived = false;
    Refill();
    if (services_.UpdateTrayState)
        services_.UpdateTrayState();
    loaded_ = true;
    SetToolTips();
    return true;
}

void GameInterface::SetSimpleUI()
{
    setFixedSize(PlainSize);
    for (QWidget* skinned :
         {static_cast<QWidget*>(FileMenuButton), static_cast<QWidget*>(SortMenuButton),
          static_cast<QWidget*>(GameMenuButton), static_cast<QWidget*>(HelpMenuButton),
          static_cast<QWidget*>(HelpButton), static_cast<QWidget*>(MinimiseButton),
          static_cast<QWidget*>(HideButton)})
        skinned->hide();
    for (PressLabel* picture : Toolbar1)
        picture->hide();
    for (QPushButton* button : Toolbar1S)
        button->show();
    GameList->setFrameShape(QFrame::Box);
    GameList->setLineWidth(1);
    GameList->move(PlainGridAt);
}

void GameInterface::SetToolTips()
{
    const bool on = ProgramSettings().ShowToolTips;
    auto tip = [on](QWidget* control, const char* text) { Support::SetToolTip(control, text, on); };
    tip(FileMenuButton, "File menu");
    tip(SortMenuButton, "Sort menu");
    tip(GameMenuButton, "Game menu");
    tip(HelpMenuButton, "Help menu");
    for (int i = 0; i < 4; ++i) {
        tip(Toolbar1[std::size_t(i)], ToolbarTips[i]);
        tip(Toolbar1S[std::size_t(i)], ToolbarTips[i]);
    }
    tip(MinimiseButton, "Minimise the game interface");
    tip(HideButton, "Finished with game interface");
    tip(GameList, "All the chess games held in the database");
}

void GameInterface::FillGameList(int sortColumn, const QString& sortOrder,
                                 std::optional<int> selectGameId)
{
    GameListFillContext context;
    context.SelectGameId = selectGameId;
    context.PendingMoveList = Globals().Mail.PendingMoveList;
    context.MovesCanBeSent = MovesCanBeSent();
    context.Locale = QLocale::system();
    ShowFill(model_.Fill(ProgramDataFolder(), sortColumn, sortOrder, context));
}

void GameInterface::Refill(std::optional<int> selectGameId)
{
    FillGameList(model_.SortColumn(), model_.SortOrder(), selectGameId);
}

void GameInterface::ShowFill(const GameListFill& fill)
{
    // One repaint per fill, however many games.
    GameList->setUpdatesEnabled(false);
    const QSignalBlocker blocker(GameList);
    GameList->clear();
    GameList->setRowCount(int(fill.Rows.size()));
    GameList->setHorizontalHeaderLabels(
        {QStringLiteral("Game_ID"), QString(), QStringLiteral("Opponent"), QStringLiteral("Game title"),
         QStringLiteral("Date started"), QStringLiteral("Game_opponents_ID")});
    QFont bold = GameList->horizontalHeader()->font();
    bold.setBold(true);
    GameList->horizontalHeader()->setFont(bold);
    for (int column : {ColumnOpponent, ColumnTitle})
        GameList->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GameList->horizontalHeaderItem(ColumnDateStarted)
        ->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!fill.Rows.empty()) {
        if (fill.MarkColumn > 0)
            GameList->horizontalHeader()->setSortIndicator(
                fill.MarkColumn, fill.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        else
            GameList->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    }
    for (int r = 0; r < int(fill.Rows.size()); ++r) {
        const GameListRow& row = fill.Rows[std::size_t(r)];
        auto cell = [this, r](int column, const QString& text,
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(alignment);
            GameList->setItem(r, column, item);
            return item;
        };
        cell(ColumnGameId, QString::number(row.GameId));
        QTableWidgetItem* status = cell(ColumnStatus, QString());
        if (row.Picture >= PictureYourMove)
            status->setIcon(QIcon(StatusIcons.value(row.Picture - PictureYourMove)));
        cell(ColumnOpponent, row.Opponent);
        cell(ColumnTitle, row.Title);
        cell(ColumnDateStarted, row.DateStarted, Qt::AlignRight | Qt::AlignVCenter);
        cell(ColumnOpponentsId, QString::number(row.OpponentsId));
    }
    if (fill.CurrentRow >= 0) {
        GameList->setCurrentCell(fill.CurrentRow, ColumnStatus);
        GameList->scrollToItem(GameList->item(fill.CurrentRow, ColumnStatus),
                               QAbstractItemView::PositionAtTop);
    }
    ApplyCommandStates(fill);
    // The widest date with the cell's margins on both sides.
    const QFontMetrics metrics(GameList->font());
    const int margin =
        GameList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, GameList) + 1;
    int widestDate = 0;
    for (const GameListRow& row : fill.Rows)
        widestDate = std::max(widestDate, metrics.horizontalAdvance(row.DateStarted) + 2 * margin + 2);
    const std::array<int, GameListColumnCount> widths =
        GameListColumnWidths(GridWidthTwips, int(fill.Rows.size()), widestDate * TwipsPerPixel);
    for (int column = 0; column < GameListColumnCount; ++column) {
        GameList->setColumnWidth(column, Pixels(widths[std::size_t(column)]));
        GameList->setColumnHidden(column, widths[std::size_t(column)] == 0);
    }
    GameList->setUpdatesEnabled(true);
}

void GameInterface::ApplyCommandStates(const GameListFill& fill)
{
    SetToolbarButton(ToolbarPlay, fill.GameCommandsEnabled);
    for (int item : {GamePlay, GameDelete})
        Menus.Item(Menus.mnuIntGameMenu, item)->setEnabled(fill.GameCommandsEnabled);
    for (int item : {FilePrintGame, FilePrintNotation})
        Menus.Item(Menus.mnuIntFileMenu, item)->setEnabled(fill.GameCommandsEnabled);
    const SortMenuChecks& checks = model_.MenuChecks();
    for (int item = SortStatus; item <= SortDate; ++item)
        Menus.Item(Menus.mnuIntSortMenu, item)->setChecked(item == checks.ColumnItem);
    Menus.Item(Menus.mnuIntSortMenu, SortAscending)->setChecked(checks.Ascending);
    Menus.Item(Menus.mnuIntSortMenu, SortDescending)->setChecked(!checks.Ascending);
    for (int item : {GameNew, GameNewSetup})
        Menus.Item(Menus.mnuIntGameMenu, item)->setEnabled(fill.NewGamesEnabled);
    SetToolbarButton(ToolbarNewEmailGame, fill.NewGamesEnabled);
    SetToolbarButton(ToolbarNewSetupGame, fill.NewGamesEnabled);
}

void GameInterface::SetToolbarButton(int index, bool enabled)
{
    if (index < 1 || index > 4)
        return;
    if (simpleUI_) {
        Toolbar1S[std::size_t(index - 1)]->setEnabled(enabled);
        return;
    }
    PressLabel* picture = Toolbar1[std::size_t(index - 1)];
    picture->setEnabled(enabled);
    const ToolbarCells& cells = ToolbarFaces[index - 1];
    picture->setPixmap(InterfaceButtons->GraphicCell(enabled ? cells.up : cells.disabled));
}

void GameInterface::RefreshInterfaceButtons()
{
    for (int index = 1; index <= 4; ++index)
        SetToolbarButton(index, simpleUI_ ? Toolbar1S[std::size_t(index - 1)]->isEnabled()
                                          : Toolbar1[std::size_t(index - 1)]->isEnabled());
}

void GameInterface::Toolbar1_Face(int index, bool pressed)
{
    GameList->setFocus();
    PressLabel* picture = Toolbar1[std::size_t(index - 1)];
    if (picture->isEnabled()) {
        const ToolbarCells& cells = ToolbarFaces[index - 1];
        picture->setPixmap(InterfaceButtons->GraphicCell(pressed ? cells.pressed : cells.up));
    }
}

void GameInterface::Toolbar1_Click(int index)
{
    NewGameKind kind;
    switch (index) {
    case ToolbarPlay:
        PlayCurrentGame();
        return;
    case ToolbarNewEmailGame:
        kind = {false, false};
        break;
    case ToolbarNewComputerGame:
        // A computer game starts in the set-up mode too.
        kind = {true, true};
        break;
    case ToolbarNewSetupGame:
        kind = {false, true};
        break;
    default:
        return;
    }
    if (services_.StartNewGame)
        services_.StartNewGame(*this, kind);
}

int GameInterface::HelpMenuTopic() const
{
    return services_.Board && services_.Board->BoardOpen() ? BoardSupport::HelpTopicBoard
                                                           : HelpTopicGameList;
}

void GameInterface::PlayCurrentGame()
{
    if (!services_.Board)
        return;
    ListSide side(*this, services_.Board);
    PlaySelectedGame(model_.SelectedGameId(), side);
}

void GameInterface::DeleteGame()
{
    ListSide side(*this, services_.Board);
    const DeleteResult result =
        DeleteSelectedGame(model_.SelectedGameId(), model_.SelectedTitle(), side);
    if (result.Report)
        ShowMessage(*result.Report);
    if (!result.RefreshList)
        return;
    Refill();
    if (services_.UpdateTrayState)
        services_.UpdateTrayState();
}

void GameInterface::GetGames(bool readLocal)
{
    // The pass keeps the polling out and gives it back as it found it; a
    // board opened meanwhile keeps it paused until the board closes.
    PollingHold pass;
    {
        std::optional<CursorGuard> wait;
        if (!readLocal) {
            wait.emplace();
            // Stand-alone mode never signs on.
            if (!Globals().Mail.StandAloneMode)
                ShowStatus(true, QStringLiteral("Logging on..."));
        }
        if (services_.Mail)
            services_.Mail->ConnectAndRetrieve(readLocal, true, true);
        Refill(model_.SelectedGameId());
    }
    pass.Release();
    if (services_.Board && services_.Board->BoardOpen())
        PausePolling();
}

void GameInterface::GameList_DblClick(int row)
{
    if (row >= 0)
        PlayCurrentGame();
}

void GameInterface::GameList_RightClick(int row, const QPoint& globalPos)
{
    if (row < 0 || GameList->rowCount() < 1)
        return;
    // The popup's items act on the selected game: the row under the pointer
    // is selected first, so that the delete question names the game that
    // goes.
    GameList->setCurrentCell(row, ColumnStatus);
    PopUp(Menus.mnuIntGameListPopupMenu, globalPos);
}

void GameInterface::GameList_HeaderClick(int column, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        FillGameList(column, QString());
    else if (button == Qt::RightButton)
        FillGameList(column, QStringLiteral("DESC"));
}

void GameInterface::PopUp(QMenu& menu, const QPoint& globalPos)
{
    emit MenuShown(&menu);
    menu.popup(globalPos);
}

bool GameInterface::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        showMinimized();
        return true;
    case Qt::Key_F1:
        ShowHelpContext(this, HelpTopicGameList);
        return true;
    default:
        return false;
    }
}

bool GameInterface::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (HandleKey(key))
            return true;
        if (watched == GameList && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
            DeleteGame();
            return true;
        }
    }
    if (watched == GameList->horizontalHeader()->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        return true;
    if (watched == GameList->horizontalHeader()->viewport()
        && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int column = GameList->horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
        if (column >= 0)
            GameList_HeaderClick(column, mouse->button());
        return true;
    }
    if (watched == GameList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            GameList_RightClick(GameList->rowAt(mouse->position().toPoint().y()),
                                mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GameInterface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && Globals().SkinRefreshPending) {
        RefreshInterfaceButtons();
        Globals().SkinRefreshPending = false;
    }
    QWidget::changeEvent(event);
}

void GameInterface::moveEvent(QMoveEvent* event)
{
    // The place the list comes back to, and opens at in the next run.
    if (isVisible() && !isMinimized())
        ProgramSettings().GameListPlace = pos();
    QWidget::moveEvent(event);
}

void GameInterface::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void GameInterface::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    emit Unloaded();
    CloseHelp(this);
    ProgramState& state = Globals();
    if (state.Quitting)
        return;
    loaded_ = false;
    state.Mail.NewMovesArrived = false;
    const bool trayStartup = ProgramSettings().SystrayStartup;
    if (trayStartup && services_.UpdateTrayState)
        services_.UpdateTrayState();
    if (services_.PopulateTrayGameMenu)
        services_.PopulateTrayGameMenu();
    // Without a tray icon this window was the program.
    if (!trayStartup && services_.EndProgram)
        services_.EndProgram();
}

} // namespace Support
