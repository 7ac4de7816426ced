#pragma once
// Material with which neither side can mate: the board's words for it.

#include "store/move_end_facts.h"

#include <string>

namespace BoardSupport {

// The "Forced draw" message text for a type other than none.
std::string ForcedDrawText(ForcedDraw type);

} // namespace BoardSupport
