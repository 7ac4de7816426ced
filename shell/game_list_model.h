#pragma once
// What the game list shows, without the window: one row per stored game in
// the chosen sort, each with its status picture and its start date in the
// user's long date form, the sort mark of the header, the row that is
// selected, and which commands of the list's menus and toolbar may be used.
//
// The sort and the Sort menu's check marks last for the whole run, so the
// model outlives the window; each fill rebuilds the rows from the database.

#include "store/data_folder.h"
#include "store/game_record.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace Support {

// The sort columns; they are also the grid's column numbers.
enum GameListSortColumn : int { SortByStatus = 1, SortByOpponent = 2, SortByTitle = 3, SortByDate = 4 };

// The grid's columns: the game's id and its opponent's id are hidden.
enum GameListColumn : int {
    ColumnGameId = 0,
    ColumnStatus = 1,
    ColumnOpponent = 2,
    ColumnTitle = 3,
    ColumnDateStarted = 4,
    ColumnOpponentsId = 5,
    GameListColumnCount = 6
};

// The pictures of the list's image list, from 1.
enum GameListPicture : int {
    NoPicture = 0,
    SortMarkAscending = 1,
    SortMarkDescending = 2,
    PictureYourMove = 3,
    PictureAwaitingOpponent = 4, // also a draw offer not yet answered
    PictureWon = 5,
    PictureLost = 6,
    PictureDrawn = 7
};

// A GAME_STATUS value's picture; NoPicture for a status no picture shows.
int StatusPicture(int gameStatus);

// How a sort column and order, as a caller hands them in, are used: the
// column as kept afterwards (0 counts as status, 5 as date, others are kept
// as they are and sort nothing), the database's sort text, the header
// column carrying the mark (0: none) and the direction of that mark.
struct GameListSort {
    int Column = SortByStatus;
    std::string SortText;
    int MarkColumn = 0;
    bool Descending = false;
};
GameListSort ChooseGameListSort(int sortColumn, const QString& sortOrder);

// A stored "dd/mm/yyyy" date in the locale's long form; any other text as
// it is stored.
QString LongGameDate(const std::string& gameDate, const QLocale& locale);

struct GameListRow {
    int GameId = 0;
    int Picture = NoPicture;
    QString Opponent;
    QString Title;
    QString DateStarted;
    int OpponentsId = 0;
};

// The Sort menu's marks: the checked column item (0 to 3, -1 for none) and
// whether "Ascending" (else "Descending") is checked.
struct SortMenuChecks {
    int ColumnItem = 0;
    bool Ascending = true;
    bool operator==(const SortMenuChecks&) const = default;
};

// What one fill shows.
struct GameListFill {
    std::vector<GameListRow> Rows;
    int MarkColumn = 0;
    bool Descending = false;
    // Index in Rows of the selected game; -1 when the list is empty.
    int CurrentRow = -1;
    // Play, delete and the two print commands: there is a game to act on.
    bool GameCommandsEnabled = false;
    // The new-game commands: a move can be sent (on-line or stand-alone).
    bool NewGamesEnabled = false;
};

// What a fill is given besides the sort.
struct GameListFillContext {
    // The game to select, when the caller wants one kept.
    std::optional<int> SelectGameId;
    // Without a game to select, the first game of this list is selected.
    std::string PendingMoveList;
    bool MovesCanBeSent = false;
    QLocale Locale;
};

class GameListModel {
public:
    // Rebuilds the list from the database (every game, sorted) and keeps
    // the sort it used. A database that cannot be read lists no games.
    const GameListFill& Fill(const Database::DataFolder& folder, int sortColumn,
                             const QString& sortOrder, const GameListFillContext& context);

    int SortColumn() const { return sortColumn_; }
    const QString& SortOrder() const { return sortOrder_; }
    const SortMenuChecks& MenuChecks() const { return checks_; }
    const GameListFill& Shown() const { return shown_; }

    // The user moved the grid's current row (an index of the shown rows).
    void SetCurrentRow(int row);
    // The game of the current row; nothing when no game row is current.
    std::optional<int> SelectedGameId() const;
    // The title of the current row's game.
    QString SelectedTitle() const;

    // The column and order a Sort menu item asks for: items 0 to 3 choose
    // the column keeping the checked direction, 5 and 6 the direction
    // keeping the checked column. Nothing for any other item.
    struct SortRequest {
        int Column;
        QString Order;
    };
    std::optional<SortRequest> SortMenuChoice(int item) const;

private:
    int sortColumn_ = SortByStatus;
    QString sortOrder_;
    SortMenuChecks checks_;
    GameListFill shown_;
};

// The grid's column widths in twips for its width: the date column takes
// what the others leave, less room for the scroll bar once the grid holds
// 9 rows or more with its header; a longer date (datesTwips: the widest
// date with its cell's margins) takes what it lacks from the title column,
// whose long titles are shortened anyway, so every date shows whole.
std::array<int, GameListColumnCount> GameListColumnWidths(int gridWidthTwips, int gameCount,
                                                          int datesTwips = 0);

} // namespace Support
