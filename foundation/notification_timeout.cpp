#include "foundation/notification_timeout.h"

#include <array>

namespace Support {

int NotificationTimeoutTicks(int position)
{
    // "Never", "30 seconds" ... "5 minutes" are position x 30 s; from
    // "10 minutes" on the steps grow.
    static constexpr std::array<int, 20> ticks = {0,   1,   2,   3,   4,   5,
                                                  6,   7,   8,   9,   10,  // never .. 5 minutes
                                                  20,  40,  60,  80,  100, // 10 .. 50 minutes
                                                  120, 240, 600, 1200};    // 1, 2, 5, 10 hours
    if (position <= 0)
        return 0;
    if (position >= int(ticks.size()))
        return ticks.back();
    return ticks[std::size_t(position)];
}

NotificationTicker::NotificationTicker()
{
    setInterval(0);
}

void NotificationTicker::Start(int ticks)
{
    ticks_ = ticks;
    count_ = 0;
    if (ticks > 0) {
        setInterval(TimeoutTickMilliseconds);
        start();
    } else {
        stop();
        setInterval(0);
    }
}

bool NotificationTicker::Tick()
{
    ++count_;
    return ticks_ > 0 && count_ == ticks_;
}

} // namespace Support
