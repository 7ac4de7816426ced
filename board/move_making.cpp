// The player's move on the board: the pick-up and the drop pipeline of the
// game controller.
#include "board/game_controller.h"

#include "store/board_changes.h"
#include "store/drop_rules.h"
#include "store/move_entries.h"
#include "board/player_comment.h"
#include "rules/check.h"
#include "rules/notation.h"
#include "rules/refusal.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int RefusalCue = 5;
constexpr int SelfCheckBlinkTicks = 10;
constexpr int StalemateBlinkTicks = 15;

BoardMessage Note(std::string text, std::string caption, int cue)
{
    return BoardMessage{1, std::move(caption), std::move(text), cue, true};
}

const char* PieceName(int piece)
{
    switch (KindOf(piece)) {
    case Rook:
        return "Rook";
    case Knight:
        return "Knight";
    case Bishop:
        return "Bishop";
    case Queen:
        return "Queen";
    case King:
        return "King";
    default:
        return "Pawn";
    }
}

} // namespace

Move GameController::PreviousMove() const
{
    return moves_.empty() ? Move::None() : Move::FromText(moves_.back().coordinates);
}

PickUpResult GameController::PickUp(Square square, bool pressClearedMarks) const
{
    const int piece = position_.squares(square.column, square.row);
    PickUpResult result;
    if (IsPieceOfColour(piece, playerColour_) && playerMayMove_ && !drawOffered_ && !pending_) {
        result.allowed = true;
        result.dragIcon = DragIconIndex(piece);
        return result;
    }
    if (pressClearedMarks)
        return result;
    if (playerMayMove_ && !drawOffered_) {
        if (piece != Empty)
            result.note = Note("That is not one of your pieces!", "Illegal move", RefusalCue);
    } else {
        result.note =
            Note("You are not allowed to make a move right now.", "Marrowdale information", RefusalCue);
    }
    return result;
}

DropResult GameController::Drop(Square from, Square to, const std::string& comment)
{
    DropResult result;
    if (from == to || !from.OnBoard() || !to.OnBoard() || !PickUp(from, true).allowed)
        return result;
    selfCheckBlinks_ = 0;
    const Move move{from, to};
    const int piece = position_.squares(from.column, from.row);
    const CaptureMode capture =
        position_.squares(to.column, to.row) == Empty ? ToEmptySquare : ToOccupiedSquare;
    const Move previous = PreviousMove();
    const DropJudgement judgement = JudgeDrop(position_, playerColour_, move, previous);
    result.refusal = judgement.refusal;
    if (judgement.refusal != Refusal::None) {
        const RefusalNote& note = NoteFor(judgement.refusal);
        result.outcome = DropResult::Refused;
        result.messages.push_back(
            Note(std::string(note.text), std::string(note.caption), note.soundCue));
        return result;
    }
    const MoveEffects effects = judgement.effects;
    drawnSquares_ = CopyBoard(position_);
    snapshot_ = SaveBoardState(position_, checkmated_, surrendered_);
    if (judgement.selfCheck) {
        result.outcome = DropResult::Refused;
        result.selfCheck = true;
        result.messages.push_back(Note(std::string("You cannot move the ") + PieceName(piece)
                                           + " there because it will leave you in check.",
                                       "Illegal move", RefusalCue));
        selfCheckBlinks_ = SelfCheckBlinkTicks;
        RestoreBoardState(snapshot_, position_, checkmated_, surrendered_, &playerMayMove_);
        return result;
    }
    const int castleMarker = effects.castle != NoCastle ? RookOf(playerColour_) : 0;
    PendingMove pending{move,     piece,  capture, castleMarker, effects.castle, effects.enPassant,
                        previous, comment};
    if (IsPromotionMove(static_cast<PieceCode>(piece), to.row, playerColour_)) {
        pending_ = pending;
        result.outcome = DropResult::NeedsPromotion;
        return result;
    }
    return Finish(pending, piece, std::move(result));
}

DropResult GameController::Promote(PieceCode chosen)
{
    if (!pending_)
        return {};
    const PendingMove pending = *pending_;
    pending_.reset();
    const int kind = KindOf(chosen);
    const bool valid = kind == Rook || kind == Knight || kind == Bishop || kind == Queen;
    // Nothing but one of the four pieces may stand on the last row.
    const int landing = valid ? (playerColour_ == White ? kind : kind + BlackOffset)
                              : (playerColour_ == White ? WhiteQueen : BlackQueen);
    return Finish(pending, landing, DropResult{});
}

DropResult GameController::Finish(PendingMove pending, int landingPiece, DropResult result)
{
    ApplyMove(position_, playerColour_, pending.move, landingPiece,
              MoveEffects{pending.castle, pending.enPassant});

    // Check, mate and stalemate of the opponent, with this move as the
    // move before theirs.
    const Colour opponent = static_cast<Colour>(OtherColour(playerColour_));
    const CheckState state =
        GetCheckState(position_, opponent, true, position_.checkedSide, pending.move);
    if (state == NotInCheck) {
        if (HasNoLegalMove(position_, opponent, pending.move, position_.checkedSide)) {
            result.messages.push_back(
                BoardMessage{1, "Stalemate!", "This move will force a draw.", 0, false});
            result.stalemate = true;
            stalemateBlinks_ = StalemateBlinkTicks;
            gameDrawn_ = true;
        }
        position_.checkedSide = NoSideChecked;
    } else {
        if (state == Checkmate)
            checkmated_ = true;
        position_.checkedSide = opponent;
    }
    result.checkSound = !checkmated_ && position_.checkedSide != NoSideChecked;
    playerMayMove_ = false;
    if (!gameDrawn_) {
        result.forcedDraw = ForcedDrawType(position_.squares);
        if (result.forcedDraw != NoForcedDraw) {
            gameDrawn_ = true;
            result.messages.push_back(
                BoardMessage{1, "Forced draw", ForcedDrawText(result.forcedDraw), 5, false});
        }
    }

    std::string comment = pending.comment;
    if (const std::optional<std::string> cleaned = CleanPlayerComment(comment)) {
        comment = *cleaned;
        result.cleanedComment = *cleaned;
        result.messages.push_back(IllegalCharactersMessage());
    }
    result.notation = BuildMoveNotation(
        {playerColour_, static_cast<PieceCode>(landingPiece), pending.move, pending.capture},
        snapshot_.squares, pending.castleMarker > 0 ? pending.castle : NoCastle, pending.previous,
        {position_.checkedSide, checkmated_, gameDrawn_});
    moves_.push_back(MoveRecord{Entries() + 1, pending.move.Text(), result.notation, comment});
    selectedRow_ = Entries();
    mateNoticeShown_ = false;
    result.outcome = DropResult::Made;
    result.checkedSide = position_.checkedSide;
    result.checkmated = checkmated_;
    return result;
}

} // namespace BoardSupport
