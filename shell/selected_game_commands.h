#pragma once
// What the game list's Play and Delete do with the selected game, decided
// without the window: which game, what is asked, what is opened or deleted,
// what is reported and whether the list is filled again. The window gathers
// the selection, lends its side of the work through the port and carries
// out the result.

#include "store/message_sink.h"

#include <QString>

#include <optional>

namespace Support {

// The window's and the program's side of the two commands.
class SelectedGamePort {
public:
    virtual ~SelectedGamePort() = default;
    // The chosen chess set into the picture stores; false: no board.
    virtual bool LoadChessSet() = 0;
    // The list out of sight and polling paused while the board opens.
    virtual void StepAside() = 0;
    // Opens the board on the game, to return to the list when it closes.
    virtual void OpenBoard(int gameId) = 0;
    // The program's message box; true: the user confirmed.
    virtual bool Ask(const MessageBoxCall& question) = 0;
    // Removes the game from the database; false after a database error.
    virtual bool DeleteStoredGame(int gameId) = 0;
};

enum class PlayOutcome { NoGameSelected, NoChessSet, BoardOpened };

struct PlayResult {
    PlayOutcome Outcome = PlayOutcome::NoGameSelected;
};

// Opens the board on the selected game.
PlayResult PlaySelectedGame(std::optional<int> selectedGameId, SelectedGamePort& port);

enum class DeleteOutcome { NoGameSelected, Kept, Deleted, DatabaseError };

struct DeleteResult {
    DeleteOutcome Outcome = DeleteOutcome::NoGameSelected;
    std::optional<MessageBoxCall> Report;
    // The list is filled again and the tray's icon follows the database;
    // not after a database error, which leaves everything as it stood.
    bool RefreshList = true;
};

// Deletes the selected game once the user has agreed to lose it by its
// title.
DeleteResult DeleteSelectedGame(std::optional<int> selectedGameId, const QString& title,
                                SelectedGamePort& port);

} // namespace Support
