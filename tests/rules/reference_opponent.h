#pragma once
// The computer opponent written the plain way, straight from its rules: every
// "could this piece take there" is asked of ValidateMove, every check of
// GetCheckState, and the move is really made on the board to judge the
// position after it. Slow (hundreds of rule checks per move), but easy to
// read against the rules; the fast evaluation and search must give exactly
// the same numbers.

#include "rules/check.h"
#include "rules/evaluate.h"
#include "rules/search.h"
#include "rules/search_board.h"
#include "rules/validation.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace Reference {

using namespace MoveValidation;
using BoardSupport::Position;
using ComputerAI::SearchBoard;
using ComputerAI::SearchMove;
using ComputerAI::SearchMoveList;
using Support::HeuristicWeights;

// A group of five weights read for the piece: rook, knight, bishop, queen,
// pawn; 0 for a king or an empty square.
inline int GroupValue(int piece, const HeuristicWeights& h, int first)
{
    switch (piece) {
    case 1:
    case 7:
        return h[first];
    case 2:
    case 8:
        return h[first + 1];
    case 3:
    case 9:
        return h[first + 2];
    case 4:
    case 10:
        return h[first + 3];
    case 6:
    case 12:
        return h[first + 4];
    default:
        return 0;
    }
}

inline int SquareColour(const Position& p, int column, int row)
{
    const int code = p.squares(column, row);
    return code >= 7 && code <= 12 ? 1 : code >= 1 && code <= 6 ? 0 : 2;
}

inline int CountAttackers(const Position& p, int colour, int x, int y, int checkedSide)
{
    int count = 0;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column)
            if ((column != x || row != y) && SquareColour(p, column, row) == colour
                && ValidateMove(p,
                                {static_cast<Colour>(colour),
                                 p.squares.At({column, row}),
                                 {{column, row}, {x, y}},
                                 ToOccupiedSquare},
                                checkedSide, BoardSupport::Move::None()))
                ++count;
    return count;
}

inline int PinWeight(int pinner, int pinned, const HeuristicWeights& h)
{
    if (pinner == 1 || pinner == 7)
        return GroupValue(pinned, h, 37);
    if (pinner == 3 || pinner == 9)
        return GroupValue(pinned, h, 32);
    if (pinner == 4 || pinner == 10)
        return GroupValue(pinned, h, 42);
    return 0;
}

inline int ScorePins(const Position& p, int colour, int x, int y, const HeuristicWeights& h)
{
    const int pinner = p.squares(x, y);
    const int opposingKing = colour == 1 ? 5 : 11;
    int total = 0;
    std::vector<std::pair<int, int>> lines;
    if (pinner == 1 || pinner == 7 || pinner == 4 || pinner == 10)
        lines.insert(lines.end(), {{-1, 0}, {1, 0}, {0, -1}, {0, 1}});
    if (pinner == 3 || pinner == 9 || pinner == 4 || pinner == 10)
        lines.insert(lines.end(), {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}});
    for (const auto& [dx, dy] : lines) {
        int first = 0;
        for (int c = x + dx, r = y + dy; c >= 1 && c <= 8 && r >= 1 && r <= 8; c += dx, r += dy) {
            const int code = p.squares(c, r);
            if (code == 0)
                continue;
            if (SquareColour(p, c, r) == colour)
                break;
            if (code == opposingKing && first >= 1) {
                total += PinWeight(pinner, first, h);
                break;
            }
            if (first == 0)
                first = code;
        }
    }
    return total;
}

inline int CastlingWeight(const BoardSupport::CastleFlags& flags, int colour, int piece, int fromX,
                          int fromY, const HeuristicWeights& h)
{
    if (piece == 1 || piece == 7) {
        if (fromY != (colour == 0 ? 1 : 8))
            return 0;
        if (fromX == 1) {
            if (flags(colour, 1) || flags(colour, 0))
                return 0;
            return flags(colour, 2) ? h[50] : h[51];
        }
        if (fromX == 8) {
            if (flags(colour, 2) || flags(colour, 1))
                return 0;
            return flags(colour, 0) ? h[50] : h[51];
        }
        return 0;
    }
    if (piece == 5 || piece == 11)
        return flags(colour, 1) ? 0 : h[52];
    return 0;
}

// Getting closer to a square: (fromX, fromY) and (toX, toY) measured to it.
inline int Approach(double d1, double d2, int weight)
{
    if (d2 < d1)
        return weight;
    if (d2 > d1)
        return -static_cast<int>(std::floor(weight / 2.0));
    return 0;
}

inline double Distance(int x, int y, int tx, int ty)
{
    return std::sqrt(static_cast<double>((x - tx) * (x - tx) + (y - ty) * (y - ty)));
}

// One move's evaluation before or after the move. The castling weights are
// counted once, in the evaluation after the move, on the board before it.
inline int Evaluate(SearchBoard& board, const SearchMove& move, bool afterMove,
                    const HeuristicWeights& h)
{
    const int fromX = move.fromColumn, fromY = move.fromRow;
    const int toX = move.toColumn, toY = move.toRow;
    const Position before = board.GetPosition();
    const int piece = before.squares(fromX, fromY);
    const int mover = IsBlackPiece(piece) ? 1 : 0;
    const int opponent = mover == 1 ? 0 : 1;
    std::int64_t score = 0;

    if (afterMove)
        board.MakeMove(move);
    const Position p = board.GetPosition();
    const int checkedSide = p.checkedSide;

    const CheckState state =
        GetCheckState(p, static_cast<Colour>(opponent), true, checkedSide, board.PreviousMove());
    if (state == Checkmate) {
        if (afterMove)
            board.UnmakeMove();
        return 1000;
    }
    if (state == InCheck)
        score += h[0];

    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            if (SquareColour(p, column, row) != mover)
                continue;
            const int code = p.squares(column, row);
            score += GroupValue(code, h, 1) * CountAttackers(p, opponent, column, row, checkedSide);
            if (ValidateMove(p,
                             {static_cast<Colour>(mover),
                              static_cast<PieceCode>(piece),
                              {{toX, toY}, {column, row}},
                              ToOccupiedSquare},
                             checkedSide, BoardSupport::Move::None()))
                score += GroupValue(code, h, 6);
        }

    const int wx = afterMove ? toX : fromX;
    const int wy = afterMove ? toY : fromY;
    const int q = p.squares(wx, wy);
    const int defenders = CountAttackers(p, mover, wx, wy, checkedSide);
    const int attackers = CountAttackers(p, opponent, wx, wy, checkedSide);
    if (attackers > 0 && defenders == 0)
        score += GroupValue(q, h, 27);
    else
        score += ScorePins(p, mover, wx, wy, h);

    if (afterMove) {
        board.UnmakeMove();
        const Position& b = before;
        if (GetCastleType(b, static_cast<Colour>(mover), {{fromX, fromY}, {toX, toY}}) != 0)
            score += h[53];

        BoardSupport::Square king;
        BoardSupport::FindPiece(b.squares, opponent == 0 ? WhiteKing : BlackKing, king);
        const int kx = king.column, ky = king.row;
        score += Approach(std::floor(Distance(fromX, fromY, kx, ky)),
                          std::floor(Distance(toX, toY, kx, ky)), h[47]);
        BoardSupport::Square queen;
        if (BoardSupport::FindPiece(b.squares, opponent == 0 ? WhiteQueen : BlackQueen, queen))
            score += Approach(std::floor(Distance(fromX, fromY, queen.column, queen.row)),
                              std::floor(Distance(toX, toY, queen.column, queen.row)), h[48]);
        score += Approach(std::nearbyint(Distance(fromX, fromY, 4, 4)),
                          std::nearbyint(Distance(toX, toY, 4, 4)), h[49]);

        const int taken = b.squares(toX, toY);
        score += GroupValue(taken, h, 11);
        if (SquareColour(b, toX, toY) == opponent
            && CountAttackers(b, opponent, toX, toY, b.checkedSide) == 0)
            score += GroupValue(taken, h, 22);
        // A pawn on its last row has become q: won as if taken undefended.
        if ((piece == 6 || piece == 12) && (toY == 1 || toY == 8))
            score += GroupValue(q, h, 11) + GroupValue(q, h, 22);
        switch (piece) {
        case 1:
        case 7:
            score += h[16];
            break;
        case 2:
        case 8:
            score += h[17];
            break;
        case 3:
        case 9:
            score += h[18];
            break;
        case 4:
        case 10:
            score += h[19];
            break;
        case 6:
        case 12:
            score += h[20];
            break;
        case 5:
        case 11:
            score += h[21];
            break;
        default:
            break;
        }
        const int code = b.squares(fromX, fromY);
        if (code == 1 || code == 7 || code == 5 || code == 11)
            score += CastlingWeight(b.castleFlags, mover, code, fromX, fromY, h);
    }
    return static_cast<int>(score);
}

// ---- The search, plainly -------------------------------------------------------

struct Row {
    SearchMove move;
    int score;
};

inline void BubbleSort(std::vector<Row>& rows)
{
    const int count = static_cast<int>(rows.size());
    for (int i = 0; i < count; ++i)
        for (int j = count - 2; j >= i; --j)
            if (rows[j + 1].score > rows[j].score)
                std::swap(rows[j], rows[j + 1]);
}

inline void Prune(std::vector<Row>& rows, ComputerAI::SearchRandom& random)
{
    const int count = static_cast<int>(rows.size());
    if (count < 5)
        return;
    std::vector<Row> kept;
    std::vector<bool> taken(count, false);
    for (int round = 0; round < 4; ++round) {
        int best = -1;
        for (int i = 0; i < count; ++i)
            if (!taken[i] && (best < 0 || rows[i].score > rows[best].score))
                best = i;
        taken[best] = true;
        kept.push_back(rows[best]);
    }
    const int limit = count / 3;
    if (limit > 4) {
        do {
            const int r = static_cast<int>(std::floor(count * random.Next() + 1)) - 1;
            if (!taken[r]) {
                taken[r] = true;
                kept.push_back(rows[r]);
            }
        } while (static_cast<int>(kept.size()) < limit);
    }
    rows = kept;
}

inline std::vector<Row> OwnScores(SearchBoard& board, const HeuristicWeights& h)
{
    SearchMoveList moves;
    board.GenerateMoves(moves, ComputerAI::Promotions::QueenOnly);
    std::vector<Row> rows;
    for (const SearchMove& m : moves) {
        const int before = Evaluate(board, m, false, h);
        rows.push_back({m, Evaluate(board, m, true, h) - before});
    }
    return rows;
}

// The last level's best is simply its highest score: cutting and sorting it
// would only bring that score to the top, so the search draws no random
// numbers there.
inline int Search(SearchBoard& board, int depth, int ply, int searchColour,
                  ComputerAI::SearchRandom& random, const HeuristicWeights& h, std::int64_t& considered)
{
    std::vector<Row> rows = OwnScores(board, h);
    if (ply == depth) {
        considered += static_cast<std::int64_t>(rows.size());
        int best = 0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (i == 0 || rows[i].score > best)
                best = rows[i].score;
        return best;
    }
    if (ply > 0)
        Prune(rows, random);
    BubbleSort(rows);
    for (Row& row : rows) {
        const bool searching = board.SideToMove() == searchColour;
        board.MakeMove(row.move);
        const int reply = Search(board, depth, ply + 1, searchColour, random, h, considered);
        board.UnmakeMove();
        row.score += searching ? -reply : reply;
    }
    BubbleSort(rows);
    return rows.empty() ? 0 : rows[0].score;
}

struct Choice {
    BoardSupport::Move move;
    int score = 0;
    std::int64_t considered = 0;
};

inline Choice SearchBestMove(SearchBoard board, int depth, const HeuristicWeights& h, std::uint64_t seed)
{
    Choice choice;
    std::vector<Row> rows = OwnScores(board, h);
    if (rows.empty())
        return choice;
    if (depth == 0)
        choice.considered = static_cast<std::int64_t>(rows.size());
    BubbleSort(rows);
    if (depth > 0) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ComputerAI::SearchRandom random =
                ComputerAI::SearchRandom::ForTopMove(seed, static_cast<int>(i));
            board.MakeMove(rows[i].move);
            const int reply =
                Search(board, depth, 1, board.SideToMove() == 0 ? 1 : 0, random, h, choice.considered);
            board.UnmakeMove();
            rows[i].score -= reply;
        }
        BubbleSort(rows);
    }
    int ties = 0;
    while (ties < static_cast<int>(rows.size()) && rows[ties].score == rows[0].score)
        ++ties;
    int chosen = 0;
    if (ties >= 2) {
        ComputerAI::SearchRandom random = ComputerAI::SearchRandom::ForTieBreak(seed);
        chosen = static_cast<int>(std::floor(ties * random.Next() + 1)) - 1;
    }
    const SearchMove& m = rows[chosen].move;
    choice.move = {{m.fromColumn, m.fromRow}, {m.toColumn, m.toRow}};
    choice.score = rows[0].score;
    return choice;
}

} // namespace Reference
