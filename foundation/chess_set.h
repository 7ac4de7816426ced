#pragma once
// Loading the chosen chess set before a board opens: its twelve piece icons
// into the picture stores' IconSet and its board picture into ChessSet.

#include <QString>

#include <array>

namespace Support {

struct PictureStores;

// The icon files of a set folder, in piece-code order (images 1 to 12).
inline const std::array<QString, 12> PieceIconFiles = {
    QStringLiteral("WhiteRook.ico"),   QStringLiteral("WhiteKnight.ico"),
    QStringLiteral("WhiteBishop.ico"), QStringLiteral("WhiteQueen.ico"),
    QStringLiteral("WhiteKing.ico"),   QStringLiteral("WhitePawn.ico"),
    QStringLiteral("BlackRook.ico"),   QStringLiteral("BlackKnight.ico"),
    QStringLiteral("BlackBishop.ico"), QStringLiteral("BlackQueen.ico"),
    QStringLiteral("BlackKing.ico"),   QStringLiteral("BlackPawn.ico")};

// <program folder>/Graphics/<set>/; empty for a name that is blank or would
// lead outside the "Graphics" folder.
QString ChessSetFolder(const QString& setName);

// Loads the set's 12 icons and the board picture "<board>.jpg" into the
// stores. Every picture is read first; the stores change only when all 13
// were read, so a broken set leaves the last good one in place. On a
// failure the user is told which file could not be read and the answer is
// False: the caller opens no board. screenRatio is the screen's scale (0:
// the application's); from 1.5 on the set's "2x/" pictures are used.
bool LoadChessSet(PictureStores& stores, const QString& setName, const QString& boardName,
                  double screenRatio = 0);
// The same on the program's stores, Pictures().
bool LoadChessSet(const QString& setName, const QString& boardName);

} // namespace Support
