// The board's set-up mode: the player's changes to the start position, each
// judged at once, and play from it.
#include "game/game_controller.h"
#include "game/setup_session.h"

#include "game/setup_checks.h"
#include "rules/setup_rules.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int MinimumPiecesToPlay = 3; // both kings and one more

const char* const RemovalsRefusedText =
    "Some of the pieces you asked to be removed would have left the board in an illegal state so they "
    "have been left on the board.";

std::string SetupRefusalText(SetupRefusal refusal)
{
    switch (refusal) {
    case SetupRefusal::WhiteKingCount:
        return "The White king must stand on the board before the game can begin.";
    case SetupRefusal::BlackKingCount:
        return "The Black king must stand on the board before the game can begin.";
    case SetupRefusal::PawnOnEndRow:
        return "A pawn stands on the first or the last row of the board, where no pawn can be.  "
               "Move it before the game can begin.";
    case SetupRefusal::WaitingSideInCheck:
        return "The Black king is in check, but White moves first.  A game cannot begin with the king "
               "of the side not to move in check.";
    case SetupRefusal::None:
        break;
    }
    return "";
}

std::string ForcedDrawSetupText(ForcedDraw type)
{
    switch (type) {
    case KingsOnly:
        return "Forced draw.  Placing that piece there will force a draw because you cannot checkmate "
               "with only a king each.";
    case KingsAndOneMinorPiece:
        return "Forced draw.  Placing that piece there will force a draw because you cannot checkmate "
               "with only a knight or a bishop.";
    case BishopsOnTheSameShade:
        return "Forced draw.  Placing that piece there will force a draw because you cannot checkmate "
               "with only two bishops on the same colour.";
    case NoForcedDraw:
        break;
    }
    return "";
}

Colour ColourOfPiece(int piece)
{
    return IsWhitePiece(piece) ? White : Black;
}

} // namespace

bool SetupPalette::ItemEnabled(int piece) const
{
    if (piece == WhiteKing)
        return !whiteKingOnBoard;
    if (piece == BlackKing)
        return !blackKingOnBoard;
    return KindOf(piece) != NoPiece;
}

FormCaptions SetupCaptions()
{
    return FormCaptions{"Marrowdale - Setting up board...", "Please setup the board state.", false};
}

CommentPanel SetupComment()
{
    return CommentPanel{"Drag pieces on and off the board until you are happy with the setup.", 8};
}

void SetupSession::Begin()
{
    active_ = true;
    ResetBoard(false);
}

void SetupSession::ResetBoard(bool emptyBoard)
{
    if (!active_)
        return;
    InitialiseNewBoard(history_.Board(), emptyBoard);
    timer_.EndFlash();
}

PickUpResult SetupSession::PickUp(Square square) const
{
    PickUpResult result;
    if (!active_ || !square.OnBoard())
        return result;
    const int piece = history_.Current().squares(square.column, square.row);
    result.allowed = piece != Empty;
    result.dragIcon = DragIconIndex(piece);
    return result;
}

SetupChange SetupSession::Place(SetupSource source, std::optional<Square> target)
{
    if (!active_ || (target && !target->OnBoard()))
        return {};
    Position& position = history_.Board();
    int piece = source.palettePiece;
    if (source.FromPalette()) {
        if (!target || !UpdatePiecePalette().ItemEnabled(piece))
            return {};
    } else {
        if (!source.square.OnBoard() || (target && *target == source.square))
            return {};
        piece = position.squares(source.square.column, source.square.row);
        if (piece == Empty)
            return {};
    }
    history_.TakeSnapshot(status_);
    if (!source.FromPalette())
        position.squares.Set(source.square.column, source.square.row, Empty);
    if (target)
        position.squares.Set(target->column, target->row, piece);
    return Judge(piece);
}

SetupChange SetupSession::Judge(int movedPiece)
{
    const SetupJudgement judgement = JudgeSetupPosition(history_.Current(), ColourOfPiece(movedPiece));
    if (judgement.refused) {
        history_.Restore(status_);
        return SetupChange{false, judgement.message};
    }
    // The flashing king is drawn again at once, wherever the check mark
    // goes next: nothing waits for the timer, so no second change can come
    // in while this one is unfinished.
    timer_.EndFlash();
    history_.Board().checkedSide = judgement.checkedSide;
    return SetupChange{true, std::nullopt};
}

SetupChange SetupSession::RemovePieces(int piece)
{
    if (!active_ || KindOf(piece) == NoPiece || IsKing(piece))
        return {};
    Position& position = history_.Board();
    SetupChange result;
    bool refused = false;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            if (position.squares(column, row) != piece)
                continue;
            history_.TakeSnapshot(status_);
            position.squares.Set(column, row, Empty);
            if (ForcedDrawType(position.squares) != NoForcedDraw) {
                history_.Restore(status_);
                refused = true;
                continue;
            }
            const SetupChange one = Judge(piece);
            refused = refused || !one.changed;
            result.changed = result.changed || one.changed;
        }
    if (refused)
        result.message = InvalidSetupMessage(RemovalsRefusedText);
    return result;
}

SetupPalette SetupSession::UpdatePiecePalette() const
{
    SetupPalette palette;
    int occupied = 0;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const int piece = history_.Current().squares(column, row);
            occupied += piece != Empty;
            palette.whiteKingOnBoard = palette.whiteKingOnBoard || piece == WhiteKing;
            palette.blackKingOnBoard = palette.blackKingOnBoard || piece == BlackKing;
        }
    palette.playEnabled =
        palette.whiteKingOnBoard && palette.blackKingOnBoard && occupied >= MinimumPiecesToPlay;
    return palette;
}

SetupCheck SetupSession::Valid() const
{
    SetupCheck check;
    // What the opponent's program would refuse to store is refused here.
    if (const SetupRefusal refusal = CheckSetupPosition(history_.Current().squares, White);
        refusal != SetupRefusal::None)
        check.refusal = InvalidSetupMessage(SetupRefusalText(refusal));
    else if (const ForcedDraw draw = ForcedDrawType(history_.Current().squares); draw != NoForcedDraw)
        check.refusal = InvalidSetupMessage(ForcedDrawSetupText(draw));
    else
        check.warnings = SetupWarnings(history_.Current().squares);
    return check;
}

} // namespace BoardSupport
