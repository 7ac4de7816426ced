// The printouts worked out without a printer: the diagram characters, the
// replay of a stored game onto the diagram board, the notation lines and
// how the pages are filled.

#include "dialogs/diagram_replay.h"
#include "dialogs/notation_lines.h"
#include "dialogs/print_layout.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

using BoardSupport::BoardSquares;
using namespace MoveValidation;

namespace {

TEST(PieceFontChar, EveryCodeOnALightAndADarkSquare)
{
    // b1 is light, a1 dark.
    const std::string light = " rnbqkpRNBQKP";
    const std::string dark = "/tmvwloTMVWLO";
    for (int code = 0; code <= 13; ++code) {
        BoardSquares squares;
        squares.Set(1, 1, code);
        squares.Set(2, 1, code);
        const std::size_t expected = code <= 12 ? std::size_t(code) : 0;
        EXPECT_EQ(Support::PieceFontChar(squares, 2, 1), light[expected]) << code;
        EXPECT_EQ(Support::PieceFontChar(squares, 1, 1), dark[expected]) << code;
    }
}

TEST(DiagramLines, TheStartFromEitherSide)
{
    const BoardSquares start = BoardSupport::StartPosition().squares;
    const Support::DiagramText white = Support::DiagramLines(start, true);
    EXPECT_EQ(white[0], "5111111116");
    EXPECT_EQ(white[1], "3RMBWKVNT2");
    EXPECT_EQ(white[2], "3OPOPOPOP2");
    EXPECT_EQ(white[3], "3 / / / /2");
    EXPECT_EQ(white[8], "3tnvqlbmr2");
    EXPECT_EQ(white[9], "7444444448");
    // From Black's side rank 1 is on top and file h on the left.
    const Support::DiagramText black = Support::DiagramLines(start, false);
    EXPECT_EQ(black[1], "3rmblqvnt2");
    EXPECT_EQ(black[8], "3TNVKWBMR2");
}

struct Row {
    const char* coordinates;
    const char* notation;
};

struct Square {
    int column, row, code;
};

struct ReplayCase {
    const char* name;
    std::string_view start; // position string, empty for the standard start
    std::vector<Row> rows;
    std::vector<Square> after; // squares of the last diagram
};

TEST(ReplayDiagramBoards, KnownPositions)
{
    const std::string promotionStart = [] {
        BoardSquares squares;
        squares.Set(8, 1, WhiteKing);
        squares.Set(8, 8, BlackKing);
        squares.Set(5, 7, WhitePawn);
        squares.Set(4, 2, BlackPawn);
        return BoardSupport::FormatPositionString(squares);
    }();
    const ReplayCase cases[] = {
        {"WhiteCastlesKingSide",
         "",
         {{"5254", "e4"},
          {"5755", "e5"},
          {"7163", "Nf3"},
          {"2836", "Nc6"},
          {"6134", "Bc4"},
          {"6835", "Bc5"},
          {"5171", "O-O"}},
         {{7, 1, WhiteKing}, {6, 1, WhiteRook}, {8, 1, Empty}, {5, 1, Empty}}},
        {"BlackCastlesQueenSide",
         "",
         {{"4244", "d4"},
          {"4745", "d5"},
          {"2133", "Nc3"},
          {"2836", "Nc6"},
          {"3164", "Bf4"},
          {"3865", "Bf5"},
          {"4142", "Qd2"},
          {"4847", "Qd7"},
          {"5253", "e3"},
          {"5838", "O-O-O"}},
         {{3, 8, BlackKing}, {4, 8, BlackRook}, {1, 8, Empty}, {5, 8, Empty}}},
        {"EnPassantTakesThePawn",
         "",
         {{"5254", "e4"}, {"1716", "a6"}, {"5455", "e5"}, {"4745", "d5"}, {"5546", "exd6"}},
         {{4, 6, WhitePawn}, {4, 5, Empty}, {5, 5, Empty}}},
        // A draw offer between the two pawn moves still lets the capture
        // see the double step, and the mover is White whatever the row's number.
        {"EnPassantAfterADrawOffer",
         "",
         {{"5254", "e4"},
          {"1716", "a6"},
          {"5455", "e5"},
          {"4745", "d5"},
          {"0000", "Draw offer"},
          {"5546", "exd6"}},
         {{4, 6, WhitePawn}, {4, 5, Empty}}},
        {"PromotionsOfBothSides",
         promotionStart,
         {{"5758", "e8=Q"}, {"4241", "d1=N"}},
         {{5, 8, WhiteQueen}, {4, 1, BlackKnight}, {5, 7, Empty}, {4, 2, Empty}}},
        // Special entries and rows that name no move leave every piece where it was.
        {"SpecialEntriesMoveNothing",
         "",
         {{"5254", "e4"},
          {"0000", "Draw offer"},
          {"0000", "Decline"},
          {"5a54", "?"},
          {"3336", "?"},
          {"0000", "1-0"}},
         {{5, 4, WhitePawn}, {5, 1, WhiteKing}, {5, 8, BlackKing}, {3, 3, Empty}, {3, 6, Empty}}},
        // As the board writes them: on the maker's king square, named twice.
        {"SpecialEntriesOnTheKingsSquare",
         "",
         {{"5254", "e4"}, {"5858", "Draw offer"}, {"5151", "Decline"}, {"5858", "1-0"}},
         {{5, 4, WhitePawn}, {5, 1, WhiteKing}, {5, 8, BlackKing}}},
    };
    for (const ReplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        BoardSupport::Position start;
        ASSERT_TRUE(BoardSupport::InitialiseBoard(start, c.start));
        MoveList moves;
        for (const Row& row : c.rows)
            moves.push_back({int(moves.size()) + 1, row.coordinates, row.notation, ""});
        const std::vector<BoardSquares> boards = Support::ReplayDiagramBoards(start, moves);
        ASSERT_EQ(boards.size(), moves.size());
        for (const Square& square : c.after)
            EXPECT_EQ(boards.back()(square.column, square.row), square.code)
                << "square " << square.column << square.row;
        // A row that moves nothing shows the board of the row before it.
        for (std::size_t i = 1; i < moves.size(); ++i)
            if (!BoardSupport::Move::Parse(moves[i].coordinates)) {
                EXPECT_EQ(boards[i], boards[i - 1]) << "row " << i + 1;
            }
    }
}

MoveList Rows(std::initializer_list<const char*> notations)
{
    MoveList moves;
    for (const char* notation : notations)
        moves.push_back({int(moves.size()) + 1, "0000", notation, ""});
    return moves;
}

TEST(NotationLines, PairsKeptRowsAndLeavesOutOffersAndAnswers)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Support::NotationLines(Rows({"e4", "e5", "Nf3", "Nc6"})), (Lines{"1.e4 e5", "2.Nf3 Nc6"}));
    EXPECT_EQ(Support::NotationLines(Rows({"e4", "e5", "Nf3", "Nc6", "Bb5"})),
              (Lines{"1.e4 e5", "2.Nf3 Nc6", "3.Bb5"}));
    EXPECT_EQ(Support::NotationLines(Rows({"e4", "Draw offer", "e5", "Nf3", "Draw offer", "Decline",
                                           "Nc6", "Draw offer", "1/2-1/2"})),
              (Lines{"1.e4 e5", "2.Nf3 Nc6", "3.1/2-1/2"}));
    EXPECT_TRUE(Support::NotationLines(Rows({"Draw offer"})).empty());
}

TEST(ParagraphLines, NeverLongerThanTheWidthAndNotLimitedInCount)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 200; ++i)
        lines.push_back(std::to_string(i) + ".Nbd2xe4 Qh8xh1+");
    const std::vector<std::string> paragraph = Support::ParagraphLines(lines);
    EXPECT_GT(paragraph.size(), 10u);
    std::string joined;
    for (std::size_t i = 0; i < paragraph.size(); ++i) {
        EXPECT_LE(paragraph[i].size(), 110u);
        // The next line's first entry ("12.Nbd2xe4 Qh8xh1+ ") would not have fitted.
        if (i + 1 < paragraph.size()) {
            const std::size_t firstEntry =
                paragraph[i + 1].find(' ', paragraph[i + 1].find(' ') + 1) + 1;
            EXPECT_GT(paragraph[i].size() + firstEntry, 110u) << "line " << i + 1 << " was broken early";
        }
        joined += paragraph[i];
    }
    std::string expected;
    for (const std::string& line : lines)
        expected += line + " ";
    EXPECT_EQ(joined, expected);
}

TEST(NotationCell, PadsToTheCellAndKeepsALongerLineWhole)
{
    EXPECT_EQ(Support::NotationCell("1.e4 e5"), "1.e4 e5" + std::string(20, ' '));
    const std::string longLine = "123.Qh8xh1+ Nbd2xe4 (long!)";
    EXPECT_EQ(Support::NotationCell(longLine + "x"), longLine + "x ");
}

// An A4 page's printable area with line heights close to real fonts'.
Printing::PageMetrics A4(double height = 770)
{
    Printing::PageMetrics m;
    m.width = 523;
    m.height = height;
    m.titleLine = 17;
    m.bodyLine = 14;
    m.smallLine = 12;
    m.monoLine = 14;
    m.captionLine = 14;
    m.monoAdvance = 6;
    return m;
}

std::vector<Printing::Diagram> Diagrams(int n)
{
    std::vector<Printing::Diagram> diagrams;
    for (int i = 1; i <= n; ++i)
        diagrams.push_back({QString::number(i) + QStringLiteral(":e4"),
                            Support::DiagramLines(BoardSupport::StartPosition().squares, true)});
    return diagrams;
}

const Printing::GameHeader Header = {QStringLiteral("Friendly"), QStringLiteral("Ann"),
                                     QStringLiteral("Bo"), QStringLiteral("5 March 2024")};

// Everything on a page lies inside its printable area.
void ExpectInside(const Printing::Document& document, const Printing::PageMetrics& m)
{
    for (const Printing::Page& page : document) {
        for (const Printing::TextItem& text : page.texts)
            EXPECT_LE(text.y + m.LineHeight(text.style) * text.scale, m.height + 1e-6)
                << text.text.toStdString();
        for (const Printing::DiagramItem& diagram : page.diagrams) {
            EXPECT_LE(diagram.x + 10 * diagram.square, m.width + 1e-6);
            EXPECT_LE(diagram.y + 10 * diagram.square, m.height + 1e-6);
        }
    }
}

TEST(LayoutDiagrams, FillsPagesByTheChosenRowsAndByMeasuredHeight)
{
    struct Case {
        int diagrams, columns, rows;
        std::vector<std::size_t> perPage;
    } cases[] = {
        {20, 4, 4, {16, 4}}, // the header and 4 rows, then the rest
        {16, 4, 4, {16}},
        {3, 4, 4, {3}},
        {20, 4, 1, {4, 4, 4, 4, 4}},
        {40, 2, 20, {8, 10, 10, 10, 2}}, // 20 rows do not fit: 4 below the header, 5 on a page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diagrams << " at " << c.columns << "x" << c.rows);
        const Printing::Document document =
            Printing::LayoutDiagrams(Header, Diagrams(c.diagrams), c.columns, c.rows, A4());
        std::vector<std::size_t> perPage;
        for (const Printing::Page& page : document)
            perPage.push_back(page.diagrams.size());
        EXPECT_EQ(perPage, c.perPage);
        ExpectInside(document, A4());
        EXPECT_EQ(
            Printing::PageTexts(document.front()).mid(0, 5),
            (QStringList{QStringLiteral("Marrowdale game, Ann vs. Bo"),
                         QStringLiteral("Game name : Friendly"), QStringLiteral("White : Ann"),
                         QStringLiteral("Black : Bo"), QStringLiteral("Date started : 5 March 2024")}));
    }
}

TEST(LayoutDiagrams, AGridWiderThanThePageIsScaledToIt)
{
    const Printing::Document document = Printing::LayoutDiagrams(Header, Diagrams(10), 10, 2, A4());
    ASSERT_EQ(document.size(), 1u);
    ASSERT_EQ(document[0].diagrams.size(), 10u);
    EXPECT_LT(document[0].diagrams[0].square, Printing::DiagramSquare);
    EXPECT_NEAR(document[0].diagrams[9].x + 10 * document[0].diagrams[9].square, 523, 10);
    ExpectInside(document, A4());
}

std::vector<std::string> NumberedLines(int n)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(std::to_string(i) + ".e4 e5");
    return lines;
}

// The table's lines of each page, cell by cell: which notation line heads
// each column.
std::vector<std::vector<std::string>> ColumnHeads(const Printing::Document& document)
{
    std::vector<std::vector<std::string>> heads;
    for (const Printing::Page& page : document) {
        std::vector<std::string> pageHeads;
        for (const Printing::TextItem& text : page.texts)
            if (text.style == Printing::TextStyle::Mono) {
                const std::string line = text.text.toStdString();
                for (std::size_t at = 0; at < line.size(); at += Support::NotationCellWidth)
                    pageHeads.push_back(line.substr(at, line.find('.', at) - at));
                break;
            }
        heads.push_back(pageHeads);
    }
    return heads;
}

TEST(LayoutNotation, TheTableRunsDownEachColumnAndBreaksByHeight)
{
    using Heads = std::vector<std::vector<std::string>>;
    // A page tall enough for the chosen rows below the paragraph.
    EXPECT_EQ(ColumnHeads(Printing::LayoutNotation(Header, NumberedLines(121), 3, 40, A4(1400))),
              (Heads{{"1", "41", "81"}, {"121"}}));
    EXPECT_EQ(ColumnHeads(Printing::LayoutNotation(Header, NumberedLines(120), 3, 40, A4(1400))),
              (Heads{{"1", "41", "81"}}));
    // On A4 the 40 rows do not fit below the paragraph: the table starts on
    // a page of its own, and every page holds the 40 rows.
    EXPECT_EQ(ColumnHeads(Printing::LayoutNotation(Header, NumberedLines(121), 3, 40, A4())),
              (Heads{{}, {"1", "41", "81"}, {"121"}}));
    // A short game's table stays under the header in the first column.
    EXPECT_EQ(ColumnHeads(Printing::LayoutNotation(Header, NumberedLines(12), 3, 40, A4())),
              (Heads{{"1"}}));
    // More rows asked than a page holds: each page holds what fits.
    const Printing::Document tall = Printing::LayoutNotation(Header, NumberedLines(200), 2, 80, A4());
    ExpectInside(tall, A4());
    ASSERT_EQ(ColumnHeads(tall).size(), 3u);
    EXPECT_EQ(ColumnHeads(tall)[1], (std::vector<std::string>{"1", "56"}));
    EXPECT_EQ(ColumnHeads(tall)[2], (std::vector<std::string>{"111", "166"}));
}

TEST(LayoutNotation, EveryLineIsPrintedOnceAndTheTableFitsTheWidth)
{
    const std::vector<std::string> lines = NumberedLines(300);
    for (int columns : {1, 3, 10}) {
        SCOPED_TRACE(columns);
        const Printing::Document document = Printing::LayoutNotation(Header, lines, columns, 40, A4());
        ExpectInside(document, A4());
        std::multiset<std::string> printed;
        for (const Printing::Page& page : document)
            for (const Printing::TextItem& text : page.texts)
                if (text.style == Printing::TextStyle::Mono) {
                    EXPECT_LE(text.text.size() * 6 * text.scale, 523 + 1e-6);
                    for (const QString& cell : text.text.split(
                             QRegularExpression(QStringLiteral("\\s\\s+")), Qt::SkipEmptyParts))
                        printed.insert(cell.toStdString());
                }
        EXPECT_EQ(printed, std::multiset<std::string>(lines.begin(), lines.end()));
    }
}

TEST(LayoutCurrentBoard, TheHeaderTheMoveLineAndOneLargeBoard)
{
    const Printing::Document document = Printing::LayoutCurrentBoard(
        Header, QStringLiteral("Move 3 : Nf3 - a fine move"),
        Support::DiagramLines(BoardSupport::StartPosition().squares, true), A4());
    ASSERT_EQ(document.size(), 1u);
    EXPECT_EQ(Printing::PageTexts(document[0]).last(), QStringLiteral("Move 3 : Nf3 - a fine move"));
    ASSERT_EQ(document[0].diagrams.size(), 1u);
    EXPECT_EQ(document[0].diagrams[0].square, Printing::BoardSquare);
    ExpectInside(document, A4());
}

} // namespace
