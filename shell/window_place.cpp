#include "shell/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace Support {

namespace {

// What must stay reachable of the window's top band.
constexpr int BandHeight = 20;
constexpr QSize ReachableBand(40, 10);

} // namespace

std::optional<QPoint> PlaceOnScreen(const std::optional<QPoint>& kept, const QSize& size,
                                    const QList<QRect>& screens)
{
    if (!kept)
        return std::nullopt;
    const QRect band(*kept, QSize(size.width(), std::min(size.height(), BandHeight)));
    for (const QRect& screen : screens) {
        const QRect onScreen = band.intersected(screen);
        if (onScreen.width() >= ReachableBand.width() && onScreen.height() >= ReachableBand.height())
            return kept;
    }
    return std::nullopt;
}

void MoveToKeptPlace(QWidget& window, const std::optional<QPoint>& kept)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const std::optional<QPoint> place = PlaceOnScreen(kept, window.frameGeometry().size(), screens);
    if (!place)
        return;
    window.move(*place);
    // A hidden window keeps its last place in the toolkit's eyes, while the
    // window manager may have put the unmapped window elsewhere (the top
    // left corner): the native window is moved whether or not the toolkit
    // thinks it is there already.
    if (QWindow* native = window.windowHandle())
        native->setFramePosition(*place);
}

} // namespace Support
