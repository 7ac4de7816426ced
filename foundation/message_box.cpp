#include "foundation/message_box.h"

#include "foundation/cursor_guard.h"
#include "foundation/modal_host.h"
#include "foundation/msg_form.h"
#include "foundation/notification_timeout.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/qt_text.h"
#include "foundation/settings.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>

namespace Support {

namespace {

void PlayCue(std::optional<SoundCue> sound)
{
    const ProgramState& state = Globals();
    if (sound && state.PlaySoundCue)
        state.PlaySoundCue(*sound);
}

// The window the user works in: the open modal window, else the active
// one. Never a window that goes by itself while the box is up (the status
// window, the splash, a popup menu).
QWidget* OpenWindow()
{
    for (QWidget* window : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (!window || !window->isVisible())
            continue;
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Tool || type == Qt::SplashScreen || type == Qt::Popup || type == Qt::ToolTip)
            continue;
        return window;
    }
    return nullptr;
}

} // namespace

bool ShowMessage(const MessageBoxCall& call)
{
    return ShowMessage(call.icon, Q(call.caption), Q(call.text), Q(call.okCaption),
                       Q(call.cancelCaption), call.timeoutOn, call.sound);
}

bool ShowMessage(MsgIcon icon, const QString& caption, const QString& text, const QString& okCaption,
                 const QString& cancelCaption, bool timeoutOn, std::optional<SoundCue> sound)
{
    PollingPause guard;
    const Settings& settings = ProgramSettings();
    // The box belongs to the window that is open, so the window manager
    // keeps it above that window. The owner may go while the box is up (the
    // program ends): it then takes the box with it, which answers Cancel.
    QPointer<MsgForm> form = new MsgForm;
    const auto release = qScopeGuard([&form] { delete form.data(); });
    if (QWidget* owner = OpenWindow())
        form->setParent(owner, form->windowFlags());
    if (!form->Form_Load(settings.SimpleUI))
        return false;
    // The default arrow while the box shows, whatever the program showed before.
    const CursorGuard pointer(Qt::ArrowCursor);
    form->SetCaption(caption);
    form->SetMessageText(text);
    form->SetButtons(okCaption, cancelCaption);
    form->SetIcon(icon);
    form->StartTimeout(timeoutOn ? NotificationTimeoutTicks(settings.NotificationTimeout) : 0);
    PlayCue(sound);
    CurrentModalHost().RunModal(*form);
    return form && form->Answer() != DialogAnswer::Cancel;
}

void VerboseMessage(const QString& text, const QString& caption, std::optional<SoundCue> sound)
{
    if (ProgramSettings().Verbose)
        ShowMessage(MsgIcon::Information, caption, text, QStringLiteral("OK"), QString(), true, sound);
    else
        PlayCue(sound);
}

} // namespace Support
