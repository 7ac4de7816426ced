#pragma once
// Where the board's squares stand. The window was laid out in twips
// (15 to a pixel); this is the one place they become pixels.

#include "rules/move.h"

namespace BoardSupport {

inline constexpr int TwipsPerPixel = 15;
constexpr int ToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

inline constexpr int SquareTwips = 750;
inline constexpr int SquarePixels = SquareTwips / TwipsPerPixel; // 50

// BoardTop is the top of the bottom row of squares, BoardLeft the left of
// the left column, in the skinned and the plain layout.
struct BoardOrigin {
    int boardTop;
    int boardLeft;
};
inline constexpr BoardOrigin SkinnedBoardOrigin{5805, 1830};
inline constexpr BoardOrigin PlainBoardOrigin{5640, 1140};

// A square's place on the drawn board, counted from the top-left square:
// with White at the bottom file a is column 0 and rank 8 is row 0.
struct DisplayCell {
    int column;
    int row;
    friend constexpr bool operator==(const DisplayCell&, const DisplayCell&) = default;
};

// viewColour: the colour drawn at the bottom (0 White, 1 Black).
constexpr DisplayCell DisplayCellOf(Square square, int viewColour)
{
    const int fromLeft = viewColour == 0 ? square.column - 1 : 8 - square.column;
    const int fromBottom = viewColour == 0 ? square.row - 1 : 8 - square.row;
    return DisplayCell{fromLeft, 7 - fromBottom};
}

constexpr Square SquareAtCell(DisplayCell cell, int viewColour)
{
    const int fromBottom = 7 - cell.row;
    return viewColour == 0 ? Square{cell.column + 1, fromBottom + 1}
                           : Square{8 - cell.column, 8 - fromBottom};
}

// The square's top-left corner on the window, in twips.
struct TwipPoint {
    int left;
    int top;
    friend constexpr bool operator==(const TwipPoint&, const TwipPoint&) = default;
};
constexpr TwipPoint SquarePlace(Square square, int viewColour, BoardOrigin origin)
{
    const DisplayCell cell = DisplayCellOf(square, viewColour);
    return TwipPoint{origin.boardLeft + cell.column * SquareTwips,
                     origin.boardTop - (7 - cell.row) * SquareTwips};
}

} // namespace BoardSupport
