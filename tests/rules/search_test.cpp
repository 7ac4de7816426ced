// The search driver: pruning and sorting of a level's list, the seeded
// choice, progress, cancel, the end of the game at the top level, and the
// parallel search against the plain one.

#include "opponent_fixtures.h"
#include "reference_opponent.h"

#include "rules/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace ComputerAI;
using namespace OpponentFixtures;

namespace {

ScoredMoveList ListOf(const std::vector<int>& scores)
{
    ScoredMoveList list;
    for (int score : scores) {
        const int i = list.count++;
        list.rows[i] = ScoredMove{SearchMove{static_cast<std::int8_t>(i), 0, 0, 0, 0, 0}, score};
    }
    return list;
}

// The generation row each kept row came from.
std::vector<int> Origins(const ScoredMoveList& list)
{
    std::vector<int> origins;
    for (int i = 0; i < list.count; ++i)
        origins.push_back(list.rows[i].move.fromColumn);
    return origins;
}

TEST(PruneMoveList, KeepsTheBestFourOrAThird)
{
    const struct {
        int count;
        int kept;
    } cases[] = {{1, 1}, {4, 4}, {5, 4}, {14, 4}, {15, 5}, {17, 5}, {18, 6}, {30, 10}, {120, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        std::vector<int> scores;
        for (int i = 0; i < c.count; ++i)
            scores.push_back((i * 7) % 11); // the best four: rows of score 10, 9, 8, 7
        ScoredMoveList list = ListOf(scores);
        SearchRandom random(99);
        PruneMoveList(list, random);
        ASSERT_EQ(list.count, c.kept);
        if (c.count < 5)
            continue;
        std::vector<int> bestFour;
        for (int wanted = 10; static_cast<int>(bestFour.size()) < 4; --wanted)
            for (int i = 0; i < c.count && bestFour.size() < 4; ++i)
                if (scores[i] == wanted)
                    bestFour.push_back(i);
        const std::vector<int> origins = Origins(list);
        EXPECT_EQ(std::vector<int>(origins.begin(), origins.begin() + 4), bestFour);
        EXPECT_EQ(std::set<int>(origins.begin(), origins.end()).size(), origins.size());
    }
}

TEST(PruneMoveList, TiesGoToEarlierRows)
{
    ScoredMoveList list = ListOf(std::vector<int>(14, 3));
    SearchRandom random(1);
    PruneMoveList(list, random);
    EXPECT_EQ(Origins(list), (std::vector<int>{0, 1, 2, 3}));
}

TEST(SortMovesByScore, HighestFirstAndStable)
{
    ScoredMoveList list = ListOf({2, 5, 2, -40000, 5, 7});
    SortMovesByScore(list);
    EXPECT_EQ(Origins(list), (std::vector<int>{5, 1, 4, 0, 2, 3}));
    EXPECT_EQ(CountEqualBest(list), 1);
    EXPECT_EQ(CountEqualBest(ListOf({4, 4, 4, 1})), 3);
    EXPECT_EQ(CountEqualBest(ScoredMoveList{}), 0);
}

SearchSettings Settings(int depth, std::uint64_t seed, int threads = 0)
{
    SearchSettings settings;
    settings.depth = depth;
    settings.seed = seed;
    settings.threads = threads;
    return settings;
}

struct Game {
    BoardSupport::Position position;
    MoveValidation::Colour side;
    BoardSupport::Move previous;
};

Game GameOf(const std::string& fen)
{
    const auto setup = Bench::ReadFen(fen);
    EXPECT_TRUE(setup.has_value()) << fen;
    return {setup->position, setup->sideToMove, setup->previousMove};
}

SearchResult Search(const Game& s, const SearchSettings& settings,
                    const Support::HeuristicWeights& weights = Support::FactoryHeuristics,
                    SearchControl* control = nullptr)
{
    return SearchBestMove(s.position, s.side, s.previous, weights, settings, control);
}

const char* const Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq -";

TEST(SearchBestMove, SameSeedSameChoiceOnAnyNumberOfThreads)
{
    const Game s = GameOf(Kiwipete);
    const SearchResult first = Search(s, Settings(2, 42, 1));
    ASSERT_EQ(first.outcome, SearchOutcome::Move);
    for (int threads : {1, 3, 8}) {
        SearchControl control;
        const SearchResult again =
            Search(s, Settings(2, 42, threads), Support::FactoryHeuristics, &control);
        EXPECT_NEAR(control.Progress(), ProgressSpan, 16) << threads;
        EXPECT_EQ(control.MovesConsidered(), again.movesConsidered) << threads;
        EXPECT_EQ(again.move, first.move) << threads;
        EXPECT_EQ(again.score, first.score) << threads;
        EXPECT_EQ(again.movesConsidered, first.movesConsidered) << threads;
    }
}

TEST(SearchBestMove, DepthZeroConsidersEveryLegalMoveAndPlaysTheBestOwnScore)
{
    const Game s = GameOf("r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq -");
    SearchBoard board(s.position, s.side, s.previous);
    SearchMoveList moves;
    board.GenerateMoves(moves, Promotions::QueenOnly);
    const WeightTables weights(Support::FactoryHeuristics);
    MoveScorer scorer(board, weights);
    int best = -1000000;
    for (const SearchMove& m : moves)
        best = std::max(best, scorer.Own(m));

    SearchControl control;
    const SearchResult result = Search(s, Settings(0, 7), Support::FactoryHeuristics, &control);
    EXPECT_EQ(result.movesConsidered, moves.Count());
    EXPECT_EQ(control.MovesConsidered(), moves.Count());
    EXPECT_EQ(control.Progress(), ProgressSpan);
    EXPECT_EQ(result.score, best);
    const SearchMove chosen{static_cast<std::int8_t>(result.move.from.column),
                            static_cast<std::int8_t>(result.move.from.row),
                            static_cast<std::int8_t>(result.move.to.column),
                            static_cast<std::int8_t>(result.move.to.row),
                            0,
                            0};
    EXPECT_EQ(scorer.Own(chosen), best);
}

TEST(SearchBestMove, EqualMovesAreChosenAtRandomBySeed)
{
    // With no weights every move scores 0: the seed alone picks one, and
    // over many seeds every move gets picked.
    const Game s = GameOf("4k3/8/8/8/8/8/8/4K3 w - -");
    std::set<std::string> chosen;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const SearchResult result = Search(s, Settings(0, seed), NoWeights());
        EXPECT_EQ(result.score, 0);
        chosen.insert(Text(result.move));
    }
    EXPECT_EQ(chosen, (std::set<std::string>{"e1d1", "e1d2", "e1e2", "e1f2", "e1f1"}));
}

TEST(SearchBestMove, NoLegalMoveSaysMateOrStalemate)
{
    const SearchResult mated = Search(GameOf("R5k1/5ppp/8/8/8/8/8/6K1 b - -"), Settings(2, 1));
    EXPECT_EQ(mated.outcome, SearchOutcome::Checkmated);
    EXPECT_EQ(mated.move, BoardSupport::Move::None());
    EXPECT_EQ(mated.score, 0);
    const SearchResult stalemated = Search(GameOf("k7/2Q5/1K6/8/8/8/8/8 b - -"), Settings(2, 1));
    EXPECT_EQ(stalemated.outcome, SearchOutcome::Stalemated);
    EXPECT_EQ(stalemated.move, BoardSupport::Move::None());
}

TEST(SearchBestMove, CancelStopsWithoutAMoveAndLeavesThePosition)
{
    const Game s = GameOf(Kiwipete);
    const BoardSupport::Position before = s.position;

    SearchControl cancelledFirst;
    cancelledFirst.Cancel();
    EXPECT_EQ(Search(s, Settings(3, 5), Support::FactoryHeuristics, &cancelledFirst).outcome,
              SearchOutcome::Cancelled);

    // A search far too deep to finish, cancelled once it is under way.
    SearchControl control;
    SearchResult result;
    std::thread worker(
        [&] { result = Search(s, Settings(8, 5), Support::FactoryHeuristics, &control); });
    while (control.MovesConsidered() == 0)
        std::this_thread::yield();
    control.Cancel();
    worker.join();
    EXPECT_EQ(result.outcome, SearchOutcome::Cancelled);
    EXPECT_EQ(result.move, BoardSupport::Move::None());
    EXPECT_EQ(result.score, 0);
    EXPECT_EQ(s.position, before);
}

TEST(SearchBestMove, PromotesAPawnAtEveryDepth)
{
    const struct {
        const char* fen;
        const char* promotion;
    } cases[] = {
        {"4k3/8/8/8/8/6K1/p7/8 b - -", "a2a1"},
        {"7k/P7/8/8/8/8/8/K7 w - -", "a7a8"},
    };
    for (const auto& c : cases)
        for (int depth = 0; depth <= 4; ++depth) {
            SCOPED_TRACE(std::string(c.fen) + " depth " + std::to_string(depth));
            const Game s = GameOf(c.fen);
            const SearchResult result = Search(s, Settings(depth, 5));
            EXPECT_EQ(Text(result.move), c.promotion);
            const Reference::Choice plain = Reference::SearchBestMove(
                SearchBoard(s.position, s.side, s.previous), depth, Support::FactoryHeuristics, 5);
            EXPECT_EQ(Text(plain.move), c.promotion);
        }
}

TEST(SearchBestMove, ParallelSearchEqualsThePlainOne)
{
    const struct {
        const char* fen;
        int depth;
    } cases[] = {
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3", 2},
        {"r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq -", 1},
        {Kiwipete, 1},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -", 2},
        {"6k1/1P3ppp/8/3pP3/8/8/5PPP/2r3K1 w - d6", 2},
        {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fen);
        const Game s = GameOf(c.fen);
        for (std::uint64_t seed : {3u, 11u}) {
            const SearchResult fast = Search(s, Settings(c.depth, seed));
            const Reference::Choice plain = Reference::SearchBestMove(
                SearchBoard(s.position, s.side, s.previous), c.depth, Support::FactoryHeuristics, seed);
            EXPECT_EQ(Text(fast.move), Text(plain.move));
            EXPECT_EQ(fast.score, plain.score);
            EXPECT_EQ(fast.movesConsidered, plain.considered);
        }
    }
}

} // namespace
