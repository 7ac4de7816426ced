#include "foundation/options_about_entry.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"

#include <QWidget>

namespace Support {

const QString AutomationErrorText = QStringLiteral(
    "There is a problem with your desktop's automation support, so Marrowdale could not open "
    "this window.||Please update your system's Qt and desktop libraries and try again.");

EntryWindowHooks& EntryWindows()
{
    static EntryWindowHooks hooks;
    return hooks;
}

void ShowAutomationError()
{
    ShowMessage(Support::MsgIcon::Warning, QStringLiteral("Automation error"), AutomationErrorText,
                QStringLiteral("Ok"), QString(), false);
}

namespace {

void ShowOptionsError(int number, const QString& description)
{
    ShowMessage(Support::MsgIcon::Warning, QStringLiteral("Options error"),
                QStringLiteral("The following error prevented the options window from opening:||")
                    + QString::number(number) + QStringLiteral(": ") + description,
                QStringLiteral("OK"), QString(), false);
}

} // namespace

void ShowOptions()
{
    PollingPause guard;
    try {
        if (EntryWindows().RunOptionsPage)
            EntryWindows().RunOptionsPage();
    } catch (const WindowOpenError& error) {
        if (error.Number == AutomationErrorNumber)
            ShowAutomationError();
        else
            ShowOptionsError(error.Number, QString::fromStdString(error.what()));
    } catch (const std::exception& error) {
        ShowOptionsError(0, QString::fromStdString(error.what()));
    }
}

void ShowAboutBox()
{
    PollingPause guard(PollingPause::BusyAfterwards::Cleared);
    if (EntryWindows().RunAboutBox)
        EntryWindows().RunAboutBox();
}

void BringToTop(QWidget* window)
{
    if (!window)
        return;
    window->raise();
    window->activateWindow();
}

} // namespace Support
