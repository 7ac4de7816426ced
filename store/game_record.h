#pragma once
// One stored game: its header and its move list, as the database line holds
// them and as every other part of the program passes them around.

#include <cstdint>
#include <string>
#include <vector>

// Where the game stands for this player, kept in GAME_STATUS.
enum GameStatus : std::int16_t {
    StatusPlayersMove = 1, // a new game or move has arrived (vs computer: the player is to move)
    StatusAwaitingOpponent = 2,
    StatusWon = 3,
    StatusLost = 4,
    StatusDrawOffered = 5, // also stored after the player refused the opponent's offer
    StatusDrawn = 6,
};

struct GameRecord {
    std::int32_t GAME_ID = 0;
    std::string GAME_DATESTAMP; // ddmmyyyyhhmm
    std::int32_t GAME_OPPONENTS_ID = 0;
    std::string GAME_NAME;
    std::string GAME_DATE; // dd/mm/yyyy
    std::string GAME_OPPONENTS_EMAIL;
    std::string GAME_WHITE_NAME;
    std::string GAME_BLACK_NAME;
    bool GAME_HOST = false; // this player started the game and plays White
    std::string GAME_OPPONENTS_NAME;
    std::int16_t GAME_STATUS = 0; // a GameStatus
    bool GAME_VS_COMPUTER = false;
    std::string startPosition; // position string, empty for the standard start

    bool operator==(const GameRecord&) const = default;
};

struct MoveRecord {
    std::int32_t number = 0; // 1 for the game's first entry
    std::string coordinates; // four digits, or "0000"
    std::string notation;
    std::string comment;

    bool operator==(const MoveRecord&) const = default;
};

// A game's moves in order; entry i of the game is element i - 1.
using MoveList = std::vector<MoveRecord>;
