#include "shell/game_list_menus.h"

#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "shell/game_interface.h"

namespace Support {

GameListMenus::GameListMenus()
{
    mnuIntFileMenu.Add(0, QStringLiteral("Retrieve games"));
    mnuIntFileMenu.Add(1, QStringLiteral("Import game"));
    mnuIntFileMenu.Add(2, QStringLiteral("Options..."));
    mnuIntFileMenu.Add(3, QStringLiteral("Mail account..."));
    mnuIntFileMenu.Separator(5);
    mnuIntFileMenu.Add(6, QStringLiteral("Print game..."));
    mnuIntFileMenu.Add(7, QStringLiteral("Print game notation..."));
    mnuIntFileMenu.Separator(8);
    mnuIntFileMenu.Add(9, QStringLiteral("Hide interface"));
    mnuIntFileMenu.Separator(10);
    mnuIntFileMenu.Add(11, QStringLiteral("Exit Marrowdale"));
    // Nothing to hide to without a tray icon.
    const bool trayStartup = ProgramSettings().SystrayStartup;
    mnuIntFileMenu.Item(8)->setVisible(trayStartup);
    mnuIntFileMenu.Item(9)->setVisible(trayStartup);

    mnuIntSortMenu.Add(0, QStringLiteral("Game status"));
    mnuIntSortMenu.Add(1, QStringLiteral("Opponents name"));
    mnuIntSortMenu.Add(2, QStringLiteral("Game title"));
    mnuIntSortMenu.Add(3, QStringLiteral("First move date"));
    mnuIntSortMenu.Separator(4);
    mnuIntSortMenu.Add(5, QStringLiteral("Ascending"));
    mnuIntSortMenu.Add(6, QStringLiteral("Descending"));
    for (int item : {0, 1, 2, 3, 5, 6})
        mnuIntSortMenu.Item(item)->setCheckable(true);
    mnuIntSortMenu.Item(0)->setChecked(true);
    mnuIntSortMenu.Item(5)->setChecked(true);

    mnuIntGameMenu.Add(0, QStringLiteral("New game..."));
    mnuIntGameMenu.Add(1, QStringLiteral("New setup game..."));
    mnuIntGameMenu.Separator(2);
    mnuIntGameMenu.Add(3, QStringLiteral("Play selected"));
    mnuIntGameMenu.Add(4, QStringLiteral("Delete selected"));

    FillHelpMenu(mnuIntHelpMenu);

    mnuIntGameListPopupMenu.Add(0, QStringLiteral("Play selected game"));
    mnuIntGameListPopupMenu.Add(1, QStringLiteral("Delete selected game..."));
    mnuIntGameListPopupMenu.Separator(2);
    mnuIntGameListPopupMenu.Add(3, QStringLiteral("Print selected game..."));
}

QAction* GameListMenus::Item(const QMenu& menu, int index) const
{
    const auto* indexed = dynamic_cast<const IndexedMenu*>(&menu);
    return indexed ? indexed->Item(index) : nullptr;
}

void GameListMenus::Connect(GameInterface& window)
{
    using Dispatch = void (*)(GameInterface&, int);
    const std::pair<IndexedMenu*, Dispatch> menus[] = {
        {&mnuIntFileMenu, &MenuSupport::FileMenuClick},
        {&mnuIntSortMenu, &MenuSupport::SortMenuClick},
        {&mnuIntGameMenu, &MenuSupport::GameMenuClick},
        {&mnuIntGameListPopupMenu, &MenuSupport::GameListPopupClick}};
    for (const auto& [menu, dispatch] : menus)
        menu->ConnectItems(&window,
                           [&window, dispatch = dispatch](int index) { dispatch(window, index); });
    mnuIntHelpMenu.ConnectItems(&window,
                                [&window](int index) { MenuSupport::HelpMenuClick(&window, index); });
}

} // namespace Support

namespace MenuSupport {

namespace {

void Print(const std::function<void(int, QWidget&)>& printout, Support::GameInterface& list)
{
    // The print items are enabled only while a game is selected.
    if (const std::optional<int> gameId = list.SelectedGameId(); gameId && printout)
        printout(*gameId, list);
}

} // namespace

void FileMenuClick(Support::GameInterface& list, int index)
{
    switch (index) {
    case 0:
        list.GetGames(false);
        break;
    case 1:
        list.GetGames(true);
        break;
    case 2:
        Support::ShowOptions();
        break;
    case 3:
        if (list.Services().ChangeMailAccount)
            list.Services().ChangeMailAccount();
        break;
    case 6:
        Print(list.Services().PrintGameDiagrams, list);
        break;
    case 7:
        Print(list.Services().PrintGameNotation, list);
        break;
    case 9:
        list.close();
        break;
    case 11:
        Support::RequestExitProgram();
        break;
    default:
        break;
    }
}

void SortMenuClick(Support::GameInterface& list, int index)
{
    if (const auto request = list.Model().SortMenuChoice(index))
        list.FillGameList(request->Column, request->Order);
}

void GameMenuClick(Support::GameInterface& list, int index)
{
    switch (index) {
    case 0:
        // An e-mail game, whatever kind the last toolbar button chose.
        Support::NextNewGame() = {false, false};
        break;
    case 1:
        Support::NextNewGame() = {false, true};
        break;
    case 3:
        list.PlayCurrentGame();
        return;
    case 4:
        list.DeleteGame();
        return;
    default:
        return;
    }
    if (list.Services().StartNewGame)
        list.Services().StartNewGame(list);
}

void GameListPopupClick(Support::GameInterface& list, int index)
{
    switch (index) {
    case 0:
        list.PlayCurrentGame();
        break;
    case 1:
        list.DeleteGame();
        break;
    case 3:
        Print(list.Services().PrintGameDiagrams, list);
        break;
    default:
        break;
    }
}

} // namespace MenuSupport
