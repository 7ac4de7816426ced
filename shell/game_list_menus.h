#pragma once
// The game list's five menus (File, Sort, Game, Help and the grid's popup),
// each item at the index the dispatch routines take, with the separators
// and gaps in between. The menus pop up from the list's menu bar and grid;
// MenuSupport carries out their items.

#include <QMenu>

#include <map>

namespace Support {

class GameInterface;

class GameListMenus {
public:
    GameListMenus();

    QMenu mnuIntFileMenu;
    QMenu mnuIntSortMenu;
    QMenu mnuIntGameMenu;
    QMenu mnuIntHelpMenu;
    QMenu mnuIntGameListPopupMenu;

    // The item of a menu at its index; nullptr for an index it lacks.
    QAction* Item(const QMenu& menu, int index) const;

    // Every item's click goes to the dispatch routine of its menu, for the
    // window given.
    void Connect(GameInterface& window);

private:
    QAction* Add(QMenu& menu, int index, const QString& caption);
    QAction* Separator(QMenu& menu, int index);

    std::map<const QMenu*, std::map<int, QAction*>> items_;
};

} // namespace Support

namespace MenuSupport {

// One routine per menu, by item index; an index the menu lacks does nothing.
void FileMenuClick(Support::GameInterface& list, int index);
void SortMenuClick(Support::GameInterface& list, int index);
void GameMenuClick(Support::GameInterface& list, int index);
void HelpMenuClick(QWidget* owner, int index);
void GameListPopupClick(Support::GameInterface& list, int index);

} // namespace MenuSupport
