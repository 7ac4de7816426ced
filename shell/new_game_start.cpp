#include "shell/new_game_start.h"

namespace Support {

void StartNewGame(NewGameStartPort& port, const NewGameKind& kind, bool inPlaceOfOwner)
{
    if (!port.LoadChessSet())
        return;
    port.PausePolling();
    const std::optional<NewGameRequest> request = port.AskForNewGame(kind);
    if (!request) {
        port.ResumePolling();
        return;
    }
    if (const std::optional<WindowOpenError> failure =
            port.OpenBoard(GameToOpen::New(*request), inPlaceOfOwner)) {
        // No board: the owner comes back and polling resumes before the
        // user is told why.
        if (inPlaceOfOwner)
            port.ShowOwner();
        port.ResumePolling();
        if (failure->Number == AutomationErrorNumber)
            port.ShowAutomationError();
        else
            port.ShowOpenError(*failure);
        return;
    }
    if (kind.NewGameSetup)
        port.ShowSetupHint();
}

} // namespace Support
