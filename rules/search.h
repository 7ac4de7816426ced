#pragma once
// The computer opponent's choice of move: a fixed-depth look-ahead over the
// moves of both sides, scored by the heuristic weights, with forward pruning
// below the top level, no cut-offs, and a seeded random choice among equally
// good moves.
//
// At every level each move first gets its own score (the evaluation after
// the move minus the one before it). Below the top level the list is cut to
// its best 4 moves, or to a third of it (the best 4 and a random sample of
// the rest) when that is more. Above the last level each kept move is played
// and the reply level's best is subtracted from its score where the
// searching side moves and added where the other side moves. Equal scores
// keep the order in which the moves were generated.
//
// The search works on its own copy of the position, so it may run on a
// worker thread; the top-level moves are looked ahead in parallel. A
// SearchControl lets another thread cancel it and watch its progress.

#include "rules/evaluate.h"
#include "rules/position.h"
#include "rules/search_move_list.h"
#include "rules/search_random.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace ComputerAI {

// The progress a whole search adds up to: each level hands each of the
// moves it looks ahead through an equal share of its own part, and the last
// level counts its part as done (less a few points lost to rounding).
inline constexpr int ProgressSpan = 30000;

// Shared between a running search and the window that waits for it.
class SearchControl {
public:
    // Asks the search to stop; it returns soon after with SearchOutcome::Cancelled.
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    // Clears a cancel before the next search (a search started while the
    // control is cancelled returns at once).
    void Reset() { cancelled_.store(false, std::memory_order_relaxed); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

    // Moves evaluated at the last level of the running (or last) search.
    std::int64_t MovesConsidered() const { return movesConsidered_.load(std::memory_order_relaxed); }
    // 0 up to about ProgressSpan.
    int Progress() const { return progress_.load(std::memory_order_relaxed); }

    // The search's own side: it sets the counters to 0 when it starts and
    // adds to them as it goes.
    void StartCounting()
    {
        movesConsidered_.store(0, std::memory_order_relaxed);
        progress_.store(0, std::memory_order_relaxed);
    }
    void Count(std::int64_t movesConsidered, int progress)
    {
        movesConsidered_.fetch_add(movesConsidered, std::memory_order_relaxed);
        progress_.fetch_add(progress, std::memory_order_relaxed);
    }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::int64_t> movesConsidered_{0};
    std::atomic<int> progress_{0};
};

enum class SearchOutcome {
    Move,       // move holds the chosen move
    Checkmated, // the side to move is mated: it has no move and is in check
    Stalemated, // the side to move has no move and is not in check
    Cancelled,  // stopped by SearchControl::Cancel; no move
};

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::Cancelled;
    // The chosen move; Move::None() unless outcome is Move. A pawn that
    // reaches its last row becomes a queen in the search.
    BoardSupport::Move move;
    int score = 0;
    // Moves evaluated at the last level (what the board shows), and at all
    // levels.
    std::int64_t movesConsidered = 0;
    std::int64_t movesEvaluated = 0;
};

struct SearchSettings {
    int depth = 0;          // 0 plays the best own score; the program offers 0 to 4
    std::uint64_t seed = 0; // fixes every random choice
    int threads = 0;        // top-level moves searched at once; 0 = one per core
};

// Chooses the move of colourToMove in the position; previousMove is the
// last move (Move::None() when none), which allows an en passant capture.
// The position is not changed.
SearchResult SearchBestMove(const BoardSupport::Position& position, MoveValidation::Colour colourToMove,
                            BoardSupport::Move previousMove, const HeuristicWeights& weights,
                            const SearchSettings& settings, SearchControl* control = nullptr);

// ---- The list operations of one level ----------------------------------------

struct ScoredMove {
    SearchMove move;
    int score;
};

struct ScoredMoveList {
    std::array<ScoredMove, SearchMoveList::Capacity> rows;
    int count = 0;
};

// Below the top level: fewer than 5 moves stay; otherwise the best 4 (the
// earlier row wins a tie) and, when a third of the count is more than 4,
// random further rows until a third of the count is kept.
void PruneMoveList(ScoredMoveList& list, SearchRandom& random);

// Highest score first; equal scores keep their order.
void SortMovesByScore(ScoredMoveList& list);

// The number of leading rows whose score equals the first row's; 0 for an
// empty list.
int CountEqualBest(const ScoredMoveList& list);

} // namespace ComputerAI
