#pragma once
// The player's hand on the board window in tests: pieces dragged with the
// mouse, as the player does it, in play and in set-up mode.

#include "board/board_view.h"
#include "board/board_window.h"
#include "board/piece_palette.h"
#include "tests/rules/board_builder.h"

#include <QTest>

#include <sstream>
#include <string>

namespace BoardTests {

// The square named "e4".
inline BoardSupport::Square SquareNamed(const std::string& name)
{
    return BoardSupport::Square{name[0] - 'a' + 1, name[1] - '0'};
}

// A square's centre in the board widget's own coordinates.
inline QPoint SquareCentre(BoardSupport::Board& board, const std::string& name)
{
    return board.View().Squares()->SquareRect(SquareNamed(name)).center();
}

// Drags the piece on `from` to `to` with the mouse.
inline void DragPiece(BoardSupport::Board& board, const char* from, const char* to)
{
    QTest::mousePress(board.View().Squares(), Qt::LeftButton, {}, SquareCentre(board, from));
    QTest::mouseMove(board.View().Squares(), SquareCentre(board, to));
    QTest::mouseRelease(board.View().Squares(), Qt::LeftButton, {}, SquareCentre(board, to));
}

// ---- set-up mode: the palette, the board and the trash ----

// Where a square's centre lies in another control of the window.
inline QPoint SquareIn(BoardSupport::Board& board, QWidget* control, const std::string& square)
{
    return control->mapFrom(&board, board.View().Squares()->mapTo(&board, SquareCentre(board, square)));
}

inline QPoint TrashIn(BoardSupport::Board& board, QWidget* control)
{
    return control->mapFrom(&board, board.Setup().Trash()->geometry().center());
}

// A palette piece dragged to a point of the palette's coordinates.
inline void DragFromPalette(BoardSupport::Board& board, int piece, QPoint releaseInPalette)
{
    QTest::mousePress(board.Setup().Palette(), Qt::LeftButton, {},
                      board.Setup().Palette()->ItemRect(piece).center());
    QTest::mouseRelease(board.Setup().Palette(), Qt::LeftButton, {}, releaseInPalette);
}

inline void PaletteToSquare(BoardSupport::Board& board, int piece, const std::string& square)
{
    DragFromPalette(board, piece, SquareIn(board, board.Setup().Palette(), square));
}

// A piece on the board dragged to a point of the board's coordinates.
inline void SquareTo(BoardSupport::Board& board, const std::string& from, QPoint releaseInBoard)
{
    QTest::mousePress(board.View().Squares(), Qt::LeftButton, {}, SquareCentre(board, from));
    QTest::mouseRelease(board.View().Squares(), Qt::LeftButton, {}, releaseInBoard);
}

// An empty board, then the pieces ("Ke1 ke8") dragged from the palette.
inline void BuildByMouse(BoardSupport::Board& board, const std::string& pieces)
{
    board.Setup().SetupClear();
    std::istringstream in(pieces);
    for (std::string token; in >> token;)
        PaletteToSquare(board, TestBoards::CodeForLetter(token[0]), token.substr(1));
}

} // namespace BoardTests
