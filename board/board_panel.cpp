#include "board/board_panel.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/exchange_pawn.h"
#include "foundation/qt_text.h"
#include "foundation/sound_cues.h"
#include "game/player_comment.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>

namespace BoardSupport {

namespace {

enum MoveListColumn { CoordinatesColumn = 0, NumberColumn = 1, NotationColumn = 2, CommentColumn = 3 };
// A row of one line.
constexpr int MoveListRowHeight = 18;

using Support::Q;

// The move list, able to say how tall a cell's text stands at a width: the
// view's own item options and delegate measure it, in the font and style
// the list is painted with, so the rows fit what the user sees.
class MoveListTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    int TextHeight(int row, int column, int width) const
    {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = QRect(0, 0, width, MoveListRowHeight);
        const QModelIndex index = model()->index(row, column);
        return itemDelegateForIndex(index)->sizeHint(option, index).height();
    }
};

} // namespace

BoardPanel::BoardPanel(Board& window, GameController& game, BoardHost& port)
    : window_(window), game_(game), port_(port)
{
}

void BoardPanel::Create()
{
    squares_ = new BoardView(&window_);
    squares_->setGeometry(BoardRect(SkinnedBoardOrigin));
    squares_->SquarePicture = [this](Square square) {
        return port_.Pictures().ChessSetCell(game_.Display().CellAt(square));
    };
    squares_->Pressed = [this](Square square, Qt::MouseButton button, QPoint global) {
        CBoard_MouseDown(square, button, global);
    };
    squares_->Dropped = [this](std::optional<Square> target) { CBoard_DragDrop(target); };

    moveList_ = new MoveListTable(0, 4, &window_);
    moveList_->setObjectName(QStringLiteral("MoveList"));
    moveList_->setGeometry(
        PxRect(MoveListTwips.x(), MoveListTwips.y(), MoveListTwips.width(), MoveListTwips.height()));
    moveList_->setHorizontalHeaderLabels({QStringLiteral("Move Coordinates"), QStringLiteral("No."),
                                          QStringLiteral("Move"), QStringLiteral("Comment")});
    moveList_->setColumnHidden(CoordinatesColumn, true);
    moveList_->setColumnHidden(CommentColumn, true);
    moveList_->setColumnWidth(NumberColumn, Px(MoveNumberColumnTwips));
    moveList_->horizontalHeader()->setStretchLastSection(false);
    moveList_->horizontalHeader()->setSectionResizeMode(NotationColumn, QHeaderView::Stretch);
    moveList_->horizontalHeader()->setFixedHeight(Px(MoveListHeaderTwips));
    QFont bold = moveList_->horizontalHeader()->font();
    bold.setBold(true);
    moveList_->horizontalHeader()->setFont(bold);
    moveList_->verticalHeader()->hide();
    moveList_->verticalHeader()->setDefaultSectionSize(MoveListRowHeight);
    moveList_->setWordWrap(true);
    // The column's width follows the list's scroll bar and the window's
    // font and style, which may change after the rows were fitted.
    QObject::connect(moveList_->horizontalHeader(), &QHeaderView::sectionResized, &window_,
                     [this](int column, int, int) {
                         if (column == NotationColumn)
                             FitNotationRows();
                     });
    moveList_->setSelectionMode(QAbstractItemView::SingleSelection);
    moveList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    moveList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    moveList_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(moveList_, &QTableWidget::itemSelectionChanged, &window_,
                     [this] { MoveList_SelChange(); });
    QObject::connect(moveList_, &QWidget::customContextMenuRequested, &window_,
                     [this](const QPoint& at) { MoveList_MouseUp(at); });

    auto label = [this](const char* name, const QRect& twips) {
        auto* created = new QLabel(&window_);
        created->setObjectName(QLatin1String(name));
        created->setGeometry(PxRect(twips.x(), twips.y(), twips.width(), twips.height()));
        created->setTextFormat(Qt::PlainText);
        return created;
    };
    playersTag_ = label("PlayersTag", PlayersTagTwips);
    opponentComment_ = label("OpponentComment", OpponentCommentTwips);
    opponentComment_->setWordWrap(true);
    // A second line (a long comment, the computer's figures) runs down into
    // the free space below instead of up over the players' line.
    opponentComment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    commentLabel_ = label("PlayerComment_L", PlayerCommentLabelTwips);
    commentLabel_->setText(QStringLiteral("Your comment:"));
    playerComment_ = new QLineEdit(&window_);
    playerComment_->setObjectName(QStringLiteral("PlayerComment"));
    playerComment_->setGeometry(PxRect(PlayerCommentTwips.x(), PlayerCommentTwips.y(),
                                       PlayerCommentTwips.width(), PlayerCommentTwips.height()));
    QObject::connect(playerComment_, &QLineEdit::editingFinished, &window_,
                     [this] { PlayerComment_Validate(); });
}

void BoardPanel::CreateCommentFrame()
{
    commentFrame_ = new QLabel(&window_);
    commentFrame_->setObjectName(QStringLiteral("LabelBoarder_L"));
    commentFrame_->setGeometry(PxRect(LabelBoarderTwips));
    commentFrame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    commentFrame_->hide();
}

void BoardPanel::FillMoveList()
{
    const bool wasBusy = moveListBusy_;
    moveListBusy_ = true;
    const ::MoveList& moves = game_.History().List();
    moveList_->setRowCount(static_cast<int>(moves.size()));
    for (int i = 0; i < static_cast<int>(moves.size()); ++i) {
        const MoveRecord& entry = moves[i];
        const QString cells[4] = {Q(entry.coordinates), QString::number(i + 1), Q(entry.notation),
                                  Q(entry.comment)};
        for (int column = 0; column < 4; ++column)
            moveList_->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    FitNotationRows();
    const int row = game_.History().SelectedRow();
    if (row >= 1)
        moveList_->selectRow(row - 1);
    else
        moveList_->clearSelection();
    CenterSelected();
    moveListBusy_ = wasBusy;
}

// A notation wider than its column (a move that ends in a draw) wraps onto
// a second line of a taller row rather than losing its end. The column is
// narrower once the rows need the list's scroll bar, whether it shows yet
// or not.
void BoardPanel::FitNotationRows()
{
    if (fittingRows_)
        return;
    fittingRows_ = true;
    auto* const list = static_cast<MoveListTable*>(moveList_);
    const int wide = list->width() - 2 * list->frameWidth() - list->columnWidth(NumberColumn);
    const int narrow = wide - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int shown = list->height() - 2 * list->frameWidth() - list->horizontalHeader()->height();
    // A row is as tall as its text needs at that width, one line at least,
    // and the grid line, which the cell's painted area leaves out, besides.
    const int grid = list->showGrid() ? 1 : 0;
    auto heights = [list, grid](int room) {
        std::vector<int> rows;
        for (int row = 0; row < list->rowCount(); ++row) {
            const QTableWidgetItem* item = list->item(row, NotationColumn);
            const int text = item ? list->TextHeight(row, NotationColumn, room - grid) + grid : 0;
            rows.push_back(std::max(MoveListRowHeight, text));
        }
        return rows;
    };
    std::vector<int> rows = heights(wide);
    if (std::accumulate(rows.begin(), rows.end(), 0) > shown)
        rows = heights(narrow);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        list->setRowHeight(row, rows[std::size_t(row)]);
    fittingRows_ = false;
}

void BoardPanel::SetFormCaptions()
{
    const FormCaptions captions = game_.Display().Captions();
    window_.setWindowTitle(Q(captions.caption));
    playersTag_->setText(Q(captions.playersTag));
    const CommentPanel comment = game_.Display().Comment();
    opponentComment_->setText(Q(comment.text));
    QFont font = opponentComment_->font();
    font.setPointSize(comment.pointSize);
    // Long comments are set tighter as well as smaller.
    font.setBold(comment.pointSize != 7);
    opponentComment_->setFont(font);
    const int wanted = std::max(PxRect(OpponentCommentTwips).height(),
                                opponentComment_->heightForWidth(opponentComment_->width()));
    // Down to the window's edge, or inside the plain layout's frame.
    const int bottom =
        commentFrame_->isHidden() ? window_.height() : commentFrame_->geometry().bottom() - 1;
    const int room = bottom - opponentComment_->y();
    opponentComment_->resize(opponentComment_->width(), room > 0 ? std::min(wanted, room) : wanted);
}

void BoardPanel::CenterSelected()
{
    if (moveList_->rowCount() < 1)
        return;
    const int top = std::max(1, game_.History().SelectedRow() - 10);
    moveList_->scrollToItem(moveList_->item(top - 1, NotationColumn), QAbstractItemView::PositionAtTop);
}

void BoardPanel::SelectFirstMove()
{
    SelectRow(1);
}

void BoardPanel::SelectLastMove()
{
    SelectRow(game_.History().Entries());
}

// A selection made here raises the same change as the user's.
void BoardPanel::SelectRow(int row)
{
    if (row >= 1 && row <= moveList_->rowCount())
        moveList_->selectRow(row - 1);
    else
        moveList_->clearSelection();
}

void BoardPanel::ChangeView()
{
    game_.ChangeView();
    if (game_.Marks().Shown())
        game_.Marks().Show(game_.History().SelectedRow());
    window_.DisplayBoardState();
}

void BoardPanel::ToggleCoords()
{
    game_.Marks().ToggleCoords();
    window_.DisplayBoardState();
}

void BoardPanel::ToggleHighlight()
{
    game_.Marks().Toggle();
    window_.DisplayBoardState();
}

void BoardPanel::RemoveHilight()
{
    if (!game_.Marks().Shown())
        return;
    game_.Marks().Remove();
    window_.DisplayBoardState();
}

void BoardPanel::CBoard_MouseDown(Square square, Qt::MouseButton button, QPoint global)
{
    // The right button opens the mode's menu at the pointer (nothing while
    // the computer thinks); it neither clears the marks nor picks up.
    if (button == Qt::RightButton) {
        window_.MenuBar().PopUp(game_.Setup().Active() ? window_.Menus().mnuSetupMenu
                                                       : window_.Menus().mnuActionsMenu,
                                global);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const bool hadMarks = game_.Marks().Shown() || game_.Marks().CoordsShown();
    game_.Marks().Remove();
    game_.Marks().HideCoords();
    window_.DisplayBoardState();
    const PickUpResult pickUp =
        game_.Setup().Active() ? game_.Setup().PickUp(square) : game_.PickUp(square, hadMarks);
    if (!pickUp.allowed) {
        if (pickUp.note)
            window_.ShowBoardMessage(*pickUp.note);
        return;
    }
    dragFrom_ = square;
    squares_->BeginDrag(port_.Pictures().DragIcon(pickUp.dragIcon));
    Support::PlaySoundCue(Support::SoundCue::PiecePickedUp);
}

void BoardPanel::CBoard_DragDrop(std::optional<Square> target)
{
    if (game_.Setup().Active()) {
        window_.Setup().DropFromBoard(dragFrom_, *squares_, squares_->DropPoint());
        return;
    }
    Support::PlaySoundCue(Support::SoundCue::PieceDropped);
    if (!target)
        return;
    DropResult result = game_.Drop(dragFrom_, *target, playerComment_->text().toStdString());
    if (result.outcome == DropResult::NeedsPromotion)
        result = game_.Promote(AskForPromotion(game_.Info().playerColour, port_.Pictures(),
                                               window_.SimpleUI(), window_.ShowToolTips()));
    ShowDropResult(result);
}

void BoardPanel::ShowDropResult(const DropResult& result)
{
    if (result.outcome == DropResult::Made) {
        if (result.cleanedComment)
            playerComment_->setText(Q(*result.cleanedComment));
        FillMoveList();
    }
    window_.DisplayBoardState();
    for (const BoardMessage& message : result.messages)
        window_.ShowBoardMessage(message);
    if (result.checkSound)
        Support::PlaySoundCue(Support::SoundCue::Check);
}

// The comment box is left: what may not travel is taken out at once.
void BoardPanel::PlayerComment_Validate()
{
    if (const std::optional<std::string> cleaned =
            CleanPlayerComment(playerComment_->text().toStdString())) {
        playerComment_->setText(Q(*cleaned));
        window_.ShowBoardMessage(IllegalCharactersMessage());
    }
}

void BoardPanel::MoveList_SelChange()
{
    if (moveListBusy_)
        return;
    moveListBusy_ = true;
    const QList<QTableWidgetItem*> selected = moveList_->selectedItems();
    const int row = selected.isEmpty() ? 0 : selected.front()->row() + 1;
    game_.SelectRow(row);
    window_.DisplayBoardState();
    CenterSelected();
    moveListBusy_ = false;
}

void BoardPanel::MoveList_MouseUp(const QPoint& at)
{
    if (game_.History().Entries() < 1)
        return;
    window_.MenuBar().PopUp(window_.Menus().mnuHistoryMenu, moveList_->viewport()->mapToGlobal(at));
}

} // namespace BoardSupport
