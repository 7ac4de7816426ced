// The tray icon's state and tip, or the game list's icon and caption when
// the program runs without a tray icon.
#include "shell/system_tray.h"

#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/tray_state.h"

namespace SysTraySupport {

void SystemTray::UpdateTrayState(int action)
{
    const Support::ProgramState& state = Support::Globals();
    const TrayStateChoice choice =
        ChooseTrayState(state.Mail.MailOffline, state.Mail.StandAloneMode, NewArrivalsExist());
    SetTrayIcon(action, choice.State, choice.Tip);
}

void SystemTray::SetTrayIcon(int action, int state, const QString& tip)
{
    const Support::Settings& settings = Support::ProgramSettings();
    const QIcon icon(
        Support::Pictures().TrayIconSets.ListImages(TrayIconImage(settings.SysTrayIcons, state)));

    if (!settings.SystrayStartup) {
        if (action != TrayDelete)
            services_.GameList->ShowTrayState(icon, GameListStateCaption(tip));
        return;
    }
    // A failure keeps the icon as it was.
    switch (action) {
    case TrayAdd:
        TrayIcon.Add(icon, tip);
        break;
    case TrayModify:
        TrayIcon.Modify(icon, tip);
        break;
    case TrayDelete:
        TrayIcon.Delete();
        break;
    default:
        break;
    }
}

void UpdateTrayState(int action)
{
    if (SystemTray* tray = SystemTray::Running())
        tray->UpdateTrayState(action);
}

void SetTrayIcon(int action, int state, const QString& tip)
{
    if (SystemTray* tray = SystemTray::Running())
        tray->SetTrayIcon(action, state, tip);
}

void PopulateTrayGameMenu()
{
    if (SystemTray* tray = SystemTray::Running())
        tray->Services().Menu->PopulateTrayGameMenu();
}

} // namespace SysTraySupport
