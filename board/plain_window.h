#pragma once
// The board window laid out plain (no skin), and its tool tips; the tables
// they follow are in plain_layout.h.

namespace BoardSupport {

class Board;

// Runs once as the window loads; the skinned look never comes back.
void ApplyPlainLayout(Board& board);
// The texts follow the mode, so entering play or set-up mode sets them.
void ApplyToolTips(Board& board, bool setupMode, bool shown);

} // namespace BoardSupport
