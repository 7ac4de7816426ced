#include "options/option_messages.h"

#include "foundation/message_box.h"

namespace OptionsSupport {

void Warn(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::MsgIcon::Warning, caption, text, QStringLiteral("OK"), QString(),
                         false);
}

void Inform(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::MsgIcon::Information, caption, text, QStringLiteral("OK"), QString(),
                         false);
}

bool Ask(const QString& caption, const QString& text, const QString& ok, const QString& cancel)
{
    return Support::ShowMessage(Support::MsgIcon::Information, caption, text, ok, cancel, false);
}

} // namespace OptionsSupport
