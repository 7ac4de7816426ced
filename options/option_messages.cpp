#include "options/option_messages.h"

#include "foundation/message_box.h"

namespace OptionsSupport {

void Warn(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::IconWarning, caption, text, QStringLiteral("OK"), QString(), false);
}

void Inform(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::IconInformation, caption, text, QStringLiteral("OK"), QString(),
                         false);
}

bool Ask(const QString& caption, const QString& text, const QString& ok, const QString& cancel)
{
    return Support::ShowMessage(Support::IconInformation, caption, text, ok, cancel, false);
}

} // namespace OptionsSupport
