#pragma once
// The dark band across the top of a skinned window's background picture,
// where the window's caption stands. The artwork generator paints it at
// this height and the windows lay their caption on it.
//
// Plain standard C++: the artwork generator reads it too.

#include "foundation/window_names.h"

#include <string_view>

namespace WindowNames {

// Pixels from the picture's top. The board's squares and toolbar start 37
// pixels down, so its band ends above them; the status window has none.
inline constexpr int TitleBandHeight(std::string_view window)
{
    if (window == StatusWindow)
        return 0;
    return window == Board ? 34 : 40;
}

} // namespace WindowNames
