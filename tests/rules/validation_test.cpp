#include "rules/validation.h"

#include "board_builder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace BoardSupport;
using namespace MoveValidation;
using TestBoards::Board;

namespace {

// A move as the board window hands it over: from and to squares in the
// usual letters, whether it was dropped on a piece (then the target is that
// piece, as a drop names it).
struct MoveCase {
    const char* name;
    const char* pieces;
    Colour colour;
    const char* from;
    const char* to;
    int checkedSide;
    const char* previousMove;
    Refusal expected;
};

int Column(const char* square)
{
    return square[0] - 'a' + 1;
}
int Row(const char* square)
{
    return square[1] - '0';
}
Square At(const char* square)
{
    return {Column(square), Row(square)};
}

// Squares off the board are written with a "z" file or a "9" row.
Refusal Judge(const MoveCase& c, bool nameTarget = true)
{
    const Position position = Board(c.pieces);
    const int fromColumn = Column(c.from);
    const int fromRow = Row(c.from);
    const int toColumn = Column(c.to);
    const int toRow = Row(c.to);
    const PieceCode piece = position.squares.At({fromColumn, fromRow});
    const bool onBoard = BoardSquares::OnBoard(toColumn, toRow);
    const PieceCode target = onBoard ? position.squares.At({toColumn, toRow}) : Empty;
    const CaptureMode captureMode = target != Empty ? ToOccupiedSquare : ToEmptySquare;
    const PieceMove pieceMove{c.colour, piece, {{fromColumn, fromRow}, {toColumn, toRow}}, captureMode};
    const std::optional<PieceCode> named =
        nameTarget && target != Empty ? std::optional<PieceCode>(target) : std::nullopt;

    Refusal refusal = Refusal::PawnNotAdjacent; // anything but the answer
    const bool allowed = ValidateMove(position, pieceMove, c.checkedSide, Move::FromText(c.previousMove),
                                      named, &refusal);
    EXPECT_EQ(allowed, refusal == Refusal::None);
    EXPECT_EQ(ValidateMove(position, pieceMove, c.checkedSide, Move::FromText(c.previousMove), named),
              allowed)
        << "the silent call must agree";
    EXPECT_EQ(position, Board(c.pieces)) << "validation changed the position";
    return refusal;
}

constexpr int N = NoSideChecked;

const MoveCase MoveCases[] = {
    // Every refusal.
    {"off the board", "Ra1 Ke1 ke8", White, "a1", "z1", N, "0000", Refusal::OffBoard},
    {"off the top", "Ra1 Ke1 ke8", White, "a1", "a9", N, "0000", Refusal::OffBoard},
    {"black onto black", "ra8 pa7 ke8 Ke1", Black, "a8", "a7", N, "0000", Refusal::OwnPieceBlack},
    {"white onto white", "Ra1 Pa2 Ke1 ke8", White, "a1", "a2", N, "0000", Refusal::OwnPieceWhite},
    {"taking a king", "Ra1 Ke2 ka8", White, "a1", "a8", N, "0000", Refusal::KingCapture},
    {"rook diagonal", "Ra1 Ke1 ke8", White, "a1", "b2", N, "0000", Refusal::RookLine},
    {"rook blocked", "Ra1 Pa2 Ke1 ke8", White, "a1", "a4", N, "0000", Refusal::RookLine},
    {"bishop straight", "Bc1 Ke1 ke8", White, "c1", "c3", N, "0000", Refusal::BishopLine},
    {"bishop blocked", "Bc1 Pd2 Ke1 ke8", White, "c1", "e3", N, "0000", Refusal::BishopLine},
    {"queen crooked", "Qd1 Ke1 ke8", White, "d1", "e3", N, "0000", Refusal::QueenLine},
    {"queen to an empty h5", "Qd1 Ke1 ke8", White, "d1", "h5", N, "0000", Refusal::None},
    {"knight straight", "Nb1 Ke1 ke8", White, "b1", "b3", N, "0000", Refusal::KnightShape},
    {"king crooked", "Ke1 ke8", White, "e1", "g2", N, "0000", Refusal::KingLine},
    {"king two rows", "Ke1 ke8", White, "e1", "e3", N, "0000", Refusal::KingRowDistance},
    {"castling onto a piece", "Ke1 Rh1 ng1 ke8", White, "e1", "g1", N, "0000", Refusal::CastleOntoPiece},
    {"king two columns off home", "Ke2 ke8", White, "e2", "g2", N, "0000", Refusal::NotCastling},
    {"castling in check", "Ke1 Rh1 ke8", White, "e1", "g1", White, "0000", Refusal::CastleOutOfCheck},
    {"castling through attack", "Ke1 Rh1 ke8 rf8", White, "e1", "g1", N, "0000",
     Refusal::CastlePassageAttacked},
    {"pawn backwards", "Pe4 Ke1 ke8", White, "e4", "e3", N, "0000", Refusal::PawnBackwards},
    {"black pawn backwards", "pe5 Ke1 ke8", Black, "e5", "e6", N, "0000", Refusal::PawnBackwards},
    {"pawn diagonal to empty", "Pe4 Ke1 ke8", White, "e4", "d5", N, "0000",
     Refusal::PawnDiagonalNoEnPassant},
    {"pawn three rows", "Pe2 Ke1 ke8", White, "e2", "e5", N, "0000", Refusal::PawnTooFar},
    {"pawn two rows after moving", "Pe3 Ke1 ke8", White, "e3", "e5", N, "0000",
     Refusal::PawnAlreadyMoved},
    {"pawn jumping", "Pe2 ne3 Ke1 ke8", White, "e2", "e4", N, "0000", Refusal::PawnJump},
    {"black pawn jumping", "pd7 Nd6 Ke1 ke8", Black, "d7", "d5", N, "0000", Refusal::PawnJump},
    {"pawn taking straight", "Pe4 pe5 Ke1 ke8", White, "e4", "e5", N, "0000",
     Refusal::PawnStraightCapture},
    {"pawn taking far", "Pe4 pg5 Ke1 ke8", White, "e4", "g5", N, "0000", Refusal::PawnNotAdjacent},

    // Several faults at once: the earliest test decides.
    {"own king: own piece first", "Ra1 Ka2 ke8", White, "a1", "a2", N, "0000", Refusal::OwnPieceWhite},
    {"black onto its own king", "ra8 ka7 Ke1", Black, "a8", "a7", N, "0000", Refusal::OwnPieceBlack},
    {"empty from square onto a white piece", "Pa2 Ke1 ke8", White, "a1", "a2", N, "0000",
     Refusal::OwnPieceWhite},
    {"own piece before a blocked line", "Ra1 Pa2 Pa5 Ke1 ke8", White, "a1", "a5", N, "0000",
     Refusal::OwnPieceWhite},
    {"king capture before a blocked line", "Ra1 Pa2 ka8 Ke1", White, "a1", "a8", N, "0000",
     Refusal::KingCapture},
    {"king line before row distance", "Ke1 Pe2 ke8", White, "e1", "e3", N, "0000", Refusal::KingLine},
    {"castling onto a piece before castling type", "Ke1 ng1 ke8", White, "e1", "g1", N, "0000",
     Refusal::CastleOntoPiece},
    {"no castling move before check", "Ke1 ke8", White, "e1", "g1", White, "0000", Refusal::NotCastling},
    {"in check before the passage", "Ke1 Rh1 ke8 rf8", White, "e1", "g1", White, "0000",
     Refusal::CastleOutOfCheck},
    {"pawn backwards before capture tests", "Pe4 pd3 Ke1 ke8", White, "e4", "d3", N, "0000",
     Refusal::PawnBackwards},
    {"pawn already moved before the jump", "Pe3 ne4 Ke1 ke8", White, "e3", "e5", N, "0000",
     Refusal::PawnAlreadyMoved},
    {"pawn sideways onto empty", "Pe4 Ke1 ke8", White, "e4", "f4", N, "0000",
     Refusal::PawnDiagonalNoEnPassant},
    {"pawn sideways capture", "Pe4 pf4 Ke1 ke8", White, "e4", "f4", N, "0000",
     Refusal::PawnStraightCapture},

    // Allowed moves.
    {"rook along a file", "Ra1 Ke1 ke8", White, "a1", "a7", N, "0000", Refusal::None},
    {"rook takes", "Ra1 na7 Ke1 ke8", White, "a1", "a7", N, "0000", Refusal::None},
    {"bishop diagonal", "Bc1 Ke1 ke8", White, "c1", "h6", N, "0000", Refusal::None},
    {"queen diagonal", "Qd1 Ke1 ke8", White, "d1", "h5", N, "0000", Refusal::None},
    {"knight jumps", "Nb1 Pc2 Pd2 Ke1 ke8", White, "b1", "c3", N, "0000", Refusal::None},
    {"black knight takes", "ng8 Pf6 Ke1 ke8", Black, "g8", "f6", N, "0000", Refusal::None},
    {"king steps", "Ke1 ke8", White, "e1", "f2", N, "0000", Refusal::None},
    {"king steps into check (caller's test)", "Ke1 ke8 rf8", White, "e1", "f1", N, "0000",
     Refusal::None},
    {"pawn one", "Pe2 Ke1 ke8", White, "e2", "e3", N, "0000", Refusal::None},
    {"pawn two", "Pe2 Ke1 ke8", White, "e2", "e4", N, "0000", Refusal::None},
    {"black pawn two", "pd7 Ke1 ke8", Black, "d7", "d5", N, "0000", Refusal::None},
    {"pawn takes", "Pe4 pd5 Ke1 ke8", White, "e4", "d5", N, "0000", Refusal::None},
    {"pawn takes en passant", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", N, "4745", Refusal::None},
    {"castling", "Ke1 Rh1 ke8", White, "e1", "g1", N, "0000", Refusal::None},
    {"black castling long", "ke8 ra8 Ke1", Black, "e8", "c8", N, "0000", Refusal::None},
    {"castling with the other side checked", "Ke1 Rh1 ke8", White, "e1", "g1", Black, "0000",
     Refusal::None},
};

TEST(ValidateMove, RefusalTable)
{
    std::set<Refusal> seen;
    for (const MoveCase& c : MoveCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Judge(c), c.expected);
        seen.insert(c.expected);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(RefusalCount)) << "a refusal has no case";
}

TEST(ValidateMove, WithoutATargetOnlyTheLineCounts)
{
    // Capture mode 1 but no target named: the rook may end on its own piece
    // or the king; this is how attack tests ask.
    const MoveCase ownPiece = {"", "Ra1 Pa5 Ke1 ke8", White, "a1", "a5", N, "0000", Refusal::None};
    EXPECT_EQ(Judge(ownPiece, false), Refusal::None);
    const MoveCase king = {"", "Ra1 Ke2 ka8", White, "a1", "a8", N, "0000", Refusal::None};
    EXPECT_EQ(Judge(king, false), Refusal::None);
}

TEST(ValidateMove, QueenLineAndCaptureMode)
{
    const Position position = Board("Qd1 nh5 Ke1 ke8");
    EXPECT_FALSE(
        ValidateMove(position, {White, WhiteQueen, {{4, 1}, {8, 5}}, ToEmptySquare}, N, Move::None()));
    EXPECT_TRUE(ValidateMove(position, {White, WhiteQueen, {{4, 1}, {8, 5}}, ToOccupiedSquare}, N,
                             Move::None()));
}

TEST(ValidateMove, AnEmptyFromSquarePasses)
{
    const Position position = Board("Ke1 ke8");
    EXPECT_TRUE(
        ValidateMove(position, {White, Empty, {{3, 3}, {6, 7}}, ToEmptySquare}, N, Move::None()));
    EXPECT_FALSE(
        ValidateMove(position, {White, Empty, {{3, 3}, {0, 7}}, ToEmptySquare}, N, Move::None()));
}

// Castling: the king's passage square is tested, its destination is not,
// and the rook must still stand on its corner whatever the flags say.
TEST(Castling, Table)
{
    struct Case {
        const char* name;
        const char* pieces;
        Colour colour;
        const char* to;
        int castleType;
        Refusal expected;
    };
    const Case cases[] = {
        {"king side", "Ke1 Rh1 ke8", White, "g1", KingSideCastle, Refusal::None},
        {"queen side", "Ke1 Ra1 ke8", White, "c1", QueenSideCastle, Refusal::None},
        {"black king side", "ke8 rh8 Ke1", Black, "g8", KingSideCastle, Refusal::None},
        {"black queen side", "ke8 ra8 Ke1", Black, "c8", QueenSideCastle, Refusal::None},
        {"f1 attacked", "Ke1 Rh1 ke8 rf8", White, "g1", KingSideCastle, Refusal::CastlePassageAttacked},
        {"g1 attacked only", "Ke1 Rh1 ke8 rg8", White, "g1", KingSideCastle, Refusal::None},
        {"d1 attacked", "Ke1 Ra1 ke8 rd8", White, "c1", QueenSideCastle, Refusal::CastlePassageAttacked},
        {"b1 attacked only", "Ke1 Ra1 ke8 rb8", White, "c1", QueenSideCastle, Refusal::None},
        {"b1 occupied", "Ke1 Ra1 Nb1 ke8", White, "c1", NoCastle, Refusal::NotCastling},
        {"f1 occupied", "Ke1 Rh1 Bf1 ke8", White, "g1", NoCastle, Refusal::KingLine},
        {"no rook", "Ke1 ke8", White, "g1", NoCastle, Refusal::NotCastling},
        {"king three columns", "Ke1 Ra1 ke8", White, "b1", NoCastle, Refusal::NotCastling},
        {"black king side attacked", "ke8 rh8 Ke1 Rf1", Black, "g8", KingSideCastle,
         Refusal::CastlePassageAttacked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Position position = Board(c.pieces);
        const int home = HomeRow(c.colour);
        const Move move{{5, home}, At(c.to)};
        EXPECT_EQ(GetCastleType(position, c.colour, move), c.castleType);
        Refusal refusal = Refusal::None;
        ValidateMove(position, {c.colour, KingOf(c.colour), move, ToEmptySquare}, N, Move::None(),
                     std::nullopt, &refusal);
        EXPECT_EQ(refusal, c.expected);
        EXPECT_EQ(position, Board(c.pieces));
    }
}

TEST(Castling, FlagsForbidIt)
{
    Position position = Board("Ke1 Ra1 Rh1 ke8");
    position.castleFlags(White, CastleKing) = true;
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {7, 1}}), NoCastle);
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {3, 1}}), NoCastle);

    position = Board("Ke1 Ra1 Rh1 ke8");
    position.castleFlags(White, KingSideRook) = true;
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {7, 1}}), NoCastle);
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {3, 1}}), QueenSideCastle);
}

TEST(Castling, AStaleFlagWithoutItsRookIsNoCastling)
{
    // The rook was taken on h1 by a knight: the flag still says unmoved.
    Position position = Board("Ke1 Rh1 ke8");
    position.squares(8, 1) = BlackKnight;
    ASSERT_FALSE(position.castleFlags(White, KingSideRook));
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {7, 1}}), NoCastle);
    position.squares(8, 1) = Empty;
    EXPECT_EQ(GetCastleType(position, White, {{5, 1}, {7, 1}}), NoCastle);
}

TEST(EnPassant, Table)
{
    struct Case {
        const char* name;
        const char* pieces;
        Colour colour;
        const char* from;
        const char* to;
        const char* previousMove;
        const char* answer;
    };
    const Case cases[] = {
        {"after d7-d5", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "4745", "4;5"},
        {"black after c2-c4", "pd4 Pc4 Ke1 ke8", Black, "d4", "c3", "3234", "3;4"},
        {"after a single step", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "4645", "0"},
        {"other file moved", "Pe5 pd5 pf5 Ke1 ke8", White, "e5", "d6", "6765", "0"},
        {"no previous move", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "0000", "0"},
        {"previous move blank", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "", "0"},
        {"previous move from row 9", "Pe7 pd7 Ke1 kh8", White, "e7", "d8", "4947", "0"},
        {"previous move not digits", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "4x45", "0"},
        {"previous move too long", "Pe5 pd5 Ke1 ke8", White, "e5", "d6", "47450", "0"},
        {"passed square not a pawn", "Pe5 nd5 Ke1 ke8", White, "e5", "d6", "4745", "0"},
        {"mover not a pawn", "Ne5 pd5 Ke1 ke8", White, "e5", "d6", "4745", "0"},
        {"wrong row for the mover", "Pe4 pd5 Ke1 ke8", White, "e4", "d5", "4745", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Position position = Board(c.pieces);
        const Move move{At(c.from), At(c.to)};
        const EnPassantCapture capture =
            GetEnPassantCapture(position, move, Move::FromText(c.previousMove), c.colour);
        EXPECT_EQ(capture.Text(), c.answer);

        // The diagonal step onto the empty square stands or falls with it.
        const PieceCode piece = position.squares.At(At(c.from));
        if (IsPawn(piece)) {
            Refusal refusal = Refusal::None;
            ValidateMove(position, {c.colour, piece, move, ToEmptySquare}, N,
                         Move::FromText(c.previousMove), std::nullopt, &refusal);
            EXPECT_EQ(refusal, capture.IsCapture() ? Refusal::None : Refusal::PawnDiagonalNoEnPassant);
        }
    }
}

TEST(IsPathClear, LineKinds)
{
    const Position position = Board("Ke1 ke8 Pc3");
    EXPECT_TRUE(IsPathClear(position, {{1, 1}, {1, 8}}, StraightLine, ToEmptySquare));
    EXPECT_FALSE(IsPathClear(position, {{1, 1}, {2, 3}}, AnyLine, ToEmptySquare));
    EXPECT_FALSE(IsPathClear(position, {{1, 1}, {4, 4}}, DiagonalLine, ToEmptySquare)); // c3 blocks
    EXPECT_TRUE(IsPathClear(position, {{1, 1}, {3, 3}}, DiagonalLine, ToOccupiedSquare));
    EXPECT_FALSE(IsPathClear(position, {{1, 1}, {3, 3}}, DiagonalLine, ToEmptySquare));
    EXPECT_FALSE(IsPathClear(position, {{1, 1}, {8, 2}}, StraightLine, ToEmptySquare));
}

TEST(RefusalNotes, EveryRefusalHasItsNote)
{
    EXPECT_TRUE(NoteFor(Refusal::None).text.empty());
    for (int code = 1; code < RefusalCount; ++code) {
        const RefusalNote& note = NoteFor(static_cast<Refusal>(code));
        EXPECT_FALSE(note.text.empty()) << code;
        EXPECT_EQ(note.soundCue, code == static_cast<int>(Refusal::OffBoard) ? 6 : 5) << code;
    }
    EXPECT_EQ(NoteFor(Refusal::OffBoard).caption, "Marrowdale information");
    EXPECT_EQ(NoteFor(Refusal::OffBoard).text, "Dropping a piece of the board won't help.");
    EXPECT_EQ(NoteFor(Refusal::OwnPieceWhite).text, "You cant take your own pieces.");
    EXPECT_EQ(NoteFor(Refusal::KingLine).caption, "Move validation");
    EXPECT_EQ(NoteFor(Refusal::PawnNotAdjacent).caption, "Illegal move");
    EXPECT_EQ(NoteFor(Refusal::PawnDiagonalNoEnPassant).text,
              "You can only move a Pawn diagonally when performing an En Passon manouver.");
}

} // namespace
