#pragma once
// The message boxes the options window's commands show: a warning, a
// notice, and a question answered by its first (True) or second button.

#include <QString>

namespace OptionsSupport {

void Warn(const QString& caption, const QString& text);
void Inform(const QString& caption, const QString& text);
bool Ask(const QString& caption, const QString& text, const QString& ok, const QString& cancel);

} // namespace OptionsSupport
