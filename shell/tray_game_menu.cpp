#include "shell/tray_game_menu.h"

namespace SysTraySupport {

namespace {

// Status 5 (a draw offered) waits for the opponent as 2 does.
int GroupOf(int status)
{
    return status == 5 ? 2 : status;
}

} // namespace

QString MenuText(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::vector<TrayGameMenuItem> TrayGameMenuItems(const std::vector<GameRecord>& sortedGames)
{
    std::vector<TrayGameMenuItem> items;
    int group = 0;
    for (const GameRecord& game : sortedGames) {
        const int status = game.GAME_STATUS;
        if (status != 1 && status != 2 && status != 5)
            continue;
        if (GroupOf(status) != group) {
            group = GroupOf(status);
            if (!items.empty())
                items.push_back({TrayGameMenuItem::Blank, QString(), false, std::nullopt});
            items.push_back(
                {TrayGameMenuItem::Heading,
                 group == 1 ? QStringLiteral("NEW ARRIVALS") : QStringLiteral("AWAITING OPPONENTS MOVE"),
                 false, std::nullopt});
            items.push_back({TrayGameMenuItem::Separator, QStringLiteral("-"), true, std::nullopt});
        }
        items.push_back({TrayGameMenuItem::Game,
                         MenuText(QString::fromStdString(game.GAME_OPPONENTS_NAME)) + QLatin1Char('\t')
                             + QLatin1Char('"') + MenuText(QString::fromStdString(game.GAME_NAME))
                             + QLatin1Char('"'),
                         true, game.GAME_ID});
    }
    if (items.empty())
        items.push_back(
            {TrayGameMenuItem::NoGames, QStringLiteral("No games available"), false, std::nullopt});
    return items;
}

} // namespace SysTraySupport
