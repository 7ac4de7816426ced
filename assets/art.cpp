#include "assets/art.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
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

// The first family of a DejaVu font file; the run fails without it.
QString LoadFamily(const char* file)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/")
                                                     + QLatin1String(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "make-assets: %s (fonts-dejavu-core) is missing\n", file);
        std::exit(1);
    }
    return families.first();
}

QString DejaVuFamily()
{
    static const QString family = [] {
        const QString regular = LoadFamily("DejaVuSans.ttf");
        LoadFamily("DejaVuSans-Bold.ttf");
        return regular;
    }();
    return family;
}

QString DejaVuMonoFamily()
{
    static const QString family = LoadFamily("DejaVuSansMono.ttf");
    return family;
}

// The glyph's outline as a path, with the bounds of the solid glyph, so
// both glyphs of a piece are centred alike.
struct GlyphPaths {
    QPainterPath solid;
    QPainterPath outline;
    QRectF bounds;
};

GlyphPaths PiecePaths(const QFont& font, int kind)
{
    GlyphPaths paths;
    paths.solid.addText(0, 0, font, QString(PieceGlyph(kind, true)));
    paths.outline.addText(0, 0, font, QString(PieceGlyph(kind, false)));
    paths.bounds = paths.solid.boundingRect();
    return paths;
}

void CentreOn(QPainter& painter, const QRectF& square, const QRectF& bounds, qreal rotation)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.center());
    painter.rotate(rotation);
    painter.translate(-bounds.center());
}

} // namespace

QFont MonoGlyphFont(int pixelSize)
{
    QFont font(DejaVuMonoFamily());
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

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
    const GlyphPaths paths = PiecePaths(GlyphFont(int(square.height() * 0.86)), kind);
    painter.save();
    CentreOn(painter, square, paths.bounds, rotation);
    painter.setPen(Qt::NoPen);
    if (white) {
        // The solid shape in ivory, then the outlined glyph's lines on top.
        painter.setBrush(Ivory);
        painter.drawPath(paths.solid);
        painter.setBrush(Ink);
        painter.drawPath(paths.outline);
    } else {
        painter.setPen(QPen(QColor(0xE8, 0xD8, 0xBC, 160), square.height() / 48.0));
        painter.setBrush(Coal);
        painter.drawPath(paths.solid);
    }
    painter.restore();
}

void DrawInkedPiece(QPainter& painter, const QRectF& square, int kind, bool white, qreal rotation)
{
    // The Mono face's glyphs are drawn smaller in their em square: each is
    // scaled to stand 80% of the square high.
    const GlyphPaths paths = PiecePaths(MonoGlyphFont(int(square.height())), kind);
    const qreal scale = square.height() * 0.80 / std::max(paths.bounds.width(), paths.bounds.height());
    const qreal shadow = square.height() / 25.0 / scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.center());
    painter.rotate(rotation);
    painter.scale(scale, scale);
    painter.translate(-paths.bounds.center());
    // A soft shadow to the lower right lifts the piece off the square.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(paths.solid.translated(shadow, shadow));
    if (white) {
        painter.setBrush(InkPaper);
        painter.drawPath(paths.solid);
        painter.setBrush(InkBlue);
        painter.drawPath(paths.outline);
    } else {
        painter.setPen(
            QPen(InkPaper, square.height() / 70.0 / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(InkBlue);
        painter.drawPath(paths.solid);
    }
    painter.restore();
}

} // namespace Art
