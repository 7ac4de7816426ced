#pragma once
// The entries of a game's move list as the board reads them. Entry i
// (1-based) is White's when i is odd. An entry is a move (four-digit
// coordinates and its notation) or a special entry whose notation is
// exactly one of "1-0", "0-1", "Surrender", "Draw offer", "1/2-1/2" or
// "Decline" and whose coordinates are the maker's king square twice.

#include "rules/move.h"
#include "rules/piece.h"
#include "store/game_record.h"

#include <optional>
#include <string_view>

namespace BoardSupport {

enum class SpecialEntry { None, Resignation, DrawOffer, DrawAgreed, DrawDeclined };

// Which special entry a notation is; None for a move.
SpecialEntry SpecialEntryOf(std::string_view notation);

// The colour that made entry i.
constexpr MoveValidation::Colour EntryColour(int entry)
{
    return entry % 2 == 1 ? MoveValidation::White : MoveValidation::Black;
}

// The colour to move after the first n entries.
constexpr MoveValidation::Colour ColourToMoveAfter(int entries)
{
    return entries % 2 == 0 ? MoveValidation::White : MoveValidation::Black;
}

// The player made the last of n entries: n odd for the host (White), even
// for the guest.
constexpr bool PlayerMadeLastEntry(int entries, bool playerIsHost)
{
    return entries > 0 && (entries % 2 == 1) == playerIsHost;
}

// The notation ends the game drawn (" 1/2-1/2") or mated ("++").
bool NotationEndsDrawn(std::string_view notation);
bool NotationEndsInMate(std::string_view notation);

// The piece a promotion notation ("e8=Q", "dxc1=N+") makes for the colour,
// or none when the notation holds no "=".
std::optional<MoveValidation::PieceCode> PromotedPiece(std::string_view notation,
                                                       MoveValidation::Colour colour);

// The move an entry makes on the board, or none for a special entry and for
// coordinates that are not a move ("0000", damaged text).
std::optional<Move> BoardMoveOf(const MoveRecord& entry);

} // namespace BoardSupport
