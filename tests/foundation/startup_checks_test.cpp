#include "startup_test_support.h"

#include "foundation/global_setup.h"
#include "foundation/settings.h"
#include "foundation/startup_checks.h"
#include "platform/display_facts.h"
#include "platform/registry.h"

using namespace Support;
using TestSupport::StartupTest;

namespace {

struct DisplayCase {
    const char* dpiX;
    const char* dpiY;
    const char* resolution;
    const char* commandLine;
    std::vector<QString> titles; // system message boxes, in order
};

class DisplayCheckTest : public StartupTest { };

} // namespace

TEST_F(DisplayCheckTest, TableOfDisplaysAndSwitches)
{
    const std::vector<DisplayCase> cases = {
        {"96", "96", "1024,768", "", {}},
        {"96", "96", "800,600", "", {}},
        {"120", "96", "1024,768", "", {DpiErrorTitle}},
        {"96", "120", "800,600", "", {DpiErrorTitle}},
        {"96", "96", "640,480", "", {ScreenTooSmallTitle}},
        {"96", "96", "799,1200", "", {ScreenTooSmallTitle}},
        {"120", "120", "640,480", "", {DpiErrorTitle, ScreenTooSmallTitle}},
        {"120", "96", "640,480", "-nodpi -nores", {}},
        {"120", "96", "640,480", "-NODPI -NoRes", {}},
        {"120", "96", "640,480", "-nores", {DpiErrorTitle}},
        {"120", "96", "640,480", "-nodpi", {ScreenTooSmallTitle}},
        // Values that are not what a display reports pass the width test.
        {"96", "96", "wide,480", "", {}},
        {"96", "96", "99999,480", "", {}},
        {"96.0", "96", "1024,768", "", {DpiErrorTitle}},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(std::string(c.dpiX) + " " + c.dpiY + " " + c.resolution + " [" + c.commandLine
                     + "]");
        SetupGlobalVariables(QString::fromLatin1(c.commandLine));
        ProgramSettings() = Settings{};
        host.SystemMessages.clear();

        EXPECT_TRUE(CheckDisplaySettings({QString::fromLatin1(c.dpiX), QString::fromLatin1(c.dpiY),
                                          QString::fromLatin1(c.resolution)}));

        std::vector<QString> titles;
        for (const auto& message : host.SystemMessages) {
            titles.push_back(message.title);
            EXPECT_EQ(message.icon, SystemMessageIcon::Warning);
            EXPECT_EQ(message.text, message.title == DpiErrorTitle ? DpiErrorText : ScreenTooSmallText);
        }
        EXPECT_EQ(titles, c.titles);
        const bool forced = !c.titles.empty();
        EXPECT_EQ(Globals().SimpleUIForced, forced);
        EXPECT_EQ(ProgramSettings().SimpleUI, forced);
        EXPECT_EQ(host.ModalRuns, 0) << "the display check uses the system's own box only";
    }
}

TEST_F(DisplayCheckTest, ScreenFactsReachTheCheckAndTheForcedModeIsStoredForTheLoad)
{
    SetupGlobalVariables(QString());
    Registry::OverrideDisplayFacts(Registry::DisplayFacts{120, 120, 1280, 1024, 24});
    EXPECT_EQ(ReadDisplayValues().DpiX, QStringLiteral("120"));
    EXPECT_EQ(ReadDisplayValues().Resolution, QStringLiteral("1280,1024"));
    CheckDisplaySettings();
    Registry::OverrideDisplayFacts(std::nullopt);
    ASSERT_EQ(host.SystemMessages.size(), 1u);
    EXPECT_EQ(host.SystemMessages[0].title, DpiErrorTitle);

    // The start-up goes on with the upgrade and the load: this run and the
    // next both use the plain layout.
    ASSERT_TRUE(UpgradeSettings(ProgramSettings(), Globals().SimpleUIForced));
    Settings loaded;
    LoadSettings(loaded);
    EXPECT_TRUE(loaded.SimpleUI);
}

TEST_F(StartupTest, LowColourDepthWarnsOnceUntilTheDepthIsBackUp)
{
    SetupGlobalVariables(QString());
    // At start-up the settings upgrade has made the key by now.
    ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsKeyPath));
    struct Step {
        const char* depth;
        bool warns;
        bool markerAfter;
    };
    const Step steps[] = {
        {"8", true, true},                        // first start at 256 colours
        {"8", false, true},                       // already warned
        {"16", false, false},                     // back up: the marker is cleared
        {"24", false, false},  {"4", true, true}, // dropped again: warned again
        {"many", false, true},                    // not a number: passes, marker kept
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.depth);
        Messages.clear();
        CheckColourDepth(QString::fromLatin1(step.depth));
        ASSERT_EQ(Messages.size(), step.warns ? 1u : 0u);
        if (step.warns) {
            EXPECT_EQ(Messages[0].caption, LowColourDepthCaption);
            EXPECT_EQ(Messages[0].text, LowColourDepthText);
            EXPECT_EQ(Messages[0].okCaption, QStringLiteral("Ok"));
            EXPECT_FALSE(Messages[0].cancelShown);
        }
        EXPECT_EQ(GetBppChecked(), step.markerAfter);
    }
    EXPECT_TRUE(player.Played.empty()) << "the colour warning has no sound";

    // "-nobpp", in any letter case: no check, the marker left alone.
    SetBppChecked(false);
    Messages.clear();
    SetupGlobalVariables(QStringLiteral("-NoBpp"));
    CheckColourDepth(QStringLiteral("8"));
    EXPECT_TRUE(Messages.empty());
    EXPECT_FALSE(GetBppChecked());
}

TEST_F(StartupTest, FirstRunNoticeShowsOnceWithItsCueAndCreatesTheSettingsKey)
{
    SetupGlobalVariables(QString());
    ASSERT_FALSE(Registry::KeyExists(Registry::SettingsKeyPath));

    CheckRunBefore();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].caption, QStringLiteral("Versions prior to v") + GetVersionString());
    EXPECT_EQ(Messages[0].caption, QStringLiteral("Versions prior to v2.6.7"));
    EXPECT_EQ(Messages[0].text, OlderVersionsText);
    EXPECT_EQ(Messages[0].okCaption, QStringLiteral("OK"));
    EXPECT_FALSE(Messages[0].cancelShown);
    ASSERT_EQ(player.Played.size(), 1u);
    EXPECT_TRUE(player.Played[0].endsWith(QStringLiteral("/Cs006.mds")));
    EXPECT_TRUE(GetRunBefore());

    CheckRunBefore();
    CheckRunBefore();
    EXPECT_EQ(Messages.size(), 1u);
}
