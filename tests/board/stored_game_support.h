#pragma once
// What the controller's tests share: a program's own data folder with the
// board's controller over it, game 9 stored there from a set-up position,
// and squares by name.

#include "game/game_controller.h"
#include "rules/position.h"

#include "../rules/board_builder.h"
#include "board_test_support.h"

#include <string>

namespace BoardTests {

// A square by its name ("e4").
inline BoardSupport::Square At(const char* name)
{
    return BoardSupport::Square{name[0] - 'a' + 1, name[1] - '0'};
}

// Game 9, Alice against `black`, from a set-up position (pieces as
// "Ke1 ke8 ...", empty for the standard start); the player hosts it
// (White) or not.
inline GameRecord SetupGame(bool host, const char* pieces, const char* black = "Bob")
{
    const std::string start =
        *pieces ? BoardSupport::FormatPositionString(TestBoards::Squares(pieces)) : "";
    return Game(9, host, "Alice", black, 1, start.c_str());
}

// A program's data folder and the board's controller over it.
struct ControllerOnFolder {
    TempDataFolder data;
    BoardSupport::GameController game{data.Folder()};

    BoardSupport::OpenResult OpenStored(int gameId = 9, bool mailOffline = false)
    {
        BoardSupport::OpenRequest request;
        request.gameId = gameId;
        request.mailOffline = mailOffline;
        return game.Open(request);
    }
};

} // namespace BoardTests
