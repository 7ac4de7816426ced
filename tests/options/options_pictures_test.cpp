// The chess set and skin pages: the lists, the board preview's cells and
// the skin previews.
#include "options/options_page.h"
#include "options/skin_preview.h"

#include "tests/options/options_test_support.h"

#include "foundation/picture_clip.h"
#include "foundation/settings.h"
#include "foundation/skin.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace OptionsSupport;

namespace {

class OptionsPicturesTest : public OptionsTesting::OptionsPageFixture {
protected:
    QString SetPath(const QString& set) const { return folders.ChessSetPath(set); }
    void CopyBoard(const QString& set, const QString& board) const
    {
        ASSERT_TRUE(QFile::copy(SetPath(QStringLiteral("Classic Wood")) + QStringLiteral("Plain.jpg"),
                                SetPath(set) + board + QStringLiteral(".jpg")));
    }
    bool PreviewShown() const
    {
        return page->ChessSet().PreviewSquare(1, 1)->isVisibleTo(page->PageFrame(ChessSetTab));
    }
    static QString Names(const NameList& list) { return list.names.join(QLatin1Char(',')); }
};

} // namespace

TEST(PreviewClipGraphic, TheStartPositionUsesTheCellsOfItsPiecesAndShades)
{
    const PreviewSquares squares = StartPositionPreview();
    const struct {
        int square; // 10 * column + row
        int cell;
    } cases[] = {
        {11, 9},  // a1: White rook on a dark square
        {81, 1},  // h1: White rook on a light square
        {41, 4},  // d1: White queen, light
        {51, 13}, // e1: White king, dark
        {58, 21}, // e8: Black king, light
        {13, 24}, // a3: empty dark square
        {14, 16}, // a4: empty light square
        {12, 6},  // a2: White pawn, light
        {17, 30}, // a7: Black pawn, dark
    };
    for (const auto& c : cases) {
        const int column = c.square / 10, row = c.square % 10;
        EXPECT_EQ(PreviewClipGraphic(squares[column][row], column, row), c.cell) << c.square;
    }
    std::set<int> used;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            used.insert(PreviewClipGraphic(squares[column][row], column, row));
    EXPECT_EQ(used, (std::set<int>{1,  2,  3,  4,  6,  9,  10, 11, 13, 14, 16,
                                   17, 18, 19, 21, 22, 24, 25, 26, 27, 28, 30}));
}

TEST_F(OptionsPicturesTest, EachPreviewSquareShowsItsCellOfTheBoardPicture)
{
    Open();
    ASSERT_TRUE(PreviewShown());
    Support::PictureClip expected(nullptr, QStringLiteral("Expected"), 4, 8);
    expected.SetPicture(QPixmap(SetPath(QStringLiteral("Classic Wood")) + QStringLiteral("Plain.jpg")));
    const PreviewSquares squares = StartPositionPreview();
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            EXPECT_EQ(
                page->ChessSet().PreviewSquare(column, row)->pixmap().toImage(),
                expected.GraphicCell(PreviewClipGraphic(squares[column][row], column, row)).toImage())
                << column << "," << row;
}

TEST_F(OptionsPicturesTest, ASetNoLongerOnDiskSelectsTheFirstSetAndNoBoard)
{
    folders.CopyChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Another"));
    settings.ChessSet = QStringLiteral("Gone");
    Open();
    const NameList& sets = page->Controller().ChessSet().Sets();
    EXPECT_EQ(sets.SelectedName(), sets.names.first());
    EXPECT_EQ(sets.bold, -1);
    EXPECT_FALSE(page->Controller().ChessSet().Boards().HasSelection());
    EXPECT_FALSE(PreviewShown());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OptionsPicturesTest, TheChosenBoardIsKeptAcrossSetsThatHaveIt)
{
    const QString classic = QStringLiteral("Classic Wood");
    CopyBoard(classic, QStringLiteral("Marble"));
    folders.CopyChessSet(classic, QStringLiteral("Zebra"));
    folders.CopyChessSet(classic, QStringLiteral("Yew"));
    ASSERT_TRUE(QFile::remove(SetPath(QStringLiteral("Yew")) + QStringLiteral("Marble.jpg")));
    Open();
    const NameList& sets = page->Controller().ChessSet().Sets();
    const NameList& boards = page->Controller().ChessSet().Boards();
    EXPECT_EQ(boards.SelectedName(), QStringLiteral("Plain"));

    page->ChessSet().Boards()->setCurrentRow(int(boards.names.indexOf(QStringLiteral("Marble"))));
    page->ChessSet().Sets()->setCurrentRow(int(sets.names.indexOf(QStringLiteral("Zebra"))));
    EXPECT_EQ(boards.SelectedName(), QStringLiteral("Marble"));
    EXPECT_EQ(boards.bold, -1); // not the set in force
    EXPECT_TRUE(PreviewShown());

    page->ChessSet().Sets()->setCurrentRow(int(sets.names.indexOf(classic)));
    EXPECT_EQ(boards.SelectedName(), QStringLiteral("Marble"));
    EXPECT_EQ(boards.names[boards.bold], QStringLiteral("Plain"));

    // A set without it chooses nothing: no preview, and OK is refused.
    page->ChessSet().Sets()->setCurrentRow(int(sets.names.indexOf(QStringLiteral("Yew"))));
    EXPECT_FALSE(boards.HasSelection());
    EXPECT_FALSE(PreviewShown());
    page->OkButtonFace_Click();
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Chess board selection")});

    page->ChessSet().Sets()->setCurrentRow(int(sets.names.indexOf(QStringLiteral("Zebra"))));
    page->ChessSet().Boards()->setCurrentRow(int(boards.names.indexOf(QStringLiteral("Marble"))));
    page->OkButtonFace_Click();
    EXPECT_TRUE(page->Unloaded());
    EXPECT_EQ(settings.ChessSet, QStringLiteral("Zebra"));
    EXPECT_EQ(settings.ChessBoard, QStringLiteral("Marble"));
    EXPECT_EQ(port.calls, std::vector<std::string>{"ChessSetChanged"});
}

TEST_F(OptionsPicturesTest, OnlyLowerCaseJpgFilesAreBoards)
{
    folders.CopyChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Shouty"));
    const QString shouty = SetPath(QStringLiteral("Shouty"));
    ASSERT_TRUE(
        QFile::rename(shouty + QStringLiteral("Plain.jpg"), shouty + QStringLiteral("Plain.JPG")));
    settings.ChessSet = QStringLiteral("Shouty");
    Open();
    EXPECT_TRUE(page->Controller().ChessSet().Boards().names.isEmpty());
    EXPECT_FALSE(PreviewShown());
}

TEST_F(OptionsPicturesTest, WithoutAGraphicsFolderTheUserIsToldOnce)
{
    QDir(folders.ProgramPath() + QStringLiteral("/Graphics")).removeRecursively();
    Open();
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Chess set error")});
    EXPECT_TRUE(page->Controller().ChessSet().Sets().names.isEmpty());
    EXPECT_FALSE(PreviewShown());
}

TEST_F(OptionsPicturesTest, SkinPreviewsAndASkinNoLongerOnDisk)
{
    folders.CopySkin(QStringLiteral("Marrowdale Classic"), QStringLiteral("Bare"));
    ASSERT_TRUE(QFile::remove(folders.SkinPath(QStringLiteral("Bare")) + QStringLiteral("Board.jpg")));
    Open();
    const NameList& skins = page->Controller().Skins().List();
    EXPECT_EQ(skins.SelectedName(), QStringLiteral("Marrowdale Classic"));
    EXPECT_FALSE(page->Skins().PreviewBoard()->pixmap().isNull());
    page->Skins().List()->setCurrentRow(int(skins.names.indexOf(QStringLiteral("Bare"))));
    EXPECT_TRUE(page->Skins().PreviewBoard()->pixmap().isNull());
    EXPECT_FALSE(page->Skins().PreviewInterface()->pixmap().isNull());
    EXPECT_TRUE(page->Controller().ApplyEnabled());
    page->Skins().List()->setCurrentRow(-1);
    EXPECT_TRUE(page->Skins().PreviewBoard()->pixmap().isNull());
    EXPECT_TRUE(page->Skins().PreviewInterface()->pixmap().isNull());

    OptionsController controller(settings, port);
    settings.Skin = QStringLiteral("Gone");
    ASSERT_TRUE(controller.Load());
    EXPECT_EQ(controller.Skins().List().selected, 0);
    EXPECT_EQ(controller.Skins().List().bold, -1);
}

// Each preview is the skin's window: its background with the skin's own
// toolbar faces and grid colours where the window shows them, so two skins
// look apart and differ from their bare backgrounds.
TEST_F(OptionsPicturesTest, TheSkinPreviewShowsTheSkinsOwnWindow)
{
    struct Case {
        PreviewWindow window;
        const char* background;
        const char* strip;
        QPoint face;   // the centre of the first toolbar face in the window
        QPoint strip0; // ... and in its strip
        QPoint grid;   // a cell of the grid
        const char* swatch;
    };
    const Case cases[] = {
        {PreviewWindow::Board, "Board.jpg", "BoardButtons.bmp", QPoint(72, 57), QPoint(32, 20),
         QPoint(620, 200), "BoardGrid.bmp"},
        {PreviewWindow::GameList, "Interface.jpg", "InterfaceButtons.bmp", QPoint(70, 70),
         QPoint(32, 20), QPoint(380, 250), "InterfaceGrid.bmp"},
    };
    for (const char* name : {"Marrowdale Classic", "Harbour Slate"}) {
        const QString skin = QLatin1String(name);
        const QString folder = folders.SkinPath(skin);
        for (const Case& c : cases) {
            SCOPED_TRACE((skin + QLatin1Char(' ') + QLatin1String(c.background)).toStdString());
            const QImage preview = SkinPreviewPicture(folder, c.window);
            const QImage bare(folder + QLatin1String(c.background));
            ASSERT_FALSE(preview.isNull());
            EXPECT_EQ(preview.size(), bare.size());
            EXPECT_EQ(preview.pixel(c.face), QImage(folder + QLatin1String(c.strip)).pixel(c.strip0));
            EXPECT_NE(preview.pixel(c.face), bare.convertToFormat(QImage::Format_RGB32).pixel(c.face));
            EXPECT_EQ(QColor(preview.pixel(c.grid)),
                      Support::ToQColor(
                          Support::GetSkinColour(QImage(folder + QLatin1String(c.swatch)), 3, 1)));
        }
    }
    // The page shows them.
    Open();
    EXPECT_EQ(page->Skins().PreviewBoard()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              SkinPreviewPicture(folders.SkinPath(QStringLiteral("Marrowdale Classic")),
                                 PreviewWindow::Board));
}

TEST_F(OptionsPicturesTest, AnEmptySkinsFolderIsNoFailure)
{
    QDir(folders.ProgramPath() + QStringLiteral("/UI Graphics")).removeRecursively();
    QDir().mkpath(folders.ProgramPath() + QStringLiteral("/UI Graphics"));
    OptionsController controller(settings, port);
    EXPECT_TRUE(controller.Load());
    EXPECT_TRUE(controller.Skins().List().names.isEmpty());
    EXPECT_FALSE(controller.Skins().List().HasSelection());
    EXPECT_TRUE(host.messages.empty());
    QDir(folders.ProgramPath() + QStringLiteral("/UI Graphics")).removeRecursively();
    // With no skins at all, the message itself shows in the plain layout.
    Support::ProgramSettings().SimpleUI = true;
    EXPECT_FALSE(controller.Load());
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Skin error")});
}
