#pragma once
// The pictures and caption labels that act as buttons on the skinned
// windows (menu titles, the help and minimise buttons, a logo): a label
// that reports presses and releases of any mouse button, and a click (a
// left press and release over it).

#include <QLabel>

namespace Support {

class PressLabel : public QLabel {
    Q_OBJECT
public:
    PressLabel(QWidget* parent, const QString& name);

signals:
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The small square help, minimise and close buttons the skinned windows
// carry on their picture: a light face with a dark glyph.
void StyleWindowButton(QLabel& button);

} // namespace Support
