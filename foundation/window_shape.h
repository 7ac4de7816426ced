#pragma once
// Shaped, borderless windows: the window is clipped to its outline (see
// window_outlines.h) and, having no title bar, is dragged by a press on its
// background. In the plain layout no shape is applied and windows keep
// their ordinary frames.

#include "foundation/window_outlines.h"

#include <QObject>
#include <QRegion>

#include <functional>

class QWidget;

namespace WindowShape {

// Qt lays widgets out in 96-DPI device-independent pixels and scales the
// background picture and the mask together, so an outline drawn at 96 DPI
// needs no further conversion: the screen counts 15 twips per pixel.
double ScreenTwipsPerPixel();

// The window region from the outline, as one polygon filled odd-even.
QRegion BuildWindowRegion(const Member& member, float scaleX, float scaleY, int offsetX, int offsetY);

// Makes the window frameless and clips it to the outline of the member
// named like the window (its objectName). False for a window without one.
bool ApplyWindowShape(QWidget& window);

// Whether a press on the background drags a window of that rule.
bool ShouldDrag(DragRule rule, bool simpleUI);

// Watches presses on a window's background and starts a system move when
// its rule allows; the rule is checked at each press against the running
// program's SimpleUI mode.
class BackgroundDrag : public QObject {
    Q_OBJECT
public:
    BackgroundDrag(QWidget& window, DragRule rule);

    // What starts the move; replaceable so a test can see the drag begin.
    std::function<void(QWidget& window)> StartMove;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    DragRule rule_;
};

// Puts a BackgroundDrag on the window with the rule of its member (Always
// for a window without one); the window owns it.
BackgroundDrag* EnableBackgroundDrag(QWidget& window);

} // namespace WindowShape
