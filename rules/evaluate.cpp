#include "rules/evaluate.h"

#include "rules/check.h"
#include "rules/validation.h"

#include <cstdlib>

namespace ComputerAI {

using namespace MoveValidation;
using BoardSupport::BoardSquares;
using BoardSupport::CastleFlags;
using BoardSupport::Move;
using BoardSupport::Square;

namespace {

WeightTables::ByCode GroupOfFive(const HeuristicWeights& weights, int first)
{
    WeightTables::ByCode byCode{};
    for (int code = 1; code <= 12; ++code)
        byCode[code] = PieceTypeValue(code, weights[first], weights[first + 1], weights[first + 2],
                                      weights[first + 3], weights[first + 4]);
    return byCode;
}

WeightTables::ByCode SumOf(const WeightTables::ByCode& a, const WeightTables::ByCode& b)
{
    WeightTables::ByCode sum{};
    for (int code = 0; code <= 12; ++code)
        sum[code] = a[code] + b[code];
    return sum;
}

// Half a weight rounded down (-55 gives -28).
constexpr int FloorHalf(int weight)
{
    return weight >> 1;
}

// The weight for getting closer, minus half of it for getting further away.
constexpr int ApproachTerm(int before, int after, int weight)
{
    return after < before ? weight : after > before ? -FloorHalf(weight) : 0;
}

// The whole part of the square root of a squared distance, and the root
// rounded to the nearest whole number (no root of a whole number ends in
// exactly .5, so rounding halves to even never has to decide).
constexpr int FloorRoot(int n)
{
    int root = 0;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}
constexpr int RoundedRoot(int n)
{
    int root = 0;
    while (n > root * root + root)
        ++root;
    return root;
}

struct DistanceTables {
    // Every squared distance on the board, (0, 0) included as a missing
    // king's square.
    std::array<int, 129> floorRoot{};
    // Each square's distance from (4, 4), rounded.
    std::array<int, 64> fromCentre{};
};

constexpr DistanceTables BuildDistanceTables()
{
    DistanceTables tables;
    for (int n = 0; n < static_cast<int>(tables.floorRoot.size()); ++n)
        tables.floorRoot[n] = FloorRoot(n);
    for (int square = 0; square < 64; ++square) {
        const int dx = ColumnOf(square) - 4;
        const int dy = RowOf(square) - 4;
        tables.fromCentre[square] = RoundedRoot(dx * dx + dy * dy);
    }
    return tables;
}

constexpr DistanceTables Distances = BuildDistanceTables();

int FloorDistance(int column, int row, int targetColumn, int targetRow)
{
    const int dx = column - targetColumn;
    const int dy = row - targetRow;
    return Distances.floorRoot[dx * dx + dy * dy];
}

constexpr bool IsLinePiece(int code)
{
    const int kind = KindOf(code);
    return kind == Rook || kind == Bishop || kind == Queen;
}

template <typename Weight>
int SumOver(SquareMask squares, Weight weight)
{
    int sum = 0;
    for (; squares; squares = WithoutLowest(squares))
        sum += weight(LowestSquare(squares));
    return sum;
}

// The part of a move that the evaluation needs beyond its two squares: what
// the search board's make does with it.
struct MoveEffects {
    int from, to;
    int piece, captured, placed;
    int enPassantVictim = -1;
    int rookFrom = -1, rookTo = -1;
};

MoveEffects EffectsOf(const BoardSquares& squares, const SearchMove& move, Colour mover)
{
    MoveEffects effects;
    effects.from = SquareOf(move.fromColumn, move.fromRow);
    effects.to = SquareOf(move.toColumn, move.toRow);
    effects.piece = squares.cells[effects.from];
    effects.captured = squares.cells[effects.to];
    effects.placed = effects.piece;
    if (IsPawn(effects.piece)) {
        if (move.fromColumn != move.toColumn && effects.captured == Empty)
            effects.enPassantVictim = SquareOf(move.toColumn, move.fromRow);
        if (move.toRow == HomeRow(OtherColour(mover)))
            effects.placed = move.promotion != 0 ? move.promotion : WhiteQueen + mover * BlackOffset;
    } else if (IsKing(effects.piece)) {
        const int home = HomeRow(mover);
        if (move.fromColumn == 5 && move.fromRow == home && move.toRow == home
            && (move.toColumn == 3 || move.toColumn == 7)) {
            effects.rookFrom = SquareOf(move.toColumn == 3 ? 1 : 8, home);
            effects.rookTo = SquareOf(move.toColumn == 3 ? 4 : 6, home);
        }
    }
    return effects;
}

} // namespace

WeightTables::WeightTables(const HeuristicWeights& weights)
    : vulnerable(GroupOfFive(weights, LeaveVulnerable)), protect(GroupOfFive(weights, ProtectPiece)),
      take(GroupOfFive(weights, TakePiece)), takeUndefended(GroupOfFive(weights, TakeUndefended)),
      allowUndefended(GroupOfFive(weights, AllowUndefendedTaken)),
      pinByBishop(GroupOfFive(weights, PinWithBishop)), pinByRook(GroupOfFive(weights, PinWithRook)),
      pinByQueen(GroupOfFive(weights, PinWithQueen)), promote(SumOf(take, takeUndefended)),
      check(weights[GoForCheck]), closerToKing(weights[CloserToKing]),
      closerToQueen(weights[CloserToQueen]), closerToCentre(weights[CloserToCentre]),
      moveLastCastlingRook(weights[MoveLastCastlingRook]), moveCastlingRook(weights[MoveCastlingRook]),
      moveKingBeforeCastled(weights[MoveKingBeforeCastled]), castle(weights[PerformCastle])
{
    const int byKind[7] = {0,
                           weights[MoveRook],
                           weights[MoveKnight],
                           weights[MoveBishop],
                           weights[MoveQueen],
                           weights[MoveKing],
                           weights[MovePawn]};
    for (int code = 1; code <= 12; ++code)
        movement[code] = byKind[KindOf(code)];
}

int WeightTables::PinWeight(int pinner, int pinned) const
{
    switch (KindOf(pinner)) {
    case Rook:
        return pinByRook[pinned];
    case Bishop:
        return pinByBishop[pinned];
    case Queen:
        return pinByQueen[pinned];
    default:
        return 0;
    }
}

int ScorePins(const BoardSquares& board, const WeightTables& weights, Colour colour, Square square)
{
    const int pinner = board.At(square);
    const int kind = KindOf(pinner);
    const int opposingKing = KingOf(OtherColour(colour));
    int total = 0;
    const int first = kind == Bishop ? DownLeft : Left;
    const int last = kind == Rook ? Up : UpRight;
    if (kind != Rook && kind != Bishop && kind != Queen)
        return 0;
    for (int d = first; d <= last; ++d) {
        const SquareList& ray = Tables.rays[SquareOf(square.column, square.row)][d];
        int pinned = Empty;
        for (int i = 0; i < ray.count; ++i) {
            const int code = board.cells[ray.squares[i]];
            if (IsPieceOfColour(code, colour))
                break;
            if (code == opposingKing && pinned != Empty) {
                total += weights.PinWeight(pinner, pinned);
                break;
            }
            if (code != Empty && pinned == Empty)
                pinned = code;
        }
    }
    return total;
}

int CastlingWeight(const CastleFlags& flags, const WeightTables& weights, Colour colour, PieceCode piece,
                   Square from)
{
    const int fromColumn = from.column;
    const int fromRow = from.row;
    using BoardSupport::CastleKing;
    using BoardSupport::KingSideRook;
    using BoardSupport::QueenSideRook;
    if (KindOf(piece) == King)
        return flags(colour, CastleKing) ? 0 : weights.moveKingBeforeCastled;
    // Only a rook on its own corner can still castle.
    if (KindOf(piece) != Rook || fromRow != HomeRow(colour) || (fromColumn != 1 && fromColumn != 8))
        return 0;
    const int own = fromColumn == 1 ? QueenSideRook : KingSideRook;
    const int otherRook = fromColumn == 1 ? KingSideRook : QueenSideRook;
    if (flags(colour, CastleKing) || flags(colour, own))
        return 0;
    return flags(colour, otherRook) ? weights.moveLastCastlingRook : weights.moveCastlingRook;
}

// ---- MoveScorer -------------------------------------------------------------

MoveScorer::MoveScorer(SearchBoard& board, const WeightTables& weights)
    : board_(board), weights_(weights), squares_(board.Squares()), mover_(board.SideToMove()),
      opponent_(OtherColour(board.SideToMove())), pieces_(PieceMasks::Of(squares_)),
      occupied_(pieces_.Occupied())
{
    const auto& cells = squares_.cells;
    for (SquareMask left = occupied_; left; left = WithoutLowest(left)) {
        const int square = LowestSquare(left);
        const int code = cells[square];
        const Colour colour = IsBlackPiece(code) ? Black : White;
        reach_[square] = ReachOf(KindOf(code), colour, square, occupied_);
        attacked_[colour] |= reach_[square];
        if (colour == mover_) {
            vulnerableWeight_[square] = weights_.vulnerable[code];
            protectWeight_[square] = weights_.protect[code];
        }
    }
    const SquareMask own = pieces_.byColour[mover_];
    for (SquareMask left = pieces_.byColour[opponent_]; left; left = WithoutLowest(left)) {
        const int square = LowestSquare(left);
        for (SquareMask reached = reach_[square]; reached; reached = WithoutLowest(reached))
            opposingAttackers_[LowestSquare(reached)] |= MaskOf(square);
        threatened_[square] = SumOver(reach_[square] & own, [&](int s) { return vulnerableWeight_[s]; });
        vulnerableTotal_ += threatened_[square];
    }

    // The opponent, who has just moved, is in check only in a position that
    // no game reaches; the full test is kept for it all the same.
    beforeBase_ = vulnerableTotal_;
    const SquareMask opposingKing = pieces_.byKind[opponent_][King];
    if (opposingKing) {
        const int square = LowestSquare(opposingKing);
        kingColumn_ = ColumnOf(square);
        kingRow_ = RowOf(square);
        if (attacked_[mover_] & opposingKing) {
            const int state = GetCheckState(board_.GetPosition(), opponent_, true, board_.CheckedSide(),
                                            board_.PreviousMove());
            mateBefore_ = state == Checkmate;
            if (state == InCheck)
                beforeBase_ += weights_.check;
        }
    }
    if (const SquareMask queens = pieces_.byKind[opponent_][Queen]) {
        hasQueen_ = true;
        queenColumn_ = ColumnOf(LowestSquare(queens));
        queenRow_ = RowOf(LowestSquare(queens));
    }
}

int MoveScorer::PinsAt(int pinner, int square, SquareMask own, SquareMask other) const
{
    const int kind = KindOf(pinner);
    if (kind != Rook && kind != Bishop && kind != Queen)
        return 0;
    const SquareMask opposingKing = pieces_.byKind[opponent_][King];
    const int first = kind == Bishop ? DownLeft : Left;
    const int last = kind == Rook ? Up : UpRight;
    int total = 0;
    for (int d = first; d <= last; ++d) {
        SquareMask line = Masks.ray[d][square];
        if (!(line & opposingKing))
            continue;
        // An own piece ends the line.
        if (const SquareMask ownOnLine = line & own) {
            const int stop = NearestAlong(d, ownOnLine);
            line &= ~(Masks.ray[d][stop] | MaskOf(stop));
            if (!(line & opposingKing))
                continue;
        }
        // A king as the first piece on the line pins nothing.
        const int pinned = squares_.cells[NearestAlong(d, line & other)];
        if (!IsKing(pinned))
            total += weights_.PinWeight(pinner, pinned);
    }
    return total;
}

int MoveScorer::WatchedBefore(int from)
{
    if (from != watchedFrom_) {
        watchedFrom_ = from;
        const int piece = squares_.cells[from];
        const SquareMask mask = MaskOf(from);
        watchedValue_ = (attacked_[opponent_] & mask) && !(attacked_[mover_] & mask)
                            ? weights_.allowUndefended[piece]
                            : PinsAt(piece, from, pieces_.byColour[mover_], pieces_.byColour[opponent_]);
    }
    return watchedValue_;
}

bool MoveScorer::Mates(const SearchMove& move)
{
    if (!board_.MakeMove(move))
        return false;
    const bool mates = board_.GetCheckState(true) == Checkmate;
    board_.UnmakeMove();
    return mates;
}

int MoveScorer::Before(const SearchMove& move)
{
    if (mateBefore_)
        return MateScore;
    const int from = SquareOf(move.fromColumn, move.fromRow);
    const int to = SquareOf(move.toColumn, move.toRow);
    const int piece = squares_.cells[from];
    // The moving piece, as if it stood on its destination, guards the own
    // pieces it could take on; on this board it still stands on its origin.
    const SquareMask guarded = ReachOf(KindOf(piece), mover_, to, occupied_) & pieces_.byColour[mover_];
    return beforeBase_ + SumOver(guarded, [&](int s) { return protectWeight_[s]; })
           + WatchedBefore(from);
}

int MoveScorer::After(const SearchMove& move)
{
    const MoveEffects m = EffectsOf(squares_, move, mover_);
    const WeightTables& w = weights_;

    PieceMasks after = pieces_;
    after.Remove(m.piece, m.from);
    if (m.captured != Empty)
        after.Remove(m.captured, m.to);
    after.Add(m.placed, m.to);
    SquareMask changed = MaskOf(m.from) | (m.captured == Empty ? MaskOf(m.to) : 0);
    SquareMask removed = m.captured != Empty ? MaskOf(m.to) : 0;
    if (m.enPassantVictim >= 0) {
        after.Remove(squares_.cells[m.enPassantVictim], m.enPassantVictim);
        changed |= MaskOf(m.enPassantVictim);
        removed |= MaskOf(m.enPassantVictim);
    }
    if (m.rookFrom >= 0) {
        if (squares_.cells[m.rookFrom] != Empty)
            after.Remove(squares_.cells[m.rookFrom], m.rookFrom);
        if (squares_.cells[m.rookTo] != Empty)
            after.Remove(squares_.cells[m.rookTo], m.rookTo);
        after.Add(RookOf(mover_), m.rookTo);
        changed |= MaskOf(m.rookFrom) | MaskOf(m.rookTo);
    }
    const SquareMask occupied = after.Occupied();
    const SquareMask own = after.byColour[mover_];
    const SquareMask other = after.byColour[opponent_];

    int score = 0;
    const SquareMask opposingKing = after.byKind[opponent_][King];
    if (opposingKing && AttackersOf(LowestSquare(opposingKing), mover_, after, occupied)) {
        if (Mates(move))
            return MateScore;
        score += w.check;
    }

    // Vulnerable own pieces. An opposing piece whose reach takes in none of
    // the squares the move empties or fills threatens what it did before,
    // plus the moved piece when it stands on the square just taken; only
    // the others are worked out again on the new board.
    auto vulnerableAfter = [&](int s) {
        if (s == m.to)
            return w.vulnerable[m.placed];
        if (s == m.rookTo)
            return w.vulnerable[RookOf(mover_)];
        return vulnerableWeight_[s];
    };
    SquareMask redo = 0;
    for (SquareMask left = changed; left; left = WithoutLowest(left))
        redo |= opposingAttackers_[LowestSquare(left)];
    redo &= ~removed;
    int vulnerable = vulnerableTotal_;
    for (SquareMask left = removed; left; left = WithoutLowest(left))
        vulnerable -= threatened_[LowestSquare(left)];
    for (SquareMask left = redo; left; left = WithoutLowest(left)) {
        const int square = LowestSquare(left);
        const int code = squares_.cells[square];
        const SquareMask reach =
            IsLinePiece(code) ? ReachOf(KindOf(code), opponent_, square, occupied) : reach_[square];
        vulnerable += SumOver(reach & own, vulnerableAfter) - threatened_[square];
    }
    if (m.captured != Empty) {
        const SquareMask unchanged = opposingAttackers_[m.to] & ~redo;
        vulnerable += w.vulnerable[m.placed] * std::popcount(unchanged);
    }
    score += vulnerable;

    // Own pieces the moving piece guards from its destination (a line piece
    // counts its own square too).
    SquareMask guarded = ReachOf(KindOf(m.piece), mover_, m.to, occupied);
    if (IsLinePiece(m.piece))
        guarded |= MaskOf(m.to);
    score += SumOver(guarded & own, [&](int s) {
        return s == m.to       ? w.protect[m.placed]
               : s == m.rookTo ? w.protect[RookOf(mover_)]
                               : protectWeight_[s];
    });

    // The moved piece on its destination.
    if (AttackersOf(m.to, opponent_, after, occupied) && !AttackersOf(m.to, mover_, after, occupied))
        score += w.allowUndefended[m.placed];
    else
        score += PinsAt(m.placed, m.to, own, other);

    // The rest is judged on the board before the move.
    score +=
        ApproachTerm(FloorDistance(move.fromColumn, move.fromRow, kingColumn_, kingRow_),
                     FloorDistance(move.toColumn, move.toRow, kingColumn_, kingRow_), w.closerToKing);
    if (hasQueen_)
        score += ApproachTerm(FloorDistance(move.fromColumn, move.fromRow, queenColumn_, queenRow_),
                              FloorDistance(move.toColumn, move.toRow, queenColumn_, queenRow_),
                              w.closerToQueen);
    score += ApproachTerm(Distances.fromCentre[m.from], Distances.fromCentre[m.to], w.closerToCentre);
    score += w.take[m.captured];
    // A promotion wins its new piece outright, as taking an undefended piece
    // of that kind would; without this the search never sees the gain.
    if (m.placed != m.piece)
        score += w.promote[m.placed];
    if (IsPieceOfColour(m.captured, opponent_) && !(attacked_[opponent_] & MaskOf(m.to)))
        score += w.takeUndefended[m.captured];
    score += w.movement[m.piece];

    if (IsKing(m.piece) && std::abs(move.toColumn - move.fromColumn) == 2
        && GetCastleType(board_.GetPosition(), mover_,
                         Move{{move.fromColumn, move.fromRow}, {move.toColumn, move.toRow}})
               != NoCastle)
        score += w.castle;
    score += CastlingWeight(board_.CastleFlags(), w, mover_, static_cast<PieceCode>(m.piece),
                            {move.fromColumn, move.fromRow});
    return score;
}

int EvaluateMove(SearchBoard& board, const SearchMove& move, bool afterMove,
                 const HeuristicWeights& weights)
{
    const WeightTables tables(weights);
    MoveScorer scorer(board, tables);
    return afterMove ? scorer.After(move) : scorer.Before(move);
}

} // namespace ComputerAI
