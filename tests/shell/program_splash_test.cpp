// The tray window's start-up with the real splash screen on a fake clock:
// the splash stands while the start-up runs and hands the last steps of
// the start-up back to the tray window once.

#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/program_splash.h"
#include "shell/system_tray.h"
#include "tests/shell/recording_services.h"
#include "tests/shell/shell_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace SysTraySupport;

namespace {

const std::string TrayStateShown = "ShowTrayState(Marrowdale : Not connected)";

class ProgramSplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTesting::ResetBeforeTrayStartup(host);
        // The start-up's mail takes its time on the splash's clock.
        rec.Mail.Retrieval = [this] { now += startupMilliseconds; };
        rec.Startup.Settings = [this] { Support::ProgramSettings().SystrayStartup = trayStartup; };
        splash.Clock = [this] { return now; };
        TrayServices services = rec.Services();
        services.Splash = &splash;
        tray = std::make_unique<SystemTray>(services);
        splash.StartupTail = [this] { tray->RunStartupTail(); };
    }
    void TearDown() override
    {
        tray.reset();
        TrayIcon::PretendDesktopHasTray(std::nullopt);
    }

    int Count(const std::string& call) const
    {
        return int(std::count(rec.Calls.begin(), rec.Calls.end(), call));
    }

    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    ShellTesting::RecordingServices rec;
    ProgramSplash splash;
    std::unique_ptr<SystemTray> tray;
    std::int64_t now = 0;
    std::int64_t startupMilliseconds = 0;
    bool trayStartup = false;
};

// The splash stands its own time and hands over whatever the mail would
// take: the mail's first pass comes behind the list it hands over to.
TEST_F(ProgramSplashTest, TheTrayStartsWhenTheSplashHandsOverAndTheMailFollows)
{
    for (const std::int64_t startup : {std::int64_t(1000), std::int64_t(10000)}) {
        SCOPED_TRACE(startup);
        SetUp();
        rec.Calls.clear();
        now = 0;
        startupMilliseconds = startup;
        bool splashGoneAtTheMail = false;
        rec.OnCall = [&](const std::string& name) {
            if (name == "ConnectAndRetrieve(0,1,1)")
                splashGoneAtTheMail = splash.Window() == nullptr || !splash.Window()->isVisible();
        };
        ASSERT_TRUE(tray->Form_Load());
        SplashSupport::SplashScreen* window = splash.Window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Count("ShowGameList"), 0);
        EXPECT_EQ(Count(TrayStateShown), 0);
        EXPECT_EQ(Count("ConnectAndRetrieve(0,1,1)"), 0);
        EXPECT_TRUE(Support::Globals().ModalBusy);

        for (now = 500; now < 3500; now += 500) {
            window->SplashTimer_Timer();
            EXPECT_FALSE(window->Closed()) << now;
        }
        window->SplashTimer_Timer();
        EXPECT_TRUE(window->Closed());
        EXPECT_FALSE(window->isVisible());
        // Without tray start-up: the game list, then the tray state on it.
        const auto list = std::find(rec.Calls.begin(), rec.Calls.end(), "ShowGameList");
        EXPECT_EQ(Count("ShowGameList"), 1);
        EXPECT_EQ(Count(TrayStateShown), 1);
        EXPECT_LT(list, std::find(rec.Calls.begin(), rec.Calls.end(), TrayStateShown));
        EXPECT_TRUE(Support::Globals().ModalBusy);

        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
        EXPECT_EQ(Count("ConnectAndRetrieve(0,1,1)"), 1);
        EXPECT_TRUE(splashGoneAtTheMail);
        EXPECT_TRUE(tray->CheckTimer.isActive());
        EXPECT_FALSE(Support::Globals().ModalBusy);
        rec.OnCall = nullptr;
        TearDown();
    }
}

TEST_F(ProgramSplashTest, AnEndingProgramGetsNoTail)
{
    ASSERT_TRUE(tray->Form_Load());
    SplashSupport::SplashScreen* window = splash.Window();
    ASSERT_NE(window, nullptr);
    Support::Globals().Quitting = true;
    now = 4000;
    window->SplashTimer_Timer();
    EXPECT_TRUE(window->Closed());
    EXPECT_EQ(Count("ShowGameList"), 0);
    EXPECT_EQ(Count(TrayStateShown), 0);
    EXPECT_TRUE(Support::Globals().ModalBusy);
}

} // namespace
