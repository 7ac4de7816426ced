#pragma once
// What a board opens on: a stored game by its id, or a new game as the
// player asked for it. The board is handed it as a value, so nothing about
// a new game waits in a dialog or a global for the board to read back.

#include "game/new_game_request.h"
#include "shell/new_game_kind.h"

#include <optional>
#include <utility>

namespace Support {

// A new game: the kind its starter chose and the new-game dialog's answers.
using BoardSupport::NewGameRequest;

class GameToOpen {
public:
    static GameToOpen Stored(int gameId) { return GameToOpen(gameId, std::nullopt); }
    static GameToOpen New(NewGameRequest request) { return GameToOpen(-1, std::move(request)); }

    // The stored game's id; -1 for a new game, as the board knows it.
    int GameId() const { return gameId_; }
    // The new game's request; nothing for a stored game.
    const std::optional<NewGameRequest>& NewGame() const { return newGame_; }

private:
    GameToOpen(int gameId, std::optional<NewGameRequest> newGame)
        : gameId_(gameId), newGame_(std::move(newGame))
    {
    }

    int gameId_;
    std::optional<NewGameRequest> newGame_;
};

} // namespace Support
