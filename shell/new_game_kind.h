#pragma once
// The kind of the next new game: set by the command that starts it (the
// game list's toolbar, the tray menu), read by the new-game dialog and the
// board that opens the new game.

namespace Support {

struct NewGameKind {
    bool ComputerGame = false; // against the computer opponent
    bool NewGameSetup = false; // starting in the board's set-up mode
};

// The kind for the run; a test sets it as it needs.
NewGameKind& NextNewGame();

} // namespace Support
