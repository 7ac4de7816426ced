// The computer's answer to the player's move: its turn begins, the search's
// move is played on the board and written as its row, or it resigns.
#include "board/game_controller.h"

#include "store/board_changes.h"
#include "rules/check.h"
#include "rules/notation.h"

namespace BoardSupport {

using namespace MoveValidation;

ComputerTurn GameController::BeginComputerMove()
{
    keptPlayerMayMove_ = playerMayMove_;
    keptAwaitingOpponent_ = awaitingOpponent_;
    ComputerTurn turn;
    // A drawn or stalemated game is over as surely as a mated one: searching
    // it would find no move and resign a game that is not lost.
    if (checkmated_ || surrendered_ || gameDrawn_) {
        playerIsHost_ = true;
        playerMayMove_ = false;
        awaitingOpponent_ = true;
        HilightMove(Entries());
        return turn;
    }
    // The timer rests during the search: a flashing king it has just
    // hidden is shown again rather than left missing until the answer.
    ShowKing();
    computerThinking_ = true;
    playerIsHost_ = false;
    playerMayMove_ = false;
    turn.search = true;
    turn.position = position_;
    turn.previousMove = PreviousMove();
    return turn;
}

ComputerReply GameController::FinishComputerMove(const ComputerAI::SearchResult& result)
{
    ComputerReply reply;
    if (!computerThinking_)
        return reply;
    computerThinking_ = false;
    playerIsHost_ = true;
    if (result.outcome == ComputerAI::SearchOutcome::Cancelled) {
        playerMayMove_ = keptPlayerMayMove_;
        awaitingOpponent_ = keptAwaitingOpponent_;
        reply.outcome = ComputerReply::Cancelled;
        return reply;
    }
    awaitingOpponent_ = false;
    lastMoveScore_ = result.score;
    movesConsidered_ = result.movesConsidered;
    selectedRow_ = Entries();
    if (result.outcome == ComputerAI::SearchOutcome::Stalemated) {
        // Not a loss: the player's move drew the game (the drop normally
        // says so first).
        gameDrawn_ = true;
        position_.checkedSide = NoSideChecked;
        reply.outcome = ComputerReply::GameOver;
        reply.stalemate = true;
    } else if (result.outcome != ComputerAI::SearchOutcome::Move || result.move.from.column == 0
               || result.move.from.row == 0) {
        AppendComputerResignation();
        reply.outcome = ComputerReply::Resigned;
    } else {
        reply = PlayComputerMove(result);
    }
    playerMayMove_ = !(checkmated_ || surrendered_ || gameDrawn_);
    // The reply is stored with the game: the caption tells of it (a mate,
    // the computer's resignation, the player's turn again).
    captions_ = BoardSupport::SetFormCaptions(Facts());
    // A mate or the computer's resignation is told once more.
    mateNoticeShown_ = false;
    // The player sees where the computer moved.
    HilightMove(Entries());
    return reply;
}

void GameController::AppendComputerResignation()
{
    // The computer plays Black, so its resignation is White's win; like the
    // player's it stands on the resigning king's square.
    AppendSpecialEntry(playerColour_ == White ? "1-0" : "0-1", "",
                       static_cast<Colour>(OtherColour(playerColour_)));
    surrendered_ = true;
}

ComputerReply GameController::PlayComputerMove(const ComputerAI::SearchResult& result)
{
    ComputerReply reply;
    const Colour computer = static_cast<Colour>(OtherColour(playerColour_));
    const Move move = result.move;
    const Move previous = PreviousMove();
    const int piece = position_.squares(move.from.column, move.from.row);
    const CaptureMode capture =
        position_.squares(move.to.column, move.to.row) == Empty ? ToEmptySquare : ToOccupiedSquare;
    const MoveEffects effects =
        capture == ToEmptySquare ? EffectsOf(position_, computer, move, previous) : MoveEffects{};
    // The notation is written against the board as it stands now, before
    // the computer's move.
    const BoardSquares before = position_.squares;
    drawnSquares_ = CopyBoard(position_);
    snapshot_ = SaveBoardState(position_, checkmated_, surrendered_);
    // The search promotes to a queen; the board does the same.
    const int landing = IsPromotionMove(static_cast<PieceCode>(piece), move.to.row, computer)
                            ? (computer == White ? WhiteQueen : BlackQueen)
                            : piece;
    ApplyMove(position_, computer, move, landing, effects);

    const CheckState state = GetCheckState(position_, playerColour_, true, position_.checkedSide, move);
    if (state == NotInCheck) {
        if (HasNoLegalMove(position_, playerColour_, move, position_.checkedSide)) {
            gameDrawn_ = true;
            reply.stalemate = true;
        }
        position_.checkedSide = NoSideChecked;
    } else {
        if (state == Checkmate)
            checkmated_ = true;
        position_.checkedSide = playerColour_;
    }
    if (!gameDrawn_) {
        reply.forcedDraw = ForcedDrawType(position_.squares);
        if (reply.forcedDraw != NoForcedDraw) {
            gameDrawn_ = true;
            reply.messages.push_back(
                BoardMessage{1, "Forced draw", ForcedDrawText(reply.forcedDraw), 5, false});
        }
    }
    reply.notation =
        BuildMoveNotation({computer, static_cast<PieceCode>(landing), move, capture}, before,
                          effects.castle, previous, {position_.checkedSide, checkmated_, gameDrawn_});
    moves_.push_back(MoveRecord{Entries() + 1, move.Text(), reply.notation, ""});
    selectedRow_ = Entries();
    reply.outcome = ComputerReply::Made;
    reply.checkedSide = position_.checkedSide;
    reply.checkmated = checkmated_;
    return reply;
}

} // namespace BoardSupport
