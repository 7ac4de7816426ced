#include "assets/art.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace Art {

void Save(const QImage& image, const QString& path, const char* format, int quality)
{
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path)) {
        std::fprintf(stderr, "make-assets: cannot make %s\n", qPrintable(path));
        std::exit(1);
    }
}

namespace {

QString DejaVuFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            std::fprintf(stderr, "make-assets: DejaVu Sans (fonts-dejavu-core) is missing\n");
            std::exit(1);
        }
        return families.first();
    }();
    return family;
}

} // namespace

QFont GlyphFont(int pixelSize)
{
    QFont font(DejaVuFamily());
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont TextFont(int pixelSize, bool bold)
{
    QFont font(DejaVuFamily());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QChar PieceGlyph(int kind, bool solid)
{
    // U+2654 king, queen, rook, bishop, knight, pawn (outlined); +6 solid.
    static const int offsetOfKind[7] = {0, 2, 4, 3, 1, 0, 5};
    return QChar(0x2654 + offsetOfKind[kind] + (solid ? 6 : 0));
}

void DrawPiece(QPainter& painter, const QRectF& square, int kind, bool white, qreal rotation)
{
    const int pixelSize = int(square.height() * 0.86);
    const QFont font = GlyphFont(pixelSize);
    QPainterPath solid;
    solid.addText(0, 0, font, QString(PieceGlyph(kind, true)));
    QPainterPath outline;
    outline.addText(0, 0, font, QString(PieceGlyph(kind, false)));
    const QRectF bounds = solid.boundingRect();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.center());
    painter.rotate(rotation);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    if (white) {
        // The solid shape in ivory, then the outlined glyph's lines on top.
        painter.setBrush(Ivory);
        painter.drawPath(solid);
        painter.setBrush(Ink);
        painter.drawPath(outline);
    } else {
        painter.setPen(QPen(QColor(0xE8, 0xD8, 0xBC, 160), square.height() / 48.0));
        painter.setBrush(Coal);
        painter.drawPath(solid);
    }
    painter.restore();
}

} // namespace Art
