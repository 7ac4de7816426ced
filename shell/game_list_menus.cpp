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
    mnuIntFileMenu.Add(FileRetrieve, QStringLiteral("Retrieve games"));
    mnuIntFileMenu.Add(FileImport, QStringLiteral("Import game"));
    mnuIntFileMenu.Add(FileOptions, QStringLiteral("Options..."));
    mnuIntFileMenu.Add(FileMailAccount, QStringLiteral("Mail account..."));
    mnuIntFileMenu.Separator(FileSeparator1);
    mnuIntFileMenu.Add(FilePrintGame, QStringLiteral("Print game..."));
    mnuIntFileMenu.Add(FilePrintNotation, QStringLiteral("Print game notation..."));
    mnuIntFileMenu.Separator(FileSeparator2);
    mnuIntFileMenu.Add(FileHide, QStringLiteral("Hide interface"));
    mnuIntFileMenu.Separator(FileSeparator3);
    mnuIntFileMenu.Add(FileExit, QStringLiteral("Exit Marrowdale"));
    // Nothing to hide to without a tray icon.
    const bool trayStartup = ProgramSettings().SystrayStartup;
    mnuIntFileMenu.Item(FileSeparator2)->setVisible(trayStartup);
    mnuIntFileMenu.Item(FileHide)->setVisible(trayStartup);

    mnuIntSortMenu.Add(SortStatus, QStringLiteral("Game status"));
    mnuIntSortMenu.Add(SortOpponent, QStringLiteral("Opponents name"));
    mnuIntSortMenu.Add(SortTitle, QStringLiteral("Game title"));
    mnuIntSortMenu.Add(SortDate, QStringLiteral("First move date"));
    mnuIntSortMenu.Separator(SortSeparator);
    mnuIntSortMenu.Add(SortAscending, QStringLiteral("Ascending"));
    mnuIntSortMenu.Add(SortDescending, QStringLiteral("Descending"));
    for (int item : {SortStatus, SortOpponent, SortTitle, SortDate, SortAscending, SortDescending})
        mnuIntSortMenu.Item(item)->setCheckable(true);
    mnuIntSortMenu.Item(SortStatus)->setChecked(true);
    mnuIntSortMenu.Item(SortAscending)->setChecked(true);

    mnuIntGameMenu.Add(GameNew, QStringLiteral("New game..."));
    mnuIntGameMenu.Add(GameNewSetup, QStringLiteral("New setup game..."));
    mnuIntGameMenu.Separator(GameSeparator);
    mnuIntGameMenu.Add(GamePlay, QStringLiteral("Play selected"));
    mnuIntGameMenu.Add(GameDelete, QStringLiteral("Delete selected"));

    FillHelpMenu(mnuIntHelpMenu);

    mnuIntGameListPopupMenu.Add(PopupPlay, QStringLiteral("Play selected game"));
    mnuIntGameListPopupMenu.Add(PopupDelete, QStringLiteral("Delete selected game..."));
    mnuIntGameListPopupMenu.Separator(PopupSeparator);
    mnuIntGameListPopupMenu.Add(PopupPrint, QStringLiteral("Print selected game..."));
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
    mnuIntHelpMenu.ConnectItems(&window, [&window](int index) {
        MenuSupport::HelpMenuClick(&window, index, window.HelpMenuTopic());
    });
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
    case Support::FileRetrieve:
        list.GetGames(false);
        break;
    case Support::FileImport:
        list.GetGames(true);
        break;
    case Support::FileOptions:
        Support::ShowOptions();
        break;
    case Support::FileMailAccount:
        if (list.Services().ChangeMailAccount)
            list.Services().ChangeMailAccount();
        break;
    case Support::FilePrintGame:
        Print(list.Services().PrintGameDiagrams, list);
        break;
    case Support::FilePrintNotation:
        Print(list.Services().PrintGameNotation, list);
        break;
    case Support::FileHide:
        list.close();
        break;
    case Support::FileExit:
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
    Support::NewGameKind kind;
    switch (index) {
    case Support::GameNew:
        // An e-mail game, whatever kind the last toolbar button chose.
        kind = {false, false};
        break;
    case Support::GameNewSetup:
        kind = {false, true};
        break;
    case Support::GamePlay:
        list.PlayCurrentGame();
        return;
    case Support::GameDelete:
        list.DeleteGame();
        return;
    default:
        return;
    }
    if (list.Services().StartNewGame)
        list.Services().StartNewGame(list, kind);
}

void GameListPopupClick(Support::GameInterface& list, int index)
{
    switch (index) {
    case Support::PopupPlay:
        list.PlayCurrentGame();
        break;
    case Support::PopupDelete:
        list.DeleteGame();
        break;
    case Support::PopupPrint:
        Print(list.Services().PrintGameDiagrams, list);
        break;
    default:
        break;
    }
}

} // namespace MenuSupport
