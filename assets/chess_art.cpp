// The chess sets: per set twelve piece icons and one or more boards, each
// board a picture of 4 rows by 8 cells: White's pieces on a light and on a
// dark square, then Black's; in each row an empty square, rook, knight,
// bishop, queen, king, pawn and the fallen king.
//
// The cells are the board window's squares, 50 pixels. The sub-folder "2x"
// of a set holds the same files at twice the size, for screens scaled 2x;
// being a folder, not a ".jpg" file, it is never listed as a board.

#include "assets/art.h"

#include <QPainter>

#include <vector>

namespace Art {

namespace {

constexpr int Square = 50;
constexpr int IconSize = 48;
const QString ScaledFolder = QStringLiteral("2x/");

const char* const PieceNames[6] = {"Rook", "Knight", "Bishop", "Queen", "King", "Pawn"};

using PieceDrawing = void (*)(QPainter&, const QRectF&, int kind, bool white, qreal rotation);

struct BoardColours {
    QString name;
    QColor light;
    QColor dark;
};

struct SetStyle {
    QString name;
    PieceDrawing draw;
    std::vector<BoardColours> boards;
};

void WriteIcons(const SetStyle& style, const QString& folder, int size)
{
    for (int colour = 0; colour < 2; ++colour)
        for (int kind = 1; kind <= 6; ++kind) {
            QImage icon(size, size, QImage::Format_ARGB32);
            icon.fill(Qt::transparent);
            QPainter painter(&icon);
            style.draw(painter, QRectF(0, 0, size, size), kind, colour == 0, 0);
            painter.end();
            Save(icon,
                 folder + (colour == 0 ? QStringLiteral("White") : QStringLiteral("Black"))
                     + QString::fromLatin1(PieceNames[kind - 1]) + QStringLiteral(".ico"),
                 "ICO");
        }
}

void WriteBoard(const SetStyle& style, const BoardColours& colours, const QString& folder, int square)
{
    QImage board(8 * square, 4 * square, QImage::Format_RGB32);
    QPainter painter(&board);
    for (int row = 0; row < 4; ++row) {
        const bool white = row < 2;
        const bool dark = row % 2 == 1;
        for (int column = 0; column < 8; ++column) {
            const QRectF cell(column * square, row * square, square, square);
            painter.fillRect(cell, dark ? colours.dark : colours.light);
            if (column >= 1 && column <= 6)
                style.draw(painter, cell, column, white, 0);
            else if (column == 7)
                style.draw(painter, cell, 5, white, 90);
        }
    }
    painter.end();
    Save(board, folder + colours.name + QStringLiteral(".jpg"), "JPG", 95);
}

void WriteSet(const QString& programFolder, const SetStyle& style)
{
    const QString folder =
        programFolder + QStringLiteral("/Graphics/") + style.name + QStringLiteral("/");
    MakeFolder(folder + ScaledFolder);
    for (int scale = 1; scale <= 2; ++scale) {
        const QString target = scale == 1 ? folder : folder + ScaledFolder;
        WriteIcons(style, target, IconSize * scale);
        for (const BoardColours& colours : style.boards)
            WriteBoard(style, colours, target, Square * scale);
    }
}

} // namespace

void MakeChessSet(const QString& programFolder)
{
    WriteSet(programFolder,
             {QStringLiteral("Classic Wood"), &DrawPiece, {{QStringLiteral("Plain"), Maple, Walnut}}});
}

// "Pen and Ink": inked pieces on a sage board, and on a stone and slate one.
// It has a board named like the first set's, so that board stays chosen when
// the user moves between the two sets.
void MakeSecondChessSet(const QString& programFolder)
{
    WriteSet(programFolder,
             {QStringLiteral("Pen and Ink"),
              &DrawInkedPiece,
              {{QStringLiteral("Plain"), Sage, Moss}, {QStringLiteral("Slate"), Stone, SlateBlue}}});
}

} // namespace Art
