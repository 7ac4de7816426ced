// Small pictures: the five message-box icons, the tray icon sets, the game
// list's status icons, the program icon and the splash pictures.

#include "assets/art.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <map>
#include <vector>

namespace Art {

namespace {

const QColor Teal(0x3E, 0x7C, 0x74);
const QColor Amber(0xD9, 0x9A, 0x2B);
const QColor Brick(0xA8, 0x3A, 0x2C);
const QColor Leaf(0x5B, 0x8C, 0x3A);
const QColor Slate(0x6E, 0x6A, 0x66);

QImage Transparent(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void Letter(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, int size)
{
    p.setPen(colour);
    p.setFont(TextFont(size, true));
    p.drawText(r, Qt::AlignCenter, text);
}

// A small red cross in the lower right, for the failure icons.
void FailureMark(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Brick);
    p.drawEllipse(QRectF(19, 19, 12, 12));
    p.setPen(QPen(Ivory, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22.5, 22.5), QPointF(27.5, 27.5));
    p.drawLine(QPointF(27.5, 22.5), QPointF(22.5, 27.5));
}

QImage MessageIcon(int n)
{
    QImage image = Transparent(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1: // information and questions
        p.setPen(QPen(Umber, 1.5));
        p.setBrush(Teal);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        Letter(p, QRectF(2, 2, 28, 28), QStringLiteral("i"), Ivory, 20);
        break;
    case 2: { // warnings
        QPainterPath triangle;
        triangle.moveTo(16, 2.5);
        triangle.lineTo(30, 28.5);
        triangle.lineTo(2, 28.5);
        triangle.closeSubpath();
        p.setPen(QPen(Umber, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Amber);
        p.drawPath(triangle);
        Letter(p, QRectF(2, 8, 28, 22), QStringLiteral("!"), Ink, 18);
        break;
    }
    case 3: // a piece that cannot be placed
        p.setPen(QPen(Umber, 1.5));
        p.setBrush(Maple);
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 4, 4);
        DrawPiece(p, QRectF(3, 2, 26, 26), 6, false);
        p.setPen(QPen(Brick, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 26), QPointF(26, 6));
        break;
    case 4: // move mail and files, failed or imported: a plain envelope
        p.setPen(QPen(Umber, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Paper);
        p.drawRect(QRectF(2, 7, 26, 18));
        p.drawPolyline(QPolygonF({QPointF(2, 7), QPointF(15, 17), QPointF(28, 7)}));
        break;
    default: // game database failures: a stack of records
        p.setPen(QPen(Umber, 1.5));
        p.setBrush(Oak);
        for (int i = 2; i >= 0; --i) {
            p.drawRect(QRectF(4, 6 + i * 7, 22, 6));
        }
        p.setBrush(Birch);
        p.drawEllipse(QRectF(4, 3, 22, 6));
        FailureMark(p);
        break;
    }
    return image;
}

// A tray icon: a piece on a round wood token, with a badge for a new move
// or a grey wash and a slash when there is no network.
void TrayIcon(QPainter& p, const QRectF& cell, int kind, int state)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Umber, 1));
    p.setBrush(state == 3 ? QColor(0xC8, 0xC0, 0xB8) : Maple);
    p.drawEllipse(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    DrawPiece(p, cell.adjusted(1, 1, -1, -1), kind, false);
    if (state == 2) {
        p.setPen(QPen(Ivory, 1));
        p.setBrush(Brick);
        p.drawEllipse(QRectF(cell.right() - 7, cell.top(), 7, 7));
    } else if (state == 3) {
        p.setPen(QPen(Brick, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cell.bottomLeft() + QPointF(3, -3), cell.topRight() + QPointF(-3, 3));
    }
    p.restore();
}

QImage StatusIcon(int status)
{
    QImage image = Transparent(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 15, 15);
    switch (status) {
    case 1: // the user's move
        p.setPen(QPen(Umber, 1));
        p.setBrush(Leaf);
        p.drawEllipse(r);
        p.setPen(Qt::NoPen);
        p.setBrush(Ivory);
        p.drawPolygon(QPolygonF({QPointF(6, 4), QPointF(12, 8), QPointF(6, 12)}));
        break;
    case 2: // waiting for the opponent
        p.setPen(QPen(Umber, 1));
        p.setBrush(Birch);
        p.drawEllipse(r);
        p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        p.drawLine(QPointF(8, 8), QPointF(11, 10));
        break;
    case 3: // won: the king stands
        p.setPen(QPen(Umber, 1));
        p.setBrush(Maple);
        p.drawEllipse(r);
        DrawPiece(p, QRectF(1, 1, 14, 14), 5, false);
        break;
    case 4: // lost: the king has fallen
        p.setPen(QPen(Umber, 1));
        p.setBrush(QColor(0xC8, 0xC0, 0xB8));
        p.drawEllipse(r);
        DrawPiece(p, QRectF(1, 1, 14, 14), 5, false, 90);
        break;
    case 5: // a draw offered
        p.setPen(QPen(Umber, 1));
        p.setBrush(Amber);
        p.drawEllipse(r);
        Letter(p, r, QStringLiteral("?"), Ink, 11);
        break;
    default: // drawn
        p.setPen(QPen(Umber, 1));
        p.setBrush(Slate);
        p.drawEllipse(r);
        Letter(p, r, QStringLiteral("="), Ivory, 11);
        break;
    }
    return image;
}

QImage Splash()
{
    QImage image(480, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 0, 0, 300);
    wood.setColorAt(0, Umber);
    wood.setColorAt(1, Ebony);
    p.fillRect(image.rect(), wood);
    p.setPen(QPen(Oak, 3));
    p.drawRect(QRectF(6, 6, 468, 288));
    // A strip of board squares with a row of pieces standing on it.
    for (int i = 0; i < 8; ++i) {
        const QRectF cell(48 + i * 48, 176, 48, 48);
        p.fillRect(cell, i % 2 ? Walnut : Maple);
        static const int kinds[8] = {1, 2, 3, 4, 5, 3, 2, 1};
        DrawPiece(p, cell, kinds[i], i < 4);
    }
    p.setPen(Cream);
    p.setFont(TextFont(52, true));
    p.drawText(QRectF(0, 40, 480, 70), Qt::AlignCenter, QStringLiteral("Marrowdale"));
    p.setFont(TextFont(16));
    p.setPen(Birch);
    p.drawText(QRectF(0, 112, 480, 30), Qt::AlignCenter,
               QStringLiteral("Correspondence chess by e-mail"));
    p.setFont(TextFont(12));
    p.drawText(QRectF(0, 244, 480, 30), Qt::AlignCenter, QStringLiteral("Loading your games..."));
    return image;
}

// The 256 most used colours of the picture (to 5 bits a channel), so that
// the wood tones survive the reduction to 8 bits per pixel.
QImage ToEightBit(const QImage& picture)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) & 0xFFF8F8F8u];
    std::vector<std::pair<int, QRgb>> byUse;
    for (const auto& [colour, count] : counts)
        byUse.push_back({count, colour});
    std::sort(byUse.rbegin(), byUse.rend());
    QList<QRgb> table;
    for (const auto& [count, colour] : byUse) {
        if (table.size() == 256)
            break;
        table.append(colour | 0xFF040404u);
    }
    return picture.convertToFormat(QImage::Format_Indexed8, table, Qt::DiffuseDither);
}

} // namespace

// The program's own icon, drawn at its size (designed at 64 pixels).
QImage ProgramIcon(int size)
{
    QImage program = Transparent(size, size);
    QPainter p(&program);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(Umber, 2));
    p.setBrush(Maple);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    DrawPiece(p, QRectF(6, 4, 52, 56), 2, false);
    return program;
}

void MakeIcons(const QString& programFolder)
{
    const QString folder = programFolder + QStringLiteral("/Icons/");
    MakeFolder(folder);
    for (int n = 1; n <= 5; ++n)
        Save(MessageIcon(n), folder + QStringLiteral("MsgIcon%1.png").arg(n));

    // Six sets of three: normal, new move, no network; one piece per set.
    QImage tray = Transparent(18 * 16, 16);
    {
        QPainter p(&tray);
        static const int setPiece[6] = {2, 5, 4, 1, 3, 6};
        for (int set = 0; set < 6; ++set)
            for (int state = 1; state <= 3; ++state)
                TrayIcon(p, QRectF((set * 3 + state - 1) * 16, 0, 16, 16), setPiece[set], state);
    }
    Save(tray, folder + QStringLiteral("TrayIconSets.png"));

    QImage status = Transparent(6 * 16, 16);
    {
        QPainter p(&status);
        for (int s = 1; s <= 6; ++s)
            p.drawImage((s - 1) * 16, 0, StatusIcon(s));
    }
    Save(status, folder + QStringLiteral("StatusIcons.png"));

    Save(ProgramIcon(64), folder + QStringLiteral("Marrowdale.png"));
}

void MakeThemeIcons(const QString& themeFolder)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = themeFolder + QStringLiteral("/%1x%1/apps/").arg(size);
        MakeFolder(folder);
        Save(ProgramIcon(size), folder + QStringLiteral("marrowdale.png"));
    }
}

void MakeSplash(const QString& programFolder)
{
    const QString folder = programFolder + QStringLiteral("/UI Graphics/");
    MakeFolder(folder);
    const QImage splash = Splash();
    Save(splash, folder + QStringLiteral("Splash16.bmp"), "BMP");
    Save(ToEightBit(splash), folder + QStringLiteral("Splash8.bmp"), "BMP");
}

} // namespace Art
