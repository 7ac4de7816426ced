#pragma once
// The computer opponent's 54 weights: their factory defaults and the text
// form in which the settings and the options window keep them (the weights
// in index order, decimal, joined by ";" with no ";" at the end).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Support {

inline constexpr int HeuristicCount = 54;
using HeuristicWeights = std::array<std::int16_t, HeuristicCount>;

inline constexpr HeuristicWeights FactoryHeuristics = {
    88,                               // check
    -118, -39,  -51,  -171, 0,        // leave rook, knight, bishop, queen, pawn vulnerable
    68,   24,   24,   128,  0,        // protect
    70,   40,   40,   80,   15,       // take
    9,    52,   64,   74,   0,   -20, // move rook, knight, bishop, queen, pawn, king
    142,  50,   57,   200,  14,       // take a completely undefended piece
    -200, -200, -200, -200, -12,      // allow an undefended piece to be taken
    50,   11,   35,   57,   0,        // pin with a bishop
    10,   5,    6,    18,   0,        // pin with a rook
    2,    1,    1,    1,    0,        // pin with a queen
    55,   51,   30,                   // closer to king, queen, centre
    -58,  -40,  -88,  148,            // castling
};

// The factory default of one weight; 0 for an index outside 0..53.
constexpr std::int16_t DefaultHeuristic(int index)
{
    return index >= 0 && index < HeuristicCount ? FactoryHeuristics[index] : std::int16_t{0};
}

// All 54 weights as "88;-118;...;148".
std::string HeuristicsToText(const HeuristicWeights& weights);

// The first 54 ";"-separated fields as 16-bit integers (further fields are
// ignored); nothing when there are fewer than 54 or one of them is not a
// whole number in the 16-bit range.
std::optional<HeuristicWeights> HeuristicsFromText(std::string_view text);

} // namespace Support
