// The chess set "Classic Wood": twelve piece icons and the board "Plain",
// a picture of 4 rows by 8 cells: White's pieces on a light and on a dark
// square, then Black's; in each row an empty square, rook, knight, bishop,
// queen, king, pawn and the fallen king.

#include "assets/art.h"

#include <QPainter>

namespace Art {

namespace {

constexpr int Square = 48;
constexpr int IconSize = 48;

const char* const PieceNames[6] = {"Rook", "Knight", "Bishop", "Queen", "King", "Pawn"};

} // namespace

void MakeChessSet(const QString& programFolder)
{
    const QString folder = programFolder + QStringLiteral("/Graphics/Classic Wood/");
    MakeFolder(folder);

    for (int colour = 0; colour < 2; ++colour)
        for (int kind = 1; kind <= 6; ++kind) {
            QImage icon(IconSize, IconSize, QImage::Format_ARGB32);
            icon.fill(Qt::transparent);
            QPainter painter(&icon);
            DrawPiece(painter, QRectF(0, 0, IconSize, IconSize), kind, colour == 0);
            painter.end();
            Save(icon, folder + (colour == 0 ? QStringLiteral("White") : QStringLiteral("Black"))
                           + QString::fromLatin1(PieceNames[kind - 1]) + QStringLiteral(".ico"),
                 "ICO");
        }

    QImage board(8 * Square, 4 * Square, QImage::Format_RGB32);
    QPainter painter(&board);
    for (int row = 0; row < 4; ++row) {
        const bool white = row < 2;
        const bool dark = row % 2 == 1;
        for (int column = 0; column < 8; ++column) {
            const QRectF cell(column * Square, row * Square, Square, Square);
            painter.fillRect(cell, dark ? Walnut : Maple);
            if (column >= 1 && column <= 6)
                DrawPiece(painter, cell, column, white);
            else if (column == 7)
                DrawPiece(painter, cell, 5, white, 90);
        }
    }
    painter.end();
    Save(board, folder + QStringLiteral("Plain.jpg"), "JPG", 95);
}

} // namespace Art
