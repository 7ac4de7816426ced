#include "bench/perft_tree.h"

namespace Bench {

std::uint64_t Perft(ComputerAI::SearchBoard& board, int depth)
{
    if (depth <= 0)
        return 1;
    ComputerAI::SearchMoveList moves;
    board.GenerateMoves(moves, ComputerAI::Promotions::AllFour);
    std::uint64_t nodes = 0;
    for (const ComputerAI::SearchMove& move : moves) {
        board.MakeMove(move);
        nodes += Perft(board, depth - 1);
        board.UnmakeMove();
    }
    return nodes;
}

} // namespace Bench
