#include "dialogs/splash_screen.h"
#include "foundation/program_state.h"
#include "foundation/shutdown.h"
#include "platform/display_facts.h"
#include "tests/foundation/widget_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace SplashSupport;

namespace {

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Support::Globals().StartupDone = false;
        Support::Globals().Quitting = false;
    }
    void TearDown() override
    {
        Support::Globals().StartupDone = false;
        Support::Globals().Quitting = false;
        Registry::OverrideDisplayFacts(std::nullopt);
    }

    // Ticks every half second from `from` to `until` (ms on the fake
    // clock), with the start-up finishing at `doneAt`; the time of the
    // tick that closed the splash, or -1.
    std::int64_t RunTicks(std::int64_t from, std::int64_t until, std::int64_t doneAt)
    {
        for (now = from; now <= until; now += TickMilliseconds) {
            Support::Globals().StartupDone = now >= doneAt;
            splash.SplashTimer_Timer();
            if (splash.Closed())
                return now;
        }
        return -1;
    }

    TestSupport::ProgramFolder folder;
    std::int64_t now = 0;
    int tails = 0;
    SplashScreen splash{[this] { ++tails; }, [this] { return now; }};
};

TEST_F(SplashTest, ClosesAfterTheMinimumTimeOnceStartupIsDoneAndRunsTheTailOnce)
{
    struct Case {
        const char* what;
        std::int64_t firstTick; // ticks arrive from here on
        std::int64_t doneAt;
        std::int64_t closesAt;
    };
    const Case cases[] = {
        {"a one-second start-up waits for the minimum", 500, 1000, 3500},
        {"done before the first tick", 500, 0, 3500},
        {"a ten-second start-up closes at the next tick", 500, 9800, 10000},
        // The start-up delivered no ticks while it ran: the first tick
        // after it sees the time that has passed.
        {"a busy start-up that held back every tick", 6000, 5900, 6000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SplashScreen shown([this] { ++tails; }, [this] { return now; });
        now = 0;
        tails = 0;
        shown.Form_Load();
        EXPECT_TRUE(shown.SplashTimer.isActive());
        EXPECT_EQ(shown.SplashTimer.interval(), TickMilliseconds);
        std::int64_t closedAt = -1;
        for (now = c.firstTick; now <= 12000 && closedAt < 0; now += TickMilliseconds) {
            Support::Globals().StartupDone = now >= c.doneAt;
            shown.SplashTimer_Timer();
            if (shown.Closed())
                closedAt = now;
        }
        EXPECT_EQ(closedAt, c.closesAt);
        EXPECT_EQ(tails, 1);
        EXPECT_FALSE(shown.isVisible());
        EXPECT_FALSE(shown.SplashTimer.isActive());
        EXPECT_FALSE(Support::IsWindowLoaded(QStringLiteral("SplashScreen")));

        // Later ticks and unloads run nothing more.
        shown.SplashTimer_Timer();
        shown.Form_Unload(true);
        EXPECT_EQ(tails, 1);
    }
}

TEST_F(SplashTest, NoTailWhenTheProgramIsEndingOrShutsTheSplashDown)
{
    splash.Form_Load();
    EXPECT_TRUE(Support::IsWindowLoaded(QStringLiteral("SplashScreen")));
    Support::Globals().Quitting = true;
    EXPECT_EQ(RunTicks(500, 5000, 0), 3500);
    EXPECT_EQ(tails, 0);

    // The shut-down unloads a standing splash: it goes, and runs nothing,
    // whatever the Quitting flag says.
    SplashScreen standing([this] { ++tails; }, [this] { return now; });
    Support::Globals().Quitting = false;
    standing.Form_Load();
    standing.show();
    Support::CloseDown(false);
    EXPECT_TRUE(standing.Closed());
    EXPECT_FALSE(standing.isVisible());
    standing.SplashTimer_Timer();
    EXPECT_EQ(tails, 0);
}

TEST_F(SplashTest, PictureFollowsTheColourDepth)
{
    const struct {
        const char* bitsPerPixel;
        const char* file;
    } cases[] = {{"8", "Splash8.bmp"},    {"15", "Splash8.bmp"},    {"16", "Splash16.bmp"},
                 {"24", "Splash16.bmp"},  {"32", "Splash16.bmp"},   {"", "Splash8.bmp"},
                 {"deep", "Splash8.bmp"}, {" 24 ", "Splash16.bmp"}, {"70000", "Splash8.bmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitsPerPixel);
        EXPECT_EQ(SplashPictureFile(QStringLiteral("/p"), QString::fromLatin1(c.bitsPerPixel)),
                  QStringLiteral("/p/UI Graphics/") + QString::fromLatin1(c.file));
    }

    // The window reads the display's depth and takes that picture's size.
    Registry::DisplayFacts facts;
    facts.BitsPerPixel = 24;
    Registry::OverrideDisplayFacts(facts);
    splash.Form_Load();
    EXPECT_EQ(splash.PictureFile(), folder.Path() + QStringLiteral("/UI Graphics/Splash16.bmp"));
    EXPECT_EQ(splash.size(), QSize(480, 300));
}

TEST_F(SplashTest, MissingPictureStillHandsOver)
{
    ASSERT_TRUE(QFile::remove(folder.Path() + QStringLiteral("/UI Graphics/Splash8.bmp")));
    ASSERT_TRUE(QFile::remove(folder.Path() + QStringLiteral("/UI Graphics/Splash16.bmp")));
    splash.Form_Load();
    splash.show();
    EXPECT_EQ(splash.size(), QSize(480, 300));
    EXPECT_FALSE(splash.grab().isNull());
    EXPECT_EQ(RunTicks(500, 5000, 0), 3500);
    EXPECT_EQ(tails, 1);
}

} // namespace
