// The skins: every file of the skin table, at the sizes the windows are laid
// out for. The default skin "Marrowdale Classic" is light wood; the second,
// "Harbour Slate", is cool blue-grey. Both are drawn by the same routines
// from their own palette.

#include "assets/art.h"
#include "foundation/skin_table.h"
#include "foundation/title_band.h"
#include "foundation/toolbar_faces.h"
#include "foundation/window_names.h"
#include "foundation/window_outlines.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Art {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int TitleBandOf(std::string_view window)
{
    return WindowNames::TitleBandHeight(window);
}

struct Palette {
    QColor outside; // beyond the window's outline
    QColor surfaceTop, surfaceBottom, grain;
    QColor bandTop, bandBottom, bandLine;
    QColor edge, edgeLight;
    QColor text, titleText; // labels on the surface and on the title band
    QColor swatchPaper, swatchLine;
    std::vector<QColor> field; // background, text
    std::vector<QColor> grid;  // header bg, header text, cells bg, cells text, selection bg, text
    QColor tab;
    QColor faceTop, faceBottom, pressedTop, pressedBottom, faceLine, faceDisabled, faceEdge;
    QColor caption, captionDisabled;
};

const Palette ClassicPalette = {
    Ebony, Maple, Birch, Walnut,       Umber,
    Ebony, Oak,   Umber, Cream,        Ink,
    Cream, Paper, Umber, {Paper, Ink}, {Umber, Cream, Paper, Ink, Oak, Ivory},
    Birch, Cream, Oak,   Oak,          Walnut,
    Umber, Birch, Ivory, Ink,          QColor(0x9A, 0x8A, 0x78),
};

const Palette HarbourPalette = {
    QColor(0x1F, 0x2D, 0x3D),
    QColor(0xDC, 0xE3, 0xEA),
    QColor(0xC5, 0xD0, 0xDB),
    SlateBlue,
    QColor(0x34, 0x49, 0x5E),
    QColor(0x1F, 0x2D, 0x3D),
    QColor(0x8F, 0xA6, 0xBD),
    QColor(0x2C, 0x3E, 0x50),
    QColor(0xF4, 0xF7, 0xFA),
    QColor(0x17, 0x22, 0x2E),
    QColor(0xEA, 0xF1, 0xF7),
    QColor(0xF4, 0xF7, 0xFA),
    QColor(0x2C, 0x3E, 0x50),
    {QColor(0xFF, 0xFF, 0xFF), QColor(0x17, 0x22, 0x2E)},
    {QColor(0x34, 0x49, 0x5E), QColor(0xEA, 0xF1, 0xF7), QColor(0xF4, 0xF7, 0xFA),
     QColor(0x17, 0x22, 0x2E), QColor(0x8F, 0xA6, 0xBD), QColor(0xFF, 0xFF, 0xFF)},
    QColor(0xD5, 0xDE, 0xE7),
    QColor(0xF4, 0xF7, 0xFA),
    QColor(0xAF, 0xC0, 0xD0),
    QColor(0xAF, 0xC0, 0xD0),
    QColor(0x7E, 0x94, 0xAB),
    QColor(0x2C, 0x3E, 0x50),
    QColor(0xC5, 0xD0, 0xDB),
    QColor(0xFF, 0xFF, 0xFF),
    QColor(0x17, 0x22, 0x2E),
    QColor(0x8A, 0x96, 0xA3),
};

QPainterPath OutlinePath(const WindowShape::Member& member)
{
    QPolygonF polygon;
    for (const WindowShape::Point& p : member.outline)
        polygon << QPointF(p.x + 0.5, p.y + 0.5);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// A flat wood surface with a faint, regular grain.
void Wood(QPainter& painter, const QRectF& area, const Palette& palette, int seed)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, palette.surfaceTop);
    gradient.setColorAt(1, palette.surfaceBottom);
    painter.fillRect(area, gradient);
    QColor grain = palette.grain;
    grain.setAlpha(28);
    painter.setPen(QPen(grain, 1));
    for (qreal y = area.top() + 5; y < area.bottom(); y += 7) {
        QPainterPath line;
        line.moveTo(area.left(), y);
        for (qreal x = area.left(); x <= area.right(); x += 8)
            line.lineTo(x, y + 1.6 * std::sin((x + 37 * seed + 3 * y) / 53.0));
        painter.drawPath(line);
    }
}

// Captions that a window shows only in its plain layout, because in the
// skinned one its picture carries them: painted where those labels stand.
struct PaintedCaption {
    const char* window;
    QRect where;
    const char* text;
};
const PaintedCaption PaintedCaptions[] = {
    {WindowNames::NewGameInfo, QRect(24, 80, 110, 20), "Game name"},
    {WindowNames::NewGameInfo, QRect(24, 110, 110, 20), "Opponents name"},
    {WindowNames::NewGameInfo, QRect(24, 140, 110, 20), "Opponents email"},
};

void PaintCaptions(QPainter& painter, std::string_view window, const Palette& palette)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(palette.text);
    for (const PaintedCaption& caption : PaintedCaptions)
        if (window == caption.window)
            painter.drawText(caption.where, Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromLatin1(caption.text));
}

QImage Background(const WindowShape::Member& member, const Palette& palette)
{
    const bool titled = TitleBandOf(member.window) > 0;
    QImage image(member.pictureWidth, member.pictureHeight, QImage::Format_RGB32);
    image.fill(palette.outside);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = OutlinePath(member);
    painter.setClipPath(shape);
    Wood(painter, image.rect(), palette, member.pictureWidth);
    if (titled) {
        const int bandHeight = TitleBandOf(member.window);
        const QRectF band(0, 0, member.pictureWidth, bandHeight);
        QLinearGradient dark(band.topLeft(), band.bottomLeft());
        dark.setColorAt(0, palette.bandTop);
        dark.setColorAt(1, palette.bandBottom);
        painter.fillRect(band, dark);
        painter.setPen(QPen(palette.bandLine, 2));
        painter.drawLine(QPointF(0, bandHeight), QPointF(member.pictureWidth, bandHeight));
    }
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.edge, 3));
    painter.drawPath(shape);
    QColor light = palette.edgeLight;
    light.setAlpha(120);
    painter.setPen(QPen(light, 1));
    // A fine light line just inside the dark edge.
    const qreal w = member.pictureWidth, h = member.pictureHeight;
    QTransform inward;
    inward.translate(w / 2, h / 2);
    inward.scale((w - 7) / w, (h - 7) / h);
    inward.translate(-w / 2, -h / 2);
    painter.drawPath(inward.map(shape));
    PaintCaptions(painter, member.window, palette);
    return image;
}

QImage Swatch(int columns, int rows, const std::vector<std::vector<QColor>>& colours,
              const Palette& palette)
{
    using namespace Support;
    QImage image(SwatchFirstColumnLeft + SwatchCell * columns, SwatchCell * std::max(rows, 1),
                 QImage::Format_RGB32);
    image.fill(palette.swatchPaper);
    QPainter painter(&image);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const QRect cell(SwatchFirstColumnLeft + SwatchCell * c, SwatchCell * r, SwatchCell,
                             SwatchCell);
            painter.fillRect(cell, colours[std::size_t(r)][std::size_t(c)]);
            painter.setPen(palette.swatchLine);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            // The cell's centre pixel is the colour that is read.
            painter.fillRect(cell.adjusted(3, 3, -3, -3), colours[std::size_t(r)][std::size_t(c)]);
        }
    return image;
}

// Labels that sit on the dark title band read light.
bool OnTitleBand(const std::string& window, const std::string& label)
{
    return window == WindowNames::MsgForm && label == "FormCaption";
}

void ButtonFace(QPainter& painter, const QRect& cell, bool pressed, bool disabled,
                const QString& caption, const Palette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, pressed ? palette.pressedTop : palette.faceTop);
    gradient.setColorAt(1, pressed ? palette.pressedBottom : palette.faceBottom);
    painter.setPen(QPen(palette.faceLine, 1));
    painter.setBrush(disabled ? QBrush(palette.faceDisabled) : QBrush(gradient));
    painter.drawRoundedRect(face, 4, 4);
    QColor edge = pressed ? palette.faceLine : palette.faceEdge;
    edge.setAlpha(150);
    painter.setPen(QPen(edge, 1));
    painter.drawLine(face.topLeft() + QPointF(4, 1.5), face.topRight() + QPointF(-4, 1.5));
    if (!caption.isEmpty()) {
        painter.setFont(TextFont(11, true));
        painter.setPen(disabled ? palette.captionDisabled : palette.caption);
        painter.drawText(QRectF(cell).translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
                         caption);
    }
    painter.restore();
}

struct Face {
    QString caption;
    bool pressed = false;
    bool disabled = false;
};

QImage Strip(const Support::StripLayout& layout, const std::vector<Face>& faces, const Palette& palette)
{
    QImage image(layout.columns * layout.cellWidth, layout.rows * layout.cellHeight,
                 QImage::Format_RGB32);
    image.fill(palette.faceDisabled);
    QPainter painter(&image);
    for (int i = 0; i < layout.rows * layout.columns && i < int(faces.size()); ++i) {
        const QRect cell((i % layout.columns) * layout.cellWidth,
                         (i / layout.columns) * layout.cellHeight, layout.cellWidth, layout.cellHeight);
        const Face& f = faces[std::size_t(i)];
        ButtonFace(painter, cell, f.pressed, f.disabled, f.caption, palette);
    }
    return image;
}

const Support::StripLayout& Layout(std::string_view file)
{
    for (const Support::StripLayout& layout : Support::StripLayouts)
        if (layout.file == file)
            return layout;
    std::fprintf(stderr, "make-assets: no layout for %s\n", std::string(file).c_str());
    std::exit(1);
}

std::vector<Face> FacesOf(std::string_view file)
{
    auto upDown = [](std::vector<Face>& faces, const QString& caption) {
        faces.push_back({caption, false, false});
        faces.push_back({caption, true, false});
    };
    std::vector<Face> faces;
    if (file == "SystemButtons.bmp") {
        faces = {{QString(), false, false}, {QString(), true, false}};
    } else if (file == "BoardButtons.bmp") {
        // Up and pressed faces alternate up to cell 15; the disabled ones follow.
        for (std::size_t cell = 0; cell < WindowNames::BoardToolbarFaces.size(); ++cell)
            faces.push_back({QString::fromLatin1(WindowNames::BoardToolbarFaces[cell]),
                             cell < 16 && cell % 2 == 1, cell >= 16});
    } else if (file == "BoardSetupButtons.bmp") {
        for (const char* caption : {"Play", "Reset", "Clear"}) {
            upDown(faces, QString::fromLatin1(caption));
            faces.push_back({QString::fromLatin1(caption), false, true});
        }
    } else if (file == "InterfaceButtons.bmp") {
        for (const char* caption : {"Play", "E-mail", "Set-up", "Computer"}) {
            upDown(faces, QString::fromLatin1(caption));
            faces.push_back({QString::fromLatin1(caption), false, true});
        }
    }
    return faces;
}

void WriteSkin(const QString& folder, const Palette& palette)
{
    using namespace Support;
    MakeFolder(folder);
    for (const FormSkinEntry& entry : FormSkinTable()) {
        if (!entry.background.empty()) {
            const WindowShape::Member* member = WindowShape::Find(entry.window);
            if (!member) {
                std::fprintf(stderr, "make-assets: no outline for %s\n", entry.window.c_str());
                std::exit(1);
            }
            Save(Background(*member, palette), folder + Q(entry.background), "JPG", 92);
        }
        for (const ButtonStrip& strip : entry.buttons)
            Save(Strip(Layout(strip.file), FacesOf(strip.file), palette), folder + Q(strip.file), "BMP");
        if (!entry.textSwatch.empty()) {
            std::vector<std::vector<QColor>> rows;
            for (const std::string& label : entry.textLabels)
                rows.push_back({OnTitleBand(entry.window, label) ? palette.titleText : palette.text});
            Save(Swatch(TextSwatchColumns, int(rows.size()), rows, palette),
                 folder + Q(entry.textSwatch), "BMP");
        }
        if (!entry.fieldSwatch.empty())
            Save(Swatch(FieldSwatchColumns, int(entry.fieldControls.size()),
                        std::vector<std::vector<QColor>>(entry.fieldControls.size(), palette.field),
                        palette),
                 folder + Q(entry.fieldSwatch), "BMP");
        if (!entry.gridSwatch.empty())
            Save(Swatch(GridSwatchColumns, int(entry.gridControls.size()),
                        std::vector<std::vector<QColor>>(entry.gridControls.size(), palette.grid),
                        palette),
                 folder + Q(entry.gridSwatch), "BMP");
        if (!entry.tabSwatch.empty())
            Save(Swatch(TabSwatchColumns, entry.tabPages,
                        std::vector<std::vector<QColor>>(std::size_t(entry.tabPages), {palette.tab}),
                        palette),
                 folder + Q(entry.tabSwatch), "BMP");
    }
}

QString SkinFolder(const QString& programFolder, const QString& name)
{
    return programFolder + QStringLiteral("/UI Graphics/") + name + QStringLiteral("/");
}

} // namespace

void MakeSkin(const QString& programFolder)
{
    WriteSkin(SkinFolder(programFolder, Q(Support::DefaultSkinName)), ClassicPalette);
}

void MakeSecondSkin(const QString& programFolder)
{
    WriteSkin(SkinFolder(programFolder, QStringLiteral("Harbour Slate")), HarbourPalette);
}

} // namespace Art
