#pragma once
// The notification time-out list of the options window stores the chosen
// item's position (0 "Never" to 19 "10 hours"). The message box and the
// new-move notification count 30-second ticks; this turns a stored position
// into the number of ticks the item's text promises.

#include <QTimer>

namespace Support {

inline constexpr int TimeoutTickMilliseconds = 30000;

// Ticks of 30 s for a stored position; 0 means never. Positions below 0
// count as never, above the list as its last item.
int NotificationTimeoutTicks(int position);

// The time-out timer of a window that may close itself: it ticks every 30 s
// once started with a number of ticks, counting from the start, and
// Tick() says when the count is reached. Started with 0 it stays stopped
// at interval 0 (an interval of 0 would fire continuously).
class NotificationTicker : public QTimer {
public:
    NotificationTicker();
    void Start(int ticks);
    // Counts one tick; true on the tick that ends the wait.
    bool Tick();

private:
    int ticks_ = 0;
    int count_ = 0;
};

} // namespace Support
