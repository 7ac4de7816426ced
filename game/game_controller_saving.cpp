// The player's row stored and taken back: saving it into the game's record
// (a new record for a game not yet stored) and undoing it before it is sent.
#include "game/game_controller.h"

#include "game/player_comment.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

BoardMessage SaveFailed(bool computerGame)
{
    return BoardMessage{Support::MsgIcon::Database, "Database error.",
                        computerGame
                            ? "A database error has prevented Marrowdale from recording your move.  "
                              "Please try clicking the Turn over button again."
                            : "A database error has prevented Marrowdale from recording your move.  "
                              "Please try sending it again.||No move has been sent to your opponent.",
                        Support::SoundCue::Refused};
}

} // namespace

SaveResult GameController::SaveMove(const std::string& comment, const ClockReading& now)
{
    SaveResult result;
    result.message = SaveFailed(info_.computerGame);
    if (history_.List().empty())
        return result;
    // The game as it was stored when opened, or as the last save stored it
    // (a new e-mail game keeps the id -1 while its board is open).
    const int storedId = info_.gameId >= 1 ? info_.gameId : info_.savedGameId;
    const bool computersRow = info_.computerGame && !PlayerMadeLastEntry(history_.Entries(), true);
    GameRecord record;
    int openId = info_.gameId;
    try {
        const Database::FoundGame found = Database::FindGame(info_.folder, storedId);
        if (!found.ok)
            return result;
        if (found.game) {
            // The stored game keeps its opponent's id as it is: only the
            // opponent's mails bring it.
            record = *found.game;
        } else {
            const std::optional<std::int32_t> next = Database::GetNextGameID(info_.folder);
            if (!next)
                return result;
            record.GAME_ID = *next;
            record.GAME_DATESTAMP = DateStampOf(now);
            record.GAME_NAME = info_.newGame.Title;
            record.GAME_DATE = GameDateOf(now);
            record.GAME_OPPONENTS_EMAIL = info_.newGame.OpponentsEmail;
            // The player's own side carries the name their mails carry, made
            // fit as the opponent's program stores it, so both players' games
            // name White alike from the first move on.
            record.GAME_WHITE_NAME =
                MailSupport::CleanSenderText(info_.newGameOwnName, MailSupport::SenderNameLimit);
            record.GAME_BLACK_NAME = info_.blackPlayerName;
            record.GAME_OPPONENTS_NAME = info_.blackPlayerName;
            record.GAME_HOST = true;
            record.GAME_VS_COMPUTER = info_.computerGame;
            if (info_.computerGame) {
                record.GAME_OPPONENTS_ID = *next;
                openId = *next;
            }
            record.startPosition = info_.initialBoardState;
        }

        GameFacts maker = display_.Facts();
        if (computersRow)
            maker.playerIsHost = false;
        StatusInputs status;
        status.drawOffered = status_.drawOffered;
        status.gameDrawn = status_.gameDrawn;
        status.checkmated = status_.checkmated;
        status.surrendered = status_.surrendered;
        status.makerWon = BoardSupport::WonGame(maker);
        status.computerGame = info_.computerGame;
        status.computersRow = computersRow;
        status.declinedOffer =
            SpecialEntryOf(history_.List().back().notation) == SpecialEntry::DrawDeclined;
        record.GAME_STATUS = static_cast<std::int16_t>(SavedGameStatus(status));

        // The whole list, the new row last: a row whose own save failed
        // earlier (the computer's, say) is stored with this one rather than
        // leaving a gap; the rows stored already are rewritten unchanged.
        MoveList rows = history_.List();
        rows.back().comment =
            computersRow ? std::string() : CleanPlayerComment(comment).value_or(comment);
        if (!Database::SaveGame(info_.folder, record, rows))
            return result;
        history_.SetLastComment(rows.back().comment);
    } catch (const std::exception&) {
        return result;
    }
    info_.boardGameStatus = record.GAME_STATUS;
    info_.savedGameId = record.GAME_ID;
    info_.gameId = openId;
    if (!computersRow)
        status_.awaitingOpponent = true;
    result.ok = true;
    result.savedGameId = info_.savedGameId;
    result.message.reset();
    return result;
}

void GameController::UndoLastMove()
{
    if (history_.List().empty() || !PlayerMadeLastEntry(history_.Entries(), info_.playerIsHost)
        || status_.awaitingOpponent || computer_.Thinking())
        return;
    pending_.reset();
    history_.DropLast();
    history_.Restore(status_);
    // An answer taken back leaves the opponent's offer waiting for one.
    const bool offerLast = !history_.List().empty()
                           && SpecialEntryOf(history_.List().back().notation) == SpecialEntry::DrawOffer;
    status_.drawOffered = offerLast;
    if (offerLast && !PlayerMadeLastEntry(history_.Entries(), info_.playerIsHost)) {
        status_.drawAnswerPending = true;
        status_.playerMayMove = false;
    }
    status_.gameDrawn = false;
    timer_.StopBlinks();
    if (marks_.Shown())
        marks_.Show(history_.SelectedRow());
}

} // namespace BoardSupport
