#include "game/game_controller.h"

#include "store/database.h"
#include "store/move_entries.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

BoardMessage HistoryError()
{
    return BoardMessage{Support::MsgIcon::Database, "Database error.",
                        "A database error has prevented Marrowdale from creating the move history!||"
                        "Please try opening this game again.",
                        std::nullopt};
}

BoardMessage DamagedHistory(int entry, const MoveRecord& record)
{
    return BoardMessage{
        Support::MsgIcon::Warning, "Damaged game",
        "Entry " + std::to_string(entry) + " of this game (\"" + record.notation
            + "\") is not a legal move, so the game is shown up to the entry before it.||"
              "The stored game has not been changed.",
        Support::SoundCue::Refused};
}

std::optional<GameRecord> ReadRecord(const Database::DataFolder& folder, int gameId, bool& ok)
{
    Database::FoundGame found = Database::FindGame(folder, gameId);
    ok = found.ok;
    return ok ? std::move(found.game) : std::nullopt;
}

} // namespace

GameController::GameController(Database::DataFolder folder) : info_(std::move(folder)) { }

OpenResult GameController::Open(const OpenRequest& request)
{
    // The per-game state of the game opened before is gone. (The standing
    // offer comes into the replay as the board holds it.)
    status_.checkmated = status_.surrendered = status_.gameDrawn = false;
    status_.awaitingOpponent = status_.drawAnswerPending = false;
    computer_.Reset();
    setup_.End();
    marks_.Clear();
    history_.Board().checkedSide = NoSideChecked;
    info_.initialBoardState.clear();
    timer_.ClearDrawOfferNotice();
    timer_.ResetNotices();

    info_.gameId = request.newGame ? -1 : request.gameId;
    info_.mailOffline = request.mailOffline;
    info_.standAlone = request.standAlone;
    info_.newGame = request.newGame.value_or(NewGameRequest{});
    info_.newGameOwnName = request.newGameOwnName;
    info_.savedGameId = 0;
    if (!SetMoves(request))
        return OpenResult{false, HistoryError()};
    const OpenResult result = SetBoardState();
    if (result.ok) {
        // Before the opponent's draw offer freezes the pieces: the offer
        // waits for the player's answer, so it is the player's turn.
        SetFormCaptions();
        marks_.Show(history_.SelectedRow());
        ConfirmDraw();
    }
    info_.newGameSetup = info_.newGame.Kind.NewGameSetup && info_.gameId == -1;
    if (result.ok && info_.newGameSetup)
        BeginBoardSetup();
    return result;
}

bool GameController::SetMoves(const OpenRequest& request)
{
    if (!history_.Load(info_.folder, info_.gameId))
        return false;
    info_.boardGameStatus = 0;
    bool readable = false;
    const std::optional<GameRecord> record = ReadRecord(info_.folder, info_.gameId, readable);
    if (!readable)
        return false;
    if (!record) {
        info_.playerIsHost = true;
        info_.whitePlayerName.clear();
        info_.blackPlayerName = info_.newGame.OpponentsName;
        info_.computerGame = info_.newGame.Kind.ComputerGame;
        info_.initialBoardState.clear();
    } else {
        info_.playerIsHost = record->GAME_HOST;
        info_.boardGameStatus = record->GAME_STATUS;
        info_.whitePlayerName = record->GAME_WHITE_NAME;
        info_.blackPlayerName = record->GAME_BLACK_NAME;
        info_.computerGame = record->GAME_VS_COMPUTER;
        info_.initialBoardState = record->startPosition;
    }
    info_.playerColour = info_.playerIsHost ? White : Black;
    info_.viewColour = request.defaultView ? White : info_.playerColour;
    return true;
}

OpenResult GameController::SetBoardState()
{
    const std::optional<Position> start = PositionFromString(info_.initialBoardState);
    if (!start)
        return OpenResult{false, HistoryError()};
    history_.SetStart(*start);
    if (info_.initialBoardState.empty())
        info_.initialBoardState = FormatPositionString(history_.Start().squares);
    const ReplayResult replay =
        MoveThroughHistory(history_.Start(), history_.List(), history_.SelectedRow(), status_.gameDrawn,
                           status_.drawOffered, info_.Rules());
    history_.Board() = replay.position;
    status_.Replayed(replay);
    if (info_.gameId < 1 && history_.List().empty())
        status_.playerMayMove = true;
    if (replay.badEntry) {
        history_.Select(*replay.badEntry - 1);
        return OpenResult{true, DamagedHistory(*replay.badEntry, history_.List()[*replay.badEntry - 1])};
    }
    return OpenResult{true, std::nullopt};
}

void GameController::SelectRow(int row)
{
    history_.Select(std::clamp(row, 0, history_.Entries()));
    const ReplayResult replay =
        MoveThroughHistory(history_.Start(), history_.List(), history_.SelectedRow(), status_.gameDrawn,
                           status_.drawOffered, info_.Rules());
    history_.Board() = replay.position;
    status_.Replayed(replay);
    if (replay.badEntry)
        history_.Select(std::min(history_.SelectedRow(), *replay.badEntry - 1));
    if (marks_.Shown())
        marks_.Show(history_.SelectedRow());
}

void GameController::ChangeView()
{
    info_.viewColour =
        info_.viewColour == info_.playerColour ? OtherColour(info_.playerColour) : info_.playerColour;
}

void GameController::SetFormCaptions()
{
    status_.awaitingOpponent = display_.WriteCaptions().awaitingOpponent;
}

std::optional<BoardMessage> GameController::SetGameStatus()
{
    // The game's end is read at the last row, whatever row is shown.
    const ReplayResult last = MoveThroughHistory(history_.Start(), history_.List(), history_.Entries(),
                                                 false, false, info_.Rules());
    GameFacts facts = display_.Facts();
    facts.checkmated = last.checkmated;
    facts.surrendered = last.surrendered;
    facts.gameDrawn = last.gameDrawn;
    const bool over = last.surrendered || last.checkmated || last.gameDrawn;
    if (PlayerMadeLastEntry(history_.Entries(), info_.playerIsHost) || info_.boardGameStatus == StatusWon
        || info_.boardGameStatus == StatusLost || !over || last.badEntry)
        return std::nullopt;
    const BoardMessage failed{
        Support::MsgIcon::Database, "Database error.",
        "A database error prevented Marrowdale from setting the status of this game "
        "correctly||It will still be listed as not played on the main game display.",
        Support::SoundCue::Refused};
    bool readable = false;
    std::optional<GameRecord> record = ReadRecord(info_.folder, info_.gameId, readable);
    if (!record)
        return failed;
    info_.boardGameStatus = last.gameDrawn                 ? StatusDrawn
                            : BoardSupport::WonGame(facts) ? StatusWon
                                                           : StatusLost;
    record->GAME_STATUS = static_cast<std::int16_t>(info_.boardGameStatus);
    if (!Database::SaveGame(info_.folder, *record, MoveList{}))
        return failed;
    return std::nullopt;
}

} // namespace BoardSupport
