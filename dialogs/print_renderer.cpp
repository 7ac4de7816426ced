#include "dialogs/print_renderer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

namespace Printing {

namespace {

// Sizes in points; fonts are given pixel sizes in the painter's point
// coordinates, so they print at these sizes on any printer resolution.
QFont StyleFont(TextStyle style)
{
    QFont font = QFontDatabase::systemFont(style == TextStyle::Mono ? QFontDatabase::FixedFont
                                                                    : QFontDatabase::GeneralFont);
    switch (style) {
    case TextStyle::Title:
        font.setPixelSize(14);
        font.setBold(true);
        break;
    case TextStyle::Body:
        font.setPixelSize(12);
        break;
    case TextStyle::Small:
        font.setPixelSize(10);
        break;
    case TextStyle::Mono:
        font.setPixelSize(12);
        font.setFixedPitch(true);
        break;
    case TextStyle::Caption:
        font.setPixelSize(12);
        break;
    }
    // No ligatures: "Draw offer" prints (and reads back) letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString GlyphFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
    }();
    return family;
}

// The glyph U+2654.. of a piece letter (either case, either square shade):
// White pieces are drawn as the outlined glyph over a white fill, Black as
// the solid glyph.
struct Glyph {
    QChar outline;
    QChar solid;
    bool white = false;
};

bool PieceOf(char square, Glyph& glyph)
{
    // King, queen, rook, bishop, knight, pawn from U+2654; +6 solid.
    static const char light[] = "kqrbnp";
    static const char dark[] = "lwtvmo";
    const char lower = char(std::tolower(static_cast<unsigned char>(square)));
    for (int i = 0; i < 6; ++i)
        if (lower == light[i] || lower == dark[i]) {
            glyph.outline = QChar(0x2654 + i);
            glyph.solid = QChar(0x2654 + 6 + i);
            glyph.white = square == lower;
            return true;
        }
    return false;
}

bool IsDarkSquare(char square)
{
    return square == '/' || std::string_view("tmvwloTMVWLO").find(square) != std::string_view::npos;
}

void DrawPiece(QPainter& painter, const QRectF& cell, const Glyph& glyph)
{
    QFont font(GlyphFamily());
    font.setPixelSize(std::max(1, int(cell.height() * 0.9)));
    font.setStyleStrategy(QFont::NoFontMerging);
    QPainterPath solid;
    solid.addText(0, 0, font, QString(glyph.solid));
    QPainterPath outline;
    outline.addText(0, 0, font, QString(glyph.outline));
    const QPointF shift = cell.center() - solid.boundingRect().center();
    painter.save();
    painter.translate(shift);
    painter.setPen(Qt::NoPen);
    if (glyph.white) {
        painter.setBrush(Qt::white);
        painter.drawPath(solid);
        painter.setBrush(Qt::black);
        painter.drawPath(outline);
    } else {
        painter.setBrush(Qt::black);
        painter.drawPath(solid);
    }
    painter.restore();
}

void DrawDiagram(QPainter& painter, const DiagramItem& diagram)
{
    const double s = diagram.square;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int line = 1; line <= 8; ++line)
        for (int column = 1; column <= 8; ++column) {
            const char square = diagram.lines[std::size_t(line)][std::size_t(column)];
            const QRectF cell(diagram.x + column * s, diagram.y + line * s, s, s);
            painter.fillRect(cell, IsDarkSquare(square) ? QColor(0xB4, 0xB4, 0xB4) : QColor(Qt::white));
            Glyph glyph;
            if (PieceOf(square, glyph))
                DrawPiece(painter, cell, glyph);
        }
    // The frame: a heavy line round the board and a fine one outside it.
    const QRectF board(diagram.x + s, diagram.y + s, 8 * s, 8 * s);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, s * 0.08));
    painter.drawRect(board.adjusted(-s * 0.04, -s * 0.04, s * 0.04, s * 0.04));
    painter.setPen(QPen(Qt::black, s * 0.025));
    painter.drawRect(board.adjusted(-s * 0.2, -s * 0.2, s * 0.2, s * 0.2));
    painter.restore();
}

void DrawText(QPainter& painter, const TextItem& text)
{
    const QFont font = StyleFont(text.style);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(text.x, text.y);
    painter.scale(text.scale, text.scale);
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text.text);
    painter.restore();
}

} // namespace

PageMetrics MeasurePage(const QPrinter& printer)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    PageMetrics metrics;
    metrics.width = area.width();
    metrics.height = area.height();
    metrics.titleLine = QFontMetricsF(StyleFont(TextStyle::Title)).lineSpacing();
    metrics.bodyLine = QFontMetricsF(StyleFont(TextStyle::Body)).lineSpacing();
    metrics.smallLine = QFontMetricsF(StyleFont(TextStyle::Small)).lineSpacing();
    metrics.monoLine = QFontMetricsF(StyleFont(TextStyle::Mono)).lineSpacing();
    metrics.captionLine = QFontMetricsF(StyleFont(TextStyle::Caption)).lineSpacing();
    metrics.monoAdvance = QFontMetricsF(StyleFont(TextStyle::Mono)).horizontalAdvance(QLatin1Char('M'));
    return metrics;
}

bool RenderDocument(const Document& document, QPrinter& printer, QString& error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("The printer could not be opened.");
        return false;
    }
    // Work in points from the printable area's top left.
    const double toDevice = printer.resolution() / 72.0;
    for (std::size_t i = 0; i < document.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            error = QStringLiteral("The printer could not start a new page.");
            painter.end();
            return false;
        }
        painter.resetTransform();
        painter.scale(toDevice, toDevice);
        for (const DiagramItem& diagram : document[i].diagrams)
            DrawDiagram(painter, diagram);
        for (const TextItem& text : document[i].texts)
            DrawText(painter, text);
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("The printer reported an error.");
        return false;
    }
    return true;
}

} // namespace Printing
