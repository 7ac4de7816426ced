#pragma once
// The words on the board toolbar's skinned faces, cell by cell of its
// picture strip: the artwork generator writes them and the board's tests
// hold them to the plain buttons' and the menus' words.
//
// Plain standard C++: the artwork generator reads it too.

#include <array>

namespace WindowNames {

// ToolbarPics cells 0-23: View and Coordinates up and pressed, then Undo,
// Send, Resend, Surrender, Cancel and Close up and pressed, then their
// disabled faces, then View and Coordinates disabled.
inline constexpr std::array<const char*, 24> BoardToolbarFaces = {
    "View",   "View me", "Coords",    "Coords",    "Undo",   "Undo",   "Send",  "Send",
    "Resend", "Resend",  "Surrender", "Surrender", "Cancel", "Cancel", "Close", "Close",
    "Undo",   "Send",    "Resend",    "Surrender", "Cancel", "Close",  "View",  "Coords"};

} // namespace WindowNames
