#include "rules/setup_rules.h"

#include "rules/check.h"

namespace BoardSupport {

SetupRefusal CheckSetupPosition(const BoardSquares& squares, int sideToMove)
{
    using namespace MoveValidation;
    int whiteKings = 0;
    int blackKings = 0;
    bool pawnOnEndRow = false;
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            const int code = squares(column, row);
            whiteKings += code == WhiteKing;
            blackKings += code == BlackKing;
            pawnOnEndRow = pawnOnEndRow || (IsPawn(code) && (row == 1 || row == 8));
        }
    }
    if (whiteKings != 1)
        return SetupRefusal::WhiteKingCount;
    if (blackKings != 1)
        return SetupRefusal::BlackKingCount;
    if (pawnOnEndRow)
        return SetupRefusal::PawnOnEndRow;
    Position position;
    position.squares = squares;
    if (IsInCheck(position, OtherColour(sideToMove)))
        return SetupRefusal::WaitingSideInCheck;
    return SetupRefusal::None;
}

} // namespace BoardSupport
