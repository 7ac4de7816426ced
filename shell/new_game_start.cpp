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
    port.OpenBoard(GameToOpen::New(*request), inPlaceOfOwner);
    if (kind.NewGameSetup)
        port.ShowSetupHint();
}

} // namespace Support
