#pragma once
// The search's source of chance: a small seeded generator (SplitMix64).
// Each search gets its own, seeded by the caller (the clock in play, a fixed
// number in tests), so that a seed fixes the chosen move. The subtree of each
// top-level move draws from a stream of its own derived from the seed, so
// the result does not depend on how many threads share the work or in what
// order they finish.

#include <cstdint>

namespace ComputerAI {

class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) { }

    // The stream of the top-level move with that index, and the one the
    // choice among equally good top-level moves draws from.
    static SearchRandom ForTopMove(std::uint64_t seed, int index)
    {
        return SearchRandom(Mix(seed ^ Mix(static_cast<std::uint64_t>(index) + 1)));
    }
    static SearchRandom ForTieBreak(std::uint64_t seed) { return SearchRandom(Mix(seed ^ TieBreakKey)); }

    std::uint64_t NextBits()
    {
        state_ += Increment;
        return Mix(state_);
    }
    // A number in [0, 1).
    double Next() { return static_cast<double>(NextBits() >> 11) * 0x1.0p-53; }
    // A row 1..count, each equally likely.
    int Row(int count) { return 1 + static_cast<int>(count * Next()); }

private:
    static constexpr std::uint64_t Increment = 0x9E3779B97F4A7C15ull;
    static constexpr std::uint64_t TieBreakKey = 0xD1B54A32D192ED03ull;

    static constexpr std::uint64_t Mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
};

} // namespace ComputerAI
