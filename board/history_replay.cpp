#include "board/history_replay.h"

#include "board/board_changes.h"
#include "board/drop_rules.h"
#include "board/move_entries.h"
#include "rules/check.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

Move PreviousMoveOf(const MoveList& entries, int entry)
{
    return entry >= 2 ? Move::FromText(entries[entry - 2].coordinates) : Move::None();
}

// Whether the entry is a move the colour could make here: its own piece on
// the origin, a legal path, a promotion exactly when a pawn reaches the last
// row, and the mover's king safe afterwards.
bool IsPlayableEntry(const Position& position, Colour colour, Move move, const MoveRecord& entry,
                     Move previousMove, int& landingPiece, MoveEffects& effects)
{
    const int piece = position.squares(move.from.column, move.from.row);
    if (!IsPieceOfColour(piece, colour))
        return false;
    Position judged = position;
    judged.checkedSide = IsInCheck(position, colour) ? static_cast<int>(colour) : NoSideChecked;
    const DropJudgement judgement = JudgeDrop(judged, colour, move, previousMove);
    if (!judgement.Accepted())
        return false;
    const std::optional<PieceCode> promoted = PromotedPiece(entry.notation, colour);
    const bool promotes = IsPawn(piece) && move.to.row == HomeRow(OtherColour(colour));
    if (promoted.has_value() != promotes)
        return false;
    landingPiece = promoted ? static_cast<int>(*promoted) : piece;
    effects = judgement.effects;
    return true;
}

// The check state after the replay: White's check first; a drawn game
// tests no further; at the last row a side to move without a move has been
// stalemated.
void SetCheckState(ReplayResult& result, const MoveList& entries, int selectedRow)
{
    Position& position = result.position;
    const int count = static_cast<int>(entries.size());
    if (IsInCheck(position, White)) {
        position.checkedSide = White;
        return;
    }
    position.checkedSide = NoSideChecked;
    if (result.gameDrawn)
        return;
    if (IsInCheck(position, Black)) {
        position.checkedSide = Black;
        return;
    }
    if (selectedRow == count && !result.surrendered) {
        const Move last = count > 0 ? Move::FromText(entries.back().coordinates) : Move::None();
        if (HasNoLegalMove(position, ColourToMoveAfter(count), last, NoSideChecked))
            result.gameDrawn = true;
    }
}

} // namespace

ReplayResult MoveThroughHistory(const Position& start, const MoveList& entries, int selectedRow,
                                bool gameDrawn, bool drawOffered, const ReplayRules& rules)
{
    ReplayResult result;
    result.position = start;
    result.gameDrawn = gameDrawn;
    result.drawOffered = drawOffered;
    const int count = static_cast<int>(entries.size());
    selectedRow = std::clamp(selectedRow, 0, count);
    for (int i = 1; i <= selectedRow; ++i) {
        const MoveRecord& entry = entries[i - 1];
        switch (SpecialEntryOf(entry.notation)) {
        case SpecialEntry::Resignation:
            result.surrendered = true;
            continue;
        case SpecialEntry::DrawOffer:
            result.drawOffered = true;
            continue;
        case SpecialEntry::DrawAgreed:
            result.gameDrawn = true;
            continue;
        case SpecialEntry::DrawDeclined:
            result.drawOffered = false;
            result.gameDrawn = false;
            continue;
        case SpecialEntry::None:
            break;
        }
        if (NotationEndsDrawn(entry.notation))
            result.gameDrawn = true;
        // A stored "no move" leaves the board as it is.
        if (entry.coordinates == "0000")
            continue;
        const Colour colour = EntryColour(i);
        const std::optional<Move> move = Move::Parse(entry.coordinates);
        int landingPiece = Empty;
        MoveEffects effects;
        if (!move
            || !IsPlayableEntry(result.position, colour, *move, entry, PreviousMoveOf(entries, i),
                                landingPiece, effects)) {
            result.badEntry = i;
            selectedRow = i - 1;
            break;
        }
        ApplyMove(result.position, colour, *move, landingPiece, effects);
    }

    SetCheckState(result, entries, selectedRow);
    const std::string_view selected =
        selectedRow >= 1 ? std::string_view(entries[selectedRow - 1].notation) : std::string_view();
    result.checkmated = NotationEndsInMate(selected);
    result.playerMayMove = false;
    if (!result.checkmated && !result.surrendered && !result.gameDrawn && selectedRow == count) {
        const bool playersTurn = ColourToMoveAfter(count) == rules.playerColour;
        const bool mayPlayOffline =
            rules.playerColour == White ? rules.computerGame || rules.standAlone : rules.standAlone;
        result.playerMayMove = playersTurn && (!rules.mailOffline || mayPlayOffline);
    }
    return result;
}

std::optional<int> FirstBadEntry(const Position& start, const MoveList& entries)
{
    return MoveThroughHistory(start, entries, static_cast<int>(entries.size()), false, false, {})
        .badEntry;
}

} // namespace BoardSupport
