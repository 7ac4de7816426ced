#include "foundation/cursor_guard.h"

#include <QCursor>
#include <QGuiApplication>

namespace Support {

CursorGuard::CursorGuard(Qt::CursorShape shape)
    : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
{
    if (shown_)
        QGuiApplication::setOverrideCursor(QCursor(shape));
}

CursorGuard::~CursorGuard()
{
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Support
