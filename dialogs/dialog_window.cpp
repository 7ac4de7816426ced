#include "dialogs/dialog_window.h"

#include "foundation/skin.h"
#include "foundation/window_shape.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace Dialogs {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

bool DialogWindow::LoadLayout(bool simpleUI)
{
    WindowShape::EnableBackgroundDrag(*this);
    if (simpleUI) {
        SetSimpleUI();
        return true;
    }
    WindowShape::ApplyWindowShape(*this);
    return Support::ApplySkin(*this);
}

void DialogWindow::TakeKeysFirst()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event->key()))
        QDialog::keyPressEvent(event);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The window hides itself when it is answered; it is never closed.
    event->ignore();
    CloseRequested();
}

void DialogWindow::reject()
{
    CloseRequested();
}

} // namespace Dialogs
