#include "options/options_controller.h"
#include "options/weight_files.h"

#include "tests/options/options_test_support.h"

#include "rules/position.h"
#include "rules/search.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace OptionsSupport;
using OptionsTesting::ShownMessage;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

Support::HeuristicWeights DistinctWeights()
{
    Support::HeuristicWeights weights{};
    for (int i = 0; i < Support::HeuristicCount; ++i)
        weights[std::size_t(i)] = std::int16_t(199 - i * 7);
    return weights;
}

class WeightFilesTest : public ::testing::Test {
protected:
    WeightFilesTest() : controller(settings, port) { }

    void Open()
    {
        ASSERT_TRUE(controller.Load());
        host.messages.clear();
    }
    QString Folder() const { return folders.DataPath() + QStringLiteral("AI Files/"); }
    QString Path(const QString& name) const { return Folder() + name + QStringLiteral(".AI"); }
    ShownMessage Last() const { return host.messages.empty() ? ShownMessage{} : host.messages.back(); }

    TestSupport::QtApp app;
    OptionsTesting::OptionsFolders folders;
    OptionsTesting::AnsweringHost host;
    OptionsTesting::RecordingPort port;
    Support::Settings settings;
    OptionsController controller;
};

} // namespace

TEST_F(WeightFilesTest, TheDefaultWeightsSaveAsTheGoldenFileAndLoadBackWithNoChanges)
{
    Open();
    controller.SavedAI().SaveName() = QStringLiteral("Default");
    controller.SavedAI().Save();
    const QByteArray golden = ReadAll(QStringLiteral(MD_FIXTURES_DIR "/default_weights.AI"));
    EXPECT_EQ(ReadAll(Path("Default")), golden);
    EXPECT_EQ(Last().caption, QStringLiteral("Save complete."));
    EXPECT_TRUE(Last().text.contains(Path("Default")));
    EXPECT_EQ(controller.SavedAI().Files().names, QStringList{QStringLiteral("Default")});

    controller.EnableApply(false);
    controller.SavedAI().Load();
    EXPECT_EQ(Last().caption, QStringLiteral("Load complete, no changes."));
    EXPECT_FALSE(controller.ApplyEnabled());
    EXPECT_FALSE(controller.Heuristics().Editor().AnyHighlighted());
}

TEST_F(WeightFilesTest, FiftyFourDistinctWeightsRoundTripThroughAFile)
{
    settings.Heuristics = DistinctWeights();
    Open();
    controller.SavedAI().SaveName() = QStringLiteral("Distinct");
    controller.SavedAI().Save();

    // A fresh window over the factory weights loads them as pending values.
    Support::Settings fresh;
    OptionsController other(fresh, port);
    ASSERT_TRUE(other.Load());
    other.SavedAI().Load();
    EXPECT_EQ(Last().caption, QStringLiteral("Load complete."));
    EXPECT_TRUE(other.ApplyEnabled());
    EXPECT_EQ(fresh.Heuristics, Support::FactoryHeuristics); // pending only
    ASSERT_TRUE(other.SetOptions());
    EXPECT_EQ(fresh.Heuristics, DistinctWeights());
}

TEST_F(WeightFilesTest, SavingWritesTheCurrentValuesNotThePendingOnes)
{
    Open();
    controller.Heuristics().Editor().SetLine(2, 5);
    controller.SavedAI().SaveName() = QStringLiteral("Strong");
    controller.SavedAI().Save();
    const QByteArray bytes = ReadAll(Path("Strong"));
    EXPECT_TRUE(bytes.startsWith("2,88,4,-118,5,-39,"));
    EXPECT_TRUE(bytes.endsWith(",60,-40,61,-58,62,-88,63,148\r\n"));
    EXPECT_EQ(bytes.count(',') + 1, 108);
}

TEST_F(WeightFilesTest, AMalformedFileChangesNothingAndGivesOneMessage)
{
    const QByteArray good = ReadAll(QStringLiteral(MD_FIXTURES_DIR "/default_weights.AI"));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty file", ""},
        {"odd number of fields", "2,50,4"},
        {"group row", "1,50"},
        {"sub-group row", "31,50"},
        {"row outside the grid", "64,50"},
        {"row zero", "0,50"},
        {"value above the slider's range", "2,201"},
        {"value below the slider's range", "2,-201"},
        {"text among the numbers", "2,fifty"},
        {"a space in a field", "2, 50"},
        {"an empty field", "2,,4,50"},
        {"a plus sign", "2,+50"},
        {"a number too long for a weight", "2,99999999999"},
        {"good pairs then a bad one", "2,50,4,60,999,1\r\n"},
        {"longer than 64 KiB", good + QByteArray(64 * 1024, '\n')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ParseWeightFile(c.bytes).has_value());
        WriteAll(Path("Bad"), c.bytes);
        Open();
        controller.SavedAI().Load();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(Last().caption, QStringLiteral("File read error."));
        EXPECT_FALSE(controller.Heuristics().Editor().AnyHighlighted());
        EXPECT_FALSE(controller.ApplyEnabled());
    }
}

TEST_F(WeightFilesTest, ValuesCompareAsNumbersAndLineEndsMaySeparateFields)
{
    const auto pairs = ParseWeightFile("2,088\n4,-118\r\n5,-0039\r\n");
    ASSERT_TRUE(pairs.has_value());
    EXPECT_EQ(*pairs, (std::vector<WeightPair>{{2, 88}, {4, -118}, {5, -39}}));
    WriteAll(Path("Padded"), "2,088,4,-118\r\n");
    Open();
    controller.SavedAI().Load();
    EXPECT_EQ(Last().caption, QStringLiteral("Load complete, no changes."));
}

TEST_F(WeightFilesTest, NamesAreCheckedBeforeAnythingIsWritten)
{
    Open();
    const struct {
        QString name;
        const char* caption;
    } cases[] = {
        {QString(), "No file name."},
        {QStringLiteral("a.b"), "Invalid file name."},
        {QStringLiteral("x:y"), "Invalid file name."},
        {QStringLiteral("back\\slash"), "Invalid file name."},
        {QStringLiteral("tab\there"), "Invalid file name."},
        {QString(300, QLatin1Char('n')), "Invalid file name."},
        {QStringLiteral("   "), "Save complete."}, // spaces pass both checks
    };
    for (const auto& c : cases) {
        host.messages.clear();
        controller.SavedAI().SaveName() = c.name;
        controller.SavedAI().Save();
        ASSERT_EQ(host.messages.size(), 1u) << c.name.toStdString();
        EXPECT_EQ(Last().caption, QString::fromLatin1(c.caption)) << c.name.toStdString();
    }
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList{QStringLiteral("   .AI")});
    controller.SavedAI().SaveName() = QStringLiteral("a.b");
    controller.SavedAI().Save();
    EXPECT_TRUE(Last().text.endsWith(QStringLiteral("\\ / : * ? \" < > (vertical bar) ..")));
}

TEST_F(WeightFilesTest, OverwriteAskedAndCancelLeavesTheFileAsItWas)
{
    WriteAll(Path("Strong"), "2,50\r\n");
    Open();
    EXPECT_EQ(controller.SavedAI().SaveName(), QStringLiteral("Strong"));
    host.answers = {false};
    controller.SavedAI().Save();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Last().caption, QStringLiteral("File already exists"));
    EXPECT_EQ(ReadAll(Path("Strong")), QByteArray("2,50\r\n"));

    controller.SavedAI().Save(); // answered Overwrite
    EXPECT_EQ(Last().caption, QStringLiteral("Save complete."));
    EXPECT_EQ(ReadAll(Path("Strong")), ReadAll(QStringLiteral(MD_FIXTURES_DIR "/default_weights.AI")));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList{QStringLiteral("Strong.AI")});
}

TEST_F(WeightFilesTest, ListingIsSortedExactExtensionAndDeleteEmptiesIt)
{
    for (const char* name : {"b.AI", "A.AI", "Old.ai", "c.AI.bak", "a.AI"})
        WriteAll(Folder() + QString::fromLatin1(name), "2,50\r\n");
    Open();
    EXPECT_EQ(controller.SavedAI().Files().names,
              (QStringList{QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("b")}));
    controller.SavedAI().RowChanged(2);
    EXPECT_EQ(controller.SavedAI().SaveName(), QStringLiteral("b"));

    for (int i = 0; i < 3; ++i) {
        host.answers = {true};
        controller.SavedAI().Delete();
    }
    EXPECT_TRUE(controller.SavedAI().Files().names.isEmpty());
    host.messages.clear();
    controller.SavedAI().Load();
    controller.SavedAI().Delete();
    EXPECT_EQ(host.Captions(), (std::vector<QString>{QStringLiteral("Nothing selected"),
                                                     QStringLiteral("Nothing selected")}));
}

TEST_F(WeightFilesTest, DeleteAsksAndNoKeepsTheFile)
{
    WriteAll(Path("Keep"), "2,50\r\n");
    Open();
    host.answers = {false};
    controller.SavedAI().Delete();
    EXPECT_EQ(Last().caption, QStringLiteral("Confirmation"));
    EXPECT_TRUE(QFile::exists(Path("Keep")));
}

TEST_F(WeightFilesTest, AWeightChangedInTheEditorChangesTheComputersMove)
{
    // From the start position at depth 0 the computer prefers a knight; a
    // pawn move wins once "Move a Pawn" (row 54) is the strongest wish.
    BoardSupport::Position start = BoardSupport::StartPosition();
    ComputerAI::SearchSettings search;
    search.seed = 7;
    search.threads = 1;
    Open();
    const auto before = ComputerAI::SearchBestMove(
        start, MoveValidation::White, BoardSupport::Move::None(), settings.Heuristics, search);
    ASSERT_EQ(before.outcome, ComputerAI::SearchOutcome::Move);
    EXPECT_NE(start.squares.At(before.move.from), 6);

    controller.Heuristics().SelectRow(54);
    controller.Heuristics().SliderMoved(200);
    controller.Apply();
    EXPECT_EQ(settings.Heuristics[20], 200);
    const auto after = ComputerAI::SearchBestMove(
        start, MoveValidation::White, BoardSupport::Move::None(), settings.Heuristics, search);
    ASSERT_EQ(after.outcome, ComputerAI::SearchOutcome::Move);
    EXPECT_EQ(start.squares.At(after.move.from), 6);
}
