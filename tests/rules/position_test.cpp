#include "rules/check.h"
#include "rules/notation.h"
#include "rules/position.h"
#include "rules/validation.h"

#include "board_builder.h"

#include <gtest/gtest.h>

#include <string>

using namespace BoardSupport;
using namespace MoveValidation;
using TestBoards::Board;
using TestBoards::Squares;

namespace {

TEST(PositionString, StartAndEmptyBoardsRoundTrip)
{
    const Position start = StartPosition();
    EXPECT_EQ(FormatPositionString(start.squares), StartPositionString);
    EXPECT_EQ(start.squares(1, 1), WhiteRook);
    EXPECT_EQ(start.squares(5, 1), WhiteKing);
    EXPECT_EQ(start.squares(4, 8), BlackQueen);
    EXPECT_EQ(start.squares(8, 7), BlackPawn);
    EXPECT_EQ(start.checkedSide, NoSideChecked);
    for (int flag = 0; flag < 6; ++flag)
        EXPECT_FALSE(start.castleFlags.moved[flag]);

    Position empty = start;
    InitialiseNewBoard(empty, true);
    EXPECT_EQ(FormatPositionString(empty.squares), EmptyBoardString);
    EXPECT_EQ(empty.squares, BoardSquares{});
    EXPECT_EQ(empty.castleFlags, CastleFlags{}); // all six True
    EXPECT_EQ(empty.checkedSide, NoSideChecked);
}

TEST(PositionString, EveryCodeOnEverySquareRoundTrips)
{
    BoardSquares squares;
    for (int i = 0; i < 64; ++i)
        squares.cells[i] = static_cast<std::int8_t>((i * 5) % 13);
    const std::string text = FormatPositionString(squares);
    ASSERT_EQ(text.size(), 135u);
    ASSERT_TRUE(IsWellFormedPositionString(text));
    EXPECT_EQ(ParsePositionString(text), squares);
    EXPECT_EQ(FormatPositionString(*ParsePositionString(text)), text);
}

TEST(PositionString, CellsAreStoredColumnFastestFromA1)
{
    const BoardSquares squares = Squares("Ra1 Nh1 qa8 kh8 Pe2");
    EXPECT_EQ(squares.cells[0], WhiteRook);
    EXPECT_EQ(squares.cells[7], WhiteKnight);
    EXPECT_EQ(squares.cells[56], BlackQueen);
    EXPECT_EQ(squares.cells[63], BlackKing);
    EXPECT_EQ(squares.cells[BoardSquares::IndexOf(5, 2)], WhitePawn);
    EXPECT_EQ(FormatPositionString(squares).substr(0, 16), "0100000000000002");
}

TEST(PositionString, EmptyTextMeansTheStartPosition)
{
    EXPECT_EQ(ParsePositionString(""), StartPosition().squares);
    Position position;
    ASSERT_TRUE(InitialiseBoard(position, ""));
    EXPECT_EQ(position, StartPosition());
}

TEST(PositionString, MalformedTextIsRejectedAndLeavesThePositionAlone)
{
    const std::string start(StartPositionString);
    const std::string malformed[] = {
        start.substr(0, 134),                          // one character short
        start + ";",                                   // trailing separator
        start.substr(0, 118),                          // seven groups
        start + ";0000000000000000",                   // nine groups
        "13" + start.substr(2),                        // code above 12
        "99" + start.substr(2),                        // far above 12
        "0a" + start.substr(2),                        // not a digit
        " 1" + start.substr(2),                        // blank inside a code
        "-1" + start.substr(2),                        // sign
        start.substr(0, 16) + "," + start.substr(17),  // wrong separator
        start.substr(0, 15) + ";0" + start.substr(17), // groups of 15 and 17
        " " + start,                                   // leading blank
        start + "\n",                                  // line end
        "garbage",
    };
    for (const std::string& text : malformed) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsWellFormedPositionString(text));
        EXPECT_FALSE(ParsePositionString(text).has_value());
        EXPECT_FALSE(PositionFromString(text).has_value());

        Position position = Board("Ke1 ke8 Pd4");
        const Position before = position;
        EXPECT_FALSE(InitialiseBoard(position, text));
        EXPECT_EQ(position, before);
    }
}

TEST(InitialiseBoard, CastlingRightsComeFromTheSquares)
{
    const Position position = Board("Ke1 Rh1 ra8 ke7 rh8");
    EXPECT_TRUE(position.castleFlags(White, QueenSideRook)); // nothing on a1
    EXPECT_FALSE(position.castleFlags(White, CastleKing));
    EXPECT_FALSE(position.castleFlags(White, KingSideRook));
    EXPECT_FALSE(position.castleFlags(Black, QueenSideRook));
    EXPECT_TRUE(position.castleFlags(Black, CastleKing)); // king off e8
    EXPECT_FALSE(position.castleFlags(Black, KingSideRook));

    // A piece of the other colour on a home square gives no right.
    const CastleFlags swapped = CastleFlagsFromSquares(Squares("ra1 ke1 kh1 Ra8 Ke8"));
    for (int flag = 0; flag < 6; ++flag)
        EXPECT_TRUE(swapped.moved[flag]);
}

TEST(InitialiseBoard, CheckedSideTestsWhiteFirst)
{
    struct Case {
        const char* pieces;
        int checkedSide;
    };
    const Case cases[] = {
        {"Ke1 ke8 re5", White},
        {"Ke1 ke8 Re5 Ra1", Black},
        {"Ke1 ke8 Ra8 re5", White}, // both attacked: White counts
        {"Ke1 ke8 Ra2 rh7", NoSideChecked},
        {"", NoSideChecked}, // no kings at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieces);
        EXPECT_EQ(Board(c.pieces).checkedSide, c.checkedSide);
    }
}

TEST(FindPiece, FindsTheLowestRowThenColumnAndLeavesMissesAlone)
{
    const BoardSquares squares = Squares("Rh1 Rb2 Ra3 ke8");
    Square square;
    ASSERT_TRUE(FindPiece(squares, WhiteRook, square));
    EXPECT_EQ(square.column, 8);
    EXPECT_EQ(square.row, 1);

    square = {42, 43};
    EXPECT_FALSE(FindPiece(squares, BlackQueen, square));
    EXPECT_EQ(square.column, 42);
    EXPECT_EQ(square.row, 43);
}

TEST(SquareShade, A1IsDark)
{
    EXPECT_EQ(GetSquareShade(1, 1), 8);
    EXPECT_EQ(GetSquareShade(2, 1), 0);
    EXPECT_EQ(GetSquareShade(1, 2), 0);
    EXPECT_EQ(GetSquareShade(2, 2), 8);
    EXPECT_EQ(GetSquareShade(8, 8), 8);
    EXPECT_EQ(GetSquareShade(8, 1), 0);
}

TEST(PiecePredicates, RangesByColour)
{
    EXPECT_FALSE(IsWhitePiece(0));
    EXPECT_FALSE(IsBlackPiece(0));
    EXPECT_TRUE(IsWhitePiece(6));
    EXPECT_FALSE(IsWhitePiece(7));
    EXPECT_TRUE(IsBlackPiece(7));
    EXPECT_TRUE(IsBlackPiece(12));
    EXPECT_FALSE(IsBlackPiece(13));
    EXPECT_FALSE(IsWhitePiece(-1));
    EXPECT_TRUE(IsPawn(6));
    EXPECT_TRUE(IsPawn(12));
    EXPECT_FALSE(IsPawn(5));
}

TEST(Snapshot, RestorePutsEverythingBack)
{
    Position position = Board("Ke1 Ra1 ke8 pd4");
    position.checkedSide = Black;
    const Position before = position;
    const BoardSnapshot snapshot = SaveBoardState(position, true, true);

    position.squares(1, 1) = Empty;
    position.squares(4, 3) = BlackPawn;
    position.castleFlags(White, QueenSideRook) = true;
    position.checkedSide = NoSideChecked;
    bool checkmated = false;
    bool surrendered = false;
    bool mayMove = false;

    RestoreBoardState(snapshot, position, checkmated, surrendered);
    EXPECT_EQ(position, before);
    EXPECT_TRUE(checkmated);
    EXPECT_TRUE(surrendered);
    EXPECT_FALSE(mayMove); // not given: untouched

    RestoreBoardState(snapshot, position, checkmated, surrendered, &mayMove);
    EXPECT_TRUE(mayMove);
    EXPECT_EQ(CopyBoard(position), before.squares);
}

TEST(LastMove, OnlyFourDigitsOneToEightAreAMove)
{
    EXPECT_EQ(Move::Parse("5254"), (Move{{5, 2}, {5, 4}}));
    EXPECT_EQ(Move::Parse("1888"), (Move{{1, 8}, {8, 8}}));
    for (const char* text :
         {"0000", "", "525", "52545", "5a54", "5950", "0254", "5204", " 254", "-254"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Move::Parse(text).has_value());
    }
    EXPECT_EQ((Move{{5, 2}, {5, 4}}.Text()), "5254");
}

TEST(MoveValue, TextIsReadAndWrittenInOnePlace)
{
    const Move e2e4{{5, 2}, {5, 4}};
    EXPECT_EQ(Move::FromText("5254"), e2e4);
    EXPECT_EQ(e2e4.Text(), "5254");
    EXPECT_EQ(e2e4.from.Index(), 52);
    EXPECT_EQ(Square::FromIndex(88), (Square{8, 8}));
    for (const char* text : {"0000", "", "5950", "5a54", "52545"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(Move::FromText(text).IsNone());
    }
    EXPECT_EQ(Move::None().Text(), "0000");
}

// The rules take the move and the previous move as values.
TEST(MoveValue, RulesTakeMovesAsValues)
{
    const Position position = Board("Ke1 Rh1 Ra1 Pe5 Nb1 ke8 pd5 qh6");
    const Move previous = Move::FromText("4745");
    struct Case {
        PieceCode piece;
        Move move;
        CaptureMode capture;
        bool legal;
    };
    const Case cases[] = {
        {WhitePawn, Move::FromText("5546"), ToEmptySquare, true}, // en passant
        {WhitePawn, Move::FromText("5556"), ToEmptySquare, true},
        {WhitePawn, Move::FromText("5557"), ToEmptySquare, false},
        {WhiteKnight, Move::FromText("2133"), ToEmptySquare, true},
        {WhiteKnight, Move::FromText("2123"), ToEmptySquare, false},
        {WhiteKing, Move::FromText("5171"), ToEmptySquare, true}, // castling
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.move.Text());
        Refusal refusal = Refusal::PawnNotAdjacent; // anything but the answer
        EXPECT_EQ(ValidateMove(position, {White, c.piece, c.move, c.capture}, NoSideChecked, previous,
                               std::nullopt, &refusal),
                  c.legal);
        EXPECT_EQ(refusal == Refusal::None, c.legal);
    }
    EXPECT_EQ(GetCastleType(position, White, Move::FromText("5171")), KingSideCastle);
    EXPECT_EQ(GetCastleType(position, White, Move::FromText("5131")), NoCastle); // knight on b1
    EXPECT_EQ(GetEnPassantCapture(position, Move::FromText("5546"), previous, White),
              (EnPassantCapture{4, 5}));
    EXPECT_FALSE(GetEnPassantCapture(position, Move::FromText("5546"), Move::None(), White).IsCapture());
    EXPECT_EQ(GetCheckState(position, White, true, NoSideChecked, previous), NotInCheck);
    EXPECT_FALSE(HasNoLegalMove(position, White, previous, NoSideChecked));
    EXPECT_EQ(BuildMoveNotation({White, WhitePawn, Move::FromText("5546"), ToEmptySquare},
                                position.squares, NoCastle, previous, {NoSideChecked, false, false}),
              "exd6ep");
}

} // namespace
