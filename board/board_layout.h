#pragma once
// The board window's layout, in twips as it was designed (15 to a pixel):
// the skinned window is 10800 x 7800 twips (720 x 520 pixels). In the plain
// layout the move list moves 1285 left and 150 up, the captions and the
// comment box 625 right and 475 up, the board to its plain origin, and the
// window becomes 1750 narrower and 850 lower.

#include "board/board_geometry.h"

#include <QRect>

namespace BoardSupport {

// Twips to pixels, to the nearest pixel.
constexpr int Px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
constexpr QRect PxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline constexpr int WindowWidthTwips = 10800;
inline constexpr int WindowHeightTwips = 7800;
inline constexpr QRect MoveListTwips(8550, 750, 1650, 4500);
inline constexpr QRect PlayersTagTwips(600, 6930, 3750, 225);
inline constexpr QRect OpponentCommentTwips(600, 7155, 3750, 270);
inline constexpr QRect PlayerCommentLabelTwips(4500, 6930, 3300, 225);
inline constexpr QRect PlayerCommentTwips(4500, 7155, 3300, 270);
inline constexpr int MoveNumberColumnTwips = 450;
inline constexpr int MoveListHeaderTwips = 350;

struct TwipShift {
    int left;
    int up;
};
inline constexpr TwipShift PlainMoveListShift{1285, 150};
inline constexpr TwipShift PlainCaptionShift{-625, 475};
inline constexpr int PlainNarrowerTwips = 1750;
inline constexpr int PlainLowerTwips = 850;

// The board widget's place: its top-left is the top of the top row.
constexpr QRect BoardRect(BoardOrigin origin)
{
    return PxRect(origin.boardLeft, origin.boardTop - 7 * SquareTwips, 8 * SquareTwips, 8 * SquareTwips);
}

constexpr QRect Shifted(QRect twips, TwipShift shift)
{
    return PxRect(twips.x() - shift.left, twips.y() - shift.up, twips.width(), twips.height());
}

} // namespace BoardSupport
