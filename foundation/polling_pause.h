#pragma once
// The one way to keep the mail polling out: while a modal window, a board
// or a mail pass the user started runs, the tray's mail timer is stopped
// and ModalBusy is set, so neither a tick nor a tray click starts anything.

namespace Support {

// Stops the timer and sets ModalBusy; resumed with ResumePolling. A pause
// that outlives the routine taking it is a PollingHold.
void PausePolling();
// The timer switched as `timerOn` says and ModalBusy False; a hold alive
// now gives back that state when it ends.
void ResumePolling(bool timerOn = true);

// A mail pass the program started on its own (a poll, the first pass at
// start-up): the timer is left as it is (a tick while busy does nothing)
// and ModalBusy is set until the pass ends. At its end ModalBusy stays set
// only while a board opened meanwhile is open, whose pause holds on; the
// holds taken during the pass give back, as they end, ModalBusy as the
// pass found it.
void BeginMailPass();
void EndMailPass(bool boardOpen);

// The start-up's pause ends with its first mail pass: the program runs
// (timer on, ModalBusy False), or, while a board opened meanwhile is open,
// stays paused until the board's hold (or any hold taken meanwhile) gives
// the running state back.
void EndStartupPause(bool boardOpen);

// The program is ending: the timer stops for good.
void StopPolling();

// A pause held as a value: taken as it is made, given back by Release or
// by its end, whichever comes first. Giving it back puts the timer and
// ModalBusy as they were when it was taken, so a pause taken inside
// another leaves the outer one in force; moved, the new holder gives it
// back. Holds need not end in the order they were taken (an opener's pause
// around the opening, the board's for its lifetime): one that ends while a
// later one lives hands what it found to that later one, which gives it
// back in its turn.
class PollingHold {
public:
    PollingHold();
    ~PollingHold();
    PollingHold(PollingHold&& other) noexcept;
    PollingHold& operator=(PollingHold&& other) noexcept;
    PollingHold(const PollingHold&) = delete;
    PollingHold& operator=(const PollingHold&) = delete;

    void Release();
    // The program is ending: the hold goes and gives nothing back.
    void Abandon();
    bool Held() const { return held_; }

private:
    friend void ResumePolling(bool timerOn);
    friend void EndMailPass(bool boardOpen);
    friend void EndStartupPause(bool boardOpen);
    void Leave(bool giveBack);

    bool held_ = true;
    bool timerWasEnabled_;
    bool wasBusy_;
};

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
    PollingHold hold_;
    BusyAfterwards busyAfterwards_;
};

} // namespace Support
