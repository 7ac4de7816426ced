#include "board/piece_palette.h"

#include "board/board_geometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace BoardSupport {

namespace {

constexpr int Columns = 2;
constexpr int Rows = 6;

} // namespace

PiecePalette::PiecePalette(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PiecePallete"));
    setFixedSize(Columns * SquarePixels, Rows * SquarePixels);
    enabled_.fill(true);
}

void PiecePalette::SetItemState(int piece, bool enabled, bool marked)
{
    if (piece < 1 || piece > 12)
        return;
    enabled_[Slot(piece)] = enabled;
    marked_[Slot(piece)] = marked;
    update();
}

QRect PiecePalette::ItemRect(int piece) const
{
    const int column = piece > 6 ? 1 : 0;
    const int row = (piece - 1) % 6;
    return QRect(column * SquarePixels, row * SquarePixels, SquarePixels, SquarePixels);
}

std::optional<int> PiecePalette::PieceAt(QPoint point) const
{
    if (!rect().contains(point))
        return std::nullopt;
    return (point.x() / SquarePixels) * 6 + point.y() / SquarePixels + 1;
}

void PiecePalette::BeginDrag(const QPixmap& cursor)
{
    dragging_ = true;
    if (!cursor.isNull())
        setCursor(QCursor(cursor));
}

void PiecePalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int piece = 1; piece <= 12; ++piece) {
        const QRect cell = ItemRect(piece);
        const QPixmap picture = PiecePicture ? PiecePicture(piece) : QPixmap();
        if (!picture.isNull())
            painter.drawPixmap(cell, picture);
    }
    // The marks over the kings already on the board, drawn like the marks
    // of a move's path.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 90, 200), 2));
    painter.setBrush(QColor(60, 140, 255, 90));
    for (int piece = 1; piece <= 12; ++piece)
        if (marked_[Slot(piece)])
            painter.drawEllipse(ItemRect(piece).adjusted(14, 14, -14, -14));
}

void PiecePalette::mousePressEvent(QMouseEvent* event)
{
    const std::optional<int> piece = PieceAt(event->position().toPoint());
    if (piece && enabled_[Slot(*piece)] && Pressed)
        Pressed(*piece, event->button(), event->globalPosition().toPoint());
}

void PiecePalette::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    unsetCursor();
    if (Dropped)
        Dropped(event->position().toPoint());
}

SetupTrash::SetupTrash(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Trash"));
}

// A small metal bin with a lid, drawn to the widget's size.
void SetupTrash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    const QColor metal(120, 128, 136);
    const QColor dark(60, 64, 70);
    painter.setPen(QPen(dark, 2));
    QPainterPath body;
    body.moveTo(w * 0.22, h * 0.28);
    body.lineTo(w * 0.78, h * 0.28);
    body.lineTo(w * 0.70, h * 0.92);
    body.lineTo(w * 0.30, h * 0.92);
    body.closeSubpath();
    QLinearGradient shine(QPointF(w * 0.22, 0), QPointF(w * 0.78, 0));
    shine.setColorAt(0, metal.lighter(140));
    shine.setColorAt(1, metal);
    painter.setBrush(shine);
    painter.drawPath(body);
    for (qreal x : {0.40, 0.50, 0.60})
        painter.drawLine(QPointF(w * x, h * 0.38), QPointF(w * x, h * 0.84));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(w * 0.14, h * 0.16, w * 0.72, h * 0.10), 2, 2);
    painter.drawRoundedRect(QRectF(w * 0.42, h * 0.08, w * 0.16, h * 0.08), 2, 2);
}

} // namespace BoardSupport
