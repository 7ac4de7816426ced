// Telling the user about newly arrived moves: the sound, the notification
// and what its answers lead to.
#include "shell/system_tray.h"

#include "foundation/cursor_guard.h"
#include "foundation/message_box.h"
#include "foundation/options_about_entry.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/pending_moves.h"

#include <QApplication>

namespace SysTraySupport {

namespace {

// What the notification's answer leaves to do.
enum class Next { AskAgain, Stop };

void ReportNotificationFailure(const std::exception& error)
{
    Support::ShowMessage(
        Support::MsgIcon::Warning, QStringLiteral("Options error"),
        QStringLiteral("The following error prevented the new move notification dialog from opening:||")
            + QStringLiteral("0: ") + QString::fromUtf8(error.what()),
        QStringLiteral("OK"), QString(), false);
}

// Without a tray icon the game is opened from the list, which is the
// program's main window: the list steps aside for the board and comes back
// when it closes, as for a game opened from the list itself.
Next OpenFirstPendingGame(const TrayServices& services, std::int32_t gameId, bool fromTheList)
{
    Support::ProgramState& state = Support::Globals();
    if (!services.Board->LoadChessSet())
        return Next::Stop;
    // Until the board has opened, which holds its own pause.
    const Support::PollingHold opening;
    {
        // A failure is reported after the normal pointer is back.
        Support::CursorGuard hourglass;
        if (fromTheList)
            services.GameList->HideGameList();
        try {
            services.Board->OpenBoard(Support::GameToOpen::Stored(gameId), fromTheList);
        } catch (...) {
            // No board: the main window must not stay hidden.
            if (fromTheList)
                services.GameList->ShowGameList();
            throw;
        }
    }
    state.Mail.PendingMoveList = RemovePendingId(state.Mail.PendingMoveList, gameId);
    return Next::Stop;
}

} // namespace

void SystemTray::NotifyNewMoves()
{
    Support::ProgramState& state = Support::Globals();
    const Support::Settings& settings = Support::ProgramSettings();
    // A mail operation under way owns the pending moves; it notifies itself.
    if (services_.Mail->Busy() || !state.Mail.NewMovesArrived)
        return;
    // Without a notification area the list stands in for the tray and is
    // always open: the moves are announced as the tray would announce them.
    const bool listIsTheTray = !settings.SystrayStartup;
    // The open list shows the new moves itself; minimised, it comes back to
    // show them, as it does when it opens.
    if (!listIsTheTray && services_.GameList->GameListShown()) {
        if (services_.GameList->GameListMinimised()) {
            ShowGameList();
            state.Mail.NewMovesArrived = false;
        }
        return;
    }
    // Never over an open board or a modal window: the moves stay pending,
    // and the board's closing or the next poll tells of them.
    if (services_.Board->BoardOpen() || QApplication::activeModalWidget())
        return;

    const int method = settings.NotificationMethod;
    if (method == 1 || method == 3)
        services_.Notification->PlaySound(settings.NotificationSoundPath
                                          + settings.NotificationSoundWav);

    if (method == 2 || method == 3) {
        try {
            Next next = Next::AskAgain;
            // A list holding only blank entries asks nothing.
            while (next == Next::AskAgain) {
                const std::optional<std::int32_t> first = FirstPendingId(state.Mail.PendingMoveList);
                if (!first)
                    break;
                switch (services_.Notification->ShowNotification()) {
                case NotifyPlay:
                    next = OpenFirstPendingGame(services_, *first,
                                                listIsTheTray && services_.GameList->GameListShown());
                    break;
                case NotifyGameList:
                    ShowGameList();
                    state.Mail.PendingMoveList.clear();
                    next = Next::Stop;
                    break;
                case NotifyLater:
                    state.Mail.PendingMoveList.clear();
                    next = Next::Stop;
                    break;
                case NotifyNext:
                    state.Mail.PendingMoveList = RemovePendingId(state.Mail.PendingMoveList, *first);
                    break;
                default:
                    next = Next::Stop;
                    break;
                }
            }
        } catch (const std::exception& error) {
            ReportNotificationFailure(error);
            return;
        }
    }
    if (IsPendingListBlank(state.Mail.PendingMoveList))
        state.Mail.NewMovesArrived = false;
}

void SystemTray::ShowGameList()
{
    try {
        services_.GameList->ShowGameList();
    } catch (...) {
        // The game list reports its own failures.
    }
}

} // namespace SysTraySupport

namespace Support {

void ShowGameList()
{
    if (SysTraySupport::SystemTray* tray = SysTraySupport::SystemTray::Running())
        tray->ShowGameList();
}

void NotifyNewMoves()
{
    if (SysTraySupport::SystemTray* tray = SysTraySupport::SystemTray::Running())
        tray->NotifyNewMoves();
}

} // namespace Support
