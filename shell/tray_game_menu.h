#pragma once
// The tray menu's games submenu, without the menu: the games that await
// the user ("NEW ARRIVALS") and the opponent ("AWAITING OPPONENTS MOVE"),
// each group under its heading and separator, a blank line between groups.

#include "store/game_record.h"

#include <QString>

#include <optional>
#include <vector>

namespace SysTraySupport {

struct TrayGameMenuItem {
    enum Kind { Blank, Heading, Separator, Game, NoGames };
    Kind kind = Blank;
    // As the menu shows it: a "&" in a name shows as "&", not as a
    // shortcut mark.
    QString Caption;
    bool Enabled = false;
    std::optional<int> GameId;
};

// The sort the items are built from.
inline constexpr const char* TrayGameMenuSort = "Game_status;A;Game_opponents_name;A;Game_date;D";

// The items for the games in that sort; finished games are left out.
std::vector<TrayGameMenuItem> TrayGameMenuItems(const std::vector<GameRecord>& sortedGames);

// Text shown literally in a menu item.
QString MenuText(const QString& text);

} // namespace SysTraySupport
