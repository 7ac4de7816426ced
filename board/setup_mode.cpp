// The board's set-up mode in the game controller: the player's changes to
// the start position, each judged at once, and play from it.
#include "board/game_controller.h"

#include "board/setup_checks.h"
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

void GameController::BeginBoardSetup()
{
    setupMode_ = true;
    checkmated_ = surrendered_ = gameDrawn_ = drawOffered_ = false;
    RemoveHilight();
    ResetSetupBoard(false);
}

void GameController::ResetSetupBoard(bool emptyBoard)
{
    if (!setupMode_)
        return;
    drawnSquares_ = CopyBoard(position_);
    InitialiseNewBoard(position_, emptyBoard);
    EndFlash();
}

void GameController::SetupReset()
{
    ResetSetupBoard(false);
}

void GameController::SetupClear()
{
    ResetSetupBoard(true);
}

PickUpResult GameController::SetupPickUp(Square square) const
{
    PickUpResult result;
    if (!setupMode_ || !square.OnBoard())
        return result;
    const int piece = position_.squares(square.column, square.row);
    result.allowed = piece != Empty;
    result.dragIcon = DragIconIndex(piece);
    return result;
}

SetupChange GameController::PlaceSetupPiece(SetupSource source, std::optional<Square> target)
{
    if (!setupMode_ || (target && !target->OnBoard()))
        return {};
    int piece = source.palettePiece;
    if (source.FromPalette()) {
        if (!target || !UpdatePiecePalette().ItemEnabled(piece))
            return {};
    } else {
        if (!source.square.OnBoard() || (target && *target == source.square))
            return {};
        piece = position_.squares(source.square.column, source.square.row);
        if (piece == Empty)
            return {};
    }
    drawnSquares_ = CopyBoard(position_);
    snapshot_ = SaveBoardState(position_, checkmated_, surrendered_);
    if (!source.FromPalette())
        position_.squares.Set(source.square.column, source.square.row, Empty);
    if (target)
        position_.squares.Set(target->column, target->row, piece);
    return JudgeSetupChange(piece);
}

SetupChange GameController::JudgeSetupChange(int movedPiece)
{
    const SetupJudgement judgement = JudgeSetupPosition(position_, ColourOfPiece(movedPiece));
    if (judgement.refused) {
        RestoreBoardState(snapshot_, position_, checkmated_, surrendered_, &playerMayMove_);
        return SetupChange{false, judgement.message};
    }
    // The flashing king is drawn again at once, wherever the check mark
    // goes next: nothing waits for the timer, so no second change can come
    // in while this one is unfinished.
    EndFlash();
    position_.checkedSide = judgement.checkedSide;
    return SetupChange{true, std::nullopt};
}

SetupChange GameController::RemovePieces(int piece)
{
    if (!setupMode_ || KindOf(piece) == NoPiece || IsKing(piece))
        return {};
    drawnSquares_ = CopyBoard(position_);
    SetupChange result;
    bool refused = false;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            if (position_.squares(column, row) != piece)
                continue;
            snapshot_ = SaveBoardState(position_, checkmated_, surrendered_);
            position_.squares.Set(column, row, Empty);
            if (ForcedDrawType(position_.squares) != NoForcedDraw) {
                RestoreBoardState(snapshot_, position_, checkmated_, surrendered_, &playerMayMove_);
                refused = true;
                continue;
            }
            const SetupChange one = JudgeSetupChange(piece);
            refused = refused || !one.changed;
            result.changed = result.changed || one.changed;
        }
    if (refused)
        result.message = InvalidSetupMessage(RemovalsRefusedText);
    return result;
}

SetupPalette GameController::UpdatePiecePalette() const
{
    SetupPalette palette;
    int occupied = 0;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const int piece = position_.squares(column, row);
            occupied += piece != Empty;
            palette.whiteKingOnBoard = palette.whiteKingOnBoard || piece == WhiteKing;
            palette.blackKingOnBoard = palette.blackKingOnBoard || piece == BlackKing;
        }
    palette.playEnabled =
        palette.whiteKingOnBoard && palette.blackKingOnBoard && occupied >= MinimumPiecesToPlay;
    return palette;
}

SetupCheck GameController::SetupValid() const
{
    SetupCheck check;
    // What the opponent's program would refuse to store is refused here.
    if (const SetupRefusal refusal = CheckSetupPosition(position_.squares, White);
        refusal != SetupRefusal::None)
        check.refusal = InvalidSetupMessage(SetupRefusalText(refusal));
    else if (const ForcedDraw draw = ForcedDrawType(position_.squares); draw != NoForcedDraw)
        check.refusal = InvalidSetupMessage(ForcedDrawSetupText(draw));
    else
        check.warnings = SetupWarnings(position_.squares);
    return check;
}

void GameController::BeginSetupGame()
{
    if (!setupMode_)
        return;
    setupMode_ = false;
    EndFlash();
    initialBoardState_ = FormatPositionString(position_.squares);
    playerIsHost_ = true;
    playerColour_ = White;
    SetBoardState();
    SetFormCaptions();
    HilightMove(selectedRow_);
    ConfirmDraw();
}

} // namespace BoardSupport
