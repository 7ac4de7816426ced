#pragma once
// The computer opponent's judgement of one move by the 54 heuristic
// weights. A move's own score is its evaluation on the board after the move
// minus its evaluation on the board before it.
//
// What the two evaluations add up (each a whole number, added in 32 bits):
// - check: the opponent in check by the move's position; a mate makes the
//   evaluation exactly MateScore and nothing else counts;
// - for every piece of the mover: its "vulnerable" weight times the number
//   of opposing pieces that could take it, and its "protect" weight when the
//   moving piece, standing on its destination, could take on its square;
// - the moving piece on its square (the destination after the move, the
//   origin before it): its "allow undefended" weight when opposing pieces
//   could take it and none of its own could, else the pins it makes;
// - after the move only, judged on the board before it: getting closer to
//   the opposing king, the opposing queen and the centre (losing half a
//   weight, rounded down, for getting further away), the piece taken, the
//   piece taken when nothing defended it, a promotion (the new piece's
//   take and take-undefended weights: it is won outright, as if taken with
//   nothing to win it back), the kind of piece moved, and the castling
//   weights. The castling weights are counted in the after-move evaluation
//   alone: counted in both they would cancel out, and a castling move would
//   score the castle weight against itself.
//
// MoveScorer answers these for every move of one position: it works out the
// position's attacks once and then scores each move with a few mask
// operations, which is what lets the search evaluate millions of moves a
// second. EvaluateMove is the same judgement for a single move.

#include "rules/heuristic_defaults.h"
#include "rules/search_board.h"
#include "rules/square_masks.h"

#include <array>

namespace ComputerAI {

using Support::HeuristicWeights;

// Where each weight, or the first of each group of five (rook, knight,
// bishop, queen, pawn), stands among the 54.
enum HeuristicIndex : int {
    GoForCheck = 0,
    LeaveVulnerable = 1,
    ProtectPiece = 6,
    TakePiece = 11,
    MoveRook = 16,
    MoveKnight,
    MoveBishop,
    MoveQueen,
    MovePawn,
    MoveKing,
    TakeUndefended = 22,
    AllowUndefendedTaken = 27,
    PinWithBishop = 32,
    PinWithRook = 37,
    PinWithQueen = 42,
    CloserToKing = 47,
    CloserToQueen = 48,
    CloserToCentre = 49,
    MoveLastCastlingRook = 50,
    MoveCastlingRook = 51,
    MoveKingBeforeCastled = 52,
    PerformCastle = 53,
};

inline constexpr int MateScore = 1000;

// The value for the piece's kind: 1 or 7 rook, 2 or 8 knight, 3 or 9
// bishop, 4 or 10 queen, 6 or 12 pawn; 0 for a king, an empty square or any
// other code.
constexpr int PieceTypeValue(int piece, int rookValue, int knightValue, int bishopValue, int queenValue,
                             int pawnValue)
{
    switch (MoveValidation::KindOf(piece)) {
    case MoveValidation::Rook:
        return rookValue;
    case MoveValidation::Knight:
        return knightValue;
    case MoveValidation::Bishop:
        return bishopValue;
    case MoveValidation::Queen:
        return queenValue;
    case MoveValidation::Pawn:
        return pawnValue;
    default:
        return 0;
    }
}

// The weights rearranged for lookup by piece code (0..12).
struct WeightTables {
    using ByCode = std::array<int, 13>;
    ByCode vulnerable{}, protect{}, take{}, takeUndefended{}, allowUndefended{};
    ByCode pinByBishop{}, pinByRook{}, pinByQueen{}, movement{};
    // A promotion to the piece: its take and take-undefended weights.
    ByCode promote{};
    int check = 0;
    int closerToKing = 0, closerToQueen = 0, closerToCentre = 0;
    int moveLastCastlingRook = 0, moveCastlingRook = 0, moveKingBeforeCastled = 0, castle = 0;

    explicit WeightTables(const HeuristicWeights& weights);

    // The pin weight of a line piece pinning a piece against the king; 0
    // for any other pinner.
    int PinWeight(int pinner, int pinned) const;
};

// The pin weights of the line piece on the square (colour = its colour):
// along each of its lines, the first opposing piece before any own piece,
// when the opposing king stands further along that line with no own piece
// between (other opposing pieces may stand there).
int ScorePins(const BoardSupport::BoardSquares& board, const WeightTables& weights,
              MoveValidation::Colour colour, BoardSupport::Square square);

// The castling weight of moving that piece of the colour from that square:
// a rook on its own corner that could still castle (the last one that could,
// or one of two), a king that has not moved.
int CastlingWeight(const BoardSupport::CastleFlags& flags, const WeightTables& weights,
                   MoveValidation::Colour colour, MoveValidation::PieceCode piece,
                   BoardSupport::Square from);

// Scores the moves of the side to move of one position. The board must stay
// in that position while the scorer is used; the scorer plays a checking
// move on it for a moment to see whether it mates, and takes it back.
class MoveScorer {
public:
    MoveScorer(SearchBoard& board, const WeightTables& weights);
    // The scorer keeps a reference to the weights.
    MoveScorer(SearchBoard& board, WeightTables&& weights) = delete;

    // The evaluation of a legal move of the side to move on the board as it
    // stands before the move, and as it stands after it.
    int Before(const SearchMove& move);
    int After(const SearchMove& move);
    int Own(const SearchMove& move) { return After(move) - Before(move); }

private:
    int PinsAt(int pinner, int square, SquareMask own, SquareMask other) const;
    int WatchedBefore(int from);
    bool Mates(const SearchMove& move);

    SearchBoard& board_;
    const WeightTables& weights_;
    BoardSupport::BoardSquares squares_;
    MoveValidation::Colour mover_ = MoveValidation::White;
    MoveValidation::Colour opponent_ = MoveValidation::Black;
    PieceMasks pieces_;
    SquareMask occupied_ = 0;
    // The squares each piece could take on; 0 on empty squares.
    std::array<SquareMask, 64> reach_{};
    // The opposing pieces that could take on each square.
    std::array<SquareMask, 64> opposingAttackers_{};
    std::array<SquareMask, 2> attacked_{};
    // Per own piece its vulnerable and protect weight; 0 elsewhere.
    std::array<int, 64> vulnerableWeight_{};
    std::array<int, 64> protectWeight_{};
    // Per opposing piece the vulnerable weights of the own pieces it could
    // take; their sum is the vulnerable term of the position.
    std::array<int, 64> threatened_{};
    int vulnerableTotal_ = 0;
    int beforeBase_ = 0;
    bool mateBefore_ = false;
    // The opposing king's square as its coordinates ((0, 0) when it has
    // none), and the opposing queen's, when it has one.
    int kingColumn_ = 0, kingRow_ = 0;
    bool hasQueen_ = false;
    int queenColumn_ = 0, queenRow_ = 0;
    // The moves of one piece come one after another: its watched-square
    // term before the move is worked out once for them all.
    int watchedFrom_ = -1;
    int watchedValue_ = 0;
};

// One move's evaluation before (afterMove false) or after the move, for the
// side to move of the board; the board is as it was afterwards.
int EvaluateMove(SearchBoard& board, const SearchMove& move, bool afterMove,
                 const HeuristicWeights& weights);

} // namespace ComputerAI
