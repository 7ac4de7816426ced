#include "shell/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    if (const std::optional<QPoint> place = PlaceOnScreen(kept, window.frameGeometry().size(), screens))
        window.move(*place);
}

} // namespace Support
