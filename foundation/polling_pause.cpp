#include "foundation/polling_pause.h"

#include "foundation/program_state.h"

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

PollingPause::PollingPause(BusyAfterwards busyAfterwards)
    : timerWasEnabled_(CheckTimerEnabled()), wasBusy_(Globals().ModalBusy), busyAfterwards_(busyAfterwards)
{
    PausePolling();
}

PollingPause::~PollingPause()
{
    SetCheckTimer(timerWasEnabled_);
    Globals().ModalBusy = busyAfterwards_ == BusyAfterwards::AsBefore && wasBusy_;
}

} // namespace Support
