#include "options/dialog_support.h"

#include <QPushButton>

namespace OptionsSupport {

Support::SkinnedButtonParts CreateCommandButton(QWidget& window, QWidget& parent, const QString& name,
                                                const QString& caption, const QString& plainCaption,
                                                const QRect& geometry, const std::function<void()>& command,
                                                const std::function<bool()>& pressable)
{
    Support::SkinnedButtonParts parts = Support::CreateSkinnedButton(parent, name, geometry);
    parts.plainTwin->setText(plainCaption);
    QObject::connect(parts.face, &Support::ButtonFace::Click, &window, command);
    QObject::connect(parts.plainTwin, &QPushButton::clicked, &window, command);
    const auto paint = [&window, name, caption, pressable](bool down) {
        return [&window, name, caption, pressable, down](Qt::MouseButton button) {
            if (button != Qt::LeftButton || (pressable && !pressable()))
                return;
            down ? Support::ButtonDown(window, name, caption, false) : Support::ButtonUp(window, name, caption, false);
        };
    };
    QObject::connect(parts.face, &Support::ButtonFace::MouseDown, &window, paint(true));
    QObject::connect(parts.face, &Support::ButtonFace::MouseUp, &window, paint(false));
    return parts;
}

} // namespace OptionsSupport
