#pragma once
// A window's kept place on the screen. A window the program never placed
// is put somewhere new by the window manager each time it is mapped; one
// placed at its kept place stays where the user left it, across hides and
// runs.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace Support {

// The kept place when a band along the window's top (where it is taken to
// be dragged) still lies on one of the screens' free areas; otherwise none,
// and the window manager places the window (a screen gone since the place
// was kept).
std::optional<QPoint> PlaceOnScreen(const std::optional<QPoint>& kept, const QSize& size,
                                    const QList<QRect>& screens);

// Moves the window to its kept place when that is on a screen.
void MoveToKeptPlace(QWidget& window, const std::optional<QPoint>& kept);

} // namespace Support
