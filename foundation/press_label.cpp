#include "foundation/press_label.h"

#include <QMouseEvent>

namespace Support {

PressLabel::PressLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
}

void PressLabel::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button());
    event->accept();
}

void PressLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    event->accept();
}

void StyleWindowButton(QLabel& button)
{
    button.setAlignment(Qt::AlignCenter);
    button.setStyleSheet(
        QStringLiteral("QLabel { color: #3A2A1C; font-weight: bold; background: #E8D2A8;"
                       " border: 1px solid #5A3E28; border-radius: 4px; }"));
}

} // namespace Support
