#include "rules/search.h"

#include "rules/search_board.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace ComputerAI {

using BoardSupport::Move;
using MoveValidation::Colour;

namespace {

// Deeper than any level the program offers, and far inside the search
// board's undo stack.
constexpr int MaxSearchDepth = 32;

// A worker hands its counts to the shared counters in batches, so that
// threads do not contend for them at every node.
constexpr std::int64_t FlushEvery = 4096;

} // namespace

void SortMovesByScore(ScoredMoveList& list)
{
    // Insertion sort: stable, and the lists are short.
    for (int i = 1; i < list.count; ++i) {
        const ScoredMove row = list.rows[i];
        int j = i;
        for (; j > 0 && list.rows[j - 1].score < row.score; --j)
            list.rows[j] = list.rows[j - 1];
        list.rows[j] = row;
    }
}

int CountEqualBest(const ScoredMoveList& list)
{
    int ties = 0;
    while (ties < list.count && list.rows[ties].score == list.rows[0].score)
        ++ties;
    return ties;
}

void PruneMoveList(ScoredMoveList& list, SearchRandom& random)
{
    const int count = list.count;
    if (count < 5)
        return;
    std::array<std::uint64_t, (SearchMoveList::Capacity + 63) / 64> taken{};
    const auto isTaken = [&](int i) { return (taken[i / 64] >> (i % 64)) & 1; };
    const auto take = [&](int i) { taken[i / 64] |= std::uint64_t{1} << (i % 64); };

    std::array<ScoredMove, SearchMoveList::Capacity> kept;
    int keptCount = 0;
    for (int round = 0; round < 4; ++round) {
        int best = -1;
        for (int i = 0; i < count; ++i)
            if (!isTaken(i) && (best < 0 || list.rows[i].score > list.rows[best].score))
                best = i;
        take(best);
        kept[keptCount++] = list.rows[best];
    }
    const int limit = count / 3;
    if (limit > 4) {
        while (keptCount < limit) {
            const int row = random.Row(count) - 1;
            if (!isTaken(row)) {
                take(row);
                kept[keptCount++] = list.rows[row];
            }
        }
    }
    std::copy_n(kept.begin(), keptCount, list.rows.begin());
    list.count = keptCount;
}

// Searches the subtrees of top-level moves on its own copy of the board.
class SearchWorker {
public:
    SearchWorker(const SearchBoard& root, const WeightTables& weights, int depth, SearchControl& control)
        : board_(root), weights_(weights), depth_(depth), searchColour_(root.SideToMove()),
          control_(control), random_(0)
    {
    }

    // The best result of the replies to a top-level move.
    int LookAhead(const SearchMove& move, double span, SearchRandom random)
    {
        random_ = random;
        if (!board_.MakeMove(move))
            return 0;
        const int reply = Search(1, span);
        board_.UnmakeMove();
        return reply;
    }

    void Flush()
    {
        const int progress = static_cast<int>(progressDone_);
        control_.Count(pendingConsidered_, progress - progressShown_);
        progressShown_ = progress;
        pendingConsidered_ = 0;
    }

    std::int64_t Evaluated() const { return evaluated_; }

private:
    int Search(int ply, double span)
    {
        if (control_.Cancelled())
            return 0;
        SearchMoveList moves;
        board_.GenerateMoves(moves, Promotions::QueenOnly);
        ScoredMoveList list;
        list.count = moves.Count();
        MoveScorer scorer(board_, weights_);
        for (int i = 0; i < list.count; ++i) {
            if (control_.Cancelled())
                return 0;
            list.rows[i] = ScoredMove{moves[i], scorer.Own(moves[i])};
        }
        evaluated_ += list.count;

        if (ply == depth_) {
            // Cutting and sorting the last level would only bring its
            // best score to the top.
            pendingConsidered_ += list.count;
            if (list.count > 0)
                progressDone_ += span;
            if (pendingConsidered_ >= FlushEvery)
                Flush();
            int best = 0;
            for (int i = 0; i < list.count; ++i)
                if (i == 0 || list.rows[i].score > best)
                    best = list.rows[i].score;
            return best;
        }

        PruneMoveList(list, random_);
        SortMovesByScore(list);
        if (list.count == 0)
            return 0;
        const double childSpan = span / list.count;
        const bool searching = board_.SideToMove() == searchColour_;
        for (int i = 0; i < list.count; ++i) {
            if (control_.Cancelled())
                return 0;
            if (!board_.MakeMove(list.rows[i].move))
                continue;
            const int reply = Search(ply + 1, childSpan);
            board_.UnmakeMove();
            list.rows[i].score += searching ? -reply : reply;
        }
        SortMovesByScore(list);
        return list.rows[0].score;
    }

    SearchBoard board_;
    const WeightTables& weights_;
    const int depth_;
    const Colour searchColour_;
    SearchControl& control_;
    SearchRandom random_;
    std::int64_t evaluated_ = 0;
    std::int64_t pendingConsidered_ = 0;
    // Each level hands its moves equal shares of its part of the progress
    // span, kept as fractions so that deep searches still fill it.
    double progressDone_ = 0;
    int progressShown_ = 0;
};

// The look-ahead of every top-level move, shared out among threads. Each
// move's result lands in its own slot, so the outcome is the same however
// the moves were shared out.
struct SearchRun {
    const SearchBoard& root;
    const WeightTables& weights;
    const SearchSettings& settings;
    int depth;
    SearchControl& control;

    bool LookAhead(ScoredMoveList& list, std::int64_t& evaluated) const
    {
        const int count = list.count;
        const double span = static_cast<double>(ProgressSpan) / count;
        int threads = settings.threads > 0 ? settings.threads
                                           : static_cast<int>(std::thread::hardware_concurrency());
        threads = std::clamp(threads, 1, count);

        std::vector<int> replies(count, 0);
        std::vector<std::unique_ptr<SearchWorker>> workers;
        for (int i = 0; i < threads; ++i)
            workers.push_back(std::make_unique<SearchWorker>(root, weights, depth, control));
        std::atomic<int> next{0};
        const auto work = [&](SearchWorker& worker) {
            for (int i = next.fetch_add(1); i < count && !control.Cancelled(); i = next.fetch_add(1))
                replies[i] = worker.LookAhead(list.rows[i].move, span,
                                              SearchRandom::ForTopMove(settings.seed, i));
            worker.Flush();
        };

        std::vector<std::thread> pool;
        for (int i = 1; i < threads; ++i) {
            try {
                pool.emplace_back(work, std::ref(*workers[i]));
            } catch (const std::system_error&) {
                break; // fewer threads: the others take over their share
            }
        }
        work(*workers[0]);
        for (std::thread& thread : pool)
            thread.join();

        for (const auto& worker : workers)
            evaluated += worker->Evaluated();
        if (control.Cancelled())
            return false;
        for (int i = 0; i < count; ++i)
            list.rows[i].score -= replies[i];
        return true;
    }
};

SearchResult SearchBestMove(const BoardSupport::Position& position, Colour colourToMove,
                            Move previousMove, const HeuristicWeights& weights,
                            const SearchSettings& settings, SearchControl* control)
{
    SearchControl ownControl;
    SearchControl& shared = control ? *control : ownControl;
    shared.StartCounting();

    SearchResult result;
    if (shared.Cancelled())
        return result;
    const int depth = std::clamp(settings.depth, 0, MaxSearchDepth);
    SearchBoard root(position, colourToMove, previousMove);
    const WeightTables tables(weights);

    SearchMoveList moves;
    root.GenerateMoves(moves, Promotions::QueenOnly);
    if (moves.Empty()) {
        result.outcome = root.CheckedSide() == root.SideToMove() ? SearchOutcome::Checkmated
                                                                 : SearchOutcome::Stalemated;
        return result;
    }

    ScoredMoveList list;
    list.count = moves.Count();
    MoveScorer scorer(root, tables);
    for (int i = 0; i < list.count; ++i) {
        if (shared.Cancelled())
            return result;
        list.rows[i] = ScoredMove{moves[i], scorer.Own(moves[i])};
    }
    std::int64_t evaluated = list.count;
    if (depth == 0) {
        shared.Count(list.count, ProgressSpan);
    }
    SortMovesByScore(list);
    if (depth > 0) {
        const bool finished =
            SearchRun{root, tables, settings, depth, shared}.LookAhead(list, evaluated);
        result.movesEvaluated = evaluated;
        result.movesConsidered = shared.MovesConsidered();
        if (!finished)
            return result;
        SortMovesByScore(list);
    }

    const int ties = CountEqualBest(list);
    SearchRandom tieBreak = SearchRandom::ForTieBreak(settings.seed);
    const int chosen = ties < 2 ? 0 : tieBreak.Row(ties) - 1;
    const SearchMove& move = list.rows[chosen].move;
    result.outcome = SearchOutcome::Move;
    result.move = Move{{move.fromColumn, move.fromRow}, {move.toColumn, move.toRow}};
    result.score = list.rows[0].score;
    result.movesConsidered = shared.MovesConsidered();
    result.movesEvaluated = evaluated;
    return result;
}

} // namespace ComputerAI
