#include "shell/tray_menu.h"

#include "foundation/cursor_guard.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/options_about_entry.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/new_game_kind.h"
#include "shell/system_tray.h"
#include "shell/tray_state.h"
#include "store/database.h"

#include <QFile>

namespace SysTraySupport {

namespace {

constexpr int HelpTopicTray = 14;

} // namespace

TrayMenu::TrayMenu()
{
    mnuPopup.setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupOpen = mnuPopup.addAction(QStringLiteral("&Open"));
    mnuPopupNewGame = mnuPopup.addAction(QStringLiteral("&New game..."));
    mnuPopupGameListMenu.setTitle(QStringLiteral("&Games"));
    mnuPopupGameList = mnuPopup.addMenu(&mnuPopupGameListMenu);
    mnuPopup.addSeparator();
    mnuPopupRetrieve = mnuPopup.addAction(QStringLiteral("&Retrieve games"));
    mnuPopupOptions = mnuPopup.addAction(QStringLiteral("O&ptions..."));
    mnuPopupMailAccount = mnuPopup.addAction(QStringLiteral("&Mail account..."));
    mnuPopupHelpMenu.setTitle(QStringLiteral("Help"));
    mnuPopup.addMenu(&mnuPopupHelpMenu);
    QAction* help = mnuPopupHelpMenu.addAction(QStringLiteral("&Help"));
    QAction* contents = mnuPopupHelpMenu.addAction(QStringLiteral("Help &Contents..."));
    QAction* topics = mnuPopupHelpMenu.addAction(QStringLiteral("Help &Topics"));
    mnuPopupHelpMenu.addSeparator();
    QAction* about = mnuPopupHelpMenu.addAction(QStringLiteral("&About..."));
    mnuPopup.addSeparator();
    // Never shown: moves travel as files only when the program starts so.
    mnuPopupDebuggingMenu.setTitle(QStringLiteral("Debugging"));
    mnuPopup.addMenu(&mnuPopupDebuggingMenu)->setVisible(false);
    mnuPopupDebuggingSAOn = mnuPopupDebuggingMenu.addAction(QStringLiteral("Stand alone ON"));
    mnuPopupDebuggingSAOff = mnuPopupDebuggingMenu.addAction(QStringLiteral("Stand alone OFF"));
    for (QAction* item : {mnuPopupDebuggingSAOn, mnuPopupDebuggingSAOff})
        item->setCheckable(true);
    mnuPopupDebuggingSAOff->setChecked(true);
    mnuPopupExit = mnuPopup.addAction(QStringLiteral("E&xit"));
    mnuPopup.setDefaultAction(mnuPopupOpen);
    mnuPopupGameListMenu.addAction(QStringLiteral("No games available"))->setEnabled(false);

    QObject::connect(mnuPopupOpen, &QAction::triggered, [this] {
        if (tray_)
            tray_->ShowGameList();
    });
    QObject::connect(mnuPopupNewGame, &QAction::triggered, [this] { mnuPopupNewGame_Click(); });
    QObject::connect(mnuPopupRetrieve, &QAction::triggered, [this] {
        if (tray_)
            tray_->mnuPopupRetrieve_Click();
    });
    QObject::connect(mnuPopupOptions, &QAction::triggered, [] { Support::ShowOptions(); });
    QObject::connect(mnuPopupMailAccount, &QAction::triggered, [this] {
        if (ChangeMailAccount)
            ChangeMailAccount();
    });
    QObject::connect(help, &QAction::triggered,
                     [this] { Support::ShowHelpContext(tray_, HelpTopicTray); });
    QObject::connect(contents, &QAction::triggered,
                     [this] { Support::ShowHelpContext(tray_, Support::HelpContentsTopic); });
    QObject::connect(topics, &QAction::triggered, [this] { Support::ShowHelpContents(tray_); });
    QObject::connect(about, &QAction::triggered, [] { Support::ShowAboutBox(); });
    QObject::connect(mnuPopupDebuggingSAOn, &QAction::triggered, [this] { StandAlone_Click(true); });
    QObject::connect(mnuPopupDebuggingSAOff, &QAction::triggered, [this] { StandAlone_Click(false); });
    QObject::connect(mnuPopupExit, &QAction::triggered, [this] {
        if (tray_)
            tray_->RequestExit();
    });
}

void TrayMenu::FollowComputerThinking(bool thinking)
{
    mnuPopupOptions->setEnabled(!thinking);
}

void TrayMenu::SetMenuOptions()
{
    const Support::ProgramState& state = Support::Globals();
    mnuPopupNewGame->setEnabled(!state.Mail.MailOffline || state.Mail.StandAloneMode);
    mnuPopupRetrieve->setText(state.Mail.MailOffline ? QStringLiteral("Logon / Retrieve games")
                                                     : QStringLiteral("Retrieve games"));
    for (QAction* item : {mnuPopupDebuggingSAOn, mnuPopupDebuggingSAOff})
        item->setEnabled(state.Mail.MailOffline);
}

void TrayMenu::PopulateTrayGameMenu()
{
    if (!Support::ProgramSettings().SystrayStartup)
        return;
    const Database::DataFolder folder(QFile::encodeName(Support::Globals().DataPath).toStdString());
    std::vector<GameRecord> games;
    if (!Database::SelectGames(folder, games, "", TrayGameMenuSort))
        games.clear();
    mnuPopupGameListMenu.clear();
    for (const TrayGameMenuItem& item : TrayGameMenuItems(games)) {
        if (item.kind == TrayGameMenuItem::Separator) {
            mnuPopupGameListMenu.addSeparator();
            continue;
        }
        QAction* action = mnuPopupGameListMenu.addAction(item.Caption);
        action->setEnabled(item.Enabled);
        if (item.GameId) {
            action->setData(*item.GameId);
            QObject::connect(action, &QAction::triggered,
                             [this, id = *item.GameId] { mnuPopupGameListItem_Click(id); });
        }
    }
}

void TrayMenu::FollowGameList()
{
    const Support::ProgramState& state = Support::Globals();
    const bool listShown = GameListShown();
    // A minimised list is open but out of sight: Open brings it back.
    mnuPopupOpen->setEnabled(OpenItemEnabled());
    mnuPopupNewGame->setEnabled(!listShown && (!state.Mail.MailOffline || state.Mail.StandAloneMode));
    mnuPopupGameList->setVisible(!listShown);
}

void TrayMenu::PopupMenu(const QPoint& at)
{
    FollowGameList();
    mnuPopup.exec(at);
}

bool TrayMenu::OpenItemEnabled()
{
    return !GameListShown() || (gameList_ && gameList_->GameListMinimised());
}

void TrayMenu::mnuPopupNewGame_Click()
{
    // Always an e-mail game from the standard start.
    if (StartNewGame)
        StartNewGame(Support::NewGameKind{});
}

void TrayMenu::mnuPopupGameListItem_Click(int gameId)
{
    if (!board_ || !board_->LoadChessSet())
        return;
    // Until the board has opened, which holds its own pause.
    const Support::PollingHold opening;
    const Support::CursorGuard hourglass;
    board_->OpenBoard(Support::GameToOpen::Stored(gameId), false);
}

void TrayMenu::StandAlone_Click(bool on)
{
    mnuPopupDebuggingSAOn->setChecked(on);
    mnuPopupDebuggingSAOff->setChecked(!on);
    Support::Globals().Mail.StandAloneMode = on;
    SetMenuOptions();
    SysTraySupport::UpdateTrayState(TrayModify);
}

} // namespace SysTraySupport
