#include "board/board_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace BoardSupport {

namespace {

constexpr int BoardPixels = 8 * SquarePixels;
// The labels are small plates in a corner of their squares.
constexpr QSize RankLabelSize(15, 22);
constexpr QSize FileLabelSize(15, 22);
constexpr QSize CornerLabelSize(31, 22);

void PaintLabel(QPainter& painter, const QRect& plate, const QString& text)
{
    painter.setPen(QColor(60, 40, 20));
    painter.setBrush(QColor(245, 235, 210, 220));
    painter.drawRoundedRect(plate.adjusted(0, 0, -1, -1), 3, 3);
    painter.setPen(QColor(40, 25, 10));
    painter.drawText(plate, Qt::AlignCenter, text);
}

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CBoard"));
    setFixedSize(BoardPixels, BoardPixels);
    setMouseTracking(false);
}

void BoardView::SetView(int viewColour)
{
    viewColour_ = viewColour;
    update();
}

void BoardView::SetCoordsShown(bool shown)
{
    coordsShown_ = shown;
    update();
}

void BoardView::SetMarks(std::vector<Square> marks)
{
    marks_ = std::move(marks);
    update();
}

void BoardView::BeginDrag(const QPixmap& cursor)
{
    dragging_ = true;
    if (!cursor.isNull())
        setCursor(QCursor(cursor));
}

QRect BoardView::SquareRect(Square square) const
{
    const DisplayCell cell = DisplayCellOf(square, viewColour_);
    return QRect(cell.column * SquarePixels, cell.row * SquarePixels, SquarePixels, SquarePixels);
}

std::optional<Square> BoardView::SquareAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= BoardPixels || point.y() >= BoardPixels)
        return std::nullopt;
    return SquareAtCell(DisplayCell{point.x() / SquarePixels, point.y() / SquarePixels}, viewColour_);
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const Square square{column, row};
            const QRect target = SquareRect(square);
            const QPixmap cell = SquarePicture ? SquarePicture(square) : QPixmap();
            if (cell.isNull())
                painter.fillRect(target, GetSquareShade(column, row) ? QColor(140, 100, 60)
                                                                     : QColor(230, 205, 160));
            else
                // Drawn into the square's size: a cell of any size, and a
                // picture made for a 2x screen, stays sharp.
                painter.drawPixmap(target, cell);
        }
    PaintMarks(painter);
    if (coordsShown_)
        PaintCoordinates(painter);
}

// Rank digits on the a-file's squares, file letters along rank 1's bottom
// edge; in Black's view they follow their squares to the top and right.
std::vector<BoardView::CoordinatePlate> BoardView::CoordinatePlates() const
{
    std::vector<CoordinatePlate> plates;
    QRect corner(QPoint(), CornerLabelSize);
    corner.moveCenter(SquareRect(Square{1, 1}).center());
    const int baseline = corner.bottom();
    for (int row = 2; row <= 8; ++row) {
        QRect plate(QPoint(), RankLabelSize);
        plate.moveCenter(SquareRect(Square{1, row}).center());
        plates.push_back({plate, QString::number(row)});
    }
    for (int column = 2; column <= 8; ++column) {
        QRect plate(QPoint(), FileLabelSize);
        plate.moveCenter(SquareRect(Square{column, 1}).center());
        plate.moveBottom(baseline);
        plates.push_back({plate, QString(QChar('a' + column - 1))});
    }
    plates.push_back({corner, QStringLiteral("a1")});
    return plates;
}

void BoardView::PaintCoordinates(QPainter& painter)
{
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    for (const CoordinatePlate& plate : CoordinatePlates())
        PaintLabel(painter, plate.rect, plate.text);
}

QRect BoardView::MarkRect(Square square) const
{
    return SquareRect(square).adjusted(14, 14, -14, -14);
}

bool BoardView::OnMark(QPoint point) const
{
    for (const Square& square : marks_)
        if (square.OnBoard() && MarkRect(square).contains(point))
            return true;
    return false;
}

bool BoardView::OnCoordinate(QPoint point) const
{
    if (!coordsShown_)
        return false;
    for (const CoordinatePlate& plate : CoordinatePlates())
        if (plate.rect.contains(point))
            return true;
    return false;
}

void BoardView::PaintMarks(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 90, 200), 2));
    painter.setBrush(QColor(60, 140, 255, 90));
    for (const Square& square : marks_) {
        if (!square.OnBoard())
            continue;
        painter.drawEllipse(MarkRect(square));
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // The labels lie over the marks, and both over the squares.
    if (CoordPressed && OnCoordinate(at)) {
        CoordPressed(event->button());
        return;
    }
    if (MarkPressed && OnMark(at)) {
        MarkPressed(event->button(), event->globalPosition().toPoint());
        return;
    }
    const std::optional<Square> square = SquareAt(at);
    if (square && Pressed)
        Pressed(*square, event->button(), event->globalPosition().toPoint());
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    unsetCursor();
    dropPoint_ = event->position().toPoint();
    if (Dropped)
        Dropped(SquareAt(event->position().toPoint()));
}

} // namespace BoardSupport
