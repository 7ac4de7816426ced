#pragma once
// The one way to keep the mail polling out: while a modal window, a board
// or a mail pass the user started runs, the tray's mail timer is stopped
// and ModalBusy is set, so neither a tick nor a tray click starts anything.

namespace Support {

// Stops the timer and sets ModalBusy. Whoever pauses this way resumes with
// ResumePolling, often from another routine (a board pauses as it opens
// and resumes as it closes).
void PausePolling();
// The timer switched as `timerOn` says and ModalBusy False.
void ResumePolling(bool timerOn = true);

// A pause for as long as the guard lives (a modal window). Afterwards the
// timer is as it was, and ModalBusy as it was or, for the about box, False.
class PollingPause {
public:
    enum class BusyAfterwards { AsBefore, Cleared };
    explicit PollingPause(BusyAfterwards busyAfterwards = BusyAfterwards::AsBefore);
    ~PollingPause();
    PollingPause(const PollingPause&) = delete;
    PollingPause& operator=(const PollingPause&) = delete;

private:
    bool timerWasEnabled_;
    bool wasBusy_;
    BusyAfterwards busyAfterwards_;
};

} // namespace Support
