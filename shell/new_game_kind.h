#pragma once
// The kind of a new game, as the command that starts it chose: the game
// list's toolbar and Game menu, the tray menu. It travels with the new game
// to the dialog and the board as a value.

namespace Support {

struct NewGameKind {
    bool ComputerGame = false; // against the computer opponent, else by e-mail
    bool NewGameSetup = false; // starting in the board's set-up mode, else from the standard start

    bool operator==(const NewGameKind&) const = default;
};

} // namespace Support
