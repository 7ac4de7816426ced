#include "foundation/polling_pause.h"

#include "foundation/program_state.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace Support {

namespace {

// The holds alive now, oldest first: one that ends before a later one
// hands what it found on to the next.
std::vector<PollingHold*>& LiveHolds()
{
    static std::vector<PollingHold*> holds;
    return holds;
}

// How many holds lived when the mail pass under way began.
std::size_t holdsBeforePass = 0;
bool passFoundBusy = false;

} // namespace

void PausePolling()
{
    SetCheckTimer(false);
    Globals().ModalBusy = true;
}

void ResumePolling(bool timerOn)
{
    // A hold that outlives this (a board opened meanwhile) gives back the
    // running state when it ends, not the pause it found.
    std::vector<PollingHold*>& holds = LiveHolds();
    if (!holds.empty()) {
        holds.front()->timerWasEnabled_ = timerOn;
        holds.front()->wasBusy_ = false;
    }
    SetCheckTimer(timerOn);
    Globals().ModalBusy = false;
}

void BeginMailPass()
{
    holdsBeforePass = LiveHolds().size();
    passFoundBusy = Globals().ModalBusy;
    Globals().ModalBusy = true;
}

void EndMailPass(bool boardOpen)
{
    std::vector<PollingHold*>& holds = LiveHolds();
    if (holds.size() > holdsBeforePass) {
        // A hold taken during the pass (a board's) found the pass busy; it
        // gives back ModalBusy as the pass found it, and holds on till then.
        holds[holdsBeforePass]->wasBusy_ = passFoundBusy;
        return;
    }
    Globals().ModalBusy = boardOpen;
}

void EndStartupPause(bool boardOpen)
{
    std::vector<PollingHold*>& holds = LiveHolds();
    if (!holds.empty()) {
        holds.front()->timerWasEnabled_ = true;
        holds.front()->wasBusy_ = false;
        return;
    }
    if (boardOpen)
        PausePolling();
    else
        ResumePolling();
}

void StopPolling()
{
    SetCheckTimer(false);
}

PollingHold::PollingHold() : timerWasEnabled_(CheckTimerEnabled()), wasBusy_(Globals().ModalBusy)
{
    LiveHolds().push_back(this);
    PausePolling();
}

PollingHold::~PollingHold()
{
    Release();
}

PollingHold::PollingHold(PollingHold&& other) noexcept
    : held_(std::exchange(other.held_, false)), timerWasEnabled_(other.timerWasEnabled_),
      wasBusy_(other.wasBusy_)
{
    if (held_)
        std::replace(LiveHolds().begin(), LiveHolds().end(), &other, this);
}

PollingHold& PollingHold::operator=(PollingHold&& other) noexcept
{
    if (this != &other) {
        Release();
        held_ = std::exchange(other.held_, false);
        timerWasEnabled_ = other.timerWasEnabled_;
        wasBusy_ = other.wasBusy_;
        if (held_)
            std::replace(LiveHolds().begin(), LiveHolds().end(), &other, this);
    }
    return *this;
}

void PollingHold::Release()
{
    Leave(true);
}

void PollingHold::Abandon()
{
    Leave(false);
}

void PollingHold::Leave(bool giveBack)
{
    if (!std::exchange(held_, false))
        return;
    std::vector<PollingHold*>& holds = LiveHolds();
    const auto self = std::find(holds.begin(), holds.end(), this);
    if (self == holds.end())
        return;
    const auto next = holds.erase(self);
    if (next != holds.end()) {
        // A later hold found this one's pause: it gives back what this one
        // found.
        (*next)->timerWasEnabled_ = timerWasEnabled_;
        (*next)->wasBusy_ = wasBusy_;
        return;
    }
    if (giveBack) {
        SetCheckTimer(timerWasEnabled_);
        Globals().ModalBusy = wasBusy_;
    }
}

PollingPause::PollingPause(BusyAfterwards busyAfterwards) : busyAfterwards_(busyAfterwards) { }

PollingPause::~PollingPause()
{
    hold_.Release();
    if (busyAfterwards_ == BusyAfterwards::Cleared)
        Globals().ModalBusy = false;
}

} // namespace Support
