#pragma once
// The set-up mode's furniture beside the board: the palette of the twelve
// pieces (White's in the left column, Black's in the right, rook, knight,
// bishop, queen, king and pawn from the top) and the trash a piece is
// dropped into to take it off the board. Both are painted widgets that
// report presses and the end of a drag, as the board does.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace BoardSupport {

class PiecePalette : public QWidget {
    Q_OBJECT
public:
    explicit PiecePalette(QWidget* parent);

    // The picture of a piece (code 1..12), asked for while painting.
    std::function<QPixmap(int piece)> PiecePicture;
    // A marked item carries the mark of a king already on the board; a
    // disabled item cannot be pressed.
    void SetItemState(int piece, bool enabled, bool marked);
    bool ItemEnabled(int piece) const { return enabled_[Slot(piece)]; }
    bool ItemMarked(int piece) const { return marked_[Slot(piece)]; }

    // The piece under a point of the widget, and where a piece is drawn.
    std::optional<int> PieceAt(QPoint point) const;
    QRect ItemRect(int piece) const;

    // A press on an enabled item; the end of a drag begun from it (the
    // point in this widget's coordinates, wherever it lies).
    std::function<void(int piece, Qt::MouseButton button, QPoint globalPoint)> Pressed;
    std::function<void(QPoint point)> Dropped;
    void BeginDrag(const QPixmap& cursor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static int Slot(int piece) { return piece - 1; }

    std::array<bool, 12> enabled_{};
    std::array<bool, 12> marked_{};
    bool dragging_ = false;
};

// The waste bin of the set-up mode.
class SetupTrash : public QWidget {
    Q_OBJECT
public:
    explicit SetupTrash(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace BoardSupport
