#pragma once
// When the splash screen hands over to the running program. The splash
// stands for a minimum time and until the tray window's start-up has
// finished, then closes and runs the last steps of the start-up once.
//
// The minimum is measured on a clock, not by counting timer ticks: a
// start-up step that holds the thread delivers no ticks meanwhile, and the
// first tick afterwards must see how long the splash has really stood.

#include <cstdint>

namespace SplashSupport {

// How often the splash looks at the clock and at the start-up.
inline constexpr int TickMilliseconds = 500;
// The least time the splash stands on the screen.
inline constexpr std::int64_t MinimumShowMilliseconds = 3500;

class SplashHandOver {
public:
    // shownAt: the clock's reading (milliseconds) when the splash came up.
    explicit SplashHandOver(std::int64_t shownAt) : shownAt_(shownAt) { }

    // At a tick at `now`: whether the splash closes now.
    bool ShouldClose(std::int64_t now, bool startupDone) const
    {
        return startupDone && now - shownAt_ >= MinimumShowMilliseconds;
    }

    // Whether this closing runs the start-up tail: only the first closing
    // by the splash's own timer, and never while the program is ending.
    bool TakeStartupTail(bool quitting)
    {
        if (tailTaken_ || quitting)
            return false;
        tailTaken_ = true;
        return true;
    }

private:
    std::int64_t shownAt_;
    bool tailTaken_ = false;
};

} // namespace SplashSupport
