#include "startup_test_support.h"

#include "foundation/global_setup.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/options_about_entry.h"
#include "foundation/sound_cues.h"
#include "platform/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>

using namespace Support;
using TestSupport::StartupTest;

namespace {

class SoundTest : public StartupTest { };

class HelpTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        Globals().ProgramFolder = QStringLiteral(MD_SHARE_DIR);
    }
    void TearDown() override
    {
        Platform::ProgramHelpViewer().CloseAll();
        StartupTest::TearDown();
    }
    QWidget owner;
};

class GuardTest : public StartupTest {
protected:
    void TearDown() override
    {
        EntryWindows() = {};
        StartupTest::TearDown();
    }
    // What the window saw of the guard while it was open.
    bool timerWhileOpen = true;
    bool busyWhileOpen = false;
    int runs = 0;
    std::function<void()> Window()
    {
        return [this] {
            ++runs;
            timerWhileOpen = CheckTimerEnabled();
            busyWhileOpen = Globals().ModalBusy;
        };
    }
};

} // namespace

TEST(GlobalSetup, SwitchesCountAnywhereInAnyLetterCase)
{
    TestSupport::EnsureQtApp();
    struct Case {
        const char* commandLine;
        bool standAlone, noNetwork, dpi, resolution, depth, sound;
    };
    const Case cases[] = {
        {"", false, false, true, true, true, true},
        {"-testingmode -nonetwork", true, true, true, true, true, true},
        {"-TestingMode", true, false, true, true, true, true},
        {"-NODPI -nores -NoBpp", false, false, false, false, false, true},
        {"-nosound", false, false, true, true, true, false},
        {"x-NOSOUNDy", false, false, true, true, true, false}, // inside a longer word
        {"nosound -nodp", false, false, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        SetupGlobalVariables(QString::fromLatin1(c.commandLine));
        const ProgramState& state = Globals();
        EXPECT_EQ(state.Mail.StandAloneMode, c.standAlone);
        EXPECT_EQ(state.Mail.NoNetwork, c.noNetwork);
        EXPECT_EQ(state.DPICheck, c.dpi);
        EXPECT_EQ(state.ResolutionCheck, c.resolution);
        EXPECT_EQ(state.ColourDepthCheck, c.depth);
        EXPECT_EQ(state.SoundAllowed, c.sound);
    }
}

TEST(GlobalSetup, EveryStartBeginsFromTheSameValues)
{
    TestSupport::EnsureQtApp();
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    ProgramState& state = Globals();
    state.ModalBusy = state.StartupDone = state.Quitting = state.SimpleUIForced = true;
    state.Mail.NewMovesArrived = true;
    state.Mail.MailOffline = false;

    SetupGlobalVariables(QString());

    EXPECT_FALSE(state.ModalBusy || state.StartupDone || state.Quitting || state.SimpleUIForced);
    EXPECT_FALSE(state.Mail.NewMovesArrived);
    EXPECT_TRUE(state.Mail.MailOffline);
    EXPECT_EQ(state.DatabaseFileName, QStringLiteral("Mdgdb.dat"));
    EXPECT_EQ(state.DataPath, data.path() + QStringLiteral("/Tallowmere/Marrowdale/Data/"));
    EXPECT_TRUE(QFileInfo(state.DataPath).isDir());
    // The games and move files in it are the player's alone.
    EXPECT_EQ(std::filesystem::status(state.DataPath.toStdString()).permissions(),
              std::filesystem::perms::owner_all);
    EXPECT_TRUE(static_cast<bool>(state.PlaySoundCue));
    state.PlaySoundCue = nullptr;
}

TEST_F(SoundTest, CueNPlaysItsFileFromTheProgramFolder)
{
    SetupGlobalVariables(QString());
    for (int cue = 1; cue <= 7; ++cue) {
        const QString expected = folder.Path() + QStringLiteral("/Cs00%1.mds").arg(cue);
        EXPECT_EQ(SoundCueFile(static_cast<SoundCue>(cue)), expected);
        PlaySoundCue(static_cast<SoundCue>(cue));
        ASSERT_FALSE(player.Played.empty());
        EXPECT_EQ(player.Played.back(), expected);
    }
    EXPECT_EQ(SoundCueFile(static_cast<SoundCue>(12)), folder.Path() + QStringLiteral("/Cs012.mds"));

    // The message box reaches the player through the foundation's cue hook.
    player.Played.clear();
    ShowMessage(Support::MsgIcon::Warning, QStringLiteral("Database error."), QStringLiteral("t"),
                QStringLiteral("OK"), QString(), false, SoundCue::Refused);
    EXPECT_EQ(player.Played, std::vector<QString>({folder.Path() + QStringLiteral("/Cs005.mds")}));
}

TEST_F(SoundTest, NoSoundSilencesCuesAndTheNotificationSoundButNotTheMessages)
{
    SetupGlobalVariables(QStringLiteral("-NoSound"));
    PlaySoundCue(SoundCue::Check);
    PlaySound(QStringLiteral("/home/user/sounds/newmove.wav"));
    ShowMessage(Support::MsgIcon::Information, QStringLiteral("c"), QStringLiteral("t"),
                QStringLiteral("OK"), QString(), false, SoundCue::Information);
    EXPECT_TRUE(player.Played.empty());
    EXPECT_EQ(Messages.size(), 1u);

    SetupGlobalVariables(QString());
    PlaySound(QStringLiteral("/home/user/sounds/newmove.wav"));
    EXPECT_EQ(player.Played, std::vector<QString>({QStringLiteral("/home/user/sounds/newmove.wav")}));
}

TEST_F(HelpTest, EveryTopicTheProgramUsesOpensASectionThatExists)
{
    // The numbers the windows ask for: contents, about, game list, new game,
    // board, notification, options tabs 1-5, the two print layouts, the
    // tray, the file chooser's two modes. There is no 15.
    const std::set<int> used = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17};
    std::set<int> listed;
    for (const HelpTopicPage& page : HelpTopics())
        listed.insert(page.Topic);
    EXPECT_EQ(listed, used);

    for (int topic : used) {
        SCOPED_TRACE(topic);
        ShowHelpContext(&owner, topic);
        Platform::HelpWindow* window = Platform::ProgramHelpViewer().Find(&owner);
        ASSERT_NE(window, nullptr);
        const QString file = window->Browser()->source().toLocalFile();
        EXPECT_EQ(file, HelpTopicFile(topic));
        QFile page(file);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        EXPECT_TRUE(page.readAll().contains(QStringLiteral("name=\"topic-%1\"").arg(topic).toUtf8()));
        const auto entry = std::find_if(HelpTopics().begin(), HelpTopics().end(),
                                        [topic](const HelpTopicPage& p) { return p.Topic == topic; });
        EXPECT_EQ(window->Browser()->documentTitle(), QString::fromUtf8(entry->Title));
        EXPECT_FALSE(window->Finder()->isVisible());
    }
    EXPECT_EQ(Platform::ProgramHelpViewer().OpenWindowCount(), 1);

    // A number no window uses falls back to the contents.
    EXPECT_EQ(HelpTopicFile(15), HelpTopicFile(HelpContentsTopic));
}

TEST_F(HelpTest, OneHelpWindowPerOwnerClosingWithIt)
{
    auto board = std::make_unique<QWidget>();
    ShowHelpContext(&owner, 3);
    ShowHelpContext(board.get(), 5);
    ShowHelpContext(board.get(), 5);
    EXPECT_EQ(Platform::ProgramHelpViewer().OpenWindowCount(), 2);

    CloseHelp(&owner);
    EXPECT_EQ(Platform::ProgramHelpViewer().Find(&owner), nullptr);
    CloseHelp(&owner); // nothing open: nothing happens

    // Closing the board window takes its help window with it.
    board.reset();
    EXPECT_EQ(Platform::ProgramHelpViewer().OpenWindowCount(), 0);

    // A caller without a window has a help window of its own.
    ShowHelpContext(nullptr, 14);
    EXPECT_NE(Platform::ProgramHelpViewer().Find(nullptr), nullptr);
    CloseHelp(nullptr);
    EXPECT_EQ(Platform::ProgramHelpViewer().OpenWindowCount(), 0);
}

TEST_F(HelpTest, FinderListsEverySectionAndAnIndexThatOpensPages)
{
    ShowHelpContents(&owner);
    Platform::HelpWindow* window = Platform::ProgramHelpViewer().Find(&owner);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Finder()->isVisible());
    ASSERT_EQ(window->ContentsList()->count(), static_cast<int>(HelpTopics().size()));
    EXPECT_EQ(window->ContentsList()->item(0)->text(), QStringLiteral("Marrowdale Help"));
    EXPECT_EQ(window->Browser()->source().toLocalFile(), HelpTopicFile(HelpContentsTopic));

    QListWidget* index = window->IndexList();
    ASSERT_GT(index->count(), 20);
    for (int row = 1; row < index->count(); ++row)
        EXPECT_LE(index->item(row - 1)->text().compare(index->item(row)->text(), Qt::CaseInsensitive),
                  0);

    // Typing narrows the index; Enter opens the first key word left.
    QTest::keyClicks(window->IndexFilter(), QStringLiteral("heur"));
    int shown = 0;
    for (int row = 0; row < index->count(); ++row)
        shown += index->item(row)->isHidden() ? 0 : 1;
    EXPECT_GE(shown, 1);
    QTest::keyClick(window->IndexFilter(), Qt::Key_Return);
    EXPECT_EQ(window->Browser()->source().toLocalFile(), HelpTopicFile(10));

    // A topic asked for afterwards hides the finder again.
    ShowHelpContext(&owner, 2);
    EXPECT_FALSE(window->Finder()->isVisible());
}

TEST_F(HelpTest, MissingHelpPagesShowANoticeInstead)
{
    Globals().ProgramFolder = folder.Path(); // a program folder without help
    ShowHelpContext(&owner, 5);
    Platform::HelpWindow* window = Platform::ProgramHelpViewer().Find(&owner);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("could not be found")));
}

TEST_F(GuardTest, OptionsPausePollingAndRestoreWhatWasThere)
{
    EntryWindows().RunOptionsPage = Window();
    struct Case {
        bool timerBefore, busyBefore;
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{true, true}, Case{false, true}}) {
        SCOPED_TRACE(std::to_string(c.timerBefore) + std::to_string(c.busyBefore));
        SetCheckTimer(c.timerBefore);
        Globals().ModalBusy = c.busyBefore;
        ShowOptions();
        EXPECT_FALSE(timerWhileOpen);
        EXPECT_TRUE(busyWhileOpen);
        EXPECT_EQ(CheckTimerEnabled(), c.timerBefore);
        EXPECT_EQ(Globals().ModalBusy, c.busyBefore);
    }
    EXPECT_EQ(runs, 4);
}

TEST_F(GuardTest, AboutBoxClearsBusyAfterwards)
{
    EntryWindows().RunAboutBox = Window();
    for (const bool timerBefore : {true, false}) {
        SetCheckTimer(timerBefore);
        Globals().ModalBusy = true;
        ShowAboutBox();
        EXPECT_FALSE(timerWhileOpen);
        EXPECT_TRUE(busyWhileOpen);
        EXPECT_EQ(CheckTimerEnabled(), timerBefore);
        EXPECT_FALSE(Globals().ModalBusy);
    }
}

TEST_F(GuardTest, AFailedOptionsWindowIsReportedOnceNotRetried)
{
    int attempts = 0;
    EntryWindows().RunOptionsPage = [&] {
        ++attempts;
        throw std::runtime_error("Type mismatch");
    };
    SetCheckTimer(true);
    ShowOptions();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].caption, QStringLiteral("Options error"));
    EXPECT_EQ(Messages[0].text,
              QStringLiteral(
                  "The following error prevented the options window from opening:\n\n0: Type mismatch"));
    EXPECT_EQ(Messages[0].okCaption, QStringLiteral("OK"));
    EXPECT_FALSE(Messages[0].cancelShown);

    EXPECT_EQ(attempts, 1);
    EXPECT_TRUE(CheckTimerEnabled());
    EXPECT_FALSE(Globals().ModalBusy);
}

TEST_F(GuardTest, WindowsNotBuiltYetShowNothingAndBringToTopTakesNull)
{
    ShowOptions();
    ShowAboutBox();
    BringToTop(nullptr);
    QWidget window;
    window.show();
    BringToTop(&window);
    EXPECT_TRUE(Messages.empty());
}
