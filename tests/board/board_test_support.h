#pragma once
// What the board tests share: a data folder holding a copy of the fixture
// database or games written for the test, and moves written as coordinates
// and notation.

#include "store/data_folder.h"
#include "store/database.h"
#include "store/game_record.h"

#include "../store/store_test_support.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace BoardTests {

// A temporary data folder for the game database.
class TempDataFolder {
public:
    Database::DataFolder Folder() const { return Database::DataFolder(folder_.Path()); }
    std::filesystem::path Path() const { return folder_.Path(); }

    void CopyFixture(const char* name = "three_games.dat") const
    {
        StoreTest::WriteBytes(folder_ / Database::DatabaseFileName, StoreTest::Fixture(name));
    }
    std::string DatabaseText() const
    {
        return StoreTest::ReadBytes(folder_ / Database::DatabaseFileName);
    }

private:
    StoreTest::TempFolder folder_;
};

struct Entry {
    const char* coordinates;
    const char* notation;
    const char* comment = "";
};

inline MoveList Entries(std::initializer_list<Entry> entries)
{
    MoveList moves;
    int number = 0;
    for (const Entry& e : entries)
        moves.push_back(MoveRecord{++number, e.coordinates, e.notation, e.comment});
    return moves;
}

inline GameRecord Game(int id, bool host, const char* white, const char* black, int status,
                       const char* start = "")
{
    GameRecord record;
    record.GAME_ID = id;
    record.GAME_DATESTAMP = "010120251200";
    record.GAME_NAME = "Test game";
    record.GAME_DATE = "01/01/2025";
    record.GAME_OPPONENTS_EMAIL = "them@example.org";
    record.GAME_WHITE_NAME = white;
    record.GAME_BLACK_NAME = black;
    record.GAME_HOST = host;
    record.GAME_OPPONENTS_NAME = host ? black : white;
    record.GAME_STATUS = static_cast<std::int16_t>(status);
    record.startPosition = start;
    return record;
}

inline bool Store(const Database::DataFolder& folder, GameRecord record, const MoveList& moves)
{
    return Database::SaveGame(folder, record, moves);
}

} // namespace BoardTests
