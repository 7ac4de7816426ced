#pragma once
// The board's 64 squares in one custom-painted widget: each square shows
// the chess-set cell the game controller names, the coordinate labels and
// the move marks lie over them. Mouse presses, moves and releases are
// reported by square, so a test can play by mouse events.

#include "board/board_geometry.h"
#include "rules/position.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace BoardSupport {

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent);

    // What to paint: a cell picture for a square, the view, the labels and
    // the marks. The view asks for pictures while it paints.
    std::function<QPixmap(Square)> SquarePicture;
    void SetView(int viewColour);
    void SetCoordsShown(bool shown);
    void SetMarks(std::vector<Square> marks);
    // A picked-up piece: the pointer becomes its drag cursor until the
    // button is released.
    void BeginDrag(const QPixmap& cursor);
    bool Dragging() const { return dragging_; }
    // Where the last drag ended, in the widget's coordinates (off the board
    // too, where the set-up mode's palette and trash lie).
    QPoint DropPoint() const { return dropPoint_; }

    // The square under a point of the widget (none off the board).
    std::optional<Square> SquareAt(QPoint point) const;
    // The widget rectangle of a square in the current view.
    QRect SquareRect(Square square) const;
    int ViewColour() const { return viewColour_; }

    // Left press (or right press, button given), drag and drop by square.
    std::function<void(Square, Qt::MouseButton, QPoint global)> Pressed;
    std::function<void(std::optional<Square>)> Dropped;
    // A press on a move mark or a coordinate label, which lie over their
    // squares and take the press instead (global: the pointer).
    std::function<void(Qt::MouseButton, QPoint global)> MarkPressed;
    std::function<void(Qt::MouseButton)> CoordPressed;
    // Where the mark of a square and the coordinate labels lie.
    QRect MarkRect(Square square) const;
    struct CoordinatePlate {
        QRect rect;
        QString text;
    };
    std::vector<CoordinatePlate> CoordinatePlates() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintCoordinates(QPainter& painter);
    bool OnMark(QPoint point) const;
    bool OnCoordinate(QPoint point) const;
    void PaintMarks(QPainter& painter);

    int viewColour_ = 0;
    bool coordsShown_ = false;
    std::vector<Square> marks_;
    bool dragging_ = false;
    QPoint dropPoint_;
};

} // namespace BoardSupport
