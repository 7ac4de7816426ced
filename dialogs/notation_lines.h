#pragma once
// The printed move list: White's and Black's moves paired on numbered
// lines ("12.Nf3 Nc6"), the running paragraph those lines make, and the
// fixed-width cells of the move table.

#include "store/game_record.h"

#include <string>
#include <vector>

namespace Support {

// One line per pair of kept rows; "Draw offer" and "Decline" rows are left
// out, results ("1-0", "1/2-1/2") are paired like moves.
std::vector<std::string> NotationLines(const MoveList& moves);

// The lines run together, each followed by a space, into paragraph lines
// of at most `width` characters (a single longer entry stands alone).
std::vector<std::string> ParagraphLines(const std::vector<std::string>& lines, std::size_t width = 110);

// The move table's cells are 27 characters wide; a longer line keeps its
// whole text and one space, so no move is cut off.
inline constexpr std::size_t NotationCellWidth = 27;
std::string NotationCell(const std::string& line);

} // namespace Support
