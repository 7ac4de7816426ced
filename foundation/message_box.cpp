#include "foundation/message_box.h"

#include "foundation/cursor_guard.h"
#include "foundation/modal_host.h"
#include "foundation/msg_form.h"
#include "foundation/notification_timeout.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"

namespace Support {

namespace {

void PlayCue(std::optional<int> sound)
{
    const ProgramState& state = Globals();
    if (sound && state.PlaySoundCue)
        state.PlaySoundCue(*sound);
}

} // namespace

bool ShowMessage(int icon, const QString& caption, const QString& text, const QString& okCaption,
                 const QString& cancelCaption, bool timeoutOn, std::optional<int> sound)
{
    ModalGuard guard;
    const Settings& settings = ProgramSettings();
    MsgForm form;
    if (!form.Form_Load(settings.SimpleUI))
        return false;
    // The default arrow while the box shows, whatever the program showed before.
    const CursorGuard pointer(Qt::ArrowCursor);
    form.SetCaption(caption);
    form.SetMessageText(text);
    form.SetButtons(okCaption, cancelCaption);
    form.SetIcon(icon);
    form.StartTimeout(timeoutOn ? NotificationTimeoutTicks(settings.NotificationTimeout) : 0);
    PlayCue(sound);
    CurrentModalHost().RunModal(form);
    return form.Answer() != DialogAnswer::Cancel;
}

void VerboseMessage(const QString& text, const QString& caption, std::optional<int> sound)
{
    if (ProgramSettings().Verbose)
        ShowMessage(1, caption, text, QStringLiteral("OK"), QString(), true, sound);
    else
        PlayCue(sound);
}

} // namespace Support
