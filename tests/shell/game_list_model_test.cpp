// The game list without its window: the sort as the database gets it, the
// rows of a fixture database, the selected row and the command states.
#include "shell/game_list_model.h"
#include "store/database.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

#include <gtest/gtest.h>

using namespace Support;

namespace {

struct Game {
    int id;
    int status;
    const char* opponent;
    const char* title;
    const char* date;
};

// Eight games, stored out of every order the list sorts by.
const Game Fixture[] = {
    {12, 1, "Carol Cedar", "Spring opening", "05/03/2001"},
    {3, 2, "Alan Ash", "Rook endings", "17/11/2025"},
    {7, 3, "Bob Birch", "Friendly 7", "01/02/2026"},
    {9, 4, "Dora Damson", "Blitz by post", "28/02/2024"},
    {4, 5, "Alan Ash", "Draw offered", "10/10/2010"},
    {15, 6, "Erin Elm", "Club match", "31/12/1999"},
    {21, 0, "Bob Birch", "Not yet started", "2001-03-05"},
    {30, 9, "Carol Cedar", "Unknown state", "09/09/2009"},
};

class GameListModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Game& g : Fixture)
            Store(g);
        context.MovesCanBeSent = true;
        context.Locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    }

    Database::DataFolder Folder() const { return Database::DataFolder(dir.path().toStdString()); }

    void Store(const Game& g) const
    {
        GameRecord game;
        game.GAME_ID = g.id;
        game.GAME_STATUS = std::int16_t(g.status);
        game.GAME_OPPONENTS_NAME = g.opponent;
        game.GAME_OPPONENTS_ID = g.id * 10;
        game.GAME_NAME = g.title;
        game.GAME_DATE = g.date;
        Database::DataFolder folder = Folder();
        ASSERT_TRUE(Database::SaveGame(folder, game, {}));
    }

    std::vector<int> Ids(const GameListFill& fill) const
    {
        std::vector<int> ids;
        for (const GameListRow& row : fill.Rows)
            ids.push_back(row.GameId);
        return ids;
    }

    QTemporaryDir dir;
    GameListModel model;
    GameListFillContext context;
};

TEST(GameListSort, EveryColumnAndOrderReachesTheDatabaseAsTheListShowsIt)
{
    struct Case {
        int column;
        const char* order;
        int storedColumn;
        const char* sortText;
        int markColumn;
        bool descending;
    };
    const Case cases[] = {
        {0, "", 1, "Game_status;A", 1, false},
        {1, "DESC", 1, "Game_status;D", 1, true},
        {2, "", 2, "Game_opponents_name;A", 2, false},
        {3, "DESC", 3, "Game_name;D", 3, true},
        {4, "", 4, "Game_date;A", 4, false},
        {5, "DESC", 4, "Game_date;D", 4, true},
        {2, "desc", 2, "Game_opponents_name;D", 2, true},
        {6, "", 6, "", 0, false},
        {-1, "DESC", -1, "", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " " + c.order);
        const GameListSort sort = ChooseGameListSort(c.column, QString::fromLatin1(c.order));
        EXPECT_EQ(sort.Column, c.storedColumn);
        EXPECT_EQ(sort.SortText, c.sortText);
        EXPECT_EQ(sort.MarkColumn, c.markColumn);
        EXPECT_EQ(sort.Descending, c.descending);
    }
}

TEST(GameListSort, StatusPicturesAndLongDates)
{
    const std::pair<int, int> pictures[] = {{1, PictureYourMove},
                                            {2, PictureAwaitingOpponent},
                                            {3, PictureWon},
                                            {4, PictureLost},
                                            {5, PictureAwaitingOpponent},
                                            {6, PictureDrawn},
                                            {0, NoPicture},
                                            {7, NoPicture}};
    for (const auto& [status, picture] : pictures)
        EXPECT_EQ(StatusPicture(status), picture) << status;

    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    // The day comes first in the stored form, whatever the locale.
    EXPECT_EQ(LongGameDate("05/03/2001", uk), QStringLiteral("Monday, 5 March 2001"));
    EXPECT_EQ(LongGameDate("05/03/2001", QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("Montag, 5. März 2001"));
    for (const char* odd : {"2001-03-05", "", "31/02/2001", "5/3/2001"})
        EXPECT_EQ(LongGameDate(odd, uk), QString::fromLatin1(odd)) << odd;
}

TEST_F(GameListModelTest, FillsEveryGameInTheSortWithPicturesAndDates)
{
    const GameListFill& fill = model.Fill(Folder(), 2, QStringLiteral("DESC"), context);
    ASSERT_EQ(fill.Rows.size(), std::size(Fixture));
    // Opponents descending; equal names keep the file's order.
    EXPECT_EQ(Ids(fill), (std::vector<int>{15, 9, 12, 30, 7, 21, 3, 4}));
    const GameListRow& carol = fill.Rows[2];
    EXPECT_EQ(carol.Opponent, QStringLiteral("Carol Cedar"));
    EXPECT_EQ(carol.Title, QStringLiteral("Spring opening"));
    EXPECT_EQ(carol.DateStarted, QStringLiteral("Monday, 5 March 2001"));
    EXPECT_EQ(carol.Picture, PictureYourMove);
    EXPECT_EQ(carol.OpponentsId, 120);
    EXPECT_EQ(fill.Rows[5].DateStarted, QStringLiteral("2001-03-05"));
    EXPECT_EQ(fill.Rows[5].Picture, NoPicture);
    EXPECT_EQ(fill.MarkColumn, 2);
    EXPECT_TRUE(fill.Descending);
    EXPECT_TRUE(fill.GameCommandsEnabled);
    EXPECT_EQ(model.SortColumn(), 2);
    EXPECT_EQ(model.SortOrder(), QStringLiteral("DESC"));
    EXPECT_EQ(model.MenuChecks(), (SortMenuChecks{1, false}));

    // By date: the stored day/month/year compared as a date (the malformed
    // one is listed too, wherever the database puts it).
    std::vector<int> byDate = Ids(model.Fill(Folder(), 5, QString(), context));
    byDate.erase(std::find(byDate.begin(), byDate.end(), 21));
    EXPECT_EQ(byDate, (std::vector<int>{15, 12, 30, 4, 9, 3, 7}));
    EXPECT_EQ(model.SortColumn(), 4);
    // A column outside the list: the file's order, no mark, no item checked.
    const GameListFill& unsorted = model.Fill(Folder(), 6, QString(), context);
    EXPECT_EQ(Ids(unsorted), (std::vector<int>{12, 3, 7, 9, 4, 15, 21, 30}));
    EXPECT_EQ(unsorted.MarkColumn, 0);
    EXPECT_EQ(model.MenuChecks(), (SortMenuChecks{-1, true}));
}

TEST_F(GameListModelTest, SelectsTheGivenGameThenTheFirstPendingOneThenTheFirstRow)
{
    struct Case {
        std::optional<int> select;
        const char* pending;
        int selectedId;
    };
    const Case cases[] = {
        // By title, "Blitz by post" (game 9) is the first row.
        {std::nullopt, "12;7;", 12}, {7, "12;7;", 7},         {std::nullopt, "", 9}, {99, "12;", 9},
        {std::nullopt, "99;", 9},    {std::nullopt, ";;", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pending);
        context.SelectGameId = c.select;
        context.PendingMoveList = c.pending;
        model.Fill(Folder(), 3, QString(), context);
        EXPECT_EQ(model.SelectedGameId(), c.selectedId);
    }
    model.SetCurrentRow(3);
    EXPECT_EQ(model.SelectedTitle(), QStringLiteral("Friendly 7"));
    model.SetCurrentRow(-1);
    EXPECT_EQ(model.SelectedGameId(), std::nullopt);
}

TEST_F(GameListModelTest, NoGamesDisableTheGameCommandsAndKeepTheSortMarks)
{
    model.Fill(Folder(), 3, QStringLiteral("DESC"), context);
    QTemporaryDir empty;
    context.MovesCanBeSent = false;
    const GameListFill& none =
        model.Fill(Database::DataFolder(empty.path().toStdString()), 1, QString(), context);
    EXPECT_TRUE(none.Rows.empty());
    EXPECT_EQ(none.CurrentRow, -1);
    EXPECT_FALSE(none.GameCommandsEnabled);
    EXPECT_FALSE(none.NewGamesEnabled);
    EXPECT_EQ(model.SelectedGameId(), std::nullopt);
    EXPECT_EQ(model.MenuChecks(), (SortMenuChecks{2, false}));
    EXPECT_EQ(model.SortColumn(), 1);

    // A database that cannot be read lists nothing either.
    ASSERT_TRUE(QDir(empty.path()).mkdir(QStringLiteral("Mdgdb.dat")));
    context.MovesCanBeSent = true;
    const GameListFill& unreadable =
        model.Fill(Database::DataFolder(empty.path().toStdString()), 1, QString(), context);
    EXPECT_TRUE(unreadable.Rows.empty());
    EXPECT_TRUE(unreadable.NewGamesEnabled);
}

TEST_F(GameListModelTest, SortMenuItemsKeepTheOtherHalfOfTheSort)
{
    model.Fill(Folder(), 3, QString(), context);
    struct Case {
        int item;
        int column;
        const char* order;
    };
    // "Game title" checked, ascending.
    for (const Case& c : {Case{0, 1, ""}, Case{3, 4, ""}, Case{5, 3, ""}, Case{6, 3, "DESC"}}) {
        const auto request = model.SortMenuChoice(c.item);
        ASSERT_TRUE(request) << c.item;
        EXPECT_EQ(request->Column, c.column);
        EXPECT_EQ(request->Order, QString::fromLatin1(c.order));
    }
    for (int item : {-1, 4, 7})
        EXPECT_FALSE(model.SortMenuChoice(item)) << item;
    // Descending with no column checked sorts by status.
    model.Fill(Folder(), 6, QStringLiteral("DESC"), context);
    const auto request = model.SortMenuChoice(6);
    EXPECT_EQ(request->Column, 0);
    EXPECT_EQ(ChooseGameListSort(request->Column, request->Order).SortText, "Game_status;D");
    // Items 0 to 3 keep the checked direction.
    EXPECT_EQ(model.SortMenuChoice(1)->Order, QStringLiteral("DESC"));
}

TEST(GameListColumns, TheDateColumnMakesRoomForTheScrollBarFromEightGames)
{
    const auto seven = GameListColumnWidths(8655, 7);
    const auto eight = GameListColumnWidths(8655, 8);
    EXPECT_EQ(seven, (std::array<int, 6>{0, 450, 2455, 3390, 2360, 0}));
    EXPECT_EQ(seven[ColumnDateStarted] - eight[ColumnDateStarted], 230);
}

// A date longer than its column widens it at the title column's cost,
// never by more than half that column; a shorter one changes nothing.
TEST(GameListColumns, ALongDateTakesItsRoomFromTheTitles)
{
    struct Case {
        int games, dates, date, title;
    };
    const Case cases[] = {
        {3, 1500, 2360, 3390},
        {3, 2900, 2900, 2850},
        {9, 2900, 2900, 2620},
        {3, 9000, 4055, 1695},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dates);
        const auto widths = GameListColumnWidths(8655, c.games, c.dates);
        EXPECT_EQ(widths[ColumnDateStarted], c.date);
        EXPECT_EQ(widths[ColumnTitle], c.title);
        EXPECT_EQ(widths[ColumnStatus] + widths[ColumnOpponent] + widths[ColumnTitle]
                      + widths[ColumnDateStarted] + (c.games >= 8 ? 230 : 0),
                  8655);
    }
}

} // namespace
