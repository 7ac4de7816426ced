#pragma once
// The notification time-out list of the options window stores the chosen
// item's position (0 "Never" to 19 "10 hours"). The message box and the
// new-move notification count 30-second ticks; this turns a stored position
// into the number of ticks the item's text promises.

namespace Support {

inline constexpr int TimeoutTickMilliseconds = 30000;

// Ticks of 30 s for a stored position; 0 means never. Positions below 0
// count as never, above the list as its last item.
int NotificationTimeoutTicks(int position);

} // namespace Support
