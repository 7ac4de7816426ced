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
void BoardView::PaintCoordinates(QPainter& painter)
{
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    const QRect corner = SquareRect(Square{1, 1});
    QRect cornerPlate(QPoint(), CornerLabelSize);
    cornerPlate.moveCenter(corner.center());
    const int baseline = cornerPlate.bottom();
    for (int row = 2; row <= 8; ++row) {
        QRect plate(QPoint(), RankLabelSize);
        plate.moveCenter(SquareRect(Square{1, row}).center());
        PaintLabel(painter, plate, QString::number(row));
    }
    for (int column = 2; column <= 8; ++column) {
        QRect plate(QPoint(), FileLabelSize);
        plate.moveCenter(SquareRect(Square{column, 1}).center());
        plate.moveBottom(baseline);
        PaintLabel(painter, plate, QString(QChar('a' + column - 1)));
    }
    PaintLabel(painter, cornerPlate, QStringLiteral("a1"));
}

void BoardView::PaintMarks(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 90, 200), 2));
    painter.setBrush(QColor(60, 140, 255, 90));
    for (const Square& square : marks_) {
        if (!square.OnBoard())
            continue;
        const QRect mark = SquareRect(square).adjusted(14, 14, -14, -14);
        painter.drawEllipse(mark);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const std::optional<Square> square = SquareAt(event->position().toPoint());
    if (square && Pressed)
        Pressed(*square, event->button());
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
