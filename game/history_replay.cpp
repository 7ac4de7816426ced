#include "game/history_replay.h"

#include "rules/check.h"
#include "store/move_entries.h"
#include "store/replay_check.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

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
    // The store's check decides which entries are sound, so that the board
    // shows a stored game exactly as the arrival of that game was judged.
    EntryReplay replay(start);
    for (int i = 1; i <= selectedRow; ++i) {
        if (replay.Play(entries, i) != EntryFault::None) {
            result.badEntry = i;
            selectedRow = i - 1;
            break;
        }
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
    }
    result.position = replay.CurrentPosition();

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
