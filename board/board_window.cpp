#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/closing_steps.h"
#include "board/exchange_pawn.h"
#include "board/player_comment.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/picture_clip.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/qt_text.h"
#include "foundation/skin.h"
#include "foundation/sound_cues.h"
#include "foundation/window_names.h"
#include "foundation/window_shape.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

namespace BoardSupport {

namespace {

enum MoveListColumn { CoordinatesColumn = 0, NumberColumn = 1, NotationColumn = 2, CommentColumn = 3 };
// A row of one line.
constexpr int MoveListRowHeight = 18;

using Support::Q;

} // namespace

Board::Board(BoardHost& port, Database::DataFolder folder) : port_(port), game_(std::move(folder))
{
    setObjectName(QLatin1String(WindowNames::Board));
    setWindowTitle(QStringLiteral("Marrowdale"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Px(WindowWidthTwips), Px(WindowHeightTwips));
    CreateControls();
    CreateEndControls();
    CreateSearchControls();
    CreateToolbar();
    CreateMenuControls();
    ComputerMoveMade = [this] { SaveComputerMove(); };
    CreateSetupControls();
}

void Board::CreateControls()
{
    // The toolbar's faces, filled by the skin.
    ToolbarPics = new Support::PictureClip(this, QStringLiteral("ToolbarPics"), 6, 4);
    SetupToolbarPics = new Support::PictureClip(this, QStringLiteral("SetupToolbarPics"), 3, 3);

    CBoard = new BoardView(this);
    CBoard->setGeometry(BoardRect(SkinnedBoardOrigin));
    CBoard->SquarePicture = [this](Square square) {
        return port_.Pictures().ChessSetCell(game_.CellAt(square));
    };
    CBoard->Pressed = [this](Square square, Qt::MouseButton button, QPoint global) {
        CBoard_MouseDown(square, button, global);
    };
    CBoard->Dropped = [this](std::optional<Square> target) { CBoard_DragDrop(target); };

    MoveList = new QTableWidget(0, 4, this);
    MoveList->setObjectName(QStringLiteral("MoveList"));
    MoveList->setGeometry(
        PxRect(MoveListTwips.x(), MoveListTwips.y(), MoveListTwips.width(), MoveListTwips.height()));
    MoveList->setHorizontalHeaderLabels({QStringLiteral("Move Coordinates"), QStringLiteral("No."),
                                         QStringLiteral("Move"), QStringLiteral("Comment")});
    MoveList->setColumnHidden(CoordinatesColumn, true);
    MoveList->setColumnHidden(CommentColumn, true);
    MoveList->setColumnWidth(NumberColumn, Px(MoveNumberColumnTwips));
    MoveList->horizontalHeader()->setStretchLastSection(false);
    MoveList->horizontalHeader()->setSectionResizeMode(NotationColumn, QHeaderView::Stretch);
    MoveList->horizontalHeader()->setFixedHeight(Px(MoveListHeaderTwips));
    QFont bold = MoveList->horizontalHeader()->font();
    bold.setBold(true);
    MoveList->horizontalHeader()->setFont(bold);
    MoveList->verticalHeader()->hide();
    MoveList->verticalHeader()->setDefaultSectionSize(MoveListRowHeight);
    MoveList->setWordWrap(true);
    MoveList->setSelectionMode(QAbstractItemView::SingleSelection);
    MoveList->setSelectionBehavior(QAbstractItemView::SelectRows);
    MoveList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MoveList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MoveList, &QTableWidget::itemSelectionChanged, this, [this] { MoveList_SelChange(); });
    connect(MoveList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { MoveList_MouseUp(at); });

    auto label = [this](const char* name, const QRect& twips) {
        auto* created = new QLabel(this);
        created->setObjectName(QLatin1String(name));
        created->setGeometry(PxRect(twips.x(), twips.y(), twips.width(), twips.height()));
        created->setTextFormat(Qt::PlainText);
        return created;
    };
    PlayersTag = label("PlayersTag", PlayersTagTwips);
    OpponentComment = label("OpponentComment", OpponentCommentTwips);
    OpponentComment->setWordWrap(true);
    // A second line (a long comment, the computer's figures) runs down into
    // the free space below instead of up over the players' line.
    OpponentComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlayerComment_L = label("PlayerComment_L", PlayerCommentLabelTwips);
    PlayerComment_L->setText(QStringLiteral("Your comment:"));
    PlayerComment = new QLineEdit(this);
    PlayerComment->setObjectName(QStringLiteral("PlayerComment"));
    PlayerComment->setGeometry(PxRect(PlayerCommentTwips.x(), PlayerCommentTwips.y(),
                                      PlayerCommentTwips.width(), PlayerCommentTwips.height()));
    connect(PlayerComment, &QLineEdit::editingFinished, this, [this] { PlayerComment_Validate(); });
}

bool Board::Form_Load(const BoardOptions& options)
{
    simpleUI_ = options.simpleUI;
    showToolTips_ = options.showToolTips;
    WindowShape::EnableBackgroundDrag(*this);
    returnToGameList_ = options.returnToGameList;
    if (options.simpleUI) {
        SetSimpleUI();
    } else {
        WindowShape::ApplyWindowShape(*this);
        if (!Support::ApplySkin(*this))
            return false;
    }
    moveListBusy_ = true;
    const OpenResult opened = game_.Open(options.request);
    if (opened.message)
        ShowBoardMessage(*opened.message);
    if (!opened.ok) {
        quitRequest_ = true;
        game_.RequestQuit();
        moveListBusy_ = false;
        StartCheckTimer();
        return false;
    }
    if (game_.SetupMode())
        BeginBoardSetup();
    else
        BeginGame();
    StartCheckTimer();
    return true;
}

void Board::BeginGame()
{
    FillMoveList();
    const bool commentBox = !game_.ComputerGame();
    PlayerComment->setVisible(commentBox);
    PlayerComment_L->setVisible(commentBox);
    MoveList->setVisible(true);
    ShowSetupParts(false);
    ShowDrawButtons();
    DisplayBoardState();
    DisplayToolbar();
    SetToolTips();
    moveListBusy_ = false;
}

void Board::FillMoveList()
{
    const bool wasBusy = moveListBusy_;
    moveListBusy_ = true;
    const ::MoveList& moves = game_.Moves();
    MoveList->setRowCount(static_cast<int>(moves.size()));
    for (int i = 0; i < static_cast<int>(moves.size()); ++i) {
        const MoveRecord& entry = moves[i];
        const QString cells[4] = {Q(entry.coordinates), QString::number(i + 1), Q(entry.notation),
                                  Q(entry.comment)};
        for (int column = 0; column < 4; ++column)
            MoveList->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    FitNotationRows();
    const int row = game_.SelectedRow();
    if (row >= 1)
        MoveList->selectRow(row - 1);
    else
        MoveList->clearSelection();
    CenterSelected();
    moveListBusy_ = wasBusy;
}

// A notation wider than its column (a move that ends in a draw) wraps onto
// a second line of a taller row rather than losing its end. The column is
// narrower once the rows need the list's scroll bar, whether it shows yet
// or not.
void Board::FitNotationRows()
{
    const QStyle* style = MoveList->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, MoveList) + 1;
    const int wide = MoveList->width() - 2 * MoveList->frameWidth() - MoveList->columnWidth(NumberColumn)
                     - 2 * margin;
    const int narrow = wide - style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, MoveList);
    const int shown = MoveList->height() - 2 * MoveList->frameWidth() - MoveList->horizontalHeader()->height();
    const QFontMetrics metrics(MoveList->font());
    auto heights = [&](int room) {
        std::vector<int> rows;
        for (int row = 0; row < MoveList->rowCount(); ++row) {
            const QTableWidgetItem* item = MoveList->item(row, NotationColumn);
            const int lines =
                item && metrics.horizontalAdvance(item->text()) > room
                    ? metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, item->text()).height()
                          / metrics.lineSpacing()
                    : 1;
            rows.push_back(MoveListRowHeight + (lines - 1) * metrics.lineSpacing());
        }
        return rows;
    };
    std::vector<int> rows = heights(wide);
    if (std::accumulate(rows.begin(), rows.end(), 0) > shown)
        rows = heights(narrow);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        MoveList->setRowHeight(row, rows[std::size_t(row)]);
}

void Board::DisplayBoardState()
{
    CBoard->SetView(game_.ViewColour());
    CBoard->SetCoordsShown(game_.CoordsShown());
    CBoard->SetMarks(game_.Marks());
    CBoard->update();
    SetFormCaptions();
    const bool enabled = game_.HighlightItemEnabled();
    const QList<QAction*> items = HistoryMenu->actions();
    items[0]->setText(Q(game_.HighlightItemCaption()));
    items[0]->setEnabled(enabled);
    items[2]->setEnabled(game_.FirstLastItemsEnabled());
    items[3]->setEnabled(game_.FirstLastItemsEnabled());
    SetButtonEnable();
}

void Board::SetFormCaptions()
{
    const FormCaptions captions = game_.Captions();
    setWindowTitle(Q(captions.caption));
    PlayersTag->setText(Q(captions.playersTag));
    const CommentPanel comment = game_.Comment();
    OpponentComment->setText(Q(comment.text));
    QFont font = OpponentComment->font();
    font.setPointSize(comment.pointSize);
    // Long comments are set tighter as well as smaller.
    font.setBold(comment.pointSize != 7);
    OpponentComment->setFont(font);
    const int wanted = std::max(PxRect(OpponentCommentTwips).height(),
                                OpponentComment->heightForWidth(OpponentComment->width()));
    // Down to the window's edge, or inside the plain layout's frame.
    const int bottom = LabelBoarder_L->isHidden() ? height() : LabelBoarder_L->geometry().bottom() - 1;
    const int room = bottom - OpponentComment->y();
    OpponentComment->resize(OpponentComment->width(), room > 0 ? std::min(wanted, room) : wanted);
}

void Board::CenterSelected()
{
    if (MoveList->rowCount() < 1)
        return;
    const int top = std::max(1, game_.SelectedRow() - 10);
    MoveList->scrollToItem(MoveList->item(top - 1, NotationColumn), QAbstractItemView::PositionAtTop);
}

void Board::ChangeView()
{
    game_.ChangeView();
    if (game_.HilightShown())
        game_.HilightMove(game_.SelectedRow());
    DisplayBoardState();
}

void Board::ToggleCoords()
{
    game_.ToggleCoords();
    DisplayBoardState();
}

void Board::ToggleHighlight()
{
    game_.ToggleHighlight();
    DisplayBoardState();
}

void Board::SelectFirstMove()
{
    SelectRow(1);
}

void Board::SelectLastMove()
{
    SelectRow(game_.Entries());
}

// A selection made here raises the same change as the user's.
void Board::SelectRow(int row)
{
    if (row >= 1 && row <= MoveList->rowCount())
        MoveList->selectRow(row - 1);
    else
        MoveList->clearSelection();
}

void Board::CBoard_MouseDown(Square square, Qt::MouseButton button, QPoint global)
{
    // The right button opens the mode's menu at the pointer (nothing while
    // the computer thinks); it neither clears the marks nor picks up.
    if (button == Qt::RightButton) {
        PopUp(InSetupMode() ? Menus.mnuSetupMenu : Menus.mnuActionsMenu, global);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const bool hadMarks = game_.HilightShown() || game_.CoordsShown();
    game_.RemoveHilight();
    game_.HideCoords();
    DisplayBoardState();
    const PickUpResult pickUp =
        game_.SetupMode() ? game_.SetupPickUp(square) : game_.PickUp(square, hadMarks);
    if (!pickUp.allowed) {
        if (pickUp.note)
            ShowBoardMessage(*pickUp.note);
        return;
    }
    dragFrom_ = square;
    CBoard->BeginDrag(port_.Pictures().DragIcon(pickUp.dragIcon));
    Support::PlaySoundCue(Support::CuePiecePickedUp);
}

void Board::CBoard_DragDrop(std::optional<Square> target)
{
    if (game_.SetupMode()) {
        setupDrag_ = SetupSource::Board(dragFrom_);
        SetupDragDrop(*CBoard, CBoard->DropPoint());
        return;
    }
    Support::PlaySoundCue(Support::CuePieceDropped);
    if (!target)
        return;
    DropResult result = game_.Drop(dragFrom_, *target, PlayerComment->text().toStdString());
    if (result.outcome == DropResult::NeedsPromotion)
        result = game_.Promote(
            AskForPromotion(game_.PlayerColour(), port_.Pictures(), simpleUI_, showToolTips_));
    ShowDropResult(result);
}

void Board::ShowDropResult(const DropResult& result)
{
    if (result.outcome == DropResult::Made) {
        if (result.cleanedComment)
            PlayerComment->setText(Q(*result.cleanedComment));
        FillMoveList();
    }
    DisplayBoardState();
    for (const BoardMessage& message : result.messages)
        ShowBoardMessage(message);
    if (result.checkSound)
        Support::PlaySoundCue(Support::CueCheck);
}

// The comment box is left: what may not travel is taken out at once.
void Board::PlayerComment_Validate()
{
    if (const std::optional<std::string> cleaned =
            CleanPlayerComment(PlayerComment->text().toStdString())) {
        PlayerComment->setText(Q(*cleaned));
        ShowBoardMessage(IllegalCharactersMessage());
    }
}

void Board::MoveList_SelChange()
{
    if (moveListBusy_)
        return;
    moveListBusy_ = true;
    const QList<QTableWidgetItem*> selected = MoveList->selectedItems();
    const int row = selected.isEmpty() ? 0 : selected.front()->row() + 1;
    game_.SelectRow(row);
    DisplayBoardState();
    CenterSelected();
    moveListBusy_ = false;
}

void Board::MoveList_MouseUp(const QPoint& at)
{
    if (game_.Entries() < 1)
        return;
    PopUp(*HistoryMenu, MoveList->viewport()->mapToGlobal(at));
}

void Board::ShowBoardMessage(const BoardMessage& message)
{
    // The timer stays idle while a message of the window is open.
    game_.SetMessageOpen(true);
    const auto reopenTimer = qScopeGuard([this] { game_.SetMessageOpen(false); });
    if (message.verbose) {
        Support::VerboseMessage(Q(message.text), Q(message.caption),
                                message.soundCue > 0 ? std::optional<int>(message.soundCue)
                                                     : std::nullopt);
        return;
    }
    Support::ShowMessage(message.icon, Q(message.caption), Q(message.text), QStringLiteral("OK"),
                         QString(), false,
                         message.soundCue > 0 ? std::optional<int>(message.soundCue) : std::nullopt);
}

void Board::closeEvent(QCloseEvent* event)
{
    // The window closes itself once the move has gone.
    if (busy_) {
        event->ignore();
        return;
    }
    StopComputerSearch();
    Form_Unload();
    event->accept();
}

// Closing: the game's status, the way back to the game list or the tray,
// mail polling resumed, then the new-move notification if moves came in.
void Board::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    windowClosing_ = true;
    CheckTimer->stop();
    Support::CloseHelp(this);
    Support::ProgramState& state = Support::Globals();
    auto movesPending = [&state] {
        return !QString::fromStdString(state.Mail.PendingMoveList).trimmed().isEmpty();
    };
    const ClosingSteps steps = PlanClosing({state.Quitting, returnToGameList_, skinReapplied_});
    if (steps.writeGameStatus)
        if (const std::optional<BoardMessage> failed = game_.SetGameStatus())
            ShowBoardMessage(*failed);
    if (steps.markSkinRefresh)
        state.SkinRefreshPending = true;
    if (steps.returnToGameList)
        port_.ReturnToGameList(game_.GameId());
    if (LeaveGameList(steps, movesPending()))
        port_.LeaveGameList();
    if (steps.resumePolling)
        Support::ResumePolling();
    if (steps.updateTrayState)
        port_.UpdateTrayState(TrayIconModified);
    if (AnnounceNewMoves(steps, movesPending())) {
        hide();
        port_.NotifyNewMoves();
    }
}

} // namespace BoardSupport
