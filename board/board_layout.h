#pragma once
// The board window's layout, in twips as it was designed (15 to a pixel):
// the skinned window is 10800 x 7800 twips (720 x 520 pixels). The plain
// layout moves these places by the shifts of plain_layout.h.

#include "board/board_geometry.h"

#include <QRect>

namespace BoardSupport {

// Twips to pixels, to the nearest pixel.
constexpr int Px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr QRect PxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
constexpr QRect PxRect(QRect twips)
{
    return PxRect(twips.x(), twips.y(), twips.width(), twips.height());
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

// The menu titles and window buttons on the skinned title band, and the
// menu titles of the plain layout, which has the band no more.
inline constexpr QRect Menu1ButtonTwips(600, 120, 900, 330);
inline constexpr QRect Menu2ButtonTwips(1560, 120, 1080, 330);
inline constexpr QRect HelpButtonTwips(9630, 135, 345, 345);
inline constexpr QRect MinimiseButtonTwips(10080, 135, 345, 345);
inline constexpr QRect GameMenuLabelTwips(90, 45, 690, 255);
inline constexpr QRect HistoryMenuLabelTwips(780, 45, 840, 255);
inline constexpr QRect HelpMenuLabelTwips(1620, 45, 600, 255);
// Below the move list; the draw offer's picture takes the logo's place.
inline constexpr QRect MDLogoTwips(8550, 5850, 1650, 900);
// The frame the plain layout draws round the comment area.
inline constexpr QRect LabelBoarderTwips(555, 6900, 7290, 525);
// The plain twin of the computer's Cancel is laid out with the comment
// area it moves with; in the plain layout it stands below the move list.
inline constexpr QRect CancelSearchPlainTwinTwips(6640, 5725, 1650, 375);

struct TwipShift {
    int left;
    int up;
};

// The board widget's place: its top-left is the top of the top row.
constexpr QRect BoardRect(BoardOrigin origin)
{
    return PxRect(origin.boardLeft, origin.boardTop - 7 * SquareTwips, 8 * SquareTwips, 8 * SquareTwips);
}

} // namespace BoardSupport
