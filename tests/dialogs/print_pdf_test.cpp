// The printouts as PDF files, read back with pdfinfo and pdftotext: page
// counts, the header and captions, the notation lines, and the failures a
// caller is told about.

#include "dialogs/print_request.h"
#include "store/database.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Printing::PrintKind;
using Printing::PrintOutcome;

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(Run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PageText(const QString& pdf, int page)
{
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// Twenty rows of a real game (with a draw offer and its answer), stored
// for a game the user started.
const std::vector<std::pair<const char*, const char*>> TwentyRows = {
    {"5254", "e4"},         {"5755", "e5"},      {"7163", "Nf3"},  {"2836", "Nc6"},  {"6125", "Bb5"},
    {"1716", "a6"},         {"2536", "Bxc6"},    {"4736", "dxc6"}, {"5171", "O-O"},  {"6766", "f6"},
    {"0000", "Draw offer"}, {"0000", "Decline"}, {"4244", "d4"},   {"3837", "Bg4"},  {"3335", "c3"},
    {"5544", "exd4"},       {"3344", "cxd4"},    {"4844", "Qxd4"}, {"4144", "Qxd4"}, {"0000", "1/2-1/2"},
};

class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        GameRecord game;
        game.GAME_ID = 7;
        game.GAME_NAME = "Autumn match";
        game.GAME_DATE = "05/03/2024";
        game.GAME_WHITE_NAME = "Ann Ash";
        game.GAME_BLACK_NAME = "Bo Birch";
        game.GAME_HOST = true;
        MoveList moves;
        for (const auto& [coordinates, notation] : TwentyRows)
            moves.push_back({int(moves.size()) + 1, coordinates, notation, ""});
        ASSERT_TRUE(Database::SaveGame(folder, game, moves));
        GameRecord empty = game;
        empty.GAME_ID = 8;
        ASSERT_TRUE(Database::SaveGame(folder, empty, {}));
    }

    Printing::PrintRequest Request(PrintKind kind, const QString& file)
    {
        Printing::PrintRequest request;
        request.kind = kind;
        request.folder = &folder;
        request.gameID = 7;
        request.pdfPath = dir.filePath(file);
        return request;
    }

    QTemporaryDir dir;
    Database::DataFolder folder{dir.path().toStdString()};
    const QString longDate = QLocale().toString(QDate(2024, 3, 5), QLocale::LongFormat);
};

TEST_F(PrintToPdf, TwentyDiagramsAtFourByFourFillTwoPages)
{
    const Printing::PrintResult result =
        Printing::Print(Request(PrintKind::GameDiagrams, "diagrams.pdf"));
    ASSERT_EQ(result.outcome, PrintOutcome::Printed) << result.message.toStdString();
    EXPECT_EQ(result.pages, 2);
    const QString pdf = dir.filePath(QStringLiteral("diagrams.pdf"));
    EXPECT_EQ(PageCount(pdf), 2);
    const QString first = PageText(pdf, 1);
    for (const QString& line :
         {QStringLiteral("Marrowdale game, Ann Ash vs. Bo Birch"),
          QStringLiteral("Game name : Autumn match"), QStringLiteral("White : Ann Ash"),
          QStringLiteral("Black : Bo Birch"), QStringLiteral("Date started : ") + longDate,
          QStringLiteral("1:e4"), QStringLiteral("11:Draw offer"), QStringLiteral("16:exd4")})
        EXPECT_TRUE(first.contains(line)) << line.toStdString();
    EXPECT_FALSE(first.contains(QStringLiteral("17:")));
    const QString second = PageText(pdf, 2);
    for (const char* caption : {"17:cxd4", "18:Qxd4", "19:Qxd4", "20:1/2-1/2"})
        EXPECT_TRUE(second.contains(QLatin1String(caption))) << caption;
    EXPECT_FALSE(second.contains(QStringLiteral("Marrowdale game")));
}

TEST_F(PrintToPdf, NotationPrintsTheParagraphAndTheTable)
{
    Printing::PrintRequest request = Request(PrintKind::GameNotation, "notation.pdf");
    request.options = {3, 40};
    const Printing::PrintResult result = Printing::Print(request);
    ASSERT_EQ(result.outcome, PrintOutcome::Printed) << result.message.toStdString();
    const QString pdf = dir.filePath(QStringLiteral("notation.pdf"));
    EXPECT_EQ(PageCount(pdf), 1);
    const QString text = PageText(pdf, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Date started : ") + longDate));
    EXPECT_TRUE(
        text.contains(QStringLiteral("1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Bxc6 dxc6 5.O-O f6 6.d4 Bg4")));
    for (const char* line : {"1.e4 e5", "5.O-O f6", "6.d4 Bg4", "9.Qxd4 1/2-1/2"})
        EXPECT_EQ(text.count(QLatin1String(line)), 2) << line; // in the paragraph and in the table
    EXPECT_FALSE(text.contains(QStringLiteral("Draw offer")));
    EXPECT_FALSE(text.contains(QStringLiteral("Decline")));
}

TEST_F(PrintToPdf, CurrentBoardPrintsTheHeaderTheMoveAndOnePage)
{
    struct Case {
        std::int32_t gameID;
        const char* comment;
        QString header;
        QString moveLine;
    } cases[] = {
        {7, "", QStringLiteral("Marrowdale game, Ann Ash vs. Bo Birch"), QStringLiteral("Move 3 : Nf3")},
        {7, "a quiet one", QStringLiteral("Date started : ") + longDate,
         QStringLiteral("Move 3 : Nf3 - a quiet one")},
        // A game set up but never stored.
        {-1, "", QStringLiteral("Marrowdale game, You vs. Cy Cedar"), QStringLiteral("Move 3 : Nf3")},
        {-1, "",
         QStringLiteral("Date started : ")
             + QLocale().toString(QDate::currentDate(), QLocale::LongFormat),
         QStringLiteral("Game name : Spring")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moveLine.toStdString());
        Printing::PrintRequest request = Request(PrintKind::CurrentBoard, "board.pdf");
        request.board.squares = BoardSupport::StartPosition().squares;
        request.board.gameID = c.gameID;
        request.board.newGameName = QStringLiteral("Spring");
        request.board.newOpponentName = QStringLiteral("Cy Cedar");
        request.board.selectedRow = 3;
        request.board.notation = QStringLiteral("Nf3");
        request.board.comment = QString::fromLatin1(c.comment);
        const Printing::PrintResult result = Printing::Print(request);
        ASSERT_EQ(result.outcome, PrintOutcome::Printed) << result.message.toStdString();
        const QString pdf = dir.filePath(QStringLiteral("board.pdf"));
        EXPECT_EQ(PageCount(pdf), 1);
        const QString text = PageText(pdf, 1);
        EXPECT_TRUE(text.contains(c.header)) << text.toStdString();
        EXPECT_TRUE(text.contains(c.moveLine));
    }
}

TEST_F(PrintToPdf, FailuresAreReportedAndNothingIsLeftHalfDone)
{
    struct Case {
        const char* name;
        PrintKind kind;
        std::int32_t gameID;
        QString file;
        PrintOutcome outcome;
        QString caption;
        Support::MsgIcon icon;
    } cases[] = {
        {"NoMoves",
         PrintKind::GameDiagrams,
         8,
         QStringLiteral("a.pdf"),
         PrintOutcome::NothingToPrint,
         {},
         Support::MsgIcon::Warning},
        {"UnknownGame",
         PrintKind::GameNotation,
         99,
         QStringLiteral("b.pdf"),
         PrintOutcome::NothingToPrint,
         {},
         Support::MsgIcon::Warning},
        {"UnknownBoardGame", PrintKind::CurrentBoard, 99, QStringLiteral("c.pdf"), PrintOutcome::Failed,
         QStringLiteral("Database error"), Support::MsgIcon::Database},
        {"UnwritableFile", PrintKind::GameDiagrams, 7, QStringLiteral("missing/folder/d.pdf"),
         PrintOutcome::Failed, QStringLiteral("Printing error"), Support::MsgIcon::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Printing::PrintRequest request = Request(c.kind, c.file);
        request.gameID = c.gameID;
        request.board.gameID = c.gameID;
        const Printing::PrintResult result = Printing::Print(request);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.caption, c.caption);
        if (c.outcome == PrintOutcome::Failed) {
            EXPECT_EQ(result.icon, c.icon);
            EXPECT_FALSE(result.message.isEmpty());
        }
        EXPECT_FALSE(QFileInfo::exists(request.pdfPath));
        EXPECT_FALSE(QFileInfo::exists(request.pdfPath + QStringLiteral(".part")));
    }
    Printing::PrintRequest unwritable =
        Request(PrintKind::GameDiagrams, QStringLiteral("missing/d.pdf"));
    EXPECT_TRUE(Printing::Print(unwritable).message.contains(unwritable.pdfPath));

    // A printout that fails leaves an older file of that name whole.
    Printing::PrintRequest older = Request(PrintKind::GameDiagrams, QStringLiteral("older.pdf"));
    ASSERT_EQ(Printing::Print(older).outcome, PrintOutcome::Printed);
    const qint64 size = QFileInfo(older.pdfPath).size();
    ASSERT_TRUE(QDir().mkdir(older.pdfPath + QStringLiteral(".part"))); // the file cannot be written
    EXPECT_EQ(Printing::Print(older).outcome, PrintOutcome::Failed);
    EXPECT_EQ(QFileInfo(older.pdfPath).size(), size);
    EXPECT_EQ(PageCount(older.pdfPath), 2);
}

TEST_F(PrintToPdf, WithNoPrinterAFileIsOfferedAndABlankAnswerCancels)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    Printing::PrintRequest request = Request(PrintKind::GameNotation, QString());
    request.pdfPath.clear();
    int asked = 0;
    request.askForPdfFile = [&] {
        ++asked;
        return QString();
    };
    EXPECT_EQ(Printing::Print(request).outcome, PrintOutcome::Cancelled);
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    request.askForPdfFile = [&] {
        ++asked;
        return chosen;
    };
    const Printing::PrintResult result = Printing::Print(request);
    EXPECT_EQ(result.outcome, PrintOutcome::Printed);
    EXPECT_EQ(result.pdfPath, chosen);
    EXPECT_EQ(PageCount(chosen), 1);
    EXPECT_EQ(asked, 2);
}

TEST(LongStartDate, StoredDatesInTheLocalesLongFormOthersUnchanged)
{
    EXPECT_EQ(Printing::LongStartDate(QStringLiteral("05/03/2024")),
              QLocale().toString(QDate(2024, 3, 5), QLocale::LongFormat));
    EXPECT_EQ(Printing::LongStartDate(QStringLiteral("5/3/2024")),
              QLocale().toString(QDate(2024, 3, 5), QLocale::LongFormat));
    for (const char* text : {"", "31/02/2024", "2024-03-05", "someday"})
        EXPECT_EQ(Printing::LongStartDate(QLatin1String(text)), QLatin1String(text));
}

} // namespace

int main(int argc, char** argv)
{
    // Listing the tests runs this too, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
