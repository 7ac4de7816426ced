#include "store/drop_rules.h"

#include "rules/check.h"

namespace BoardSupport {

using namespace MoveValidation;

DropJudgement JudgeDrop(const Position& position, Colour mover, Move move, Move previousMove)
{
    DropJudgement judgement;
    const int piece = position.squares(move.from.column, move.from.row);
    const int target = position.squares(move.to.column, move.to.row);
    const CaptureMode capture = target == Empty ? ToEmptySquare : ToOccupiedSquare;
    if (!ValidateMove(position, {mover, static_cast<PieceCode>(piece), move, capture},
                      position.checkedSide, previousMove,
                      capture == ToOccupiedSquare
                          ? std::optional<PieceCode>(static_cast<PieceCode>(target))
                          : std::nullopt,
                      &judgement.refusal))
        return judgement;
    // A capture neither castles nor takes en passant.
    if (capture == ToEmptySquare)
        judgement.effects = EffectsOf(position, mover, move, previousMove);
    Position trial = position;
    ApplyMove(trial, mover, move, piece, judgement.effects);
    judgement.selfCheck = IsInCheck(trial, mover);
    return judgement;
}

} // namespace BoardSupport
