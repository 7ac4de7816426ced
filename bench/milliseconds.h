#pragma once
// The benchmarks' clock and how they print a span of it.

#include <chrono>

namespace Bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace Bench
