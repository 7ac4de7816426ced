#pragma once
// What the board's timer keeps between ticks and what a tick answers. The
// window's timer calls the controller's Tick; a test calls it with a clock
// of its own, adding up the intervals the ticks answer.

#include "board/board_message.h"
#include "rules/move.h"

#include <vector>

namespace BoardSupport {

inline constexpr int TickInterval = 250;      // ms, the timer's usual pace
inline constexpr int KingShownInterval = 650; // ms a flashing king is seen
inline constexpr int BlinkInterval = 100;     // ms per step of a short blink

struct TimerState {
    bool messageOpen = false; // a message box is open: ticks do nothing
    bool quitRequest = false; // the window closes on the next tick
    bool setupNoticeShown = false;
    bool kingFlashPhase = true; // the next flash step hides the king
    bool kingMarkShown = false; // a king is flashing
    int interval = TickInterval;
    std::vector<Square> hidden; // squares showing their empty picture
};

struct TickResult {
    bool close = false;          // unload the window, nothing else
    int interval = TickInterval; // the timer's next interval
};

// Shows a notice modally and returns when it is closed. The timer keeps
// firing while it is open.
class NoticeShower {
public:
    virtual ~NoticeShower() = default;
    virtual void ShowNotice(const BoardMessage& message) = 0;
};

} // namespace BoardSupport
