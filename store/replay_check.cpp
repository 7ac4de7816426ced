#include "store/replay_check.h"

#include "rules/check.h"
#include "rules/notation.h"
#include "store/drop_rules.h"
#include "store/move_end_facts.h"
#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

Move PreviousMoveOf(const MoveList& entries, int entry)
{
    return entry >= 2 ? Move::FromText(entries[entry - 2].coordinates) : Move::None();
}

// A promotion is written "=" and one of the four letters; anything else
// after "=" is no promotion the board could have made.
bool HasPromotionLetter(std::string_view notation)
{
    const std::size_t equals = notation.find('=');
    if (equals == std::string_view::npos || equals + 1 >= notation.size())
        return false;
    const char letter = notation[equals + 1];
    return letter == 'R' || letter == 'N' || letter == 'B' || letter == 'Q';
}

} // namespace

std::string EntryFaultText(EntryFault fault)
{
    switch (fault) {
    case EntryFault::None:
        return "it is sound";
    case EntryFault::AfterTheEnd:
        return "it follows the end of the game";
    case EntryFault::NotAMove:
        return "its coordinates name no move";
    case EntryFault::NotOwnPiece:
        return "it moves from a square without a piece of the side to move";
    case EntryFault::IllegalMove:
        return "it is not a legal move";
    case EntryFault::PromotionMismatch:
        return "its promotion does not match the move";
    case EntryFault::KingSquare:
        return "it does not name its maker's king square";
    case EntryFault::AnswerWithoutOffer:
        return "it answers a draw offer that was not made";
    }
    return {};
}

EntryReplay::EntryReplay(const Position& start) : position_(start) { }

bool EntryReplay::GameOverBefore(const MoveList& entries, int entry) const
{
    if (entry < 2)
        return false;
    const MoveRecord& previous = entries[entry - 2];
    switch (SpecialEntryOf(previous.notation)) {
    case SpecialEntry::Resignation:
    case SpecialEntry::DrawAgreed:
        return true;
    case SpecialEntry::DrawOffer:
    case SpecialEntry::DrawDeclined:
        return false;
    case SpecialEntry::None:
        break;
    }
    if (NotationEndsDrawn(previous.notation) || NotationEndsInMate(previous.notation))
        return true;
    // Mated or stalemated whatever the notation says: the side to move has
    // nothing to play.
    const Colour toMove = EntryColour(entry);
    const int checked = IsInCheck(position_, toMove) ? static_cast<int>(toMove) : NoSideChecked;
    return HasNoLegalMove(position_, toMove, Move::FromText(previous.coordinates), checked);
}

EntryFault EntryReplay::Check(const MoveList& entries, int entry, int& landingPiece,
                              MoveEffects& effects) const
{
    const MoveRecord& record = entries[entry - 1];
    const Colour colour = EntryColour(entry);
    if (GameOverBefore(entries, entry))
        return EntryFault::AfterTheEnd;

    const SpecialEntry special = SpecialEntryOf(record.notation);
    if (special != SpecialEntry::None) {
        if (special == SpecialEntry::DrawAgreed || special == SpecialEntry::DrawDeclined) {
            if (entry < 2 || SpecialEntryOf(entries[entry - 2].notation) != SpecialEntry::DrawOffer)
                return EntryFault::AnswerWithoutOffer;
        }
        if (record.coordinates == "0000")
            return EntryFault::None;
        Square king;
        if (!FindPiece(position_.squares, KingOf(colour), king))
            return EntryFault::KingSquare;
        return record.coordinates == Move{king, king}.Text() ? EntryFault::None : EntryFault::KingSquare;
    }

    const std::optional<Move> move = Move::Parse(record.coordinates);
    if (!move)
        return EntryFault::NotAMove;
    const int piece = position_.squares(move->from.column, move->from.row);
    if (!IsPieceOfColour(piece, colour))
        return EntryFault::NotOwnPiece;
    Position judged = position_;
    judged.checkedSide = IsInCheck(position_, colour) ? static_cast<int>(colour) : NoSideChecked;
    const DropJudgement judgement = JudgeDrop(judged, colour, *move, PreviousMoveOf(entries, entry));
    if (!judgement.Accepted())
        return EntryFault::IllegalMove;
    const bool promotes = IsPawn(piece) && move->to.row == HomeRow(OtherColour(colour));
    const bool written = record.notation.find('=') != std::string::npos;
    if (promotes != written || (written && !HasPromotionLetter(record.notation)))
        return EntryFault::PromotionMismatch;
    const std::optional<PieceCode> promoted = PromotedPiece(record.notation, colour);
    landingPiece = promoted ? static_cast<int>(*promoted) : piece;
    effects = judgement.effects;
    return EntryFault::None;
}

// The notation of a sound move, made on a copy of the position before it:
// the same steps as the board's own move, so the same text.
std::string EntryReplay::MoveNotation(const MoveList& entries, int entry, int landingPiece,
                                      const MoveEffects& effects) const
{
    const Colour colour = EntryColour(entry);
    const Move move = *Move::Parse(entries[entry - 1].coordinates);
    const CaptureMode capture =
        position_.squares(move.to.column, move.to.row) == Empty ? ToEmptySquare : ToOccupiedSquare;
    Position after = position_;
    after.checkedSide = IsInCheck(position_, colour) ? static_cast<int>(colour) : NoSideChecked;
    ApplyMove(after, colour, move, landingPiece, effects);
    const MoveEndFacts end = JudgeMoveEndFacts(after, OtherColour(colour), move, false);
    return BuildMoveNotation({colour, static_cast<PieceCode>(landingPiece), move, capture},
                             position_.squares, effects.castle, PreviousMoveOf(entries, entry),
                             {after.checkedSide, end.checkmated, end.Drawn()});
}

EntryFault EntryReplay::Play(const MoveList& entries, int entry, std::string* madeNotation)
{
    if (faulted_)
        return EntryFault::AfterTheEnd;
    int landingPiece = Empty;
    MoveEffects effects;
    const EntryFault fault = Check(entries, entry, landingPiece, effects);
    if (fault != EntryFault::None) {
        faulted_ = true;
        return fault;
    }
    const MoveRecord& record = entries[entry - 1];
    const std::optional<Move> move = BoardMoveOf(record);
    if (madeNotation) {
        if (SpecialEntryOf(record.notation) == SpecialEntry::Resignation)
            // The side that resigns writes the other side's win.
            *madeNotation = EntryColour(entry) == White ? "0-1" : "1-0";
        else if (move)
            *madeNotation = MoveNotation(entries, entry, landingPiece, effects);
        else
            *madeNotation = record.notation;
    }
    if (move)
        ApplyMove(position_, EntryColour(entry), *move, landingPiece, effects);
    return EntryFault::None;
}

std::optional<ReplayFault> CheckReplay(const Position& start, const MoveList& entries)
{
    EntryReplay replay(start);
    for (int i = 1; i <= static_cast<int>(entries.size()); ++i)
        if (const EntryFault fault = replay.Play(entries, i); fault != EntryFault::None)
            return ReplayFault{i, fault};
    return std::nullopt;
}

} // namespace BoardSupport
