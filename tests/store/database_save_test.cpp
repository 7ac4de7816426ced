// Saving games: the append-or-replace rule, the new-moves report, ids and
// deletion, checked on the exact lines written.

#include "store/database.h"
#include "store/game_line.h"
#include "store_test_support.h"

using namespace Database;
using namespace StoreTest;

namespace {

GameRecord Header(std::int32_t id, std::int16_t status = StatusAwaitingOpponent)
{
    GameRecord r;
    r.GAME_ID = id;
    r.GAME_DATESTAMP = "010220241200";
    r.GAME_OPPONENTS_ID = 4;
    r.GAME_NAME = "Game " + std::to_string(id);
    r.GAME_DATE = "01/02/2024";
    r.GAME_OPPONENTS_EMAIL = "opp@example.org";
    r.GAME_WHITE_NAME = "Ann";
    r.GAME_BLACK_NAME = "Opp";
    r.GAME_HOST = true;
    r.GAME_OPPONENTS_NAME = "Opp";
    r.GAME_STATUS = status;
    return r;
}

MoveRecord Move(std::int32_t number, const char* coordinates = "5254", const char* notation = "e4",
                const char* comment = "")
{
    return {number, coordinates, notation, comment};
}

const char* const kHeader7 = "7|010220241200|4|Game 7|01/02/2024|opp@example.org|Ann|Opp|-1|Opp|2|0|";

} // namespace

TEST(DatabaseSave, AppendOrReplaceRule)
{
    struct Step {
        const char* what;
        MoveList moves;
        const char* storedMoves; // after the header, "" for none
    };
    const Step steps[] = {
        {"new game without moves", {}, ""},
        {"a move numbered beyond the stored count is appended", {Move(1)}, "|1|5254|e4|"},
        {"move n+1 appended", {Move(2, "5755", "e5", "hi")}, "|1|5254|e4||2|5755|e5|hi"},
        {"the same number again keeps the moves", {Move(2, "4244", "d4")}, "|1|5254|e4||2|5755|e5|hi"},
        {"a list that is not longer keeps them",
         {Move(1, "1111", "x"), Move(2, "2222", "y")},
         "|1|5254|e4||2|5755|e5|hi"},
        {"a longer list replaces",
         {Move(1), Move(2, "4745", "d5"), Move(3, "7163", "Nf3")},
         "|1|5254|e4||2|4745|d5||3|7163|Nf3|"},
        {"a shorter list keeps the stored moves",
         {Move(1, "0000", "?")},
         "|1|5254|e4||2|4745|d5||3|7163|Nf3|"},
        {"no moves keeps them", {}, "|1|5254|e4||2|4745|d5||3|7163|Nf3|"},
    };
    TempFolder folder;
    const DataFolder data(folder.Path());
    GameRecord other = Header(3);
    ASSERT_TRUE(SaveGame(data, other, {Move(1)}));
    for (const auto& step : steps) {
        GameRecord record = Header(7);
        ASSERT_TRUE(SaveGame(data, record, step.moves)) << step.what;
        const auto lines = Lines(ReadBytes(folder / "Mdgdb.dat"));
        ASSERT_EQ(lines.size(), 2u) << step.what;
        EXPECT_EQ(lines[0],
                  "3|010220241200|4|Game 3|01/02/2024|opp@example.org|Ann|Opp|-1|Opp|2|0||1|5254|e4|")
            << step.what;
        EXPECT_EQ(lines[1], std::string(kHeader7) + step.storedMoves) << step.what;

        MoveList loaded;
        ASSERT_TRUE(LoadGameMoves(data, loaded, 7));
        EXPECT_EQ(static_cast<int>(loaded.size()),
                  std::string_view(step.storedMoves).empty() ? 0 : StoredMoveCount(lines[1]))
            << step.what;
    }
}

TEST(DatabaseSave, SavedGameBecomesTheLastLineAndHeaderIsRewritten)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    for (int id : {1, 2, 3}) {
        GameRecord r = Header(id);
        ASSERT_TRUE(SaveGame(data, r, {Move(1)}));
    }
    GameRecord first = Header(1, StatusWon);
    first.GAME_NAME = "Renamed";
    ASSERT_TRUE(SaveGame(data, first, {}));
    const auto lines = Lines(ReadBytes(folder / "Mdgdb.dat"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 2), "2|");
    EXPECT_EQ(lines[1].substr(0, 2), "3|");
    EXPECT_EQ(lines[2],
              "1|010220241200|4|Renamed|01/02/2024|opp@example.org|Ann|Opp|-1|Opp|3|0||1|5254|e4|");
}

TEST(DatabaseSave, NewMovesFlagAndStatus)
{
    struct Row {
        const char* what;
        MoveList moves;
        bool expectNew;
        std::int16_t expectStatus;
    };
    const Row rows[] = {
        {"first save of a game", {Move(1)}, true, StatusPlayersMove},
        {"nothing new", {Move(1)}, false, StatusAwaitingOpponent},
        {"one more move", {Move(2)}, true, StatusPlayersMove},
        {"a list that is not longer", {Move(1), Move(2)}, false, StatusAwaitingOpponent},
        {"a longer list", {Move(1), Move(2), Move(3)}, true, StatusPlayersMove},
        {"no moves", {}, false, StatusAwaitingOpponent},
    };
    TempFolder folder;
    const DataFolder data(folder.Path());
    for (const auto& row : rows) {
        GameRecord record = Header(5, StatusAwaitingOpponent);
        bool newMoves = !row.expectNew;
        ASSERT_TRUE(SaveGame(data, record, row.moves, &newMoves)) << row.what;
        EXPECT_EQ(newMoves, row.expectNew) << row.what;
        EXPECT_EQ(record.GAME_STATUS, row.expectStatus) << row.what;
        std::vector<GameRecord> stored;
        ASSERT_TRUE(SelectGames(data, stored, "Game_ID;5", ""));
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].GAME_STATUS, row.expectStatus) << row.what;
    }
    // Without the flag the status is stored as passed, even for a new game.
    GameRecord quiet = Header(6, StatusAwaitingOpponent);
    ASSERT_TRUE(SaveGame(data, quiet, {Move(1)}));
    EXPECT_EQ(quiet.GAME_STATUS, StatusAwaitingOpponent);
}

TEST(DatabaseSave, TextFieldsCannotBreakTheLine)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    GameRecord record = Header(1);
    record.GAME_NAME = "a|b\r\nc\td";
    record.GAME_OPPONENTS_NAME = "x|y";
    ASSERT_TRUE(SaveGame(data, record, {Move(1, "5254", "e4", "good|move\nreally")}));
    EXPECT_EQ(
        Lines(ReadBytes(folder / "Mdgdb.dat"))[0],
        "1|010220241200|4|a b  cd|01/02/2024|opp@example.org|Ann|Opp|-1|x y|2|0||1|5254|e4|good move really");
    std::vector<GameRecord> games;
    ASSERT_TRUE(SelectGames(data, games, "", ""));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].GAME_STATUS, StatusAwaitingOpponent);
    EXPECT_EQ(games[0].GAME_NAME, "a b  cd");
}

TEST(DatabaseSave, NextIdAndDelete)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    EXPECT_EQ(GetNextGameID(data), 1);
    EXPECT_TRUE(DeleteGame(data, 1)); // nothing to delete
    EXPECT_FALSE(std::filesystem::exists(folder / "Mdgdb.dat"));
    for (int id : {1, 2, 3}) {
        GameRecord r = Header(id);
        ASSERT_TRUE(SaveGame(data, r, {}));
    }
    EXPECT_EQ(GetNextGameID(data), 4);
    ASSERT_TRUE(DeleteGame(data, 1));
    ASSERT_TRUE(DeleteGame(data, 2));
    EXPECT_EQ(GetNextGameID(data), 4); // gaps below the highest id are not reused
    ASSERT_TRUE(DeleteGame(data, 3));
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.dat"), "");
    EXPECT_EQ(GetNextGameID(data), 1);

    GameRecord noId = Header(0);
    EXPECT_FALSE(SaveGame(data, noId, {}));
}

TEST(DatabaseSave, MissingFileAndBlankLines)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    std::vector<GameRecord> games;
    MoveList moves{Move(9)};
    EXPECT_TRUE(SelectGames(data, games, "", "Game_ID;A"));
    EXPECT_TRUE(games.empty());
    EXPECT_TRUE(LoadGameMoves(data, moves, 1));
    EXPECT_TRUE(moves.empty());

    // Blank lines, a lone LF end and a missing last line end are all read;
    // a rewrite drops the blank lines.
    WriteBytes(folder / "Mdgdb.dat", "\r\n" + Fixture("three_games.dat") + "\r\n\n");
    ASSERT_TRUE(SelectGames(data, games, "", ""));
    EXPECT_EQ(games.size(), 3u);
    EXPECT_EQ(GetNextGameID(data), 4);
    GameRecord fourth = Header(4);
    ASSERT_TRUE(SaveGame(data, fourth, {}));
    EXPECT_EQ(Lines(ReadBytes(folder / "Mdgdb.dat")).size(), 4u);
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.dat").find("\r\n\r\n"), std::string::npos);
}

TEST(DatabaseSave, AppendAfterStrayFieldsWritesTheLineAfresh)
{
    // Readable lines of a hand-edited file whose field count is not 13 + 4n.
    struct Row {
        const char* what;
        const char* storedMoves;
        const char* afterAppend;
    };
    const Row rows[] = {
        {"one move, one stray field", "|1|5254|e4||", "|1|5254|e4||2|7163|Nf3|"},
        {"no move, two stray fields", "||", "|1|7163|Nf3|"},
        {"two moves, two stray fields", "|1|5254|e4||2|5755|e5|||",
         "|1|5254|e4||2|5755|e5||3|7163|Nf3|"},
    };
    const std::string other =
        "3|010220241200|4|Game 3|01/02/2024|opp@example.org|Ann|Opp|-1|Opp|2|0||1|5254|e4|";
    for (const auto& row : rows) {
        TempFolder folder;
        const DataFolder data(folder.Path());
        const std::string line = std::string(kHeader7) + row.storedMoves;
        WriteBytes(folder / "Mdgdb.dat", line + "\r\n" + other + "\r\n");
        MoveList stored;
        ASSERT_TRUE(LoadGameMoves(data, stored, 7)) << row.what;

        GameRecord record = Header(7);
        const auto next = static_cast<std::int32_t>(stored.size()) + 1;
        ASSERT_TRUE(SaveGame(data, record, {Move(next, "7163", "Nf3")})) << row.what;
        EXPECT_EQ(Lines(ReadBytes(folder / "Mdgdb.dat")),
                  (std::vector<std::string>{other, std::string(kHeader7) + row.afterAppend}))
            << row.what;
        MoveList loaded;
        ASSERT_TRUE(LoadGameMoves(data, loaded, 7)) << row.what;
        ASSERT_EQ(loaded.size(), stored.size() + 1) << row.what;
        EXPECT_EQ(loaded.back().notation, "Nf3") << row.what;
    }
}

TEST(DatabaseSave, BackupIsTheOldFileAndStaysApartFromTheNewOne)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    const std::string before = Fixture("three_games.dat");
    WriteBytes(folder / "Mdgdb.dat", before);
    GameRecord record = Header(7);
    ASSERT_TRUE(SaveGame(data, record, {Move(1)}));
    const std::string after = ReadBytes(folder / "Mdgdb.dat");
    EXPECT_EQ(after, before + kHeader7 + "|1|5254|e4|\r\n");
    EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "mdgdb.bak.tmp"));

    // Live file and backup are two files: writing one in place, as an
    // editor may, leaves the other alone.
    WriteBytes(folder / "Mdgdb.dat", "");
    EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), before);
    WriteBytes(folder / "Mdgdb.dat", after);
    ASSERT_TRUE(DeleteGame(data, 7));
    WriteBytes(folder / "mdgdb.bak", "");
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.dat"), before);
}
