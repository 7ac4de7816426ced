#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/program_services.h"
#include "shell/system_tray.h"
#include "shell/tray_menu.h"
#include "shell/tray_state.h"
#include "tests/shell/recording_services.h"
#include "tests/shell/shell_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/mount.h>

using namespace SysTraySupport;
using ShellTesting::RecordingServices;
using Calls = std::vector<std::string>;

namespace {

const std::string SecondCopyMessage =
    "ShowMessage(2,Initialisation error,You already have Marrowdale running.||You cannot have more than one "
    "copy of Marrowdale running at any one time.,Ok,5)";
const std::string UnknownErrorMessage =
    "ShowMessage(2,Initialisation error,An unknown error caused Marrowdale to fail to load.||If this "
    "persists, try reinstalling.,Ok,5)";

// The start-up itself: the menus begin off-line, no mail yet.
const Calls LoadUpToTheMenus = {
    "SetupGlobalVariables", "CheckDisplaySettings", "UpgradeSettings", "LoadSettings", "ApplySkin",
    "CheckColourDepth",     "TakeInstanceLock",     "CheckRunBefore",  "ShowSplash",   "SetMenuOptions",
    "PopulateTrayGameMenu"};
// The first mail pass, queued behind the list or the icon.
const Calls FirstPass = {"ConnectAndRetrieve(0,1,1)", "SetMenuOptions", "PopulateTrayGameMenu"};

const Calls ExitCalls = {"BackupDatabase", "CloseHelp",           "SignOff(1)",
                         "CloseDown(1)",   "ReleaseInstanceLock", "EndProgram(0)"};

Calls Plus(Calls calls, const Calls& more)
{
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTesting::ResetBeforeTrayStartup(host);
        Support::ProgramState& state = Support::Globals();
        state.Mail.StandAloneMode = false;
        state.Mail.NewMovesArrived = false;
        state.Mail.PendingMoveList.clear();
        Support::ProgramSettings().SystrayStartup = true;
        rec.GameList.ListShown = false;
        rec.Mail.Retrieval = [] { Support::Globals().Mail.MailOffline = false; };
        tray = std::make_unique<SystemTray>(rec.Services());
    }
    void TearDown() override
    {
        tray.reset();
        TrayIcon::PretendDesktopHasTray(std::nullopt);
    }

    // A started tray, its first mail pass over, with the log emptied.
    void Start()
    {
        ASSERT_TRUE(tray->Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
        rec.Calls.clear();
    }

    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    RecordingServices rec;
    std::unique_ptr<SystemTray> tray;
};

TEST_F(SystemTrayTest, TrayStartupRunsEveryStepInOrderAndEndsRunning)
{
    rec.Startup.Settings = [] { Support::ProgramSettings().CheckInterval = 15000; };
    ASSERT_TRUE(tray->Form_Load());
    // The icon is up before any mail: not connected, and still busy.
    EXPECT_EQ(rec.Calls, LoadUpToTheMenus);
    EXPECT_TRUE(tray->TrayIcon.IsShown());
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
    EXPECT_FALSE(tray->CheckTimer.isActive());
    EXPECT_TRUE(Support::Globals().ModalBusy);
    EXPECT_TRUE(Support::Globals().StartupDone);

    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_EQ(rec.Calls, Plus(LoadUpToTheMenus, FirstPass));
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));
    EXPECT_TRUE(tray->CheckTimer.isActive());
    EXPECT_EQ(tray->CheckTimer.interval(), 15000);
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_TRUE(Support::Globals().StartupDone);
    EXPECT_EQ(Support::Globals().TrayForm, tray.get());

    rec.Calls.clear();
    // The sign-off's status window lets timer events through.
    bool timerRanAtSignOff = true;
    rec.OnCall = [&](const std::string& name) {
        if (name == "SignOff(1)")
            timerRanAtSignOff = tray->CheckTimer.isActive();
    };
    tray->mnuPopupExit_Click();
    EXPECT_EQ(rec.Calls, ExitCalls);
    EXPECT_FALSE(timerRanAtSignOff);
    EXPECT_FALSE(tray->TrayIcon.IsShown());
    EXPECT_EQ(Support::Globals().TrayForm, nullptr);
}

// The menu's Exit runs inside the popup's own loop, itself inside the tray
// icon's mouse handling: the exit (which deletes the icon) must wait until
// both have returned to the program's loop, and run once however often it
// was asked.
TEST_F(SystemTrayTest, ExitFromTheMenuRunsOnceTheMenuHasReturned)
{
    Start();
    TrayMenu menu;
    menu.AttachTray(tray.get());
    QEventLoop programLoop;
    Calls whileInTheMenu = {"unset"};
    Calls afterTheMenu = {"unset"};
    QTimer::singleShot(0, [&] {
        QEventLoop menuLoop;
        QTimer::singleShot(0, [&] {
            menu.mnuPopupExit->trigger();
            menu.mnuPopupExit->trigger();
        });
        QTimer::singleShot(100, [&] {
            whileInTheMenu = rec.Calls;
            menuLoop.quit();
        });
        menuLoop.exec();
        afterTheMenu = rec.Calls;
    });
    rec.OnCall = [&](const std::string& name) {
        if (name == "EndProgram(0)")
            QTimer::singleShot(50, &programLoop, &QEventLoop::quit);
    };
    QTimer::singleShot(10000, &programLoop, &QEventLoop::quit);
    programLoop.exec();
    EXPECT_EQ(whileInTheMenu, Calls{});
    EXPECT_EQ(afterTheMenu, Calls{});
    EXPECT_EQ(rec.Calls, ExitCalls);
    EXPECT_FALSE(tray->TrayIcon.IsShown());
}

// The desktop's request to end (SIGTERM) does not wait for the user: an open
// modal window is closed and the same exit follows.
TEST_F(SystemTrayTest, TheDesktopsRequestToEndClosesAnOpenModalWindow)
{
    Start();
    QEventLoop programLoop;
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    bool modalClosedBeforeExit = false;
    QTimer::singleShot(0, [&] {
        modal.show();
        QEventLoop modalLoop;
        QTimer hidden;
        QObject::connect(&hidden, &QTimer::timeout, [&] {
            if (!modal.isVisible())
                modalLoop.quit();
        });
        hidden.start(5);
        tray->RequestExit(true);
        modalLoop.exec();
        modalClosedBeforeExit = rec.Calls.empty();
    });
    rec.OnCall = [&](const std::string& name) {
        if (name == "EndProgram(0)")
            QTimer::singleShot(50, &programLoop, &QEventLoop::quit);
    };
    QTimer::singleShot(10000, &programLoop, &QEventLoop::quit);
    programLoop.exec();
    EXPECT_TRUE(modalClosedBeforeExit);
    EXPECT_FALSE(modal.isVisible());
    EXPECT_EQ(rec.Calls, ExitCalls);
}

TEST_F(SystemTrayTest, WithoutANotificationAreaTheGameListIsTheMainWindowForThisRunOnly)
{
    TrayIcon::PretendDesktopHasTray(false);
    ASSERT_TRUE(tray->Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_EQ(rec.Calls,
              Plus(Plus(LoadUpToTheMenus, {"ShowGameList", "ShowTrayState(Marrowdale : Not connected)",
                                           "HideHideInterfaceItems"}),
                   Plus(FirstPass, {"FillGameList(4)", "ShowTrayState(Marrowdale : Nothing new)"})));
    EXPECT_FALSE(tray->TrayIcon.IsShown());
    EXPECT_FALSE(Support::ProgramSettings().SystrayStartup);
    EXPECT_TRUE(Support::ProgramSettings().SystrayStartupNext);
}

TEST_F(SystemTrayTest, SplashTakesOverTheLastStepsAndPlainModeShowsTheHelpItem)
{
    rec.Splash.SplashShows = true;
    rec.Startup.Settings = [] { Support::ProgramSettings().SimpleUI = true; };
    ASSERT_TRUE(tray->Form_Load());
    Calls expected = LoadUpToTheMenus;
    expected.insert(expected.begin() + 6, "ShowPlainHelpItem");
    EXPECT_EQ(rec.Calls, expected);
    // No mail while the splash stands, however long the loop runs.
    QTest::qWait(50);
    EXPECT_EQ(rec.Calls, expected);
    EXPECT_FALSE(tray->TrayIcon.IsShown());
    EXPECT_FALSE(tray->CheckTimer.isActive());
    EXPECT_TRUE(Support::Globals().ModalBusy);
    EXPECT_TRUE(Support::Globals().StartupDone);

    tray->RunStartupTail();
    EXPECT_TRUE(tray->TrayIcon.IsShown());
    EXPECT_FALSE(tray->CheckTimer.isActive());
    EXPECT_TRUE(Support::Globals().ModalBusy);
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_EQ(rec.Calls, Plus(expected, FirstPass));
    EXPECT_TRUE(tray->CheckTimer.isActive());
    EXPECT_FALSE(Support::Globals().ModalBusy);
}

// The first pass runs behind the icon, busy for its whole pass as a poll
// is: the tray refuses its clicks and a tick does nothing meanwhile; what it
// brought is told when it ends. A board the player opened from the list
// meanwhile keeps the program busy and the moves pending.
TEST_F(SystemTrayTest, TheFirstPassRunsBehindTheIconAndTellsOfItsMovesWhenItEnds)
{
    for (const bool boardOpened : {false, true}) {
        SCOPED_TRACE(boardOpened ? "a board opened meanwhile" : "nothing opened");
        SetUp();
        rec.Calls.clear();
        Support::ProgramSettings().NotificationMethod = 2;
        bool iconUp = false, busy = false, timerOn = true;
        rec.Mail.Retrieval = [&] {
            iconUp = tray->TrayIcon.IsShown();
            busy = Support::Globals().ModalBusy;
            timerOn = tray->CheckTimer.isActive();
            tray->TrayIcon_RightRelease(QPoint());
            tray->CheckTimer_Timer();
            Support::Globals().Mail.MailOffline = false;
            Support::Globals().Mail.PendingMoveList = "4;";
            Support::Globals().Mail.NewMovesArrived = true;
            ShellTesting::StoreGame(folders.DataPath(), 4, 1);
            rec.Board.BoardIsOpen = boardOpened;
        };
        ASSERT_TRUE(tray->Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
        EXPECT_TRUE(iconUp);
        EXPECT_TRUE(busy);
        EXPECT_FALSE(timerOn);
        Calls expected = Plus(LoadUpToTheMenus, {"ConnectAndRetrieve(0,1,1)", "RefuseTrayClick(0)",
                                                 "SetMenuOptions", "PopulateTrayGameMenu"});
        if (!boardOpened)
            expected.push_back("ShowNotification(4;)");
        EXPECT_EQ(rec.Calls, expected);
        EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - New move arrived"));
        EXPECT_EQ(Support::Globals().ModalBusy, boardOpened);
        EXPECT_EQ(tray->CheckTimer.isActive(), !boardOpened);
        EXPECT_EQ(Support::Globals().Mail.NewMovesArrived, boardOpened);
        TearDown();
    }
}

// The program is running when its first pass fails: it stays off-line and
// polls nothing until a manual retrieve; a pass that ends the program (an
// unusable skin in its status window) does nothing more.
TEST_F(SystemTrayTest, AFirstPassThatFailsLeavesTheProgramRunningOffLine)
{
    rec.FailAt = "ConnectAndRetrieve(0,1,1)";
    ASSERT_TRUE(tray->Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_EQ(rec.Calls, Plus(LoadUpToTheMenus, FirstPass));
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_EQ(Support::Globals().TrayForm, tray.get());

    SetUp();
    rec.Calls.clear();
    rec.FailAt.clear();
    rec.OnCall = [](const std::string& name) {
        if (name == "ConnectAndRetrieve(0,1,1)")
            Support::Globals().Quitting = true;
    };
    ASSERT_TRUE(tray->Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_EQ(rec.Calls, Plus(LoadUpToTheMenus, {"ConnectAndRetrieve(0,1,1)"}));
    EXPECT_FALSE(tray->CheckTimer.isActive());
}

// Ended before its first pass could begin: no mail is tried at all.
TEST_F(SystemTrayTest, AnExitBeforeTheFirstPassTriesNoMail)
{
    ASSERT_TRUE(tray->Form_Load());
    tray->mnuPopupExit_Click();
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*tray));
    EXPECT_FALSE(rec.Called("ConnectAndRetrieve(0,1,1)"));
}

TEST_F(SystemTrayTest, SecondCopyOnlySaysSoAndLeaves)
{
    rec.Startup.SecondCopy = true;
    EXPECT_FALSE(tray->Form_Load());
    EXPECT_EQ(rec.Calls, (Calls{"SetupGlobalVariables", "CheckDisplaySettings", "UpgradeSettings",
                                "LoadSettings", "ApplySkin", "CheckColourDepth", "TakeInstanceLock",
                                SecondCopyMessage, "CloseHelp"}));
    EXPECT_FALSE(tray->TrayIcon.IsShown());
    EXPECT_TRUE(Support::Globals().Quitting);
    EXPECT_EQ(Support::Globals().TrayForm, nullptr);
}

TEST_F(SystemTrayTest, AnUnwritableDataFolderIsNamedNotTakenForASecondCopy)
{
    rec.Startup.SecondCopy = true;
    rec.Startup.UnwritableFolder = QStringLiteral("/media/stick/Marrowdale/Data");
    EXPECT_FALSE(tray->Form_Load());
    EXPECT_EQ(rec.Calls.at(rec.Calls.size() - 2),
              "ShowMessage(2,Initialisation error,Marrowdale cannot write to its data folder "
              "/media/stick/Marrowdale/Data.||Make that folder writable for your user (and see that its "
              "disk has room), then start Marrowdale again.,Ok,5)");
    EXPECT_TRUE(Support::Globals().Quitting);
}

// The start-up's recorder with the program's own instance lock and folder
// check, for a start on a real folder.
class RealLockStartup : public ShellTesting::StartupRecorder {
public:
    using StartupRecorder::StartupRecorder;
    bool TakeInstanceLock() override
    {
        log_.Calls.push_back("TakeInstanceLock");
        return startup.TakeInstanceLock();
    }
    QString UnwritableDataFolder() override { return startup.UnwritableDataFolder(); }
    void ReleaseInstanceLock() override
    {
        log_.Calls.push_back("ReleaseInstanceLock");
        startup.ReleaseInstanceLock();
    }
    ProgramStartup startup{QString()};
};

// A data folder on a file system mounted read-only: the lock file cannot be
// made (EROFS), and the start says which folder it cannot write instead of
// ending without a word. Needs the right to mount (CI runs as root).
TEST_F(SystemTrayTest, ADataFolderOnAReadOnlyMountIsNamed)
{
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    struct Unmount {
        QByteArray where;
        ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
    } unmount{where};
    const QString data = mountPoint.path() + QStringLiteral("/Data/");
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_EQ(::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);

    RecordingServices real;
    RealLockStartup lock(real, real.GameList);
    real.Mail.Retrieval = rec.Mail.Retrieval;
    TrayServices services = real.Services();
    services.Startup = &lock;
    tray = std::make_unique<SystemTray>(services);
    Support::Globals().DataPath = data;
    EXPECT_FALSE(tray->Form_Load());
    EXPECT_EQ(
        real.Calls.at(real.Calls.size() - 2),
        "ShowMessage(2,Initialisation error,Marrowdale cannot write to its data folder "
            + data.toStdString()
            + ".||Make that folder writable for your user (and see that its disk has room), then start "
              "Marrowdale again.,Ok,5)");
    tray.reset();
}

// The lock file, like every file of the data folder, is its owner's alone.
TEST(InstanceLockTest, TheLockFileIsTheOwnersAlone)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    InstanceLock lock(folder.path());
    ASSERT_TRUE(lock.TryLock());
    const QFile::Permissions permissions =
        QFileInfo(QDir(folder.path()).filePath(InstanceLock::LockFileName())).permissions();
    EXPECT_TRUE(permissions.testFlag(QFile::ReadOwner) && permissions.testFlag(QFile::WriteOwner));
    EXPECT_FALSE(permissions
                 & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther))
        << std::hex << permissions.toInt();
    lock.Unlock();
}

// Wherever the start fails, the settings are not saved and no icon stays;
// no mail was tried, so none is signed off.
TEST_F(SystemTrayTest, FailureAtEachStepEndsWithoutSavingOrIcon)
{
    const std::vector<std::string> steps = {"SetupGlobalVariables",
                                            "CheckDisplaySettings",
                                            "UpgradeSettings",
                                            "LoadSettings",
                                            "ApplySkin",
                                            "CheckColourDepth",
                                            "CheckRunBefore",
                                            "SetMenuOptions",
                                            "PopulateTrayGameMenu"};
    for (const std::string& step : steps) {
        SCOPED_TRACE(step);
        SetUp();
        rec.Calls.clear();
        rec.FailAt = step;
        EXPECT_FALSE(tray->Form_Load());
        const auto failed = std::find(rec.Calls.begin(), rec.Calls.end(), step);
        ASSERT_NE(failed, rec.Calls.end());
        Calls after(failed + 1, rec.Calls.end());
        Calls expected;
        if (step != "ApplySkin") // the skin reports its own failure
            expected.push_back(UnknownErrorMessage);
        expected.push_back("CloseHelp");
        EXPECT_EQ(after, expected);
        EXPECT_FALSE(rec.Called("CloseDown(1)"));
        EXPECT_FALSE(rec.Called("CloseDown(0)"));
        EXPECT_FALSE(tray->TrayIcon.IsShown());
        EXPECT_FALSE(Support::Globals().StartupDone);
        EXPECT_FALSE(tray->CheckTimer.isActive());
        // Nor does a first pass follow.
        QTest::qWait(20);
        EXPECT_FALSE(rec.Called("ConnectAndRetrieve(0,1,1)"));
    }
}

// A window of the start (a notice) that ends the program on an unusable
// skin: the start goes no further and reports failure. (The mail's status
// window comes later, in the first pass.)
TEST_F(SystemTrayTest, FatalFailureInAWindowOfTheStartStopsIt)
{
    rec.OnCall = [&](const std::string& name) {
        if (name == "CheckRunBefore")
            Support::Globals().Quitting = true;
    };
    EXPECT_FALSE(tray->Form_Load());
    const auto quit = std::find(rec.Calls.begin(), rec.Calls.end(), "CheckRunBefore");
    ASSERT_NE(quit, rec.Calls.end());
    EXPECT_EQ(Calls(quit + 1, rec.Calls.end()), Calls{"CloseHelp"});
    EXPECT_FALSE(tray->TrayIcon.IsShown());
    EXPECT_FALSE(tray->CheckTimer.isActive());
    EXPECT_FALSE(Support::Globals().StartupDone);
}

TEST_F(SystemTrayTest, IntervalZeroKeepsTheTimerStoppedWhileSwitchedOn)
{
    rec.Startup.Settings = [] { Support::ProgramSettings().CheckInterval = 0; };
    Start();
    EXPECT_TRUE(Support::CheckTimerEnabled());
    EXPECT_FALSE(tray->CheckTimer.isActive());
    Support::ProgramSettings().CheckInterval = 30000;
    Support::SetCheckTimer(true);
    EXPECT_TRUE(tray->CheckTimer.isActive());
    EXPECT_EQ(tray->CheckTimer.interval(), 30000);
    Support::SetCheckTimer(false);
    EXPECT_FALSE(tray->CheckTimer.isActive());
}

// Off-line (not stand-alone) first, then busy or menu open: no work at all;
// otherwise the mail or the move files are read and the tray brought up to date.
TEST_F(SystemTrayTest, PollingGuardTable)
{
    Start();
    for (int bits = 0; bits < 16; ++bits) {
        const bool offline = bits & 1, standAlone = bits & 2, busy = bits & 4, menu = bits & 8;
        SCOPED_TRACE(testing::Message() << "offline " << offline << " standalone " << standAlone
                                        << " busy " << busy << " menu " << menu);
        Support::ProgramState& state = Support::Globals();
        state.Mail.MailOffline = offline;
        state.Mail.StandAloneMode = standAlone;
        state.ModalBusy = busy;
        tray->MenuShowing = menu;
        tray->TrayIcon.Modify(QIcon(), QStringLiteral("untouched"));
        rec.Calls.clear();
        rec.Mail.Retrieval = [] {};
        tray->CheckTimer_Timer();

        if ((offline && !standAlone) || busy || menu) {
            EXPECT_TRUE(rec.Calls.empty());
            EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("untouched"));
            continue;
        }
        EXPECT_EQ(rec.Calls, (Calls{standAlone ? "ImportMoveFiles(0,0)" : "RetrieveMoveMails(0,0)"}));
        EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));
    }
}

TEST_F(SystemTrayTest, TrayStateOrderAndTheLostConnection)
{
    Start();
    Support::Globals().ModalBusy = false;
    Support::ProgramSettings().SysTrayIcons = 3;
    rec.Mail.Retrieval = [] {};
    tray->CheckTimer_Timer();
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));

    ShellTesting::StoreGame(folders.DataPath(), 1, 1);
    tray->CheckTimer_Timer();
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - New move arrived"));

    // The retrieval loses the connection: the not-connected icon, and the
    // menu offers to log on again.
    rec.Calls.clear();
    rec.Mail.Retrieval = [] { Support::Globals().Mail.MailOffline = true; };
    tray->CheckTimer_Timer();
    EXPECT_EQ(rec.Calls, (Calls{"RetrieveMoveMails(0,0)", "SetMenuOptions"}));
    EXPECT_EQ(tray->TrayIcon.Tip(), LostConnectionTip);
    // Later ticks do nothing until a manual retrieve.
    rec.Calls.clear();
    tray->CheckTimer_Timer();
    EXPECT_TRUE(rec.Calls.empty());
    tray->UpdateTrayState(TrayModify);
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
    EXPECT_EQ(TrayIconImage(Support::ProgramSettings().SysTrayIcons, NotConnected), 9);
}

// Off-line after a failure, each free tick asks the mail to try again
// quietly; back on-line, the menu and the icon follow at once.
TEST_F(SystemTrayTest, OfflineTicksTryToGetBackOnline)
{
    Start();
    Support::ProgramState& state = Support::Globals();
    state.ModalBusy = false;
    state.Mail.MailOffline = true;
    tray->TrayIcon.Modify(QIcon(), QStringLiteral("untouched"));
    rec.Calls.clear();
    rec.Mail.ReconnectAnswer = [] { return true; };
    tray->CheckTimer_Timer();
    EXPECT_EQ(rec.Calls, Calls{"Reconnect"});
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("untouched"));

    // Never inside a modal window or the open menu.
    for (bool busy : {true, false}) {
        state.ModalBusy = busy;
        tray->MenuShowing = !busy;
        rec.Calls.clear();
        tray->CheckTimer_Timer();
        EXPECT_TRUE(rec.Calls.empty());
    }
    tray->MenuShowing = false;

    rec.Calls.clear();
    rec.Mail.ReconnectAnswer = [] {
        Support::Globals().Mail.MailOffline = false;
        return true;
    };
    tray->CheckTimer_Timer();
    EXPECT_EQ(rec.Calls, (Calls{"Reconnect", "SetMenuOptions"}));
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));
}

TEST_F(SystemTrayTest, GameListShownIsRefilledAndCarriesTheStateWithoutTray)
{
    TrayIcon::PretendDesktopHasTray(false);
    Start();
    ShellTesting::StoreGame(folders.DataPath(), 4, 1);
    tray->CheckTimer_Timer();
    EXPECT_EQ(rec.Calls, (Calls{"RetrieveMoveMails(0,0)", "FillGameList(4)",
                                "ShowTrayState(Marrowdale : New move arrived)"}));
    rec.Calls.clear();
    rec.Mail.Retrieval = [] { Support::Globals().Mail.MailOffline = true; };
    tray->CheckTimer_Timer();
    EXPECT_EQ(rec.GameList.LastStateCaption, QStringLiteral("Marrowdale : Not connected"));
}

TEST_F(SystemTrayTest, ManualRetrieveClearsTheLogonMarkAndGivesTheTimerBack)
{
    Start();
    rec.GameList.ListShown = true;
    rec.Mail.Retrieval = [] {
        EXPECT_TRUE(Support::Globals().ModalBusy);
        EXPECT_FALSE(Support::CheckTimerEnabled());
        Support::Globals().Mail.MailOffline = false;
    };
    tray->mnuPopupRetrieve_Click();
    EXPECT_EQ(rec.Calls,
              (Calls{"SetLogonStatus(0)", "ConnectAndRetrieve(0,1,1)", "FillGameList(none)"}));
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_TRUE(tray->CheckTimer.isActive());
    EXPECT_EQ(tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));
}

TEST_F(SystemTrayTest, TrayClicks)
{
    Start();
    tray->TrayIcon.SimulateDoubleClick();
    rec.Menu.OpenItemEnabledAnswer = false;
    tray->TrayIcon.SimulateDoubleClick();
    bool menuFlag = false;
    rec.Menu.DuringMenu = [&] { menuFlag = tray->MenuShowing; };
    tray->TrayIcon.SimulateRightRelease(QPoint(5, 5));
    EXPECT_TRUE(menuFlag);
    EXPECT_FALSE(tray->MenuShowing);
    Support::Globals().ModalBusy = true;
    tray->TrayIcon.SimulateDoubleClick();
    tray->TrayIcon.SimulateRightRelease(QPoint(5, 5));
    EXPECT_EQ(rec.Calls,
              (Calls{"ShowGameList", "PopupMenu", "RefuseTrayClick(1)", "RefuseTrayClick(0)"}));
}

// What each click the desktop reports does: a tray that never reports a
// double-click opens the game list on the single activation.
TEST_F(SystemTrayTest, TrayActivationTable)
{
    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        bool reportsDoubleClicks;
        Calls calls;
    };
    const Case cases[] = {
        {QSystemTrayIcon::DoubleClick, true, {"ShowGameList"}},
        {QSystemTrayIcon::DoubleClick, false, {"ShowGameList"}},
        {QSystemTrayIcon::Trigger, true, {}},
        {QSystemTrayIcon::Trigger, false, {"ShowGameList"}},
        {QSystemTrayIcon::Context, true, {"PopupMenu"}},
        {QSystemTrayIcon::Context, false, {"PopupMenu"}},
        {QSystemTrayIcon::MiddleClick, false, {}},
        {QSystemTrayIcon::Unknown, false, {}},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reason << " " << c.reportsDoubleClicks);
        rec.Calls.clear();
        tray->TrayIcon.Activate(c.reason, c.reportsDoubleClicks);
        EXPECT_EQ(rec.Calls, c.calls);
    }
}

class NotifyTest : public SystemTrayTest {
protected:
    void Arrived(const std::string& list, int method)
    {
        Support::Globals().Mail.PendingMoveList = list;
        Support::Globals().Mail.NewMovesArrived = true;
        rec.GameList.ListShown = false;
        Support::ProgramSettings().NotificationMethod = std::int16_t(method);
        Support::ProgramSettings().NotificationSoundPath = QStringLiteral("/sounds/");
        Support::ProgramSettings().NotificationSoundWav = QStringLiteral("None");
        rec.Calls.clear();
    }
};

TEST_F(NotifyTest, NextTakesWholeEntriesAndLaterEmptiesTheList)
{
    Start();
    Arrived("1;11;", 3);
    rec.Notification.NotifyAnswers = {NotifyNext, NotifyLater};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls,
              (Calls{"PlaySound(/sounds/None)", "ShowNotification(1;11;)", "ShowNotification(11;)"}));
    EXPECT_TRUE(Support::Globals().Mail.PendingMoveList.empty());
    EXPECT_FALSE(Support::Globals().Mail.NewMovesArrived);
}

// A poll is busy for its whole pass: the tray refuses its clicks while it
// waits for the mail. A board opened meanwhile (from the game list) keeps
// the program busy, and the notification does not open over it: the moves
// stay pending until the board closes or a later poll finds it gone.
TEST_F(NotifyTest, APollIsBusyForItsWholePassAndNeverNotifiesOverABoard)
{
    Start();
    Support::ProgramSettings().NotificationMethod = 2;
    rec.Notification.NotifyAnswers = {NotifyPlay};
    bool busyDuringRetrieval = false;
    rec.Mail.Retrieval = [&] {
        Support::Globals().Mail.MailOffline = false;
        busyDuringRetrieval = Support::Globals().ModalBusy;
        tray->TrayIcon_RightRelease(QPoint());
        Support::Globals().Mail.PendingMoveList = "4;";
        Support::Globals().Mail.NewMovesArrived = true;
        rec.Board.BoardIsOpen = true; // the player opened a game meanwhile
    };
    rec.Calls.clear();
    tray->CheckTimer_Timer();
    EXPECT_TRUE(busyDuringRetrieval);
    EXPECT_EQ(rec.Calls, (Calls{"RetrieveMoveMails(0,0)", "RefuseTrayClick(0)"}));
    EXPECT_TRUE(Support::Globals().ModalBusy);
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
    EXPECT_EQ(Support::Globals().Mail.PendingMoveList, "4;");

    // With the board gone the next notification asks.
    rec.Board.BoardIsOpen = false;
    Support::Globals().ModalBusy = false;
    rec.Mail.Retrieval = [] {};
    rec.Calls.clear();
    tray->CheckTimer_Timer();
    EXPECT_TRUE(rec.Called("ShowNotification(4;)"));
    EXPECT_TRUE(rec.Called("OpenBoard(4,no return)"));
}

// A minimised list comes back for a new move, once; an open one is left be.
TEST_F(NotifyTest, ANewMoveBringsAMinimisedListBack)
{
    Start();
    Arrived("6;", 2);
    rec.GameList.ListShown = true;
    rec.GameList.ListMinimised = true;
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, Calls{"ShowGameList"});
    EXPECT_FALSE(Support::Globals().Mail.NewMovesArrived);
    rec.Calls.clear();
    Support::Globals().Mail.NewMovesArrived = true;
    rec.GameList.ListMinimised = false;
    tray->NotifyNewMoves();
    EXPECT_TRUE(rec.Calls.empty());
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
}

// Nor does the notification open over a modal window.
TEST_F(NotifyTest, NoNotificationOverAModalWindow)
{
    Start();
    Arrived("5;", 2);
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    tray->NotifyNewMoves();
    EXPECT_TRUE(rec.Calls.empty());
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
    modal.hide();
    tray->NotifyNewMoves();
    EXPECT_TRUE(rec.Called("ShowNotification(5;)"));
}

TEST_F(NotifyTest, DuplicateIdsNeverAskAboutABlankId)
{
    Start();
    Arrived("7;7;", 2);
    rec.Notification.NotifyAnswers = {NotifyNext, NotifyNext};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"ShowNotification(7;7;)"}));
    EXPECT_FALSE(Support::Globals().Mail.NewMovesArrived);

    Arrived(";;", 2);
    tray->NotifyNewMoves();
    EXPECT_TRUE(rec.Calls.empty());
}

TEST_F(NotifyTest, PlayOpensTheFirstGameOrStopsWhenTheChessSetFails)
{
    Start();
    Arrived("5;9;5;", 2);
    rec.Board.ChessSetLoads = false;
    rec.Notification.NotifyAnswers = {NotifyPlay};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"ShowNotification(5;9;5;)", "LoadChessSet"}));
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
    EXPECT_FALSE(Support::Globals().ModalBusy);

    Arrived("5;9;5;", 2);
    rec.Board.ChessSetLoads = true;
    rec.Notification.NotifyAnswers = {NotifyPlay};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"ShowNotification(5;9;5;)", "LoadChessSet", "OpenBoard(5,no return)"}));
    EXPECT_EQ(Support::Globals().Mail.PendingMoveList, std::string("9;"));
    EXPECT_TRUE(Support::Globals().ModalBusy);
    EXPECT_FALSE(tray->CheckTimer.isActive());
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
}

// The tray's Retrieve gives the timer back at its end even when its notice
// opened a board; that board's closing then leaves polling running too.
TEST_F(NotifyTest, ABoardOpenedFromTheRetrievesNoticeClosesIntoRunningPolling)
{
    Start();
    rec.Mail.Retrieval = [this] {
        Support::Globals().Mail.MailOffline = false;
        Arrived("6;", 2);
    };
    rec.Notification.NotifyAnswers = {NotifyPlay};
    tray->mnuPopupRetrieve_Click();
    EXPECT_TRUE(rec.Called("OpenBoard(6,no return)"));
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_TRUE(tray->CheckTimer.isActive());
    rec.Board.BoardPause.reset(); // the board closes
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_TRUE(tray->CheckTimer.isActive());
}

TEST_F(NotifyTest, SoundOnlyKeepsTheListAndAnOpenGameListSilencesAll)
{
    Start();
    Arrived("3;", 1);
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"PlaySound(/sounds/None)"}));
    EXPECT_EQ(Support::Globals().Mail.PendingMoveList, std::string("3;"));
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);

    Arrived("3;", 3);
    rec.GameList.ListShown = true;
    tray->NotifyNewMoves();
    EXPECT_TRUE(rec.Calls.empty());
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);

    Arrived("3;", 2);
    rec.Notification.NotifyAnswers = {NotifyGameList};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"ShowNotification(3;)", "ShowGameList"}));
    EXPECT_FALSE(Support::Globals().Mail.NewMovesArrived);
}

// Without a notification area the list stands in for the tray and is always
// open: a new move is still announced as from the tray. Play opens the game
// from the list, which steps aside and comes back when the board closes
// (the board never closes the main window).
TEST_F(NotifyTest, WithoutATrayTheOpenListStillAnnouncesNewMoves)
{
    Start();
    Support::ProgramSettings().SystrayStartup = false;
    Arrived("3;8;", 3);
    rec.GameList.ListShown = true;
    rec.Notification.NotifyAnswers = {NotifyNext, NotifyGameList};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"PlaySound(/sounds/None)", "ShowNotification(3;8;)",
                                "ShowNotification(8;)", "ShowGameList"}));
    EXPECT_FALSE(Support::Globals().Mail.NewMovesArrived);

    Arrived("8;", 2);
    rec.GameList.ListShown = true;
    rec.Notification.NotifyAnswers = {NotifyPlay};
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls,
              (Calls{"ShowNotification(8;)", "LoadChessSet", "HideGameList", "OpenBoard(8)"}));

    // A board that cannot open leaves the list up.
    Arrived("8;", 2);
    rec.GameList.ListShown = true;
    rec.Notification.NotifyAnswers = {NotifyPlay};
    rec.FailAt = "OpenBoard(8)";
    tray->NotifyNewMoves();
    EXPECT_EQ(rec.Calls, (Calls{"ShowNotification(8;)", "LoadChessSet", "HideGameList", "OpenBoard(8)",
                                "ShowGameList"}));
}

TEST_F(NotifyTest, AFailingNotificationIsReportedAndLeavesTheMovesPending)
{
    Start();
    Arrived("3;", 2);
    rec.FailAt = "ShowNotification(3;)";
    tray->NotifyNewMoves();
    EXPECT_EQ(host.ModalRuns, 1);
    EXPECT_TRUE(Support::Globals().Mail.NewMovesArrived);
    EXPECT_EQ(Support::Globals().Mail.PendingMoveList, std::string("3;"));
}

} // namespace
