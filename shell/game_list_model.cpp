#include "shell/game_list_model.h"

#include "shell/pending_moves.h"
#include "store/database.h"

#include <QDate>

#include <algorithm>

namespace Support {

namespace {

// Widths of the fixed columns, in twips; the date column takes the rest.
constexpr int StatusColumnWidth = 450;
constexpr int OpponentColumnWidth = 2455;
constexpr int TitleColumnWidth = 3390;
// Room left for the vertical scroll bar.
constexpr int ScrollBarAllowance = 230;
// Header and games that fill the grid without a scroll bar.
constexpr int RowsWithoutScrollBar = 8;

const char* SortField(int column)
{
    switch (column) {
    case SortByStatus:
        return "Game_status";
    case SortByOpponent:
        return "Game_opponents_name";
    case SortByTitle:
        return "Game_name";
    case SortByDate:
        return "Game_date";
    default:
        return nullptr;
    }
}

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

int StatusPicture(int gameStatus)
{
    switch (gameStatus) {
    case 1:
        return PictureYourMove;
    case 2:
    case 5:
        return PictureAwaitingOpponent;
    case 3:
        return PictureWon;
    case 4:
        return PictureLost;
    case 6:
        return PictureDrawn;
    default:
        return NoPicture;
    }
}

GameListSort ChooseGameListSort(int sortColumn, const QString& sortOrder)
{
    GameListSort sort;
    sort.Column = sortColumn == 0 ? SortByStatus : sortColumn == 5 ? SortByDate : sortColumn;
    // Only "" and "DESC" are ever handed in; the mark and the menu take
    // anything but "" as descending, the database only "DESC" in any case.
    sort.Descending = !sortOrder.isEmpty();
    const char* field = SortField(sort.Column);
    if (!field)
        return sort;
    const bool descendingLetter = sortOrder.toUpper() == QLatin1String("DESC");
    sort.SortText = std::string(field) + (descendingLetter ? ";D" : ";A");
    sort.MarkColumn = sort.Column;
    return sort;
}

QString LongGameDate(const std::string& gameDate, const QLocale& locale)
{
    const QString text = Text(gameDate);
    // dd/mm/yyyy: the day first, whatever the locale.
    const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    return date.isValid() ? locale.toString(date, QLocale::LongFormat) : text;
}

const GameListFill& GameListModel::Fill(const Database::DataFolder& folder, int sortColumn,
                                        const QString& sortOrder, const GameListFillContext& context)
{
    const GameListSort sort = ChooseGameListSort(sortColumn, sortOrder);
    std::vector<GameRecord> games;
    if (!Database::SelectGames(folder, games, "", sort.SortText))
        games.clear();

    GameListFill fill;
    fill.NewGamesEnabled = context.MovesCanBeSent;
    fill.MarkColumn = sort.MarkColumn;
    fill.Descending = sort.Descending;
    const std::optional<std::int32_t> pending =
        context.SelectGameId ? std::nullopt : SysTraySupport::FirstPendingId(context.PendingMoveList);
    const std::optional<int> wanted = context.SelectGameId ? context.SelectGameId : pending;
    for (const GameRecord& game : games) {
        if (fill.CurrentRow < 0 && wanted && game.GAME_ID == *wanted)
            fill.CurrentRow = int(fill.Rows.size());
        fill.Rows.push_back(GameListRow{
            game.GAME_ID, StatusPicture(game.GAME_STATUS), Text(game.GAME_OPPONENTS_NAME),
            Text(game.GAME_NAME), LongGameDate(game.GAME_DATE, context.Locale), game.GAME_OPPONENTS_ID});
    }
    if (!fill.Rows.empty()) {
        if (fill.CurrentRow < 0)
            fill.CurrentRow = 0;
        fill.GameCommandsEnabled = true;
        // With no games the Sort menu keeps its marks.
        checks_.ColumnItem = sort.MarkColumn - 1;
        checks_.Ascending = !sort.Descending;
    }
    sortColumn_ = sort.Column;
    sortOrder_ = sortOrder;
    shown_ = std::move(fill);
    return shown_;
}

void GameListModel::SetCurrentRow(int row)
{
    shown_.CurrentRow = row >= 0 && row < int(shown_.Rows.size()) ? row : -1;
}

std::optional<int> GameListModel::SelectedGameId() const
{
    if (shown_.CurrentRow < 0)
        return std::nullopt;
    return shown_.Rows[std::size_t(shown_.CurrentRow)].GameId;
}

QString GameListModel::SelectedTitle() const
{
    if (shown_.CurrentRow < 0)
        return QString();
    return shown_.Rows[std::size_t(shown_.CurrentRow)].Title;
}

std::optional<GameListModel::SortRequest> GameListModel::SortMenuChoice(int item) const
{
    const QString descending = QStringLiteral("DESC");
    if (item >= 0 && item <= 3)
        return SortRequest{item + 1, checks_.Ascending ? QString() : descending};
    // "Ascending" and "Descending" keep the checked column (0, status, when
    // none is checked).
    const int column = 1 + checks_.ColumnItem;
    if (item == 5)
        return SortRequest{column, QString()};
    if (item == 6)
        return SortRequest{column, descending};
    return std::nullopt;
}

std::array<int, GameListColumnCount> GameListColumnWidths(int gridWidthTwips, int gameCount,
                                                          int datesTwips)
{
    std::array<int, GameListColumnCount> widths{};
    widths[ColumnStatus] = StatusColumnWidth;
    widths[ColumnOpponent] = OpponentColumnWidth;
    widths[ColumnTitle] = TitleColumnWidth;
    widths[ColumnDateStarted] =
        gridWidthTwips - StatusColumnWidth - OpponentColumnWidth - TitleColumnWidth;
    if (gameCount >= RowsWithoutScrollBar)
        widths[ColumnDateStarted] -= ScrollBarAllowance;
    const int lacking = std::min(datesTwips - widths[ColumnDateStarted], widths[ColumnTitle] / 2);
    if (lacking > 0) {
        widths[ColumnDateStarted] += lacking;
        widths[ColumnTitle] -= lacking;
    }
    return widths;
}

} // namespace Support
