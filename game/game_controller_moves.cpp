// The player's move on the board: the pick-up and the drop pipeline of the
// game controller.
#include "game/game_controller.h"
#include "game/move_end.h"

#include "game/player_comment.h"
#include "rules/check.h"
#include "rules/notation.h"
#include "rules/refusal.h"
#include "store/board_changes.h"
#include "store/drop_rules.h"
#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr Support::SoundCue RefusalCue = Support::SoundCue::Refused;

BoardMessage Note(std::string text, std::string caption, std::optional<Support::SoundCue> cue)
{
    return BoardMessage{Support::MsgIcon::Information, std::move(caption), std::move(text), cue, true};
}

// The rules name a refusal's cue by its number; 0 is silence.
std::optional<Support::SoundCue> RulesCue(int cue)
{
    if (cue == 0)
        return std::nullopt;
    return static_cast<Support::SoundCue>(cue);
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

PickUpResult GameController::PickUp(Square square, bool pressClearedMarks) const
{
    const int piece = history_.Current().squares(square.column, square.row);
    PickUpResult result;
    if (IsPieceOfColour(piece, info_.playerColour) && status_.playerMayMove && !status_.drawOffered
        && !pending_) {
        result.allowed = true;
        result.dragIcon = DragIconIndex(piece);
        return result;
    }
    if (pressClearedMarks)
        return result;
    if (status_.playerMayMove && !status_.drawOffered) {
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
    timer_.StopSelfCheckBlink();
    const Move move{from, to};
    Position& position = history_.Board();
    const int piece = position.squares(from.column, from.row);
    const CaptureMode capture =
        position.squares(to.column, to.row) == Empty ? ToEmptySquare : ToOccupiedSquare;
    const Move previous = history_.PreviousMove();
    const DropJudgement judgement = JudgeDrop(position, info_.playerColour, move, previous);
    result.refusal = judgement.refusal;
    if (judgement.refusal != Refusal::None) {
        const RefusalNote& note = NoteFor(judgement.refusal);
        result.outcome = DropResult::Refused;
        result.messages.push_back(
            Note(std::string(note.text), std::string(note.caption), RulesCue(note.soundCue)));
        return result;
    }
    const MoveEffects effects = judgement.effects;
    history_.TakeSnapshot(status_);
    if (judgement.selfCheck) {
        result.outcome = DropResult::Refused;
        result.selfCheck = true;
        result.messages.push_back(Note(std::string("You cannot move the ") + PieceName(piece)
                                           + " there because it will leave you in check.",
                                       "Illegal move", RefusalCue));
        timer_.BlinkSelfCheck();
        history_.Restore(status_);
        return result;
    }
    const int castleMarker = effects.castle != NoCastle ? RookOf(info_.playerColour) : 0;
    PendingMove pending{move,     piece,  capture, castleMarker, effects.castle, effects.enPassant,
                        previous, comment};
    if (IsPromotionMove(static_cast<PieceCode>(piece), to.row, info_.playerColour)) {
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
    const int landing = valid ? (info_.playerColour == White ? kind : kind + BlackOffset)
                              : (info_.playerColour == White ? WhiteQueen : BlackQueen);
    return Finish(pending, landing, DropResult{});
}

DropResult GameController::Finish(PendingMove pending, int landingPiece, DropResult result)
{
    Position& position = history_.Board();
    ApplyMove(position, info_.playerColour, pending.move, landingPiece,
              MoveEffects{pending.castle, pending.enPassant});

    // Check, mate and stalemate of the opponent, with this move as the
    // move before theirs.
    const Colour opponent = static_cast<Colour>(OtherColour(info_.playerColour));
    const MoveEnd end = JudgeMoveEnd(position, opponent, pending.move, status_);
    if (end.stalemate) {
        result.messages.push_back(BoardMessage{Support::MsgIcon::Information, "Stalemate!",
                                               "This move will force a draw.", std::nullopt, false});
        result.stalemate = true;
        timer_.BlinkStalemate();
    }
    result.checkSound = !status_.checkmated && position.checkedSide != NoSideChecked;
    status_.playerMayMove = false;
    result.forcedDraw = end.forcedDraw;
    if (end.forcedDraw != NoForcedDraw)
        result.messages.push_back(ForcedDrawMessage(end.forcedDraw));

    std::string comment = pending.comment;
    if (const std::optional<std::string> cleaned = CleanPlayerComment(comment)) {
        comment = *cleaned;
        result.cleanedComment = *cleaned;
        result.messages.push_back(IllegalCharactersMessage());
    }
    result.notation = BuildMoveNotation(
        {info_.playerColour, static_cast<PieceCode>(landingPiece), pending.move, pending.capture},
        history_.Snapshot().squares, pending.castleMarker > 0 ? pending.castle : NoCastle,
        pending.previous, {position.checkedSide, status_.checkmated, status_.gameDrawn});
    history_.Append(pending.move.Text(), result.notation, comment);
    timer_.MateNoticeDue();
    result.outcome = DropResult::Made;
    result.checkedSide = position.checkedSide;
    result.checkmated = status_.checkmated;
    return result;
}

} // namespace BoardSupport
