#pragma once
// A game database of N made-up games of 40 moves each, written straight to
// the file as the program stores it, for the benchmarks.

#include <filesystem>

namespace Bench {

// Games 1 to N: seven opponents, every status, dates over ten years.
void WriteDatabase(const std::filesystem::path& file, int games);

} // namespace Bench
