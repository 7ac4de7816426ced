// The player's row stored and taken back: saving it into the game's record
// (a new record for a game not yet stored), undoing it before it is sent,
// and the state the board's commands are decided from.
#include "board/game_controller.h"

#include "store/move_entries.h"
#include "board/player_comment.h"
#include "store/database.h"
#include "store/mail_support.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

BoardMessage SaveFailed(bool computerGame)
{
    return BoardMessage{5, "Database error.",
                        computerGame
                            ? "A database error has prevented Marrowdale from recording your move.  "
                              "Please try clicking the Turn over button again."
                            : "A database error has prevented Marrowdale from recording your move.  "
                              "Please try sending it again.||No move has been sent to your opponent.",
                        5};
}

} // namespace

SaveResult GameController::SaveMove(const std::string& comment, const ClockReading& now)
{
    SaveResult result;
    result.message = SaveFailed(computerGame_);
    if (moves_.empty())
        return result;
    // The game as it was stored when opened, or as the last save stored it
    // (a new e-mail game keeps the id -1 while its board is open).
    const int storedId = gameId_ >= 1 ? gameId_ : savedGameId_;
    const bool computersRow = computerGame_ && !PlayerMadeLastEntry(Entries(), true);
    GameRecord record;
    int openId = gameId_;
    try {
        std::vector<GameRecord> found;
        if (!Database::SelectGames(folder_, found, "Game_ID;" + std::to_string(storedId), ""))
            return result;
        if (!found.empty()) {
            // The stored game keeps its opponent's id as it is: only the
            // opponent's mails bring it.
            record = found.front();
        } else {
            const std::optional<std::int32_t> next = Database::GetNextGameID(folder_);
            if (!next)
                return result;
            record.GAME_ID = *next;
            record.GAME_DATESTAMP = DateStampOf(now);
            record.GAME_NAME = newGameName_;
            record.GAME_DATE = GameDateOf(now);
            record.GAME_OPPONENTS_EMAIL = newGameEmail_;
            // The player's own side carries the name their mails carry, made
            // fit as the opponent's program stores it, so both players' games
            // name White alike from the first move on.
            record.GAME_WHITE_NAME =
                MailSupport::CleanSenderText(newGameOwnName_, MailSupport::SenderNameLimit);
            record.GAME_BLACK_NAME = blackPlayerName_;
            record.GAME_OPPONENTS_NAME = blackPlayerName_;
            record.GAME_HOST = true;
            record.GAME_VS_COMPUTER = computerGame_;
            if (computerGame_) {
                record.GAME_OPPONENTS_ID = *next;
                openId = *next;
            }
            record.startPosition = initialBoardState_;
        }

        GameFacts maker = Facts();
        if (computersRow)
            maker.playerIsHost = false;
        StatusInputs status;
        status.drawOffered = drawOffered_;
        status.gameDrawn = gameDrawn_;
        status.checkmated = checkmated_;
        status.surrendered = surrendered_;
        status.makerWon = BoardSupport::WonGame(maker);
        status.computerGame = computerGame_;
        status.computersRow = computersRow;
        status.declinedOffer = SpecialEntryOf(moves_.back().notation) == SpecialEntry::DrawDeclined;
        record.GAME_STATUS = static_cast<std::int16_t>(SavedGameStatus(status));

        // The whole list, the new row last: a row whose own save failed
        // earlier (the computer's, say) is stored with this one rather than
        // leaving a gap; the rows stored already are rewritten unchanged.
        MoveList rows = moves_;
        rows.back().comment =
            computersRow ? std::string() : CleanPlayerComment(comment).value_or(comment);
        if (!Database::SaveGame(folder_, record, rows))
            return result;
        moves_.back().comment = rows.back().comment;
    } catch (const std::exception&) {
        return result;
    }
    boardGameStatus_ = record.GAME_STATUS;
    savedGameId_ = record.GAME_ID;
    gameId_ = openId;
    if (!computersRow)
        awaitingOpponent_ = true;
    result.ok = true;
    result.savedGameId = savedGameId_;
    result.message.reset();
    return result;
}

void GameController::UndoLastMove()
{
    if (moves_.empty() || !PlayerMadeLastEntry(Entries(), playerIsHost_) || awaitingOpponent_
        || computerThinking_)
        return;
    pending_.reset();
    moves_.pop_back();
    drawnSquares_ = CopyBoard(position_);
    RestoreBoardState(snapshot_, position_, checkmated_, surrendered_, &playerMayMove_);
    selectedRow_ = Entries();
    // An answer taken back leaves the opponent's offer waiting for one.
    const bool offerLast =
        !moves_.empty() && SpecialEntryOf(moves_.back().notation) == SpecialEntry::DrawOffer;
    drawOffered_ = offerLast;
    if (offerLast && !PlayerMadeLastEntry(Entries(), playerIsHost_)) {
        drawAnswerPending_ = true;
        playerMayMove_ = false;
    }
    gameDrawn_ = false;
    selfCheckBlinks_ = stalemateBlinks_ = 0;
    if (hilightShown_)
        HilightMove(selectedRow_);
}

CommandInputs GameController::Commands() const
{
    CommandInputs in;
    in.setupMode = setupMode_;
    in.setupPlayable = setupMode_ && UpdatePiecePalette().playEnabled;
    in.computerThinking = computerThinking_;
    in.awaitingOpponent = awaitingOpponent_;
    // During the computer's turn the board plays the computer's side.
    in.playerIsHost = computerThinking_ ? true : playerIsHost_;
    in.surrendered = surrendered_;
    in.gameDrawn = gameDrawn_;
    in.drawOffered = drawOffered_;
    in.drawAnswerPending = drawAnswerPending_;
    in.checkmated = checkmated_;
    in.mailOffline = mailOffline_;
    in.standAlone = standAlone_;
    in.computerGame = computerGame_;
    in.newGameSetup = newGameSetup_ && gameId_ < 1;
    in.coordsShown = coordsShown_;
    in.viewingOpponentsSide = viewColour_ != playerColour_;
    in.entries = Entries();
    in.selectedRow = selectedRow_;
    in.lastNotation = moves_.empty() ? std::string() : moves_.back().notation;
    return in;
}

} // namespace BoardSupport
