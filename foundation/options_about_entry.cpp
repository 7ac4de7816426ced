#include "foundation/options_about_entry.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"

#include <QWidget>

#include <exception>

namespace Support {

EntryWindowHooks& EntryWindows()
{
    static EntryWindowHooks hooks;
    return hooks;
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
