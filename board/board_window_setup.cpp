// The board window in set-up mode: the palette and the trash in place of
// the move list, drags between them and the board, and play from the
// position built.
#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/piece_palette.h"
#include "board/setup_warning_form.h"
#include "foundation/press_label.h"
#include "foundation/sound_cues.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QTableWidget>

namespace BoardSupport {

namespace {

// In twips, where the move list stands in play mode; the plain layout
// moves them with the move list.
constexpr QRect PaletteTwips(8625, 750, 2 * SquareTwips, 6 * SquareTwips);
constexpr QRect TrashTwips(8925, 5400, 900, 900);

QRect SkinnedRect(const QRect& twips)
{
    return PxRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The palette shows a White piece on a dark square, a Black one on a light
// square: chess-set cell kind + 8 or kind + 16.
int PaletteCell(int piece)
{
    const int kind = MoveValidation::KindOf(piece);
    return MoveValidation::IsWhitePiece(piece) ? kind + 8 : kind + 16;
}

} // namespace

void Board::CreateSetupControls()
{
    PiecePallete = new PiecePalette(this);
    PiecePallete->PiecePicture = [this](int piece) {
        return port_.Pictures().ChessSetCell(PaletteCell(piece));
    };
    PiecePallete->Pressed = [this](int piece, Qt::MouseButton button, QPoint globalPoint) {
        PiecePallete_MouseDown(piece, button, globalPoint);
    };
    PiecePallete->Dropped = [this](QPoint point) { SetupDragDrop(*PiecePallete, point); };
    PiecePallete->setGeometry(SkinnedRect(PaletteTwips));
    PiecePallete->hide();
    Trash = new SetupTrash(this);
    Trash->setGeometry(SkinnedRect(TrashTwips));
    Trash->hide();
    PiecePalleteMenu = &Menus.mnuPiecePalleteMenu;
}

void Board::BeginBoardSetup()
{
    ShowSetupParts(true);
    SetPiecePallete();
    DisplayBoardState();
    DisplayToolbar();
    SetToolTips();
    moveListBusy_ = false;
}

void Board::ShowSetupParts(bool setup)
{
    PiecePallete->setVisible(setup);
    Trash->setVisible(setup);
    // The trash takes the logo's place; a draw offer's picture stays.
    if (!game_.Status().drawOffered)
        MDLogo->setVisible(!setup);
    // The set-up instructions take the comment box's room as well, so that
    // they stand on one line.
    const int width = setup ? PlayerComment->geometry().right() - OpponentComment->x()
                            : Px(OpponentCommentTwips.width());
    OpponentComment->resize(width, OpponentComment->height());
    if (!setup)
        return;
    MoveList->hide();
    PlayerComment->hide();
    PlayerComment_L->hide();
}

void Board::SetPiecePallete()
{
    PiecePallete->update();
    UpdatePiecePalette();
}

void Board::UpdatePiecePalette()
{
    const SetupPalette palette = game_.Setup().UpdatePiecePalette();
    for (int piece = MoveValidation::WhiteRook; piece <= MoveValidation::BlackPawn; ++piece) {
        const bool enabled = palette.ItemEnabled(piece);
        PiecePallete->SetItemState(piece, enabled, !enabled);
    }
}

void Board::PiecePallete_MouseDown(int piece, Qt::MouseButton button, QPoint globalPoint)
{
    if (button == Qt::RightButton) {
        if (MoveValidation::IsKing(piece))
            return;
        palettePiece_ = piece;
        PopUp(*PiecePalleteMenu, globalPoint);
        return;
    }
    game_.Marks().HideCoords();
    DisplayBoardState();
    if (button != Qt::LeftButton)
        return;
    setupDrag_ = SetupSource::Palette(piece);
    PiecePallete->BeginDrag(port_.Pictures().DragIcon(piece));
    Support::PlaySoundCue(Support::CuePiecePickedUp);
}

// A drag from the board or the palette ended at a point of `source`: on a
// square the piece is put there; on the palette (a piece from the board)
// or in the trash it leaves the board; anywhere else nothing happens.
void Board::SetupDragDrop(QWidget& source, QPoint point)
{
    const QPoint at = source.mapTo(this, point);
    std::optional<Square> target;
    if (CBoard->geometry().contains(at)) {
        target = CBoard->SquareAt(CBoard->mapFrom(this, at));
    } else if (PiecePallete->geometry().contains(at)) {
        if (setupDrag_.FromPalette())
            return;
    } else if (!Trash->geometry().contains(at)) {
        return;
    }
    Support::PlaySoundCue(Support::CuePieceDropped);
    ShowSetupChange(game_.Setup().Place(setupDrag_, target));
}

void Board::ShowSetupChange(const SetupChange& change)
{
    DisplayBoardState();
    UpdatePiecePalette();
    if (change.message)
        ShowBoardMessage(*change.message);
}

void Board::RemovePieces(int piece)
{
    ShowSetupChange(game_.Setup().RemovePieces(piece));
}

void Board::SetupReset()
{
    game_.Setup().Reset();
    ShowSetupChange(SetupChange{});
}

void Board::SetupClear()
{
    game_.Setup().Clear();
    ShowSetupChange(SetupChange{});
}

bool Board::SetupPlay()
{
    if (!game_.Setup().Active())
        return false;
    const SetupCheck check = game_.Setup().Valid();
    if (check.refusal) {
        ShowBoardMessage(*check.refusal);
        return false;
    }
    if (!check.warnings.empty()) {
        // The timer stays idle while the warnings are open.
        game_.Timer().SetMessageOpen(true);
        const auto reopenTimer = qScopeGuard([this] { game_.Timer().SetMessageOpen(false); });
        if (!AskSetupWarnings(check.warnings, simpleUI_))
            return false;
    }
    game_.BeginSetupGame();
    BeginGame();
    return true;
}

} // namespace BoardSupport
