#include "options/dialog_support.h"

#include <QKeyEvent>
#include <QPushButton>

namespace OptionsSupport {

DialogKey DialogKeyOf(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return DialogKey::None;
    switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Escape: return DialogKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return DialogKey::Enter;
    case Qt::Key_F1: return DialogKey::Help;
    default: return DialogKey::None;
    }
}

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
