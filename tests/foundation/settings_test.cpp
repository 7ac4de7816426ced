#include "foundation/settings.h"
#include "platform/registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Support;
using Registry::Value;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }

    static void Put(const QString& subkey, const QString& name, const Value& value)
    {
        ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsPrefix + subkey));
        ASSERT_TRUE(Registry::SetKeyValue(subkey, name, value));
    }
    static void Put(const QString& name, const Value& value) { Put("Marrowdale", name, value); }
    static Value Get(const QString& name, const QString& subkey = "Marrowdale")
    {
        return Registry::QueryValue(subkey, name);
    }

    // Settings with every value moved off its default.
    static Settings Changed()
    {
        Settings s;
        s.CheckInterval = 0;
        s.DisplaySplash = false;
        s.NotificationMethod = 3;
        s.NotificationSoundPath = "/home/x/sounds/";
        s.NotificationSoundWav = "1.5"; // a file name that looks like a number
        s.NotificationTimeout = 19;
        s.Verbose = true;
        s.ChessSet = "2000";
        s.ChessBoard = QString::fromUtf8("Ébène = noir");
        s.SearchDepth = 4;
        s.SysTrayIcons = 6;
        s.ShowToolTips = false;
        for (int i = 0; i < HeuristicCount; ++i)
            s.Heuristics[i] = static_cast<std::int16_t>(i * 7 - 200);
        s.Skin = "Midnight";
        s.DefaultView = true;
        s.SimpleUI = s.SimpleUINext = true;
        s.SystrayStartup = s.SystrayStartupNext = false;
        s.GameListPlace = QPoint(-40, 612); // left of the primary screen
        return s;
    }

    QTemporaryDir config_;
};

} // namespace

TEST(HeuristicDefaults, TextFormOfTheFactoryWeights)
{
    const std::string text = HeuristicsToText(FactoryHeuristics);
    EXPECT_EQ(text.rfind("88;-118;-39;-51;-171;0;68;", 0), 0u);
    EXPECT_TRUE(text.ends_with(";-58;-40;-88;148"));
    EXPECT_EQ(std::count(text.begin(), text.end(), ';'), 53);
    EXPECT_EQ(HeuristicsFromText(text), FactoryHeuristics);
    EXPECT_EQ(HeuristicsFromText(text + ";1;junk"), FactoryHeuristics); // extra fields ignored
    EXPECT_EQ(DefaultHeuristic(25), 200);
    EXPECT_EQ(DefaultHeuristic(53), 148);

    const std::string first53 = text.substr(0, text.rfind(';'));
    for (const std::string& bad :
         {std::string(), first53, first53 + ";", first53 + ";x", first53 + ";40000", "x;" + text})
        EXPECT_EQ(HeuristicsFromText(bad), std::nullopt) << bad;
}

TEST(Version, RunningVersionAndNumericOrder)
{
    EXPECT_EQ(GetVersionString(), "2.6.7");
    EXPECT_GT(CompareVersions("2.10.0", "2.6.7"), 0);
    EXPECT_LT(CompareVersions("2.5.1", "2.6.7"), 0);
    EXPECT_EQ(CompareVersions("2.6", "2.6.0"), 0);
    EXPECT_EQ(CompareVersions("02.6.7", "2.6.7"), 0);
    EXPECT_GT(CompareVersions("2.6.7.1", "2.6.7"), 0);
    EXPECT_TRUE(IsVersionText("2.4.0"));
    for (const char* notVersion : {"", "Mail", "2..4", "2.4.", "v2.4"})
        EXPECT_FALSE(IsVersionText(notVersion)) << notVersion;
}

TEST_F(SettingsTest, EmptyStoreLoadsEveryDefault)
{
    Settings s = Changed();
    LoadSettings(s);
    EXPECT_EQ(s, Settings{});
    EXPECT_EQ(s.Heuristics, FactoryHeuristics);
    EXPECT_EQ(s.NotificationSoundWav, "None");
    EXPECT_FALSE(GetLogonStatus());
    EXPECT_FALSE(GetRunBefore());
    EXPECT_FALSE(GetBppChecked());
}

TEST_F(SettingsTest, SaveThenLoadRoundTripsEverySetting)
{
    ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsKeyPath));
    const Settings saved = Changed();
    ASSERT_TRUE(SaveSettings(saved));
    Settings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded, saved);

    // Kinds are the setting's own, whatever the text looks like.
    EXPECT_EQ(Get("NotificationSoundWav"), Value::Text("1.5"));
    EXPECT_EQ(Get("ChessSet"), Value::Text("2000"));
    EXPECT_EQ(Get("CheckInterval"), Value::Number(0));
    EXPECT_EQ(Get("SimpleUI"), Value::Text("True"));
    EXPECT_EQ(Get("Heuristics").ToText().count(u';'), 53);
}

TEST_F(SettingsTest, SaveWritesTheModesChosenForTheNextStart)
{
    ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsKeyPath));
    Settings s;
    s.SimpleUI = false;
    s.SimpleUINext = true;
    s.SystrayStartup = true;
    s.SystrayStartupNext = false;
    s.NotificationSoundWav.clear();
    ASSERT_TRUE(SaveSettings(s));
    EXPECT_EQ(Get("SimpleUI").ToText(), "True");
    EXPECT_EQ(Get("SystrayStartup").ToText(), "False");
    EXPECT_EQ(Get("NotificationSoundWav").ToText(), "None");
    Settings loaded;
    LoadSettings(loaded);
    EXPECT_TRUE(loaded.SimpleUI && loaded.SimpleUINext);
    EXPECT_FALSE(loaded.SystrayStartup || loaded.SystrayStartupNext);
}

TEST_F(SettingsTest, SaveWithoutAKeyReportsFailure)
{
    EXPECT_FALSE(SaveSettings(Settings{}));
}

TEST_F(SettingsTest, UntrustworthyStoredValuesTakeTheirDefaults)
{
    const std::pair<const char*, Value> stored[] = {
        {"CheckInterval", Value::Text("20")},     // wrong kind
        {"NotificationMethod", Value::Number(4)}, // out of range
        {"NotificationTimeout", Value::Number(20)},
        {"SearchDepth", Value::Number(5)},
        {"SysTrayIcons", Value::Number(0)},
        {"Verbose", Value::Text("true")},     // not exactly "True": false
        {"ShowToolTips", Value::Number(1)},   // wrong kind
        {"DisplaySplash", Value::Text("")},   // blank
        {"ChessSet", Value::Number(7)},       // wrong kind
        {"Heuristics", Value::Text("1;2;3")}, // fewer than 54
    };
    for (const auto& [name, value] : stored)
        Put(name, value);
    Settings s = Changed();
    LoadSettings(s);
    const Settings d;
    EXPECT_EQ(s.CheckInterval, d.CheckInterval);
    EXPECT_EQ(s.NotificationMethod, d.NotificationMethod);
    EXPECT_EQ(s.NotificationTimeout, d.NotificationTimeout);
    EXPECT_EQ(s.SearchDepth, d.SearchDepth);
    EXPECT_EQ(s.SysTrayIcons, d.SysTrayIcons);
    EXPECT_FALSE(s.Verbose);
    EXPECT_TRUE(s.ShowToolTips);
    EXPECT_TRUE(s.DisplaySplash);
    EXPECT_EQ(s.ChessSet, d.ChessSet);
    EXPECT_EQ(s.Heuristics, FactoryHeuristics);

    Put("Heuristics",
        Value::Text(QString::fromStdString(HeuristicsToText(Changed().Heuristics)) + ";55"));
    Put("SearchDepth", Value::Number(0));
    Put("NotificationTimeout", Value::Number(0));
    LoadSettings(s);
    EXPECT_EQ(s.Heuristics, Changed().Heuristics); // a 55th number is ignored
    EXPECT_EQ(s.SearchDepth, 0);
    EXPECT_EQ(s.NotificationTimeout, 0);

    // A hand-edited weight outside what the editor allows is brought back
    // into range rather than handed to the computer opponent.
    HeuristicWeights edited = FactoryHeuristics;
    edited[0] = 500;
    edited[1] = -32000;
    Put("Heuristics", Value::Text(QString::fromStdString(HeuristicsToText(edited))));
    LoadSettings(s);
    EXPECT_EQ(s.Heuristics[0], 200);
    EXPECT_EQ(s.Heuristics[1], -200);
    EXPECT_EQ(s.Heuristics[2], FactoryHeuristics[2]);
}

TEST_F(SettingsTest, MarkersAreWrittenAtOnce)
{
    ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsKeyPath));
    ASSERT_TRUE(SetLogonStatus(true));
    ASSERT_TRUE(SetRunBefore(true));
    ASSERT_TRUE(SetBppChecked(true));
    EXPECT_TRUE(GetLogonStatus() && GetRunBefore() && GetBppChecked());
    EXPECT_EQ(Get("LogonStatus"), Value::Text("True"));
    ASSERT_TRUE(SetLogonStatus(false));
    EXPECT_FALSE(GetLogonStatus());
}

TEST_F(SettingsTest, UpgradeCopiesTheNewestOlderVersionOnly)
{
    Put("Marrowdale\\2.4.0", "Skin", Value::Text("From 2.4.0"));
    Put("Marrowdale\\2.10.0", "Skin", Value::Text("From 2.10.0")); // newer than 2.6.7
    Put("Marrowdale\\2.6.7", "Skin", Value::Text("From 2.6.7"));   // not older
    Put("Marrowdale\\Mail", "Skin", Value::Text("Not a version"));
    Put("Marrowdale\\2.5.9", "Skin", Value::Text("From 2.5.9")); // sorts last as text
    const QString old = "Marrowdale\\2.5.10";
    Put(old, "Skin", Value::Text("From 2.5.10"));
    Put(old, "CheckInterval", Value::Text("60000")); // an old numeric text
    Put(old, "DisplaySplash", Value::Text("False"));
    Put(old, "NotificationSoundSav", Value::Text("ding.wav"));
    Put(old, "NotificationSoundWav", Value::Text("old.wav"));
    Put(old, "SearchDepth", Value::Number(3));
    Put(old, "ChessSet", Value::Number(2000)); // an old text stored as a number
    Put(old, "Verbose", Value::Text("True"));
    Put(old, "BppChecked", Value::Text("True"));
    Put(old, "LogonStatus", Value::Text("True"));
    Put(old, "RunBefore", Value::Text("True"));

    Settings s;
    QStringList shown;
    int hidden = 0;
    ASSERT_TRUE(UpgradeSettings(s, false, {[&](const QString& t) { shown << t; }, [&] { ++hidden; }}));
    EXPECT_EQ(s.Skin, "From 2.5.10");
    EXPECT_EQ(shown, QStringList{"Marrowdale is upgrading to version 2.6.7"});
    EXPECT_EQ(hidden, 1);

    EXPECT_EQ(Get("Skin"), Value::Text("From 2.5.10"));
    EXPECT_EQ(Get("CheckInterval"), Value::Number(60000));
    EXPECT_EQ(Get("DisplaySplash"), Value::Text("True"));
    EXPECT_EQ(Get("NotificationSoundWav"), Value::Text("ding.wav"));
    EXPECT_EQ(Get("SearchDepth"), Value::Number(3));
    EXPECT_EQ(Get("ChessSet"), Value::Text("2000"));
    EXPECT_EQ(Get("Verbose"), Value::Text("True"));
    EXPECT_EQ(Get("BppChecked"), Value::Text("True"));
    EXPECT_EQ(Get("NotificationMethod"), Value::Number(2)); // missing: default
    EXPECT_EQ(Get("SimpleUI"), Value::Text("False"));
    EXPECT_TRUE(Get("LogonStatus").IsEmpty());
    EXPECT_TRUE(Get("RunBefore").IsEmpty());

    LoadSettings(s);
    EXPECT_EQ(s.ChessSet, "2000");
    EXPECT_EQ(s.CheckInterval, 60000);
    EXPECT_TRUE(s.Verbose);

    // Once upgraded, a later start copies nothing again.
    Put(old, "Skin", Value::Text("Changed later"));
    ASSERT_TRUE(UpgradeSettings(s, false));
    EXPECT_EQ(Get("Skin").ToText(), "From 2.5.10");
}

TEST_F(SettingsTest, UpgradeOfAFreshInstallationWritesTheDefaults)
{
    Put("Marrowdale\\3.0.0", "Skin", Value::Text("Future"));
    Settings s = Changed();
    ASSERT_TRUE(UpgradeSettings(s, false));
    EXPECT_EQ(s.Skin, "Marrowdale Classic");
    LoadSettings(s);
    EXPECT_EQ(s, Settings{});
    EXPECT_EQ(Get("NotificationSoundWav"), Value::Text("None"));
    EXPECT_EQ(Get("BppChecked"), Value::Text("False"));
}

TEST_F(SettingsTest, ForcedPlainModeIsStoredWhetherOrNotTheKeyWasUpgraded)
{
    Put("Marrowdale\\2.5.1", "SimpleUI", Value::Text("False"));
    Settings s;
    ASSERT_TRUE(UpgradeSettings(s, true));
    EXPECT_EQ(Get("SimpleUI").ToText(), "True");

    ASSERT_TRUE(Registry::SetKeyValue("Marrowdale", "SimpleUI", Value::Text("False")));
    ASSERT_TRUE(UpgradeSettings(s, true)); // already upgraded: only the forced mode
    LoadSettings(s);
    EXPECT_TRUE(s.SimpleUI && s.SimpleUINext);
}
