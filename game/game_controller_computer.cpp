// The computer's answer to the player's move: its turn begins, the search's
// move is played on the board and written as its row, or it resigns.
#include "game/game_controller.h"
#include "game/move_end.h"

#include "rules/check.h"
#include "rules/notation.h"
#include "store/board_changes.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

// The search's move played on the board and written as the computer's row.
ComputerReply PlayComputerMove(MoveHistory& history, GameStatus& status, Colour playerColour,
                               const ComputerAI::SearchResult& result)
{
    ComputerReply reply;
    Position& position = history.Board();
    const Colour computer = static_cast<Colour>(OtherColour(playerColour));
    const Move move = result.move;
    const Move previous = history.PreviousMove();
    const int piece = position.squares(move.from.column, move.from.row);
    const CaptureMode capture =
        position.squares(move.to.column, move.to.row) == Empty ? ToEmptySquare : ToOccupiedSquare;
    const MoveEffects effects =
        capture == ToEmptySquare ? EffectsOf(position, computer, move, previous) : MoveEffects{};
    // The notation is written against the board as it stands now, before
    // the computer's move.
    const BoardSquares before = position.squares;
    history.TakeSnapshot(status);
    // The search promotes to a queen; the board does the same.
    const int landing = IsPromotionMove(static_cast<PieceCode>(piece), move.to.row, computer)
                            ? (computer == White ? WhiteQueen : BlackQueen)
                            : piece;
    ApplyMove(position, computer, move, landing, effects);

    const MoveEnd end = JudgeMoveEnd(position, playerColour, move, status);
    reply.stalemate = end.stalemate;
    reply.forcedDraw = end.forcedDraw;
    if (end.forcedDraw != NoForcedDraw)
        reply.messages.push_back(ForcedDrawMessage(end.forcedDraw));
    reply.notation = BuildMoveNotation({computer, static_cast<PieceCode>(landing), move, capture},
                                       before, effects.castle, previous,
                                       {position.checkedSide, status.checkmated, status.gameDrawn});
    history.Append(move.Text(), reply.notation, "");
    reply.outcome = ComputerReply::Made;
    reply.checkedSide = position.checkedSide;
    reply.checkmated = status.checkmated;
    return reply;
}

} // namespace

ComputerTurn GameController::BeginComputerMove()
{
    computer_.Keep(status_);
    ComputerTurn turn;
    // A drawn or stalemated game is over as surely as a mated one: searching
    // it would find no move and resign a game that is not lost.
    if (status_.Over()) {
        info_.playerIsHost = true;
        status_.playerMayMove = false;
        status_.awaitingOpponent = true;
        marks_.Show(history_.Entries());
        // The caption tells the end the player's move made, as after any
        // game the player won (or drew).
        display_.WriteCaptions();
        return turn;
    }
    // The timer rests during the search: a flashing king it has just
    // hidden is shown again rather than left missing until the answer.
    timer_.ShowKing();
    computer_.Start();
    info_.playerIsHost = false;
    status_.playerMayMove = false;
    turn.search = true;
    turn.position = history_.Current();
    turn.previousMove = history_.PreviousMove();
    return turn;
}

ComputerReply GameController::FinishComputerMove(const ComputerAI::SearchResult& result)
{
    ComputerReply reply;
    if (!computer_.Stop())
        return reply;
    info_.playerIsHost = true;
    if (result.outcome == ComputerAI::SearchOutcome::Cancelled) {
        computer_.GiveBack(status_);
        reply.outcome = ComputerReply::Cancelled;
        return reply;
    }
    status_.awaitingOpponent = false;
    computer_.Record(result.score, result.movesConsidered);
    history_.Select(history_.Entries());
    if (result.outcome == ComputerAI::SearchOutcome::Stalemated) {
        // Not a loss: the player's move drew the game (the drop normally
        // says so first).
        status_.gameDrawn = true;
        history_.Board().checkedSide = NoSideChecked;
        reply.outcome = ComputerReply::GameOver;
        reply.stalemate = true;
    } else if (result.outcome != ComputerAI::SearchOutcome::Move || result.move.from.column == 0
               || result.move.from.row == 0) {
        // The computer plays Black, so its resignation is White's win; like
        // the player's it stands on the resigning king's square.
        history_.AppendSpecialEntry(info_.playerColour == White ? "1-0" : "0-1", "",
                                    static_cast<Colour>(OtherColour(info_.playerColour)), status_);
        status_.surrendered = true;
        reply.outcome = ComputerReply::Resigned;
    } else {
        reply = PlayComputerMove(history_, status_, info_.playerColour, result);
    }
    status_.playerMayMove = !status_.Over();
    // The reply is stored with the game: the caption tells of it (a mate,
    // the computer's resignation, the player's turn again).
    display_.WriteCaptions();
    // A mate or the computer's resignation is told once more.
    timer_.MateNoticeDue();
    // The player sees where the computer moved.
    marks_.Show(history_.Entries());
    return reply;
}

} // namespace BoardSupport
