#pragma once
// What closing the board does, decided without the window: the window
// gathers the facts, asks for the steps, and carries them out in order.
// Two steps depend on whether moves that came in meanwhile wait to be
// shown; the window asks that when it gets there, since a message shown
// on the way, or the game list coming back, may have changed it.

namespace BoardSupport {

struct ClosingFacts {
    // The whole program is ending: the board only stops.
    bool quitting = false;
    // Closing the board opens the game list again (else the tray takes over).
    bool returnToGameList = false;
    // A new skin reached this board while it was open.
    bool skinReapplied = false;
};

// The steps in the order they are taken.
struct ClosingSteps {
    // The game's status written; its failure is told.
    bool writeGameStatus = false;
    // The game list draws its buttons again when it comes back.
    bool markSkinRefresh = false;
    bool returnToGameList = false;
    // The tray takes over: the list is left unless moves are pending.
    bool leaveGameListUnlessMovesPending = false;
    bool resumePolling = false;
    bool updateTrayState = false;
    // The board hides and the new moves are announced if moves are pending.
    bool announceNewMovesIfPending = false;
};

ClosingSteps PlanClosing(const ClosingFacts& facts);

// The two steps that ask, when their turn comes, whether moves are pending.
bool LeaveGameList(const ClosingSteps& steps, bool movesPending);
bool AnnounceNewMoves(const ClosingSteps& steps, bool movesPending);

} // namespace BoardSupport
