#include "board/game_controller.h"

#include "store/move_entries.h"
#include "store/database.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

BoardMessage HistoryError()
{
    return BoardMessage{5, "Database error.",
                        "A database error has prevented Marrowdale from creating the move history!||"
                        "Please try opening this game again.",
                        0};
}

BoardMessage DamagedHistory(int entry, const MoveRecord& record)
{
    return BoardMessage{
        2, "Damaged game",
        "Entry " + std::to_string(entry) + " of this game (\"" + record.notation
            + "\") is not a legal move, so the game is shown up to the entry before it.||"
              "The stored game has not been changed.",
        5};
}

std::optional<GameRecord> ReadRecord(const Database::DataFolder& folder, int gameId, bool& ok)
{
    std::vector<GameRecord> records;
    ok = Database::SelectGames(folder, records, "Game_ID;" + std::to_string(gameId), "");
    if (!ok || records.empty())
        return std::nullopt;
    return records.front();
}

} // namespace

GameController::GameController(Database::DataFolder folder) : folder_(std::move(folder)) { }

OpenResult GameController::Open(const OpenRequest& request)
{
    SetupOptions();
    gameId_ = request.gameId;
    mailOffline_ = request.mailOffline;
    standAlone_ = request.standAlone;
    newGameName_ = request.newGameName;
    newGameEmail_ = request.newGameEmail;
    newGameOwnName_ = request.newGameOwnName;
    savedGameId_ = 0;
    if (!SetMoves(request))
        return OpenResult{false, HistoryError()};
    const OpenResult result = SetBoardState();
    if (result.ok) {
        // Before the opponent's draw offer freezes the pieces: the offer
        // waits for the player's answer, so it is the player's turn.
        SetFormCaptions();
        HilightMove(selectedRow_);
        ConfirmDraw();
    }
    newGameSetup_ = request.newGameSetup && gameId_ == -1;
    if (result.ok && newGameSetup_)
        BeginBoardSetup();
    return result;
}

void GameController::SetupOptions()
{
    checkmated_ = surrendered_ = gameDrawn_ = false;
    computerThinking_ = false;
    awaitingOpponent_ = false;
    setupMode_ = false;
    movesConsidered_ = lastMoveScore_ = 0;
    coordsShown_ = hilightShown_ = false;
    marks_.clear();
    position_.checkedSide = NoSideChecked;
    initialBoardState_.clear();
    drawAnswerPending_ = drawOfferNoticePending_ = false;
    ResetNotices();
}

bool GameController::SetMoves(const OpenRequest& request)
{
    moves_.clear();
    if (!Database::LoadGameMoves(folder_, moves_, gameId_)) {
        moves_.clear();
        return false;
    }
    selectedRow_ = Entries();
    boardGameStatus_ = 0;
    bool readable = false;
    const std::optional<GameRecord> record = ReadRecord(folder_, gameId_, readable);
    if (!readable)
        return false;
    if (!record) {
        playerIsHost_ = true;
        whitePlayerName_.clear();
        blackPlayerName_ = request.newGameOpponent;
        computerGame_ = request.newGameVsComputer;
        initialBoardState_.clear();
    } else {
        playerIsHost_ = record->GAME_HOST;
        boardGameStatus_ = record->GAME_STATUS;
        whitePlayerName_ = record->GAME_WHITE_NAME;
        blackPlayerName_ = record->GAME_BLACK_NAME;
        computerGame_ = record->GAME_VS_COMPUTER;
        initialBoardState_ = record->startPosition;
    }
    playerColour_ = playerIsHost_ ? White : Black;
    viewColour_ = request.defaultView ? White : playerColour_;
    return true;
}

OpenResult GameController::SetBoardState()
{
    const std::optional<Position> start = PositionFromString(initialBoardState_);
    if (!start)
        return OpenResult{false, HistoryError()};
    start_ = *start;
    if (initialBoardState_.empty())
        initialBoardState_ = FormatPositionString(start_.squares);
    const ReplayResult replay =
        MoveThroughHistory(start_, moves_, selectedRow_, gameDrawn_, drawOffered_, Rules());
    Apply(replay);
    if (gameId_ < 1 && moves_.empty())
        playerMayMove_ = true;
    if (replay.badEntry) {
        selectedRow_ = *replay.badEntry - 1;
        return OpenResult{true, DamagedHistory(*replay.badEntry, moves_[*replay.badEntry - 1])};
    }
    return OpenResult{true, std::nullopt};
}

ReplayRules GameController::Rules() const
{
    return ReplayRules{playerColour_, mailOffline_, computerGame_, standAlone_};
}

void GameController::Apply(const ReplayResult& replay)
{
    position_ = replay.position;
    surrendered_ = replay.surrendered;
    gameDrawn_ = replay.gameDrawn;
    drawOffered_ = replay.drawOffered;
    checkmated_ = replay.checkmated;
    playerMayMove_ = replay.playerMayMove;
}

void GameController::SelectRow(int row)
{
    selectedRow_ = std::clamp(row, 0, Entries());
    const ReplayResult replay =
        MoveThroughHistory(start_, moves_, selectedRow_, gameDrawn_, drawOffered_, Rules());
    Apply(replay);
    if (replay.badEntry)
        selectedRow_ = std::min(selectedRow_, *replay.badEntry - 1);
    if (hilightShown_)
        HilightMove(selectedRow_);
}

void GameController::ChangeView()
{
    viewColour_ = viewColour_ == playerColour_ ? OtherColour(playerColour_) : playerColour_;
}

void GameController::HilightMove(int row)
{
    const HighlightPath path = BoardSupport::HilightMove(moves_, row, position_.squares);
    marks_ = path.squares;
    if (path.outcome != HighlightPath::Unchanged)
        hilightShown_ = path.outcome == HighlightPath::Marked;
}

void GameController::RemoveHilight()
{
    if (!hilightShown_)
        return;
    marks_.clear();
    hilightShown_ = false;
}

void GameController::ToggleHighlight()
{
    if (hilightShown_)
        RemoveHilight();
    else
        HilightMove(selectedRow_);
}

std::string GameController::HighlightItemCaption() const
{
    return hilightShown_ ? "Remove hilight" : "Show hilight";
}

GameFacts GameController::Facts() const
{
    return GameFacts{whitePlayerName_, blackPlayerName_, playerIsHost_, playerMayMove_,
                     checkmated_,      surrendered_,     gameDrawn_,    Entries()};
}

int GameController::CellAt(Square square) const
{
    // The timer hides a flashing or blinking king.
    if (std::find(timer_.hidden.begin(), timer_.hidden.end(), square) != timer_.hidden.end())
        return EmptySquareCell(square);
    return SquareImageIndex(position_.squares, square,
                            KingFacts{surrendered_, position_.checkedSide, checkmated_, Entries()});
}

FormCaptions GameController::Captions() const
{
    if (setupMode_)
        return SetupCaptions();
    return captions_;
}

void GameController::SetFormCaptions()
{
    captions_ = BoardSupport::SetFormCaptions(Facts());
    awaitingOpponent_ = captions_.awaitingOpponent;
}

CommentPanel GameController::Comment() const
{
    if (setupMode_)
        return SetupComment();
    if (computerGame_)
        return ComputerComment(static_cast<int>(movesConsidered_), lastMoveScore_);
    return DisplayPlayerComment(Facts(), moves_, selectedRow_);
}

std::optional<BoardMessage> GameController::SetGameStatus()
{
    // The game's end is read at the last row, whatever row is shown.
    const ReplayResult last = MoveThroughHistory(start_, moves_, Entries(), false, false, Rules());
    GameFacts facts = Facts();
    facts.checkmated = last.checkmated;
    facts.surrendered = last.surrendered;
    facts.gameDrawn = last.gameDrawn;
    const bool over = last.surrendered || last.checkmated || last.gameDrawn;
    if (PlayerMadeLastEntry(Entries(), playerIsHost_) || boardGameStatus_ == StatusWon
        || boardGameStatus_ == StatusLost || !over || last.badEntry)
        return std::nullopt;
    const BoardMessage failed{
        5, "Database error.",
        "A database error prevented Marrowdale from setting the status of this game "
        "correctly||It will still be listed as not played on the main game display.",
        5};
    bool readable = false;
    std::optional<GameRecord> record = ReadRecord(folder_, gameId_, readable);
    if (!record)
        return failed;
    boardGameStatus_ = last.gameDrawn                 ? StatusDrawn
                       : BoardSupport::WonGame(facts) ? StatusWon
                                                      : StatusLost;
    record->GAME_STATUS = static_cast<std::int16_t>(boardGameStatus_);
    if (!Database::SaveGame(folder_, *record, MoveList{}))
        return failed;
    return std::nullopt;
}

} // namespace BoardSupport
