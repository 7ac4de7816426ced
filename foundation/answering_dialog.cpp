#include "foundation/answering_dialog.h"

#include "foundation/help.h"
#include "foundation/skin.h"
#include "foundation/window_shape.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace Support {

bool DialogWindow::LoadLayout(bool simpleUI)
{
    simpleUI_ = simpleUI;
    WindowShape::EnableBackgroundDrag(*this);
    return LoadSkinnedOrPlain(*this, simpleUI, [this] { SetSimpleUI(); });
}

void DialogWindow::TakeKeysFirst()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool DialogWindow::EndWithAnswer()
{
    if (answered_)
        return false;
    answered_ = true;
    Answering();
    hide();
    return true;
}

bool DialogWindow::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterPressed();
        return true;
    case Qt::Key_Escape:
        EscapePressed();
        return true;
    case Qt::Key_F1:
        if (const int topic = HelpTopic()) {
            ShowHelpContext(this, topic);
            return true;
        }
        return false;
    default:
        return false;
    }
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
    // The window hides itself when it answers; it is never closed. Its help
    // window goes with the close box.
    event->ignore();
    CloseHelp(this);
    if (!answered_)
        CloseRequested();
}

void DialogWindow::reject()
{
    if (!answered_)
        CloseRequested();
}

} // namespace Support
