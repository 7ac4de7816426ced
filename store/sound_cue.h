#pragma once
// The program's event sounds by what they announce, for every layer that
// asks for one (a message box's cue is decided in store/ too).

#include <cstdint>

namespace Support {

// The event cues: the files "Cs001.mds" to "Cs007.mds" in the program folder.
enum class SoundCue : std::int16_t {
    GameWon = 1,
    Check = 2,
    PiecePickedUp = 3,
    PieceDropped = 4,
    Refused = 5,     // illegal move, refused action, mail and database errors
    Information = 6, // information, warnings and questions
    GameLost = 7,
};

} // namespace Support
