#pragma once
// The board window's plain layout and its tool tips, as tables a test can
// read without a window.
//
// The skinned window leaves room for its painted frame and title. Without
// them the right-hand column (move list, logos, draw buttons, set-up
// palette and bin) moves 1285 twips left and 150 up, the comment area 625
// right and 475 up, and the window becomes 1750 narrower and 475 lower.

#include "board/board_layout.h"

#include <QString>

#include <optional>
#include <vector>

namespace BoardSupport {

inline constexpr TwipShift PlainRightColumnShift{1285, 150};
inline constexpr TwipShift PlainCommentAreaShift{-625, 475};
inline constexpr int PlainNarrowerTwips = 1750;
// The comment area moves 475 up and keeps below it the room it has in the
// skinned window (375 twips under the comment panel's first line), so the
// window is 475 lower, not 850: 850 would end it at the panel's first line
// and cut the comment box's border and the computer's second line of
// figures. The frame round the comment area reaches down into that room.
inline constexpr int PlainLowerTwips = 475;
inline constexpr int PlainCommentRoomTwips = 375;
// The comment box of the plain layout has a border, and is that much taller.
inline constexpr int PlainCommentTallerTwips = 5;

// How far a control of the given name moves into the plain layout; none
// for a control that stays or is placed on its own (the board, the
// toolbars, the menu titles).
std::optional<TwipShift> PlainShiftOf(const QString& controlName);

// The same shift in pixels: a control moves by it from its skinned place.
QPoint PlainPixelShift(TwipShift shift);

struct ControlTip {
    QString control; // the object name
    QString text;
};

// Every control's tool tip for the mode: shown when tool tips are on, and
// the same controls cleared when they are off. The set-up mode's toolbar
// buttons 4 to 6 and the history menu button say what they do there.
std::vector<ControlTip> BoardToolTips(bool setupMode, const QString& version);

} // namespace BoardSupport
