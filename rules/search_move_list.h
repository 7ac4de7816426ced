#pragma once
// One search level's list of legal moves. A chess position has at most 218
// legal moves, so a fixed list of 256 rows always holds all of them and no
// level ever allocates.

#include <array>
#include <cstdint>

namespace ComputerAI {

// Which pieces a pawn reaching its last row may become: all four for
// move counting and tests, only the queen for the computer's search.
enum class Promotions { AllFour, QueenOnly };

struct SearchMove {
    std::int8_t fromColumn;
    std::int8_t fromRow;
    std::int8_t toColumn;
    std::int8_t toRow;
    // The code a promoting pawn becomes (a queen, rook, bishop or knight of
    // the mover's colour); 0 for every other move.
    std::int8_t promotion;
    // Belongs to the search; the generator writes 0.
    std::int16_t score;

    friend bool operator==(const SearchMove&, const SearchMove&) = default;
};

class SearchMoveList {
public:
    static constexpr int Capacity = 256;

    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    void Clear() { count_ = 0; }

    // 0-based, below Count().
    SearchMove& operator[](int index) { return rows_[index]; }
    const SearchMove& operator[](int index) const { return rows_[index]; }

    SearchMove* begin() { return rows_.data(); }
    SearchMove* end() { return rows_.data() + count_; }
    const SearchMove* begin() const { return rows_.data(); }
    const SearchMove* end() const { return rows_.data() + count_; }

    // Appends a row; a full list (never reached by legal moves) keeps its rows.
    void Add(int fromColumn, int fromRow, int toColumn, int toRow, int promotion = 0)
    {
        if (count_ == Capacity)
            return;
        rows_[count_++] =
            SearchMove{static_cast<std::int8_t>(fromColumn), static_cast<std::int8_t>(fromRow),
                       static_cast<std::int8_t>(toColumn),   static_cast<std::int8_t>(toRow),
                       static_cast<std::int8_t>(promotion),  0};
    }
    // Keeps the first `count` rows (used by the search to prune its list).
    void Truncate(int count)
    {
        if (count >= 0 && count < count_)
            count_ = count;
    }

private:
    int count_ = 0;
    // Rows at and beyond count_ are left uninitialised on purpose: a list is
    // made at every node and filling 256 rows each time would cost more than
    // generating the moves.
    std::array<SearchMove, Capacity> rows_;
};

} // namespace ComputerAI
