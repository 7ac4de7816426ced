#include "rules/attack_map.h"

#include "rules/attack_tables.h"
#include "rules/piece.h"

namespace ComputerAI {

using namespace MoveValidation;

namespace {

void CountAll(std::array<std::uint8_t, 64>& counts, const SquareList& squares)
{
    for (int i = 0; i < squares.count; ++i)
        ++counts[squares.squares[i]];
}

void CountLines(std::array<std::uint8_t, 64>& counts, const BoardSupport::BoardSquares& board, int from,
                int firstDirection, int lastDirection)
{
    for (int d = firstDirection; d <= lastDirection; ++d) {
        const SquareList& ray = Tables.rays[from][d];
        for (int i = 0; i < ray.count; ++i) {
            ++counts[ray.squares[i]];
            if (board.cells[ray.squares[i]] != Empty)
                break;
        }
    }
}

} // namespace

AttackMap BuildAttackMap(const BoardSupport::BoardSquares& board)
{
    AttackMap map;
    for (int from = 0; from < 64; ++from) {
        const int code = board.cells[from];
        if (code == Empty)
            continue;
        const Colour colour = IsBlackPiece(code) ? Black : White;
        auto& counts = map.counts[colour];
        switch (KindOf(code)) {
        case Pawn:
            // The squares a pawn takes on are those from which a pawn of
            // the other colour would take on its own square.
            CountAll(counts, Tables.pawnAttackers[OtherColour(colour)][from]);
            break;
        case Knight:
            CountAll(counts, Tables.knightTargets[from]);
            break;
        case King:
            CountAll(counts, Tables.kingTargets[from]);
            break;
        case Rook:
            CountLines(counts, board, from, Left, Up);
            break;
        case Bishop:
            CountLines(counts, board, from, DownLeft, UpRight);
            break;
        case Queen:
            CountLines(counts, board, from, Left, UpRight);
            break;
        default:
            break;
        }
    }
    return map;
}

} // namespace ComputerAI
