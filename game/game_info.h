#pragma once
// The open game's identity as the controller read it (and the data folder
// it is stored in) from the game's record
// or the new-game request: who plays which side, the ids it is stored
// under, and how the program delivers its moves.

#include "game/history_replay.h"
#include "game/move_saving.h"
#include "game/new_game_request.h"
#include "rules/move.h"
#include "store/data_folder.h"

#include <string>
#include <utility>

namespace BoardSupport {

struct GameInfo {
    explicit GameInfo(Database::DataFolder dataFolder) : folder(std::move(dataFolder)) { }

    Database::DataFolder folder; // the program's data folder the game is stored in
    int gameId = -1;             // as opened: -1 for a new game (an e-mail game keeps it while open)
    int savedGameId = 0;         // the id the last save wrote under (SavedGameID), 0 before any
    int boardGameStatus = 0;
    std::string initialBoardState; // the start position's string
    std::string whitePlayerName;
    std::string blackPlayerName;
    bool playerIsHost = true;
    MoveValidation::Colour playerColour = MoveValidation::White;
    int viewColour = 0;
    bool computerGame = false;
    bool mailOffline = false;
    bool standAlone = false;
    bool newGameSetup = false; // the new game's start position is the player's own
    // What a new game's first save writes into its record: the request it
    // was opened with (empty for a stored game) and the player's own name.
    NewGameRequest newGame;
    std::string newGameOwnName;

    // How Send and Resend deliver the stored game with the mail state the
    // board was opened with (mail polling waits while the board is open).
    MoveTransport Transport() const { return TransportFor(mailOffline, standAlone); }
    ReplayRules Rules() const
    {
        return ReplayRules{playerColour, mailOffline, computerGame, standAlone};
    }
};

} // namespace BoardSupport
