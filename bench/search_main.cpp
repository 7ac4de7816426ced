// search [--threads N] DEPTH [POSITION]: runs the computer opponent with the
// factory weights and a fixed seed on a position (FEN; the start position
// when left off) and prints the move it chose, its score, how many moves it
// evaluated and how long it took. Details go to stderr.

#include "bench/fen_reader.h"
#include "rules/search.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint64_t BenchSeed = 20261210;

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    int threads = 0;
    if (argc > 2 && std::string(argv[1]) == "--threads") {
        threads = std::atoi(argv[2]);
        first = 3;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: search [--threads N] DEPTH [POSITION]\n");
        return 2;
    }
    const int depth = std::atoi(argv[first]);
    std::string fen;
    for (int i = first + 1; i < argc; ++i)
        fen += (i > first + 1 ? " " : "") + std::string(argv[i]);
    const auto setup = Bench::ReadFen(fen.empty() ? std::string(Bench::StartFen) : fen);
    if (!setup || depth < 0) {
        std::fprintf(stderr, "search: not a depth and position\n");
        return 2;
    }

    ComputerAI::SearchSettings settings;
    settings.depth = depth;
    settings.seed = BenchSeed;
    settings.threads = threads;
    const auto start = std::chrono::steady_clock::now();
    const ComputerAI::SearchResult result = ComputerAI::SearchBestMove(
        setup->position, setup->sideToMove, setup->previousMove, Support::FactoryHeuristics, settings);
    const auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);

    std::printf("move %s score %d evaluated %lld time_ms %lld\n", result.move.Text().c_str(),
                result.score, static_cast<long long>(result.movesEvaluated),
                static_cast<long long>(elapsed.count()));
    const char* outcome = result.outcome == ComputerAI::SearchOutcome::Move         ? "move"
                          : result.outcome == ComputerAI::SearchOutcome::Checkmated ? "checkmated"
                          : result.outcome == ComputerAI::SearchOutcome::Stalemated ? "stalemated"
                                                                                    : "cancelled";
    const double seconds = elapsed.count() / 1000.0;
    std::fprintf(stderr, "outcome %s; last-level moves %lld; %.0f evaluated moves per second in all\n",
                 outcome, static_cast<long long>(result.movesConsidered),
                 seconds > 0 ? result.movesEvaluated / seconds : 0.0);
    return 0;
}
