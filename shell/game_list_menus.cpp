#include "shell/game_list_menus.h"

#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "shell/game_interface.h"

namespace Support {

GameListMenus::GameListMenus()
{
    mnuIntFileMenu.setObjectName(QStringLiteral("mnuIntFileMenu"));
    Add(mnuIntFileMenu, 0, QStringLiteral("Retrieve games"));
    Add(mnuIntFileMenu, 1, QStringLiteral("Import game"));
    Add(mnuIntFileMenu, 2, QStringLiteral("Options..."));
    Separator(mnuIntFileMenu, 5);
    Add(mnuIntFileMenu, 6, QStringLiteral("Print game..."));
    Add(mnuIntFileMenu, 7, QStringLiteral("Print game notation..."));
    Separator(mnuIntFileMenu, 8);
    Add(mnuIntFileMenu, 9, QStringLiteral("Hide interface"));
    Separator(mnuIntFileMenu, 10);
    Add(mnuIntFileMenu, 11, QStringLiteral("Exit Marrowdale"));
    // Nothing to hide to without a tray icon.
    const bool trayStartup = ProgramSettings().SystrayStartup;
    Item(mnuIntFileMenu, 8)->setVisible(trayStartup);
    Item(mnuIntFileMenu, 9)->setVisible(trayStartup);

    mnuIntSortMenu.setObjectName(QStringLiteral("mnuIntSortMenu"));
    Add(mnuIntSortMenu, 0, QStringLiteral("Game status"));
    Add(mnuIntSortMenu, 1, QStringLiteral("Opponents name"));
    Add(mnuIntSortMenu, 2, QStringLiteral("Game title"));
    Add(mnuIntSortMenu, 3, QStringLiteral("First move date"));
    Separator(mnuIntSortMenu, 4);
    Add(mnuIntSortMenu, 5, QStringLiteral("Ascending"));
    Add(mnuIntSortMenu, 6, QStringLiteral("Descending"));
    for (int item : {0, 1, 2, 3, 5, 6})
        Item(mnuIntSortMenu, item)->setCheckable(true);
    Item(mnuIntSortMenu, 0)->setChecked(true);
    Item(mnuIntSortMenu, 5)->setChecked(true);

    mnuIntGameMenu.setObjectName(QStringLiteral("mnuIntGameMenu"));
    Add(mnuIntGameMenu, 0, QStringLiteral("New game..."));
    Add(mnuIntGameMenu, 1, QStringLiteral("New setup game..."));
    Separator(mnuIntGameMenu, 2);
    Add(mnuIntGameMenu, 3, QStringLiteral("Play selected"));
    Add(mnuIntGameMenu, 4, QStringLiteral("Delete selected"));

    mnuIntHelpMenu.setObjectName(QStringLiteral("mnuIntHelpMenu"));
    Add(mnuIntHelpMenu, 0, QStringLiteral("Contents"));
    Add(mnuIntHelpMenu, 1, QStringLiteral("Index..."));
    Add(mnuIntHelpMenu, 2, QStringLiteral("Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    Separator(mnuIntHelpMenu, 3);
    Add(mnuIntHelpMenu, 4, QStringLiteral("About..."));
    Item(mnuIntHelpMenu, 2)->setVisible(ProgramSettings().SimpleUI);

    mnuIntGameListPopupMenu.setObjectName(QStringLiteral("mnuIntGameListPopupMenu"));
    Add(mnuIntGameListPopupMenu, 0, QStringLiteral("Play selected game"));
    Add(mnuIntGameListPopupMenu, 1, QStringLiteral("Delete selected game..."));
    Separator(mnuIntGameListPopupMenu, 2);
    Add(mnuIntGameListPopupMenu, 3, QStringLiteral("Print selected game..."));
}

QAction* GameListMenus::Add(QMenu& menu, int index, const QString& caption)
{
    // The captions carry no shortcut marks.
    QAction* action = menu.addAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    items_[&menu][index] = action;
    return action;
}

QAction* GameListMenus::Separator(QMenu& menu, int index)
{
    QAction* action = menu.addSeparator();
    items_[&menu][index] = action;
    return action;
}

QAction* GameListMenus::Item(const QMenu& menu, int index) const
{
    const auto found = items_.find(&menu);
    if (found == items_.end())
        return nullptr;
    const auto item = found->second.find(index);
    return item == found->second.end() ? nullptr : item->second;
}

void GameListMenus::Connect(GameInterface& window)
{
    using Dispatch = void (*)(GameInterface&, int);
    const std::pair<QMenu*, Dispatch> menus[] = {{&mnuIntFileMenu, &MenuSupport::FileMenuClick},
                                                 {&mnuIntSortMenu, &MenuSupport::SortMenuClick},
                                                 {&mnuIntGameMenu, &MenuSupport::GameMenuClick},
                                                 {&mnuIntGameListPopupMenu, &MenuSupport::GameListPopupClick}};
    for (const auto& [menu, dispatch] : menus)
        for (const auto& [index, action] : items_[menu])
            QObject::connect(action, &QAction::triggered, &window,
                             [&window, dispatch = dispatch, index = index] { dispatch(window, index); });
    for (const auto& [index, action] : items_[&mnuIntHelpMenu])
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, index = index] { MenuSupport::HelpMenuClick(&window, index); });
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
    case 0: list.GetGames(false); break;
    case 1: list.GetGames(true); break;
    case 2: Support::ShowOptions(); break;
    case 6: Print(list.Services().PrintGameDiagrams, list); break;
    case 7: Print(list.Services().PrintGameNotation, list); break;
    case 9: list.close(); break;
    case 11: Support::ExitProgram(); break;
    default: break;
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
    case 3: list.PlayCurrentGame(); return;
    case 4: list.DeleteGame(); return;
    default: return;
    }
    if (list.Services().StartNewGame)
        list.Services().StartNewGame(list);
}

void HelpMenuClick(QWidget* owner, int index)
{
    switch (index) {
    case 0: Support::ShowHelpContext(owner, Support::HelpContentsTopic); break;
    case 1: Support::ShowHelpContents(owner); break;
    case 2: Support::ShowHelpContext(owner, Support::IsWindowLoaded(QLatin1String(WindowNames::Board)) ? 5 : 3); break;
    case 4: Support::ShowAboutBox(); break;
    default: break;
    }
}

void GameListPopupClick(Support::GameInterface& list, int index)
{
    switch (index) {
    case 0: list.PlayCurrentGame(); break;
    case 1: list.DeleteGame(); break;
    case 3: Print(list.Services().PrintGameDiagrams, list); break;
    default: break;
    }
}

} // namespace MenuSupport
