#pragma once
// A new game as its starter asked for it: the kind the command chose (the
// game list's toolbar and Game menu, the tray menu) and the new-game
// dialog's answers. It travels as this one value from the dialog through
// the board's opening to the game controller.

#include <string>

namespace BoardSupport {

struct NewGameKind {
    bool ComputerGame = false; // against the computer opponent, else by e-mail
    bool NewGameSetup = false; // starting in the board's set-up mode, else from the standard start

    bool operator==(const NewGameKind&) const = default;
};

struct NewGameRequest {
    NewGameKind Kind;
    std::string Title;
    std::string OpponentsName;
    std::string OpponentsEmail;
};

} // namespace BoardSupport
