#include "dialogs/dialog_pictures.h"

#include "foundation/program_state.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace DialogPictures {

namespace {

const QColor Maple(0xF0, 0xD9, 0xB5);
const QColor Walnut(0xB5, 0x88, 0x63);
const QColor Umber(0x6B, 0x4A, 0x2F);
const QColor Ebony(0x3B, 0x2A, 0x1E);
const QColor Ivory(0xFA, 0xF3, 0xE3);
const QColor Brick(0xA8, 0x3A, 0x2C);

// A chess glyph of DejaVu Sans (U+2654 onwards), drawn solid with an
// outline so it reads on both square shades.
void Glyph(QPainter& painter, const QRectF& square, char16_t glyph, const QColor& fill)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(square.height() * 0.8));
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(glyph)));
    const QRectF bounds = path.boundingRect();
    path.translate(square.center() - bounds.center());
    painter.setPen(QPen(Ebony, 1.2));
    painter.setBrush(fill);
    painter.drawPath(path);
}

} // namespace

QPixmap StandingPieces(QSize size, int columns)
{
    QPixmap picture(size);
    picture.fill(Ebony);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal cell = size.width() / qreal(std::max(columns, 1));
    const int rows = int(size.height() / cell) + 1;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.fillRect(QRectF(column * cell, size.height() - (row + 1) * cell, cell, cell),
                             (row + column) % 2 ? Maple : Walnut);
    // The black king stands, the white knight faces it.
    Glyph(painter, QRectF(0, size.height() - 2 * cell, cell, cell), u'\u265A', Ebony);
    Glyph(painter,
          QRectF(columns > 1 ? cell : 0, size.height() - (columns > 1 ? 1 : 3) * cell, cell, cell),
          u'\u265E', Ivory);
    painter.setPen(QPen(Umber, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(picture.rect()).adjusted(1, 1, -1, -1));
    return picture;
}

QPixmap ProgramIcon(int size)
{
    QPixmap icon(Support::Globals().ProgramFolder + QStringLiteral("/Icons/Marrowdale.png"));
    if (!icon.isNull())
        return icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap drawn(size, size);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Umber, 1));
    painter.setBrush(Maple);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    Glyph(painter, QRectF(0, 0, size, size), u'\u265E', Ivory);
    return drawn;
}

QCursor IconDragCursor()
{
    QPixmap cursor = ProgramIcon(32);
    QPainter painter(&cursor);
    painter.setOpacity(0.6);
    painter.fillRect(cursor.rect(), QColor(255, 255, 255, 90));
    return QCursor(cursor, 16, 16);
}

namespace {

QPixmap Disc(QSize size, const QColor& colour)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Umber, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(picture.rect()).adjusted(1, 1, -1, -1));
    return picture;
}

} // namespace

QPixmap HelpButtonPicture(QSize size)
{
    QPixmap picture = Disc(size, QColor(0x3E, 0x7C, 0x74));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(size.height() * 0.7));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Ivory);
    painter.drawText(QRectF(picture.rect()), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

QPixmap CloseButtonPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(picture.rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(Umber, 1.5));
    painter.setBrush(Brick);
    painter.drawEllipse(disc);
    painter.setPen(QPen(Ivory, 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = disc.adjusted(disc.width() * 0.3, disc.height() * 0.3, -disc.width() * 0.3,
                                       -disc.height() * 0.3);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    return picture;
}

} // namespace DialogPictures
