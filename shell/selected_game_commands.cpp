#include "shell/selected_game_commands.h"

#include "foundation/sound_cues.h"

#include <string>

namespace Support {

namespace {

MessageBoxCall DeleteQuestion(const QString& title)
{
    MessageBoxCall call;
    call.icon = MsgIcon::Information;
    call.caption = "Delete game.";
    call.text = "Are you sure you wish to delete the game titled " + title.toStdString() + "?";
    call.okCaption = "Yes";
    call.cancelCaption = "No";
    call.sound = SoundCue::Information;
    return call;
}

MessageBoxCall DeleteFailedReport()
{
    MessageBoxCall call;
    call.icon = MsgIcon::Database;
    call.caption = "Database error.";
    call.text = "A database error prevented Marrowdale from deleteing the currently selected "
                "game.  Please try again.||If this problem persists your database may be "
                "corrupt and reinstalling Marrowdale should fix it.";
    call.sound = SoundCue::Refused;
    return call;
}

} // namespace

PlayResult PlaySelectedGame(std::optional<int> selectedGameId, SelectedGamePort& port)
{
    if (!selectedGameId)
        return {PlayOutcome::NoGameSelected};
    if (!port.LoadChessSet())
        return {PlayOutcome::NoChessSet};
    port.StepAside();
    port.OpenBoard(*selectedGameId);
    return {PlayOutcome::BoardOpened};
}

DeleteResult DeleteSelectedGame(std::optional<int> selectedGameId, const QString& title,
                                SelectedGamePort& port)
{
    if (!selectedGameId)
        return {DeleteOutcome::NoGameSelected, std::nullopt, true};
    if (!port.Ask(DeleteQuestion(title)))
        return {DeleteOutcome::Kept, std::nullopt, true};
    if (!port.DeleteStoredGame(*selectedGameId))
        return {DeleteOutcome::DatabaseError, DeleteFailedReport(), false};
    return {DeleteOutcome::Deleted, std::nullopt, true};
}

} // namespace Support
