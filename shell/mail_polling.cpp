// The tray window's main loop: the mail timer's tick, the manual retrieve
// and the tray icon's mouse messages.
#include "shell/system_tray.h"

#include "foundation/cursor_guard.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "shell/tray_state.h"

namespace SysTraySupport {

void SystemTray::CheckTimer_Timer()
{
    Support::ProgramState& state = Support::Globals();
    // A tick while a mail operation runs waits for the next one; the mail
    // state belongs to that operation meanwhile.
    if (services_.Mail->Busy())
        return;
    // Never a retrieval inside a modal window, a game start or the menu.
    if (state.ModalBusy || MenuShowing)
        return;

    // Off-line after a failure, the tick tries quietly to sign on again.
    const bool wasOffline = state.Mail.MailOffline && !state.Mail.StandAloneMode;
    // The pass is busy from the start of its retrieval to its end: the
    // windows go on while it waits for the mail, and the tray's clicks and
    // another tick must not start anything meanwhile. A board opened
    // meanwhile keeps the program busy until it closes.
    Support::BeginMailPass();
    if (wasOffline) {
        if (!services_.Mail->Reconnect()) {
            Support::EndMailPass(services_.Board->BoardOpen());
            return;
        }
    } else if (state.Mail.StandAloneMode) {
        services_.Mail->ImportMoveFiles(false, false);
    } else {
        services_.Mail->RetrieveMoveMails(false, false);
    }
    // The program ended while the retrieval ran.
    if (unloaded_)
        return;
    Support::EndMailPass(services_.Board->BoardOpen());

    if (state.Mail.StandAloneMode || !state.Mail.MailOffline) {
        if (wasOffline)
            services_.Menu->SetMenuOptions();
        if (services_.GameList->GameListShown())
            services_.GameList->FillGameList(services_.GameList->SelectedGameId());
        UpdateTrayState(TrayModify);
        NotifyNewMoves();
    } else if (!wasOffline) {
        SetTrayIcon(TrayModify, NotConnected, LostConnectionTip);
        services_.Menu->SetMenuOptions();
    }
}

void SystemTray::mnuPopupRetrieve_Click()
{
    Support::PausePolling();
    {
        Support::CursorGuard hourglass;
        // A sign-on mark left by an interrupted sign-on must not block this one.
        services_.Mail->SetLogonStatus(false);
        services_.Mail->ConnectAndRetrieve(false, true, true);
        if (unloaded_)
            return;
        if (services_.GameList->GameListShown())
            services_.GameList->FillGameList(std::nullopt);
        UpdateTrayState(TrayModify);
    }
    NotifyNewMoves();
    Support::ResumePolling();
}

void SystemTray::TrayIcon_DoubleClick()
{
    if (Support::Globals().ModalBusy) {
        services_.Shutdown->RefuseTrayClick(true);
        return;
    }
    if (services_.Menu->OpenItemEnabled())
        ShowGameList();
}

void SystemTray::TrayIcon_RightRelease(const QPoint& at)
{
    if (Support::Globals().ModalBusy) {
        services_.Shutdown->RefuseTrayClick(false);
        return;
    }
    MenuShowing = true;
    services_.Menu->PopupMenu(at);
    MenuShowing = false;
}

} // namespace SysTraySupport
