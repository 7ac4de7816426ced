#include "foundation/polling_pause.h"

#include "foundation/program_state.h"

#include <utility>

namespace Support {

void PausePolling()
{
    SetCheckTimer(false);
    Globals().ModalBusy = true;
}

void ResumePolling(bool timerOn)
{
    SetCheckTimer(timerOn);
    Globals().ModalBusy = false;
}

void BeginMailPass()
{
    Globals().ModalBusy = true;
}

void EndMailPass(bool boardOpen)
{
    Globals().ModalBusy = boardOpen;
}

void StopPolling()
{
    SetCheckTimer(false);
}

PollingHold::PollingHold() : timerWasEnabled_(CheckTimerEnabled()), wasBusy_(Globals().ModalBusy)
{
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
}

PollingHold& PollingHold::operator=(PollingHold&& other) noexcept
{
    if (this != &other) {
        Release();
        held_ = std::exchange(other.held_, false);
        timerWasEnabled_ = other.timerWasEnabled_;
        wasBusy_ = other.wasBusy_;
    }
    return *this;
}

void PollingHold::Release()
{
    if (!std::exchange(held_, false))
        return;
    SetCheckTimer(timerWasEnabled_);
    Globals().ModalBusy = wasBusy_;
}

PollingPause::PollingPause(BusyAfterwards busyAfterwards) : busyAfterwards_(busyAfterwards) { }

PollingPause::~PollingPause()
{
    hold_.Release();
    if (busyAfterwards_ == BusyAfterwards::Cleared)
        Globals().ModalBusy = false;
}

} // namespace Support
