#pragma once
// What the options window and the file chooser share: the wiring of a
// skinned button to its command.

#include "foundation/skinned_button.h"

#include <functional>

namespace OptionsSupport {

// Makes the button's five parts on `parent`, the plain twin captioned
// `plainCaption`; a click on the face or the twin runs `command`, and a left
// press and release paint it pressed and raised with `caption` (while
// `pressable` allows, when given).
Support::SkinnedButtonParts CreateCommandButton(QWidget& window, QWidget& parent, const QString& name,
                                                const QString& caption, const QString& plainCaption,
                                                const QRect& geometry, const std::function<void()>& command,
                                                const std::function<bool()>& pressable = {});

} // namespace OptionsSupport
