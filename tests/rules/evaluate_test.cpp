// The heuristic evaluation: single weights one at a time, mate, the
// castling weights, the weights' text form, and the fast evaluation against
// the plain one over many positions.

#include "opponent_fixtures.h"
#include "reference_opponent.h"

#include "rules/evaluate.h"
#include "rules/heuristic_setting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace ComputerAI;
using namespace OpponentFixtures;

namespace {

struct SingleWeightCase {
    const char* what;
    const char* fen;
    const char* move;
    int index;
    int value;
    int before;
    int after;
};

const SingleWeightCase SingleWeightCases[] = {
    {"check", "4k3/8/8/8/8/8/8/R3K3 w - -", "a1a8", GoForCheck, 88, 0, 88},
    {"the opponent already in check", "4k3/8/8/8/8/8/8/r3K3 b - -", "e8d8", GoForCheck, 88, 88, 88},
    {"the opponent already mated", "6k1/8/8/8/8/8/6PP/r6K b - -", "g8f8", GoForCheck, 88, 1000, 1000},
    {"rook no longer attacked", "4k3/8/8/8/8/1n6/8/R3K3 w - -", "a1a2", LeaveVulnerable, -118, -118, 0},
    {"queen attacked by two", "4k3/8/8/8/8/1n6/8/Q1r1K3 w - -", "e1e2", LeaveVulnerable + 3, -171, -342,
     -342},
    {"knight guards a rook from its destination", "4k3/8/8/8/8/4N3/8/R3K3 w - -", "e3c2", ProtectPiece,
     68, 68, 68},
    {"a rook guards one it blocked, and itself", "4k3/8/8/8/8/8/8/2RR3K w - -", "c1a1", ProtectPiece, 68,
     68, 136},
    {"take a rook", "4k3/8/8/8/8/8/r7/R3K3 w - -", "a1a2", TakePiece, 70, 0, 70},
    {"take an undefended rook", "4k3/8/8/8/8/8/r7/R3K3 w - -", "a1a2", TakeUndefended, 142, 0, 142},
    {"take a defended rook", "4k3/8/8/8/8/8/rr6/R3K3 w - -", "a1a2", TakeUndefended, 142, 0, 0},
    {"rook onto an attacked, undefended square", "1r2k3/8/8/8/8/8/8/R3K3 w - -", "a1b1",
     AllowUndefendedTaken, -200, 0, -200},
    {"bishop pins a knight", "4k3/8/2n5/8/8/8/8/3BK3 w - -", "d1a4", PinWithBishop + 1, 11, 0, 11},
    {"rook pins a queen", "k7/q7/8/8/8/8/8/1R1QK3 w - -", "b1a1", PinWithRook + 3, 18, 0, 18},
    {"queen pins a pawn past another", "4k3/4p3/8/8/4p3/8/8/K3Q3 w - -", "e1e2", PinWithQueen + 4, 7, 7,
     7},
    {"queen pins a bishop", "4k3/3b4/8/8/8/2N5/8/3QK3 w - -", "d1a4", PinWithQueen + 2, 1, 0, 1},
    {"no pin from an attacked, undefended square", "4k3/3b4/8/8/8/8/8/3QK3 w - -", "d1a4",
     PinWithQueen + 2, 1, 0, 0},
    {"a promotion wins a queen", "7k/P7/8/8/8/8/8/K7 w - -", "a7a8", TakePiece + 3, 80, 0, 80},
    {"a promotion wins it undefended", "4k3/8/8/8/8/6K1/p7/8 b - -", "a2a1", TakeUndefended + 3, 200, 0,
     200},
    {"a promotion taking a rook", "1r2k3/P7/8/8/8/8/8/4K3 w - -", "a7b8", TakeUndefended + 3, 200, 0,
     200},
    {"a pawn short of promotion", "4k3/8/P7/8/8/8/8/4K3 w - -", "a6a7", TakePiece + 3, 80, 0, 0},
    {"move a knight", "4k3/8/8/8/8/8/8/1N2K3 w - -", "b1c3", MoveKnight, 52, 0, 52},
    {"move a king", "4k3/8/8/8/8/8/8/4K3 w - -", "e1d1", MoveKing, -20, 0, -20},
    {"closer to the king", "4k3/8/8/8/8/8/8/1N2K3 w - -", "b1c3", CloserToKing, 55, 0, 55},
    {"away from the king", "4k3/8/8/8/8/2N5/8/4K3 w - -", "c3b1", CloserToKing, 55, 0, -27},
    {"away, negative weight", "4k3/8/8/8/8/2N5/8/4K3 w - -", "c3b1", CloserToKing, -55, 0, 28},
    {"no opposing queen", "4k3/8/8/8/8/8/8/1N2K3 w - -", "b1c3", CloserToQueen, 51, 0, 0},
    {"closer to the queen", "4k3/8/8/8/3q4/8/8/1N2K3 w - -", "b1c3", CloserToQueen, 51, 0, 51},
    {"closer to the centre", "4k3/8/8/8/8/8/8/1N2K3 w - -", "b1c3", CloserToCentre, 30, 0, 30},
    {"away from the centre", "4k3/8/8/8/8/2N5/8/4K3 w - -", "c3b1", CloserToCentre, 30, 0, -15},
    {"castle", "4k3/8/8/8/8/8/8/4K2R w K -", "e1g1", PerformCastle, 148, 0, 148},
    {"king before it castled", "4k3/8/8/8/8/8/8/4K2R w K -", "e1g1", MoveKingBeforeCastled, -88, 0, -88},
    {"king that has moved", "4k3/8/8/8/8/8/8/4K2R w - -", "e1f1", MoveKingBeforeCastled, -88, 0, 0},
    {"one of two castling rooks", "4k3/8/8/8/8/8/8/R3K2R w KQ -", "a1b1", MoveCastlingRook, -40, 0, -40},
    {"the last castling rook", "4k3/8/8/8/8/8/8/R3K2R w Q -", "a1b1", MoveLastCastlingRook, -58, 0, -58},
    {"a rook that cannot castle", "4k3/8/8/8/8/8/8/R3K2R w K -", "a1b1", MoveCastlingRook, -40, 0, 0},
    {"a rook off its corner", "4k3/8/8/8/8/R7/8/R3K3 w Q -", "a3b3", MoveLastCastlingRook, -58, 0, 0},
    {"a rook a pawn became", "4k2r/8/8/8/8/8/K7/7r b k -", "h1h3", MoveLastCastlingRook, -58, 0, 0},
};

TEST(EvaluateMove, EachWeightOnItsOwn)
{
    for (const SingleWeightCase& c : SingleWeightCases) {
        SCOPED_TRACE(c.what);
        SearchBoard board = FromFen(c.fen);
        const SearchBoard untouched = board;
        const Support::HeuristicWeights weights = Only(c.index, c.value);
        const SearchMove move = Move(c.move);
        EXPECT_EQ(EvaluateMove(board, move, false, weights), c.before);
        EXPECT_EQ(EvaluateMove(board, move, true, weights), c.after);
        EXPECT_EQ(Reference::Evaluate(board, move, false, weights), c.before);
        EXPECT_EQ(Reference::Evaluate(board, move, true, weights), c.after);
        EXPECT_EQ(board, untouched);
    }
}

TEST(EvaluateMove, MateIsExactlyAThousandAfterTheMove)
{
    const char* mates[][2] = {
        {"6k1/5ppp/8/8/8/8/8/R5K1 w - -", "a1a8"}, // back rank
        {"6rk/6pp/8/6N1/8/8/8/6K1 w - -", "g5f7"}, // smothered
        {"7k/8/6K1/8/8/8/8/Q7 w - -", "a1a8"},     // queen along the back rank
        {"k7/8/1K6/8/8/8/8/7R w - -", "h1h8"},
    };
    Support::HeuristicWeights scrambled{};
    for (int i = 0; i < Support::HeuristicCount; ++i)
        scrambled[i] = static_cast<std::int16_t>((i * 37) % 401 - 200);
    for (const auto& [fen, text] : mates) {
        SCOPED_TRACE(fen);
        SearchBoard board = FromFen(fen);
        for (const auto& weights : {Support::FactoryHeuristics, scrambled, NoWeights()})
            EXPECT_EQ(EvaluateMove(board, Move(text), true, weights), MateScore);
    }
}

TEST(EvaluateMove, NoWeightsScoreNothing)
{
    for (const char* fen :
         {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
          "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6", "8/2P3k1/8/8/8/8/5p2/K7 b - -"}) {
        SearchBoard board = FromFen(fen);
        SearchMoveList moves;
        board.GenerateMoves(moves, Promotions::QueenOnly);
        ASSERT_FALSE(moves.Empty());
        const WeightTables none(NoWeights());
        MoveScorer scorer(board, none);
        for (const SearchMove& m : moves) {
            EXPECT_EQ(scorer.Before(m), 0);
            EXPECT_EQ(scorer.After(m), 0);
        }
    }
}

TEST(EvaluateMove, CastlingNoLongerScoresAgainstItself)
{
    // With only the castle weight, castling is the best move, not the worst.
    SearchBoard board = FromFen("r3k2r/pppq1ppp/2npbn2/2b1p3/2B1P3/2NPBN2/PPPQ1PPP/R3K2R w KQkq -");
    const WeightTables weights(Only(PerformCastle, 148));
    MoveScorer scorer(board, weights);
    SearchMoveList moves;
    board.GenerateMoves(moves, Promotions::QueenOnly);
    for (const SearchMove& m : moves) {
        const bool castles = m.fromColumn == 5 && m.fromRow == 1 && (m.toColumn == 3 || m.toColumn == 7);
        EXPECT_EQ(scorer.Own(m), castles ? 148 : 0);
    }
}

TEST(EvaluateMove, WeightGroupsByPieceCode)
{
    const int values[13] = {0, 1, 2, 3, 4, 0, 5, 1, 2, 3, 4, 0, 5};
    for (int code = 0; code <= 12; ++code)
        EXPECT_EQ(PieceTypeValue(code, 1, 2, 3, 4, 5), values[code]) << code;
    EXPECT_EQ(PieceTypeValue(13, 1, 2, 3, 4, 5), 0);
    EXPECT_EQ(PieceTypeValue(-1, 1, 2, 3, 4, 5), 0);
}

TEST(Heuristics, FactoryTextRoundTrips)
{
    const std::string text = Support::HeuristicsToText(Support::FactoryHeuristics);
    EXPECT_EQ(text.rfind("88;-118;-39;-51;-171;0;68;", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 16), ";-58;-40;-88;148");
    EXPECT_EQ(std::count(text.begin(), text.end(), ';'), 53);
    EXPECT_EQ(Support::HeuristicsFromSetting(text), Support::FactoryHeuristics);
    EXPECT_EQ(Support::HeuristicsFromSetting(""), Support::FactoryHeuristics);
    EXPECT_EQ(Support::HeuristicsFromSetting("1;2;3"), Support::FactoryHeuristics);
    Support::HeuristicWeights weights{};
    Support::SetDefaultHeuristics(weights);
    EXPECT_EQ(weights, Support::FactoryHeuristics);
}

TEST(Heuristics, TextWeightsAreClampedToTheEditorRange)
{
    Support::HeuristicWeights wild = Support::FactoryHeuristics;
    wild[0] = 300;
    wild[4] = -32768;
    wild[53] = 32767;
    const Support::HeuristicWeights loaded =
        Support::HeuristicsFromSetting(Support::HeuristicsToText(wild));
    EXPECT_EQ(loaded[0], 200);
    EXPECT_EQ(loaded[4], -200);
    EXPECT_EQ(loaded[53], 200);
    EXPECT_EQ(loaded[1], -118);
}

// ---- The fast evaluation against the plain one -----------------------------

// Positions met along random games from a few starting points (captures,
// checks, castling, en passant and promotions all turn up), with every
// legal move of each scored both ways.
void ExpectSameAsReference(const std::string& fen, int plies, std::mt19937& random,
                           const Support::HeuristicWeights& weights, int& compared)
{
    SearchBoard board = FromFen(fen);
    const WeightTables tables(weights);
    for (int ply = 0; ply < plies; ++ply) {
        SearchMoveList moves;
        board.GenerateMoves(moves, Promotions::QueenOnly);
        if (moves.Empty())
            return;
        const SearchBoard untouched = board;
        MoveScorer scorer(board, tables);
        for (const SearchMove& m : moves) {
            const int before = Reference::Evaluate(board, m, false, weights);
            const int after = Reference::Evaluate(board, m, true, weights);
            ASSERT_EQ(scorer.Before(m), before) << fen << " ply " << ply << " move " << int(m.fromColumn)
                                                << int(m.fromRow) << int(m.toColumn) << int(m.toRow);
            ASSERT_EQ(scorer.After(m), after) << fen << " ply " << ply << " move " << int(m.fromColumn)
                                              << int(m.fromRow) << int(m.toColumn) << int(m.toRow);
            ++compared;
        }
        ASSERT_EQ(board, untouched);
        for (const MoveValidation::Colour colour : {MoveValidation::White, MoveValidation::Black})
            for (int row = 1; row <= 8; ++row)
                for (int column = 1; column <= 8; ++column)
                    if (MoveValidation::IsPieceOfColour(board.Squares()(column, row), colour)) {
                        ASSERT_EQ(
                            ScorePins(board.Squares(), tables, colour, {column, row}),
                            Reference::ScorePins(board.GetPosition(), colour, column, row, weights));
                    }
        board.MakeMove(moves[static_cast<int>(random() % moves.Count())]);
    }
}

const char* const Starts[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
    "r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq -",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -",
    "6k1/1P3ppp/8/3pP3/8/8/5PPP/2r3K1 w - d6",
    // En passant captures that open or close lines, and mates in one.
    "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6",
    "4k3/8/8/2b5/1PpP4/8/4Q3/R3K3 b Q d3",
    "7k/8/8/r2pP2K/8/8/8/8 w - d6",
    "3r2k1/8/8/8/2Pp4/8/3R4/3K4 b - c3",
    "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - -",
    "r1b1kb1r/pppp1ppp/5q2/4n3/3KP3/2N3PN/PPP4P/R1BQ1B1R b kq -",
};

TEST(EvaluateMove, FastEqualsPlainWithFactoryWeights)
{
    std::mt19937 random(12345);
    int compared = 0;
    for (const char* fen : Starts)
        for (int game = 0; game < 3; ++game)
            ExpectSameAsReference(fen, 14, random, Support::FactoryHeuristics, compared);
    EXPECT_GT(compared, 5000);
}

TEST(EvaluateMove, FastEqualsPlainWithRandomWeights)
{
    std::mt19937 random(777);
    std::uniform_int_distribution<int> weight(-200, 200);
    int compared = 0;
    for (const char* fen : Starts)
        for (int game = 0; game < 3; ++game) {
            Support::HeuristicWeights weights{};
            for (auto& w : weights)
                w = static_cast<std::int16_t>(weight(random));
            ExpectSameAsReference(fen, 10, random, weights, compared);
        }
    EXPECT_GT(compared, 5000);
}

} // namespace
