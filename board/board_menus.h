#pragma once
// The board's popup menus, each item at the index its dispatch routine
// takes: Actions (play mode), Setup (set-up mode), History, the set-up
// palette's menu and the Help menu the game list shows too. The board's
// menu titles, menu buttons and right clicks pop them up; MenuSupport
// carries out their items on the board that showed them.

#include "foundation/help_menu.h"
#include "foundation/indexed_menu.h"
#include "game/command_state.h"

namespace BoardSupport {

class Board;

// The items of the Setup menu (the Actions menu's are in command_state.h).
enum SetupItem : int {
    SetupView = 0,
    SetupCoordinates = 1,
    SetupSeparator1 = 2,
    SetupReset = 3,
    SetupClear = 4,
    SetupSeparator2 = 5,
    SetupPlay = 6,
    SetupSeparator3 = 7,
    SetupOptions = 8,
    SetupClose = 9,
};

enum HistoryItem : int { HistoryHighlight = 0, HistorySeparator = 1, HistoryFirst = 2, HistoryLast = 3 };

enum PaletteItem : int { PaletteRemoveEvery = 0 };

// The board's help topic: its help button's, and its Help menu's "Help".
inline constexpr int HelpTopicBoard = 5;

class BoardMenus {
public:
    BoardMenus();

    Support::IndexedMenu mnuActionsMenu{QStringLiteral("mnuActionsMenu")};
    Support::IndexedMenu mnuSetupMenu{QStringLiteral("mnuSetupMenu")};
    Support::IndexedMenu mnuHistoryMenu{QStringLiteral("mnuHistoryMenu")};
    Support::IndexedMenu mnuPiecePalleteMenu{QStringLiteral("mnuPiecePalleteMenu")};
    Support::IndexedMenu mnuIntHelpMenu{QStringLiteral("mnuIntHelpMenu")};

    // Every item's click goes to its menu's routine, for this board only.
    void Connect(Board& board);
};

} // namespace BoardSupport

namespace MenuSupport {

// One routine per menu, by item index; an index the menu lacks does nothing.
void ActionsMenuClick(BoardSupport::Board& board, int index);
void SetupMenuClick(BoardSupport::Board& board, int index);
void HistoryMenuClick(BoardSupport::Board& board, int index);
void PiecePalleteMenuClick(BoardSupport::Board& board, int index);

} // namespace MenuSupport
