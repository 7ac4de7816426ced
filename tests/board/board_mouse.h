#pragma once
// The player's hand on the board window in tests: pieces dragged with the
// mouse, as the player does it.

#include "board/board_view.h"
#include "board/board_window.h"

#include <QTest>

namespace BoardTests {

// Drags the piece on `from` to `to` with the mouse.
inline void DragPiece(BoardSupport::Board& board, const char* from, const char* to)
{
    auto centre = [&board](const char* name) {
        return board.CBoard->SquareRect(BoardSupport::Square{name[0] - 'a' + 1, name[1] - '0'}).center();
    };
    QTest::mousePress(board.CBoard, Qt::LeftButton, {}, centre(from));
    QTest::mouseMove(board.CBoard, centre(to));
    QTest::mouseRelease(board.CBoard, Qt::LeftButton, {}, centre(to));
}

} // namespace BoardTests
