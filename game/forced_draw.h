#pragma once
// Material with which neither side can mate.

#include "rules/position.h"

#include <string>

namespace BoardSupport {

enum ForcedDraw : int {
    NoForcedDraw = 0,
    KingsOnly = 1,
    KingsAndOneMinorPiece = 2, // one knight or one bishop
    BishopsOnTheSameShade = 3, // one bishop each, on squares of one shade
};

ForcedDraw ForcedDrawType(const BoardSquares& squares);

// The "Forced draw" message text for a type other than none.
std::string ForcedDrawText(ForcedDraw type);

} // namespace BoardSupport
