// The board window in set-up mode: the palette and the trash in place of
// the move list, drags between them and the board, and play from the
// position built.
#include "board/setup_controls.h"

#include "board/board_menu_bar.h"
#include "board/board_panel.h"
#include "board/board_window.h"
#include "board/plain_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/piece_palette.h"
#include "board/setup_warning_form.h"
#include "foundation/press_label.h"
#include "foundation/sound_cues.h"

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

SetupControls::SetupControls(Board& window, GameController& game, BoardHost& port)
    : window_(window), game_(game), port_(port)
{
}

void SetupControls::Create()
{
    palette_ = new PiecePalette(&window_);
    palette_->PiecePicture = [this](int piece) {
        return port_.Pictures().ChessSetCell(PaletteCell(piece));
    };
    palette_->Pressed = [this](int piece, Qt::MouseButton button, QPoint globalPoint) {
        PiecePallete_MouseDown(piece, button, globalPoint);
    };
    palette_->Dropped = [this](QPoint point) { SetupDragDrop(*palette_, point); };
    palette_->setGeometry(SkinnedRect(PaletteTwips));
    palette_->hide();
    trash_ = new SetupTrash(&window_);
    trash_->setGeometry(SkinnedRect(TrashTwips));
    trash_->hide();
    paletteMenu_ = &window_.Menus().mnuPiecePalleteMenu;
}

void SetupControls::Begin()
{
    ShowSetupParts(true);
    SetPiecePallete();
    window_.DisplayBoardState();
    window_.Toolbar().DisplayToolbar();
    ApplyToolTips(window_, game_.Setup().Active(), window_.ShowToolTips());
    window_.View().SetListBusy(false);
}

void SetupControls::ShowSetupParts(bool setup)
{
    palette_->setVisible(setup);
    trash_->setVisible(setup);
    // The trash takes the logo's place.
    window_.GameEnd().ShowLogo();
    // The set-up instructions take the comment box's room as well, so that
    // they stand on one line.
    BoardPanel& view = window_.View();
    const int width = setup ? view.PlayerComment()->geometry().right() - view.OpponentComment()->x()
                            : Px(OpponentCommentTwips.width());
    view.OpponentComment()->resize(width, view.OpponentComment()->height());
    if (!setup)
        return;
    view.MoveList()->hide();
    view.PlayerComment()->hide();
    view.CommentLabel()->hide();
}

void SetupControls::SetPiecePallete()
{
    palette_->update();
    UpdatePiecePalette();
}

void SetupControls::UpdatePiecePalette()
{
    const SetupPalette palette = game_.Setup().UpdatePiecePalette();
    for (int piece = MoveValidation::WhiteRook; piece <= MoveValidation::BlackPawn; ++piece) {
        const bool enabled = palette.ItemEnabled(piece);
        palette_->SetItemState(piece, enabled, !enabled);
    }
}

void SetupControls::PiecePallete_MouseDown(int piece, Qt::MouseButton button, QPoint globalPoint)
{
    if (button == Qt::RightButton) {
        if (MoveValidation::IsKing(piece))
            return;
        palettePiece_ = piece;
        window_.MenuBar().PopUp(*paletteMenu_, globalPoint);
        return;
    }
    game_.Marks().HideCoords();
    window_.DisplayBoardState();
    if (button != Qt::LeftButton)
        return;
    setupDrag_ = SetupSource::Palette(piece);
    palette_->BeginDrag(port_.Pictures().DragIcon(piece));
    Support::PlaySoundCue(Support::SoundCue::PiecePickedUp);
}

// A drag from the board or the palette ended at a point of `source`: on a
// square the piece is put there; on the palette (a piece from the board)
// or in the trash it leaves the board; anywhere else nothing happens.
void SetupControls::DropFromBoard(Square from, QWidget& source, QPoint point)
{
    setupDrag_ = SetupSource::Board(from);
    SetupDragDrop(source, point);
}

void SetupControls::SetupDragDrop(QWidget& source, QPoint point)
{
    BoardView* const squares = window_.View().Squares();
    const QPoint at = source.mapTo(&window_, point);
    std::optional<Square> target;
    if (squares->geometry().contains(at)) {
        target = squares->SquareAt(squares->mapFrom(&window_, at));
    } else if (palette_->geometry().contains(at)) {
        if (setupDrag_.FromPalette())
            return;
    } else if (!trash_->geometry().contains(at)) {
        return;
    }
    Support::PlaySoundCue(Support::SoundCue::PieceDropped);
    ShowSetupChange(game_.Setup().Place(setupDrag_, target));
}

void SetupControls::ShowSetupChange(const SetupChange& change)
{
    window_.DisplayBoardState();
    UpdatePiecePalette();
    if (change.message)
        window_.ShowBoardMessage(*change.message);
}

void SetupControls::RemovePieces(int piece)
{
    ShowSetupChange(game_.Setup().RemovePieces(piece));
}

void SetupControls::SetupReset()
{
    game_.Setup().Reset();
    ShowSetupChange(SetupChange{});
}

void SetupControls::SetupClear()
{
    game_.Setup().Clear();
    ShowSetupChange(SetupChange{});
}

bool SetupControls::SetupPlay()
{
    if (!game_.Setup().Active())
        return false;
    const SetupCheck check = game_.Setup().Valid();
    if (check.refusal) {
        window_.ShowBoardMessage(*check.refusal);
        return false;
    }
    if (!check.warnings.empty()) {
        // The timer stays idle while the warnings are open.
        game_.Timer().SetMessageOpen(true);
        const auto reopenTimer = qScopeGuard([this] { game_.Timer().SetMessageOpen(false); });
        if (!AskSetupWarnings(check.warnings, window_.SimpleUI()))
            return false;
    }
    game_.BeginSetupGame();
    window_.BeginGame();
    return true;
}

} // namespace BoardSupport
