// The move generator against published move counts, make/unmake against
// the tree it walks, and the generator against the player's path through
// the move rules.

#include "bench/fen_reader.h"
#include "bench/perft_tree.h"
#include "rules/attack_map.h"
#include "rules/check.h"
#include "rules/notation.h"
#include "rules/search_board.h"
#include "rules/validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace ComputerAI;
using BoardSupport::Position;

namespace {

constexpr const char* Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -";
constexpr const char* RookEndgame = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";
constexpr const char* Promotions4 = "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -";
constexpr const char* Promotions5 = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -";
constexpr const char* Middlegame = "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - -";

SearchBoard BoardFromFen(const std::string& fen)
{
    const auto setup = Bench::ReadFen(fen);
    EXPECT_TRUE(setup.has_value()) << fen;
    return SearchBoard(setup->position, setup->sideToMove, setup->previousMove);
}

struct PerftCase {
    std::string fen;
    std::vector<std::uint64_t> counts; // depth 1, 2, ...
};

TEST(Perft, MatchesPublishedCounts)
{
    const std::vector<PerftCase> cases = {
        {std::string(Bench::StartFen), {20, 400, 8902, 197281, 4865609}},
        {Kiwipete, {48, 2039, 97862, 4085603}},
        {RookEndgame, {14, 191, 2812, 43238, 674624}},
        {Promotions4, {6, 264, 9467, 422333}},
        {Promotions5, {44, 1486, 62379}},
        {Middlegame, {46, 2079, 89890}},
    };
    for (const PerftCase& c : cases) {
        SearchBoard board = BoardFromFen(c.fen);
        for (std::size_t depth = 1; depth <= c.counts.size(); ++depth)
            EXPECT_EQ(Bench::Perft(board, static_cast<int>(depth)), c.counts[depth - 1])
                << c.fen << " depth " << depth;
        EXPECT_EQ(board.UndoCount(), 0);
    }
}

// Everything make and unmake may touch, so two states can be compared
// without comparing the unused undo records one by one.
struct BoardState {
    Position position;
    int sideToMove;
    BoardSupport::Move previousMove;
    int undoCount;
    std::vector<UndoRecord> records; // 1..undoCount+1 (the next must be blank)
    int whiteKing;
    int blackKing;

    explicit BoardState(const SearchBoard& board)
        : position(board.GetPosition()), sideToMove(board.SideToMove()),
          previousMove(board.PreviousMove()), undoCount(board.UndoCount()),
          whiteKing(board.KingSquare(MoveValidation::White)),
          blackKing(board.KingSquare(MoveValidation::Black))
    {
        for (int i = 1; i <= undoCount + 1; ++i)
            records.push_back(board.UndoAt(i));
    }
    bool operator==(const BoardState&) const = default;
};

int KingSquareOnBoard(const Position& position, MoveValidation::Colour colour)
{
    const auto& cells = position.squares.cells;
    const auto at = std::find(cells.begin(), cells.end(), MoveValidation::KingOf(colour));
    return at == cells.end() ? -1 : static_cast<int>(at - cells.begin());
}

// Walks the tree; at every node, checks what the make left behind and that
// the unmake restored the node exactly. Returns the number of nodes seen.
std::uint64_t WalkMakeUnmake(SearchBoard& board, int depth)
{
    const Position& position = board.GetPosition();
    const MoveValidation::Colour mover = board.SideToMove();
    // The checked side kept from move to move equals one worked out afresh,
    // and the king squares follow the kings.
    const int expectedChecked = MoveValidation::IsInCheck(position, mover) ? mover : -1;
    EXPECT_EQ(board.CheckedSide(), expectedChecked) << board.PreviousMove().Text();
    EXPECT_EQ(board.KingSquare(MoveValidation::White),
              KingSquareOnBoard(position, MoveValidation::White));
    EXPECT_EQ(board.KingSquare(MoveValidation::Black),
              KingSquareOnBoard(position, MoveValidation::Black));
    if (depth == 0 || ::testing::Test::HasFailure())
        return 1;

    SearchMoveList moves;
    board.GenerateMoves(moves);
    std::uint64_t nodes = 1;
    for (const SearchMove& move : moves) {
        const BoardState before(board);
        EXPECT_TRUE(board.MakeMove(move));
        EXPECT_EQ(board.UndoCount(), before.undoCount + 1);
        EXPECT_EQ(board.SideToMove(), MoveValidation::OtherColour(mover));
        nodes += WalkMakeUnmake(board, depth - 1);
        board.UnmakeMove();
        EXPECT_EQ(BoardState(board), before);
        if (::testing::Test::HasFailure())
            return nodes;
    }
    return nodes;
}

TEST(MakeUnmake, RestoresEveryNodeOfTheTree)
{
    for (const auto& [fen, depth] : std::vector<std::pair<std::string, int>>{
             {Kiwipete, 3}, {Promotions4, 3}, {RookEndgame, 4}, {Promotions5, 2}}) {
        SearchBoard board = BoardFromFen(fen);
        EXPECT_GT(WalkMakeUnmake(board, depth), 1000u) << fen;
    }
}

// ---- The player's path ------------------------------------------------------

using MoveSet = std::set<std::pair<int, int>>; // from and to square

// What the board window accepts: ValidateMove for the drop, then the move
// played on a copy (with the en passant pawn and the castling rook) and
// refused when it leaves the mover in check.
MoveSet PlayerMoves(const SearchBoard& board)
{
    using namespace MoveValidation;
    const Position& position = board.GetPosition();
    const Colour colour = board.SideToMove();
    const Move previous = board.PreviousMove();
    MoveSet accepted;
    for (int from = 0; from < 64; ++from) {
        const PieceCode piece = static_cast<PieceCode>(position.squares.cells[from]);
        if (!IsPieceOfColour(piece, colour))
            continue;
        const int fx = ColumnOf(from), fy = RowOf(from);
        for (int to = 0; to < 64; ++to) {
            if (to == from)
                continue;
            const int tx = ColumnOf(to), ty = RowOf(to);
            const PieceCode target = static_cast<PieceCode>(position.squares.cells[to]);
            const bool occupied = target != Empty;
            const Move move{{fx, fy}, {tx, ty}};
            if (!ValidateMove(position,
                              {colour, piece, move, occupied ? ToOccupiedSquare : ToEmptySquare},
                              position.checkedSide, previous,
                              occupied ? std::optional<PieceCode>(target) : std::nullopt))
                continue;
            Position trial = position;
            const EnPassantCapture enPassant = GetEnPassantCapture(position, move, previous, colour);
            if (enPassant.IsCapture())
                trial.squares(enPassant.column, enPassant.row) = Empty;
            const int castle = GetCastleType(position, colour, move);
            if (castle != NoCastle) {
                trial.squares(castle == QueenSideCastle ? 1 : 8, fy) = Empty;
                trial.squares.Set(castle == QueenSideCastle ? 4 : 6, fy, RookOf(colour));
            }
            trial.squares(fx, fy) = Empty;
            trial.squares.Set(tx, ty, piece);
            if (!IsInCheck(trial, colour))
                accepted.insert({from, to});
        }
    }
    return accepted;
}

MoveSet GeneratedMoves(const SearchMoveList& moves)
{
    MoveSet generated;
    for (const SearchMove& move : moves)
        generated.insert({SquareOf(move.fromColumn, move.fromRow), SquareOf(move.toColumn, move.toRow)});
    return generated;
}

// CountAttackers as the move rules define it: the pieces of the colour,
// other than one on the square, that ValidateMove lets take on it.
int RuleAttackers(const Position& position, MoveValidation::Colour colour, int square)
{
    using namespace MoveValidation;
    int count = 0;
    for (int from = 0; from < 64; ++from) {
        const PieceCode piece = static_cast<PieceCode>(position.squares.cells[from]);
        if (from != square && IsPieceOfColour(piece, colour)
            && ValidateMove(position,
                            {colour,
                             piece,
                             {{ColumnOf(from), RowOf(from)}, {ColumnOf(square), RowOf(square)}},
                             ToOccupiedSquare},
                            BoardSupport::NeitherColour, Move::None()))
            ++count;
    }
    return count;
}

void CheckAttackCounts(const SearchBoard& board)
{
    const AttackMap map = BuildAttackMap(board.Squares());
    for (const MoveValidation::Colour colour : {MoveValidation::White, MoveValidation::Black})
        for (int square = 0; square < 64; ++square) {
            const int count = board.CountAttackers(colour, {ColumnOf(square), RowOf(square)});
            EXPECT_EQ(count, RuleAttackers(board.GetPosition(), colour, square))
                << board.PreviousMove().Text() << " colour " << colour << " square " << square;
            EXPECT_EQ(map.Count(colour, square), count);
        }
}

// Every move of a position gets its own notation: the disambiguation tells
// apart all pieces that could go to one square.
void CheckNotationsDiffer(const SearchBoard& board, const SearchMoveList& moves)
{
    const Position& position = board.GetPosition();
    const MoveValidation::Colour colour = board.SideToMove();
    std::set<std::string> texts;
    for (const SearchMove& m : moves) {
        using namespace MoveValidation;
        const int piece = position.squares(m.fromColumn, m.fromRow);
        const CaptureMode capture =
            position.squares(m.toColumn, m.toRow) != 0 ? ToOccupiedSquare : ToEmptySquare;
        const Move move{{m.fromColumn, m.fromRow}, {m.toColumn, m.toRow}};
        const CastleType castle = GetCastleType(position, colour, move);
        const std::string text = BoardSupport::BuildMoveNotation(
            {colour, static_cast<PieceCode>(m.promotion ? m.promotion : piece), move, capture},
            position.squares, castle, board.PreviousMove(), {-1, false, false});
        EXPECT_TRUE(texts.insert(text).second) << text << " after " << board.PreviousMove().Text();
    }
}

struct AgreementCounts {
    int nodes = 0;
    int mates = 0;
    int stalemates = 0;
};

void CheckAgreement(SearchBoard& board, int depth, AgreementCounts& counts)
{
    using namespace MoveValidation;
    SearchMoveList moves;
    board.GenerateMoves(moves);
    ++counts.nodes;

    EXPECT_EQ(GeneratedMoves(moves), PlayerMoves(board)) << board.PreviousMove().Text();
    CheckNotationsDiffer(board, moves);

    const Position& position = board.GetPosition();
    const Colour colour = board.SideToMove();
    const Move previous = board.PreviousMove();
    EXPECT_EQ(board.HasLegalMove(), !moves.Empty());
    if (depth == 0)
        CheckAttackCounts(board);
    if (board.CheckedSide() == colour) {
        const CheckState state = GetCheckState(position, colour, true, position.checkedSide, previous);
        EXPECT_EQ(board.GetCheckState(true), state);
        EXPECT_EQ(board.GetCheckState(false), InCheck);
        EXPECT_EQ(state == Checkmate, moves.Empty()) << previous.Text();
        EXPECT_NE(state, NotInCheck);
        counts.mates += moves.Empty();
    } else {
        EXPECT_EQ(GetCheckState(position, colour, true, position.checkedSide, previous), NotInCheck);
        EXPECT_EQ(board.GetCheckState(true), NotInCheck);
        EXPECT_EQ(HasNoLegalMove(position, colour, previous, position.checkedSide), moves.Empty())
            << previous.Text();
        counts.stalemates += moves.Empty();
    }
    if (depth == 0 || ::testing::Test::HasFailure())
        return;
    for (const SearchMove& move : moves) {
        board.MakeMove(move);
        CheckAgreement(board, depth - 1, counts);
        board.UnmakeMove();
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(GeneratorAgreement, PlayerPathAcceptsExactlyTheGeneratedMoves)
{
    struct Tree {
        std::string fen;
        int depth;
        int mates;
    };
    // Castling and en passant, pins and discovered checks, promotions with
    // mates among them, and rooks and knights that share squares.
    for (const Tree& tree : {Tree{Kiwipete, 2, 0}, Tree{RookEndgame, 3, 0}, Tree{Promotions4, 3, 22},
                             Tree{Middlegame, 1, 0}}) {
        SearchBoard board = BoardFromFen(tree.fen);
        AgreementCounts counts;
        CheckAgreement(board, tree.depth, counts);
        EXPECT_EQ(counts.mates, tree.mates) << tree.fen;
    }
}

TEST(GeneratorAgreement, MateAndStalemateAgreeWithAnEmptyList)
{
    struct Case {
        const char* fen;
        bool mate;
        bool stalemate;
    };
    const Case cases[] = {
        {"7k/5Q2/6K1/8/8/8/8/8 b - -", false, true},     // king boxed in
        {"7k/7P/6K1/8/8/8/8/8 b - -", false, true},      // pawn on the king's file
        {"8/8/8/8/8/7p/7P/5k1K w - -", false, true},     // blocked pawn, boxed king
        {"6rk/5Npp/8/8/8/8/8/6K1 b - -", true, false},   // smothered
        {"4k3/8/8/8/8/8/5PPP/r5K1 w - -", true, false},  // back rank
        {"8/8/8/2k5/3Pp3/8/8/4K3 b - d3", false, false}, // en passant answers the check
        {"4k3/8/8/8/8/8/8/r3K2R w K -", false, false},   // in check: only king steps
    };
    for (const Case& c : cases) {
        SearchBoard board = BoardFromFen(c.fen);
        AgreementCounts counts;
        CheckAgreement(board, 0, counts);
        EXPECT_EQ(counts.mates, c.mate ? 1 : 0) << c.fen;
        EXPECT_EQ(counts.stalemates, c.stalemate ? 1 : 0) << c.fen;
    }
}

} // namespace
