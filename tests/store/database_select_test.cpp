// Reading games back: the fixture's fields, selection criteria and sorting.

#include "store/database.h"
#include "store_test_support.h"

using namespace Database;
using namespace StoreTest;

namespace {

class FixtureDatabase : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(folder / "Mdgdb.dat", Fixture("three_games.dat")); }

    std::vector<std::int32_t> Select(std::string_view criteria, std::string_view sortSpec = "")
    {
        std::vector<GameRecord> games;
        EXPECT_TRUE(SelectGames(data, games, criteria, sortSpec)) << criteria;
        std::vector<std::int32_t> ids;
        for (const auto& g : games)
            ids.push_back(g.GAME_ID);
        return ids;
    }

    TempFolder folder;
    RecordingSink sink;
    DataFolder data{folder.Path(), nullptr, &sink};
};

using Ids = std::vector<std::int32_t>;

} // namespace

TEST_F(FixtureDatabase, ReadsEveryFieldOfTheFixture)
{
    std::vector<GameRecord> games;
    ASSERT_TRUE(SelectGames(data, games, "", ""));
    ASSERT_EQ(games.size(), 3u);
    const GameRecord& setUp = games[1];
    EXPECT_EQ(setUp.GAME_ID, 2);
    EXPECT_EQ(setUp.GAME_DATESTAMP, "010420240915");
    EXPECT_EQ(setUp.GAME_OPPONENTS_ID, 0);
    EXPECT_EQ(setUp.GAME_NAME, "Endgame study");
    EXPECT_EQ(setUp.GAME_DATE, "01/04/2024");
    EXPECT_EQ(setUp.GAME_OPPONENTS_EMAIL, "carol@example.net");
    EXPECT_EQ(setUp.GAME_WHITE_NAME, "Carol");
    EXPECT_EQ(setUp.GAME_BLACK_NAME, "Alice");
    EXPECT_FALSE(setUp.GAME_HOST);
    EXPECT_EQ(setUp.GAME_OPPONENTS_NAME, "Carol");
    EXPECT_EQ(setUp.GAME_STATUS, StatusAwaitingOpponent);
    EXPECT_FALSE(setUp.GAME_VS_COMPUTER);
    EXPECT_EQ(setUp.startPosition.substr(0, 17), "0100000005000000;");
    EXPECT_TRUE(games[2].GAME_VS_COMPUTER);
    EXPECT_TRUE(games[2].GAME_HOST);
    EXPECT_EQ(games[2].GAME_OPPONENTS_ID, 3);

    MoveList moves;
    ASSERT_TRUE(LoadGameMoves(data, moves, 3));
    ASSERT_EQ(moves.size(), 4u);
    EXPECT_EQ(moves[2], (MoveRecord{3, "3234", "c4", "Queen's gambit"}));
    EXPECT_EQ(moves[3], (MoveRecord{4, "5756", "e6", ""}));
    ASSERT_TRUE(LoadGameMoves(data, moves, 99));
    EXPECT_TRUE(moves.empty());
}

TEST_F(FixtureDatabase, SelectionCriteria)
{
    struct Row {
        const char* criteria;
        Ids expected;
    };
    const Row rows[] = {
        {"", {1, 2, 3}},
        {"Game_ID;3", {3}},
        {"game_id;2", {2}},
        {"GAME_ID; 1 ", {1}},
        {"GAME_ID", {}}, // a name without a value matches nothing
        {"Game_status;2", {1, 2}},
        {"Game_status;2;Game_host;-1", {1}},
        {"GAME_HOST;False", {2}},
        {"Game_Vs_Computer;True", {3}},
        {"GAME_OPPONENTS_ID;3;GAME_STATUS;1", {3}},
        {"Game_opponents_name;Carol", {2}},
        {"Game_opponents_name;carol", {}}, // text compares case-sensitively
        {"GAME_DATE;15/03/2024", {1}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Select(row.criteria), row.expected) << row.criteria;
    EXPECT_TRUE(sink.systemMessages.empty());

    // A trailing ";" makes the field count odd: nothing matches, and the
    // half pair names an empty field, once for every game.
    EXPECT_EQ(Select("Game_ID;1;"), Ids{});
    EXPECT_EQ(sink.systemMessages,
              std::vector<std::string>(3, "Game data selection error!  No CASE for "));
}

TEST_F(FixtureDatabase, UnknownFieldAndUnconvertibleValue)
{
    EXPECT_EQ(Select("Game_colour;white"), Ids{});
    ASSERT_EQ(sink.systemMessages.size(), 3u); // once for every game looked at
    EXPECT_EQ(sink.systemMessages[0], "Game data selection error!  No CASE for GAME_COLOUR");

    for (const char* criteria : {"Game_ID;abc", "Game_ID;1E3", "GAME_STATUS;99999", "GAME_HOST;yes"}) {
        std::vector<GameRecord> games(2);
        EXPECT_FALSE(SelectGames(data, games, criteria, "")) << criteria;
        EXPECT_TRUE(games.empty()) << criteria;
        EXPECT_THROW(RecordMatchesCriteria(GameRecord{}, criteria), SelectionError) << criteria;
    }
}

TEST(DatabaseSort, StableWithTiesDatesAcrossYearsAndTheTrayOrder)
{
    struct Game {
        std::int32_t id;
        std::int16_t status;
        const char* opponent;
        const char* date;
    };
    const Game games[] = {
        {1, 2, "Bob", "31/12/2023"}, {2, 1, "Zed", "01/01/2024"}, {3, 2, "Bob", "02/01/2024"},
        {4, 1, "Amy", "15/06/2022"}, {5, 2, "Bob", "02/01/2024"}, {6, 2, "amy", "01/02/2025"},
    };
    std::vector<GameRecord> records;
    for (const auto& g : games) {
        GameRecord r;
        r.GAME_ID = g.id;
        r.GAME_STATUS = g.status;
        r.GAME_OPPONENTS_NAME = g.opponent;
        r.GAME_DATE = g.date;
        records.push_back(r);
    }
    auto sorted = [&](std::string_view sortSpec) {
        auto copy = records;
        SortGames(copy, sortSpec);
        std::vector<std::int32_t> ids;
        for (const auto& r : copy)
            ids.push_back(r.GAME_ID);
        return ids;
    };
    struct Row {
        const char* sortSpec;
        Ids expected;
    };
    const Row rows[] = {
        {"Game_status;A;Game_opponents_name;A;Game_date;D", {4, 2, 3, 5, 1, 6}},
        {"Game_date;A", {4, 1, 2, 3, 5, 6}},
        {"GAME_DATE;D", {6, 3, 5, 2, 1, 4}},           // ties keep their order
        {"Game_opponents_name;D", {6, 2, 1, 3, 5, 4}}, // "amy" is above "Zed"
        {"Game_ID;D", {6, 5, 4, 3, 2, 1}},
        {"Game_status;A", {2, 4, 1, 3, 5, 6}},
        {"Game_status;x;Game_ID;D", {1, 2, 3, 4, 6, 5}}, // swaps only neighbours of equal status
        {"Game_status;A;Game_ID", {2, 4, 1, 3, 5, 6}},
        {"A", {1, 2, 3, 4, 5, 6}},
        {"", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(sorted(row.sortSpec), row.expected) << row.sortSpec;

    // The exchange sort's own comparisons with an unsortable key.
    RecordingSink sink;
    auto copy = records;
    SortGames(copy, "Game_email;A", &sink);
    EXPECT_EQ(copy, records);
    ASSERT_EQ(sink.systemMessages.size(), 15u); // 6 games: 5+4+3+2+1 comparisons
    EXPECT_EQ(sink.systemMessages[0], "Game recordset sort error!  No CASE for GAME_EMAIL");
}

TEST(DatabaseSort, KeyedSortMatchesTheExchangeSort)
{
    // The same sort order with a trailing unknown key (which forces the exchange
    // sort) and without it must agree wherever the unknown key is never reached.
    std::mt19937 random(7);
    std::vector<GameRecord> records;
    for (int i = 1; i <= 60; ++i) {
        GameRecord r;
        r.GAME_ID = i;
        r.GAME_STATUS = static_cast<std::int16_t>(random() % 3);
        r.GAME_NAME = std::string(1, static_cast<char>('a' + random() % 3));
        r.GAME_OPPONENTS_NAME = std::string(1, static_cast<char>('A' + random() % 4));
        r.GAME_DATE =
            "0" + std::to_string(1 + random() % 3) + "/01/20" + std::to_string(20 + random() % 3);
        records.push_back(r);
    }
    for (const char* sortSpec :
         {"Game_status;D;Game_date;A", "Game_name;A;Game_opponents_name;D;Game_date;D"}) {
        auto keyed = records;
        SortGames(keyed, sortSpec);
        auto exchanged = records;
        RecordingSink sink;
        SortGames(exchanged, std::string(sortSpec) + ";Game_ID;A;Nothing;A", &sink);
        auto byId = keyed; // the keyed sort with id as the last key
        SortGames(byId, std::string(sortSpec) + ";Game_ID;A");
        EXPECT_EQ(byId, exchanged) << sortSpec;
        EXPECT_TRUE(sink.systemMessages.empty());
    }
}

TEST(DatabaseRead, BooleanWordsAndBadLines)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    WriteBytes(folder / "Mdgdb.dat",
               "1|d|0|n|01/01/2024|e|w|b|True|o|1|False|\r\n2|d|0|n|01/01/2024|e|w|b|0|o|1|true|\r\n");
    std::vector<GameRecord> games;
    ASSERT_TRUE(SelectGames(data, games, "", ""));
    ASSERT_EQ(games.size(), 2u);
    EXPECT_TRUE(games[0].GAME_HOST);
    EXPECT_FALSE(games[0].GAME_VS_COMPUTER);
    EXPECT_TRUE(games[1].GAME_VS_COMPUTER);

    // A line whose numbers do not convert makes the selection fail.
    WriteBytes(folder / "Mdgdb.dat",
               Fixture("three_games.dat") + "4|d|x|n|01/01/2024|e|w|b|0|o|1|0|\r\n");
    EXPECT_FALSE(SelectGames(data, games, "", ""));
    EXPECT_TRUE(games.empty());
}
