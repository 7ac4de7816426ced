#include "foundation/chess_set.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "widget_test_support.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Support;

namespace {

class ChessSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.AddChessSets();
        host.Script = [this](QWidget& box) {
            if (auto* caption = box.findChild<QLabel*>(QStringLiteral("FormCaption")))
                captions.push_back(caption->text());
            if (auto* text = box.findChild<QLabel*>(QStringLiteral("Message")))
                texts.push_back(text->text());
            box.hide();
        };
    }
    void TearDown() override { Pictures() = PictureStores{}; }

    const ImageList& Icons() { return Pictures().IconSet; }
    const PictureGrid& Board() { return Pictures().ChessSet; }

    TestSupport::ProgramFolder folders;
    TestSupport::ScriptedHost host;
    std::vector<QString> captions;
    std::vector<QString> texts;
};

QString Expected(const QString& path)
{
    return QStringLiteral("Marrowdale ecountered an error loading the graphics file ") + path
           + QStringLiteral(
               ".\n\nPlease select a valid chess set before attempting to open the chess board.");
}

TEST_F(ChessSetTest, LoadsTwelveIconsAndTheBoardCutIntoThirtyTwoCells)
{
    ASSERT_TRUE(LoadChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Plain")));
    EXPECT_TRUE(captions.empty());
    ASSERT_EQ(Icons().Count(), 12);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(Icons().ListImages(i).isNull()) << i;
    EXPECT_EQ(Board().Rows(), 4);
    EXPECT_EQ(Board().Columns(), 8);
    EXPECT_EQ(Board().GraphicCell(31).size(), QSize(50, 50));
    EXPECT_TRUE(Board().GraphicCell(32).isNull());
}

// On a screen scaled twice the set's twice-size pictures are used: cells
// of the same 50 x 50 size on the board, drawn from 100 x 100 pixels.
TEST_F(ChessSetTest, TwiceScaledScreenTakesTheSharpPictures)
{
    ASSERT_TRUE(LoadChessSet(Pictures(), QStringLiteral("Classic Wood"), QStringLiteral("Plain"), 2.0));
    const QPixmap cell = Board().GraphicCell(31);
    EXPECT_EQ(cell.size(), QSize(100, 100));
    EXPECT_EQ(cell.deviceIndependentSize().toSize(), QSize(50, 50));
    EXPECT_EQ(Icons().ListImages(1).devicePixelRatio(), 2.0);

    ASSERT_TRUE(LoadChessSet(Pictures(), QStringLiteral("Classic Wood"), QStringLiteral("Plain"), 1.0));
    EXPECT_EQ(Board().GraphicCell(31).size(), QSize(50, 50));
    EXPECT_EQ(Board().GraphicCell(31).devicePixelRatio(), 1.0);
}

// A broken set names the file it could not read and keeps the set already
// loaded in place, so an open board still has all its pictures.
TEST_F(ChessSetTest, BrokenSetNamesTheFileAndLeavesTheLoadedSetAlone)
{
    ASSERT_TRUE(LoadChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Plain")));
    const qint64 boardKey = Board().Picture().cacheKey();
    struct Case {
        const char* set;
        const char* removed;
        const char* board;
        const char* named;
    } cases[] = {
        {"NoPawn", "BlackPawn.ico", "Plain", "BlackPawn.ico"},
        {"NoBoard", nullptr, "Marble", "Marble.jpg"},
        {"OutsideBoard", nullptr, "../Classic Wood/Plain", "../Classic Wood/Plain.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        folders.CopyChessSet(QStringLiteral("Classic Wood"), QLatin1String(c.set));
        const QString folder = folders.ChessSetPath(QLatin1String(c.set));
        if (c.removed) {
            ASSERT_TRUE(QFile::remove(folder + QLatin1String(c.removed)));
        }
        captions.clear();
        texts.clear();
        EXPECT_FALSE(LoadChessSet(QLatin1String(c.set), QLatin1String(c.board)));
        ASSERT_EQ(captions.size(), 1u);
        EXPECT_EQ(captions[0], QStringLiteral("Graphics error."));
        EXPECT_EQ(texts[0], Expected(folder + QLatin1String(c.named)));
        EXPECT_EQ(Icons().Count(), 12);
        EXPECT_EQ(Board().Picture().cacheKey(), boardKey);
    }
}

TEST_F(ChessSetTest, NameOutsideTheGraphicsFolderIsAGeneralError)
{
    const QString general = QStringLiteral(
        "Marrowdale ecountered a general error loading the graphics.\n\nPlease select a valid chess set "
        "before attempting to open the chess board.");
    EXPECT_FALSE(LoadChessSet(QStringLiteral(".."), QStringLiteral("Plain")));
    EXPECT_FALSE(LoadChessSet(QString(), QStringLiteral("Plain")));
    EXPECT_FALSE(LoadChessSet(QStringLiteral("..\\Classic Wood"), QStringLiteral("Plain")));
    ASSERT_EQ(texts.size(), 3u);
    for (const QString& text : texts)
        EXPECT_EQ(text, general);
    EXPECT_EQ(Icons().Count(), 0);
}

} // namespace
