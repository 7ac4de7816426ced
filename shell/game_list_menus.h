#pragma once
// The game list's five menus (File, Sort, Game, Help and the grid's popup),
// each item at the index the dispatch routines take, with the separators
// and gaps in between. The menus pop up from the list's menu bar and grid;
// MenuSupport carries out their items.

#include "foundation/help_menu.h"
#include "foundation/indexed_menu.h"

namespace Support {

class GameInterface;

class GameListMenus {
public:
    GameListMenus();

    IndexedMenu mnuIntFileMenu{QStringLiteral("mnuIntFileMenu")};
    IndexedMenu mnuIntSortMenu{QStringLiteral("mnuIntSortMenu")};
    IndexedMenu mnuIntGameMenu{QStringLiteral("mnuIntGameMenu")};
    IndexedMenu mnuIntHelpMenu{QStringLiteral("mnuIntHelpMenu")};
    IndexedMenu mnuIntGameListPopupMenu{QStringLiteral("mnuIntGameListPopupMenu")};

    // The item of a menu at its index; nullptr for an index it lacks.
    QAction* Item(const QMenu& menu, int index) const;

    // Every item's click goes to the dispatch routine of its menu, for the
    // window given.
    void Connect(GameInterface& window);
};

} // namespace Support

namespace MenuSupport {

// One routine per menu, by item index; an index the menu lacks does nothing.
void FileMenuClick(Support::GameInterface& list, int index);
void SortMenuClick(Support::GameInterface& list, int index);
void GameMenuClick(Support::GameInterface& list, int index);
void GameListPopupClick(Support::GameInterface& list, int index);

} // namespace MenuSupport
