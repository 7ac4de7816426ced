#pragma once
// A move as the board, the move list and the move mail name it: a from and
// a to square. Its text is four digits from-column, from-row, to-column,
// to-row (e2-e4 is "5254"); "no move" is written "0000". This is the one
// place that text is read and written.

#include <optional>
#include <string>
#include <string_view>

namespace BoardSupport {

// A square by column (1..8 = files a..h) and row (1..8 = ranks 1..8).
struct Square {
    int column = 0;
    int row = 0;

    constexpr bool OnBoard() const { return column >= 1 && column <= 8 && row >= 1 && row <= 8; }
    // The board window's square number: 10 x column + row (e2 is 52).
    constexpr int Index() const { return 10 * column + row; }
    static constexpr Square FromIndex(int index) { return Square{index / 10, index % 10}; }

    friend constexpr bool operator==(const Square&, const Square&) = default;
};

struct Move {
    Square from;
    Square to;

    static constexpr Move None() { return Move{}; }
    constexpr bool IsNone() const { return !from.OnBoard() || !to.OnBoard(); }

    // The move the text names, or none unless the text is exactly four
    // digits each 1..8 (so "0000", "", "5a54" and "5950" are all no move).
    static constexpr std::optional<Move> Parse(std::string_view text)
    {
        if (text.size() != 4)
            return std::nullopt;
        int digits[4] = {};
        for (int i = 0; i < 4; ++i) {
            if (text[i] < '1' || text[i] > '8')
                return std::nullopt;
            digits[i] = text[i] - '0';
        }
        return Move{{digits[0], digits[1]}, {digits[2], digits[3]}};
    }
    // As Parse, with anything malformed read as no move.
    static constexpr Move FromText(std::string_view text) { return Parse(text).value_or(None()); }

    // The four digits, or "0000" for no move.
    std::string Text() const;

    friend constexpr bool operator==(const Move&, const Move&) = default;
};

} // namespace BoardSupport
