#include "game/closing_steps.h"

namespace BoardSupport {

ClosingSteps PlanClosing(const ClosingFacts& facts)
{
    ClosingSteps steps;
    if (facts.quitting)
        return steps;
    steps.writeGameStatus = true;
    steps.markSkinRefresh = facts.returnToGameList && facts.skinReapplied;
    steps.returnToGameList = facts.returnToGameList;
    // New moves bring the list up again: leaving it would only flicker.
    steps.leaveGameListUnlessMovesPending = !facts.returnToGameList;
    steps.resumePolling = true;
    steps.updateTrayState = true;
    steps.announceNewMovesIfPending = true;
    return steps;
}

bool LeaveGameList(const ClosingSteps& steps, bool movesPending)
{
    return steps.leaveGameListUnlessMovesPending && !movesPending;
}

bool AnnounceNewMoves(const ClosingSteps& steps, bool movesPending)
{
    return steps.announceNewMovesIfPending && movesPending;
}

} // namespace BoardSupport
