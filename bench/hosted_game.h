#pragma once
// The one stored game a benchmark plays from: game 1, named "Bench", which
// the player started and plays White.

#include "store/game_record.h"

#include <string>

namespace Bench {

// `stamp` as the database keeps it (ddmmyyyyhhmm), `date` as dd/mm/yyyy.
inline GameRecord HostedGame(const std::string& opponent, GameStatus status, const std::string& stamp,
                             const std::string& date)
{
    GameRecord game;
    game.GAME_ID = 1;
    game.GAME_DATESTAMP = stamp;
    game.GAME_NAME = "Bench";
    game.GAME_DATE = date;
    game.GAME_BLACK_NAME = game.GAME_OPPONENTS_NAME = opponent;
    game.GAME_HOST = true;
    game.GAME_STATUS = status;
    return game;
}

} // namespace Bench
