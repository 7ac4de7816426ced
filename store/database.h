#pragma once
// The game database: one line per game in "Mdgdb.dat" in the data folder.
// Nothing is cached; every routine reads the file, does its work and lets
// go of it. Routines report failure by their result and show nothing
// themselves, except the two reports of an unknown field name in a
// selection or sort text, which go to the folder's message sink.

#include "store/backup.h"
#include "store/data_folder.h"
#include "store/game_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace Database {

// A numeric or Boolean value of a selection text that does not convert.
class SelectionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every game matching `criteria` ("NAME;value;NAME;value..."; names in any
// case; "" matches all), sorted by `sortSpec` ("NAME;A|D;..."; blank keeps
// the file's order). True also when there is no file (no games); false
// after any failure, with `records` empty.
bool SelectGames(const DataFolder& folder, std::vector<GameRecord>& records, std::string_view criteria,
                 std::string_view sortSpec);

// The game stored with `gameID`, found by the one selection every caller
// would write. `ok` is false when the database could not be read; `game` is
// the first game with the id, empty when there is none; `count` says how
// many have it (one in a sound database).
struct FoundGame {
    bool ok = false;
    std::optional<GameRecord> game;
    std::size_t count = 0;
};
FoundGame FindGame(const DataFolder& folder, std::int32_t gameID);

// Whether every name/value pair of `criteria` matches the game. Throws
// SelectionError when a value for a numeric or Boolean name does not convert.
bool RecordMatchesCriteria(const GameRecord& record, std::string_view criteria,
                           Support::MessageSink* messages = nullptr);

// Sorts in place; equal games keep their order.
void SortGames(std::vector<GameRecord>& records, std::string_view sortSpec,
               Support::MessageSink* messages = nullptr);

// The stored moves of a game; empty when it has none, is unknown or there is
// no file. False when the file cannot be read, or a line before the game's
// or the game's own moves do not convert.
bool LoadGameMoves(const DataFolder& folder, MoveList& moves, std::int32_t gameID);

// The id for a game stored for the first time: one more than the highest id
// of every readable line (1 for no games). Nothing when the file cannot be
// read or the ids are used up: a new game must then not be saved.
std::optional<std::int32_t> GetNextGameID(const DataFolder& folder);

// Stores the game as its file's last line. The header is always rewritten;
// the moves follow the append-or-replace rule: a single entry numbered
// beyond the stored count is appended, a longer list replaces the stored
// moves, anything else keeps them. With `newMoves` given, it reports
// whether the game or its moves were new, and then sets GAME_STATUS to 1.
// A record without a valid id (below 1) is refused.
bool SaveGame(const DataFolder& folder, GameRecord& record, const MoveList& moves,
              bool* newMoves = nullptr);

// Removes the game's line; true also when there is no file.
bool DeleteGame(const DataFolder& folder, std::int32_t gameID);

} // namespace Database
