#pragma once
// The game list's five menus (File, Sort, Game, Help and the grid's popup),
// each item at the index the dispatch routines take, with the separators
// and gaps in between. The menus pop up from the list's menu bar and grid;
// MenuSupport carries out their items.

#include "foundation/help_menu.h"
#include "foundation/indexed_menu.h"

namespace Support {

class GameInterface;

// The items of each menu by their indexes, gaps kept.
enum FileItem : int {
    FileRetrieve = 0,
    FileImport = 1,
    FileOptions = 2,
    FileMailAccount = 3,
    FileSeparator1 = 5,
    FilePrintGame = 6,
    FilePrintNotation = 7,
    FileSeparator2 = 8,
    FileHide = 9,
    FileSeparator3 = 10,
    FileExit = 11,
};

enum SortItem : int {
    SortStatus = 0,
    SortOpponent = 1,
    SortTitle = 2,
    SortDate = 3,
    SortSeparator = 4,
    SortAscending = 5,
    SortDescending = 6,
};

enum GameItem : int { GameNew = 0, GameNewSetup = 1, GameSeparator = 2, GamePlay = 3, GameDelete = 4 };

enum GameListPopupItem : int { PopupPlay = 0, PopupDelete = 1, PopupSeparator = 2, PopupPrint = 3 };

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
