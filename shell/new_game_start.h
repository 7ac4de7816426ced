#pragma once
// Starting a new game, without the windows: whether it can start, what the
// player is asked and in which order, and what opens. The window code
// carries out each step through the port; a test records them.

#include "shell/game_to_open.h"

#include <optional>

namespace Support {

class NewGameStartPort {
public:
    virtual ~NewGameStartPort() = default;
    // The chosen chess set into the picture stores; false: no game starts.
    virtual bool LoadChessSet() = 0;
    virtual void PausePolling() = 0;
    virtual void ResumePolling() = 0;
    // The new-game dialog for a game of this kind, modal; the game as the
    // player asked for it when they answered OK. The dialog goes with its
    // session.
    virtual std::optional<NewGameRequest> AskForNewGame(const NewGameKind& kind) = 0;
    // Under the busy pointer: the owner hidden first when the board takes
    // its place (and goes back to it on closing), then the board opened.
    virtual void OpenBoard(const GameToOpen& game, bool inPlaceOfOwner) = 0;
    // How a game from the player's own set-up begins.
    virtual void ShowSetupHint() = 0;
};

// inPlaceOfOwner: started from a window (the game list) that steps aside
// for the board. Cancel gives polling back at once, as the start found it;
// an open board keeps it paused until it closes.
void StartNewGame(NewGameStartPort& port, const NewGameKind& kind, bool inPlaceOfOwner);

} // namespace Support
