#pragma once
// What a printed game diagram shows: the board after each stored move row,
// replayed from the game's start, and the diagram's text form, one
// character per square and frame piece, from which the diagrams are drawn.

#include "rules/position.h"
#include "store/game_record.h"

#include <array>
#include <string>
#include <vector>

namespace Support {

// The character of square (column, row): White pieces lower case, Black
// upper case, each with its own letter on a dark square; an empty light
// square " " and an empty dark one "/".
char PieceFontChar(const BoardSupport::BoardSquares& squares, int column, int row);

// A framed diagram as ten lines: "5111111116", eight ranks "3........2",
// "7444444448". With White at the bottom rank 8 is on top and file a on
// the left; otherwise rank 1 is on top and file h on the left.
using DiagramText = std::array<std::string, 10>;
DiagramText DiagramLines(const BoardSupport::BoardSquares& squares, bool whiteAtBottom);

// The board after every move row, in order. A row that moves nothing
// (coordinates "0000", a draw offer, an answer, a result) and a row whose
// coordinates are not a move of a piece on the board leave the board as it
// was; the mover's colour is that of the piece on the from-square, and the
// move before an en passant capture is the last row that moved a piece.
std::vector<BoardSupport::BoardSquares> ReplayDiagramBoards(const BoardSupport::Position& start,
                                                            const MoveList& moves);

} // namespace Support
