#include "foundation/settings.h"
#include "foundation/window_shape.h"
#include "widget_test_support.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace WindowShape;

namespace {

const Member& Status()
{
    const Member* m = Find("StatusWindow");
    EXPECT_NE(m, nullptr);
    return *m;
}

TEST(WindowOutline, StatusWindowScalesAtTwoScreenDensitiesRoundingHalfToEven)
{
    // 96 DPI (15 twips per pixel): the point moves by its offset only.
    const auto at96 = ScaledOutline(Status(), 1, 1, 15, 15, 2, 21);
    EXPECT_EQ(at96[0], (PixelPoint{30, 27}));
    // 120 DPI (12 twips per pixel): 28 x 1.25 + 2 = 37; 6 x 1.25 + 21 = 28.5 -> 28;
    // (302, 7): 379.5 -> 380, 29.75 -> 30.
    const auto at120 = ScaledOutline(Status(), 1, 1, 12, 12, 2, 21);
    EXPECT_EQ(at120[0], (PixelPoint{37, 28}));
    EXPECT_EQ(at120[2], (PixelPoint{380, 30}));
    EXPECT_EQ(at120.size(), 38u);
}

TEST(WindowOutline, PointsOutsideTheTableAreZero)
{
    const Member& m = Status();
    EXPECT_EQ(ShapePointX(m, -1), 0);
    EXPECT_EQ(ShapePointY(m, -1), 0);
    EXPECT_EQ(ShapePointX(m, 38), 0);
    EXPECT_EQ(ShapePointX(m, 37), 24);
    EXPECT_EQ(ShapePointY(m, 37), 7);
}

TEST(WindowOutline, EveryOutlineHasItsPointCountAndLiesInsideItsPicture)
{
    const std::pair<const char*, int> counts[] = {
        {"StatusWindow", 38},  {"NewGameInfo", 69},  {"NotifyForm", 40},     {"AboutBox", 101},
        {"Board", 81},         {"ExchangePawn", 52}, {"ChooseOpponent", 47}, {"GameInterface", 130},
        {"OptionsPage", 77},   {"SelectSound", 41},  {"Credits", 58},        {"SetupWarningForm", 86},
        {"SelectPrinter", 87}, {"MsgForm", 102}};
    EXPECT_EQ(Members().size(), std::size(counts));
    for (const auto& [window, n] : counts) {
        SCOPED_TRACE(window);
        const Member* m = Find(window);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(int(m->outline.size()), n);
        for (std::size_t i = 0; i < m->outline.size(); ++i) {
            const Point& p = m->outline[i];
            EXPECT_TRUE(p.x >= 0 && p.x < m->pictureWidth && p.y >= 0 && p.y < m->pictureHeight)
                << p.x << "," << p.y;
            EXPECT_NE(p, m->outline[(i + 1) % m->outline.size()]) << "repeated point " << i;
        }
        // Starts near the top-left corner and runs along the top edge first.
        EXPECT_LT(m->outline[0].x, m->pictureWidth / 4);
        EXPECT_LT(m->outline[0].y, m->pictureHeight / 4);
        EXPECT_GT(m->outline[1].x, m->outline[0].x);
    }
}

TEST(WindowOutline, GeneratedPicturesHaveTheOutlinesSizes)
{
    for (const Member& m : Members()) {
        SCOPED_TRACE(std::string(m.window));
        const std::string file = m.window == "GameInterface" ? "Interface.jpg"
                                 : m.window == "AboutBox"    ? "About.jpg"
                                                             : std::string(m.window) + ".jpg";
        const QImage picture(QStringLiteral(MD_SHARE_DIR "/UI Graphics/Marrowdale Classic/")
                             + QString::fromStdString(file));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), m.pictureWidth);
        EXPECT_EQ(picture.height(), m.pictureHeight);
    }
}

TEST(WindowRegion, ClipsTheWindowToItsOutline)
{
    TestSupport::EnsureQtApp();
    const QRegion region = BuildWindowRegion(Status(), 1, 1, 0, 0);
    EXPECT_TRUE(region.contains(QPoint(160, 40)));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(325, 75)));

    QWidget window;
    window.setObjectName(QStringLiteral("MsgForm"));
    EXPECT_TRUE(ApplyWindowShape(window));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(210, 100)));

    QWidget unknown;
    unknown.setObjectName(QStringLiteral("SplashScreen"));
    EXPECT_FALSE(ApplyWindowShape(unknown));
}

TEST(WindowDrag, BackgroundPressDragsByTheWindowsRule)
{
    TestSupport::EnsureQtApp();
    EXPECT_FALSE(ShouldDrag(DragRule::Never, false));
    EXPECT_TRUE(ShouldDrag(DragRule::Always, true));
    EXPECT_TRUE(ShouldDrag(DragRule::OnlyWhenSkinned, false));
    EXPECT_FALSE(ShouldDrag(DragRule::OnlyWhenSkinned, true));

    // In the plain layout the board does not drag, the message box still does,
    // by any mouse button.
    Support::ProgramSettings().SimpleUI = true;
    for (const auto& [name, drags] :
         {std::pair{"Board", false}, std::pair{"MsgForm", true}, std::pair{"StatusWindow", false}}) {
        SCOPED_TRACE(name);
        QWidget window;
        window.setObjectName(QString::fromLatin1(name));
        window.resize(200, 100);
        int moves = 0;
        EnableBackgroundDrag(window)->StartMove = [&moves](QWidget&) { ++moves; };
        QTest::mousePress(&window, Qt::RightButton, {}, QPoint(50, 50));
        EXPECT_EQ(moves, drags ? 1 : 0);
    }
    Support::ProgramSettings() = Support::Settings{};
}

} // namespace
