// perft DEPTH [POSITION]: counts the leaves of the legal move tree of a
// position (FEN; the start position when left off) and how long it took.

#include "bench/fen_reader.h"
#include "bench/perft_tree.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: perft DEPTH [POSITION]\n");
        return 2;
    }
    const int depth = std::atoi(argv[1]);
    // The position may come as one argument or as its six words.
    std::string fen;
    for (int i = 2; i < argc; ++i)
        fen += (i > 2 ? " " : "") + std::string(argv[i]);
    const auto setup = Bench::ReadFen(fen.empty() ? std::string(Bench::StartFen) : fen);
    if (!setup || depth < 0) {
        std::fprintf(stderr, "perft: not a depth and position\n");
        return 2;
    }
    ComputerAI::SearchBoard board(setup->position, setup->sideToMove, setup->previousMove);
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t nodes = Bench::Perft(board, depth);
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("nodes %llu time_ms %lld\n", static_cast<unsigned long long>(nodes),
                static_cast<long long>(elapsed.count()));
    return 0;
}
