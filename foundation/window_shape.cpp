#include "foundation/window_shape.h"

#include "foundation/settings.h"

#include <QEvent>
#include <QPolygon>
#include <QWidget>
#include <QWindow>

namespace WindowShape {

double ScreenTwipsPerPixel()
{
    return 15.0;
}

QRegion BuildWindowRegion(const Member& member, float scaleX, float scaleY, int offsetX, int offsetY)
{
    const double twips = ScreenTwipsPerPixel();
    QPolygon polygon;
    for (const PixelPoint& p : ScaledOutline(member, scaleX, scaleY, twips, twips, offsetX, offsetY))
        polygon << QPoint(p.x, p.y);
    return QRegion(polygon, Qt::OddEvenFill);
}

bool ApplyWindowShape(QWidget& window)
{
    const Member* member = Find(window.objectName().toStdString());
    if (!member)
        return false;
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    // A frameless window has no border or title bar above its picture.
    window.setMask(BuildWindowRegion(*member, 1.0f, 1.0f, 0, 0));
    return true;
}

bool ShouldDrag(DragRule rule, bool simpleUI)
{
    switch (rule) {
    case DragRule::Never:
        return false;
    case DragRule::Always:
        return true;
    case DragRule::OnlyWhenSkinned:
        return !simpleUI;
    }
    return false;
}

BackgroundDrag::BackgroundDrag(QWidget& window, DragRule rule)
    : QObject(&window), window_(window), rule_(rule)
{
    StartMove = [](QWidget& w) {
        if (QWindow* handle = w.windowHandle())
            handle->startSystemMove();
    };
    window.installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject* watched, QEvent* event)
{
    // Any mouse button starts the drag, as on a title bar.
    if (watched == &window_ && event->type() == QEvent::MouseButtonPress
        && ShouldDrag(rule_, Support::ProgramSettings().SimpleUI) && StartMove) {
        StartMove(window_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

BackgroundDrag* EnableBackgroundDrag(QWidget& window)
{
    const Member* member = Find(window.objectName().toStdString());
    return new BackgroundDrag(window, member ? member->drag : DragRule::Always);
}

} // namespace WindowShape
