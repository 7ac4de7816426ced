// The new-move notification: what it shows for the first pending game,
// its answers by button, key, close and time-out, and both layouts.
#include "foundation/msg_form.h"
#include "foundation/notification_timeout.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "shell/notify_form.h"
#include "store/database.h"
#include "tests/shell/shell_test_support.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

using namespace Support;
using namespace SysTraySupport;

namespace {

class NotifyFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The skinned buttons take their faces from the tray's strip.
        tray.setObjectName(QStringLiteral("SystemTray"));
        ASSERT_TRUE(ApplySkin(tray));
        Globals().TrayForm = &tray;
        ProgramState& state = Globals();
        state.ModalBusy = false;
        state.CheckTimerEnabled = true;
        ProgramSettings().SimpleUI = false;
        ProgramSettings().ShowToolTips = true;
        ProgramSettings().NotificationTimeout = 0;
        Store(5, "Bob Birch", "Friendly 5",
              {{1, "5254", "e4", ""}, {2, "5755", "e5", "Your move, Alice."}});
        Store(6, "Carol Cedar", "Spring opening", {});
        Store(7, "Dora Damson", "Long notes", {{1, "5254", "e4", std::string(101, 'x')}});
        host.Script = [this](QWidget& window) {
            if (auto* box = qobject_cast<MsgForm*>(&window)) {
                messages.push_back(box->FormCaption->text());
                box->hide();
                return;
            }
            auto* form = qobject_cast<NotifyForm*>(&window);
            ASSERT_NE(form, nullptr);
            busyWhileShown = Globals().ModalBusy;
            timerWhileShown = CheckTimerEnabled();
            if (Script)
                Script(*form);
        };
    }

    void Store(int id, const char* opponent, const char* title, const MoveList& moves)
    {
        GameRecord game;
        game.GAME_ID = id;
        game.GAME_STATUS = 1;
        game.GAME_OPPONENTS_NAME = opponent;
        game.GAME_NAME = title;
        game.GAME_DATE = "01/02/2026";
        ASSERT_TRUE(Database::SaveGame(Folder(), game, moves));
    }

    Database::DataFolder Folder() const
    {
        return Database::DataFolder(QFile::encodeName(folders.DataPath()).toStdString());
    }

    int Notify(const char* pending)
    {
        Globals().Mail.PendingMoveList = pending;
        return ShowNotification();
    }

    void TearDown() override { Globals().TrayForm = nullptr; }

    ShellTesting::ShellFolders folders;
    QWidget tray;
    TestSupport::ScriptedHost host;
    std::function<void(NotifyForm&)> Script;
    std::vector<QString> messages;
    bool busyWhileShown = false;
    bool timerWhileShown = true;
};

TEST_F(NotifyFormTest, ShowsTheFirstPendingGameAndOffersNextOnlyForAnotherGame)
{
    struct Case {
        const char* pending;
        int gameId;
        bool next;
    };
    const Case cases[] = {
        {"5;", 5, false},    {"5;5;", 5, false}, {"5;;5;", 5, false}, {"5;6;", 5, true},
        {"6;5;6;", 6, true}, {";7;", 7, false},  {"7;7;6;", 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pending);
        const auto content = LoadNotification(Folder(), c.pending);
        ASSERT_TRUE(content);
        EXPECT_EQ(content->GameId, c.gameId);
        EXPECT_EQ(content->NextEnabled, c.next);
    }
    const auto bob = LoadNotification(Folder(), "5;");
    EXPECT_EQ(bob->Opponent, QStringLiteral("Bob Birch"));
    EXPECT_EQ(bob->Title, QStringLiteral("Friendly 5"));
    EXPECT_EQ(bob->Comment, QStringLiteral("Your move, Alice."));
    EXPECT_FALSE(bob->LongComment);
    EXPECT_TRUE(LoadNotification(Folder(), "7;")->LongComment);
    EXPECT_TRUE(LoadNotification(Folder(), "6;")->Comment.isEmpty());
    for (const char* none : {"", ";", "99;"})
        EXPECT_FALSE(LoadNotification(Folder(), none)) << none;
}

TEST_F(NotifyFormTest, EveryWayOfAnsweringGivesItsChoiceAndPollingComesBack)
{
    const std::pair<std::function<void(NotifyForm&)>, int> answers[] = {
        {[](NotifyForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }, NotifyLater},
        {[](NotifyForm& f) { QTest::keyClick(f.OpName, Qt::Key_Return); }, NotifyPlay},
        {[](NotifyForm& f) { QTest::mouseClick(f.NextButton.face, Qt::LeftButton); }, NotifyNext},
        {[](NotifyForm& f) { QTest::mouseClick(f.GameListButton.face, Qt::LeftButton); },
         NotifyGameList},
        {[](NotifyForm& f) { QTest::mouseClick(f.LaterButton.face, Qt::LeftButton); }, NotifyLater},
        {[](NotifyForm& f) { f.close(); }, NotifyLater},
        // Only the left button clicks.
        {[](NotifyForm& f) {
             QTest::mouseClick(f.PlayButton.face, Qt::RightButton);
             EXPECT_FALSE(f.Answered());
             QTest::mouseClick(f.PlayButton.face, Qt::LeftButton);
         },
         NotifyPlay},
    };
    for (const auto& [script, choice] : answers) {
        Script = script;
        EXPECT_EQ(Notify("5;6;"), choice);
        EXPECT_TRUE(busyWhileShown);
        EXPECT_FALSE(timerWhileShown);
        EXPECT_FALSE(Globals().ModalBusy);
        EXPECT_TRUE(CheckTimerEnabled());
    }
    // A timer that was off stays off.
    SetCheckTimer(false);
    Script = [](NotifyForm& f) { QTest::keyClick(&f, Qt::Key_Escape); };
    Notify("5;");
    EXPECT_FALSE(CheckTimerEnabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(NotifyFormTest, AMissingGameIsReportedAndAnswersLater)
{
    bool shown = false;
    Script = [&shown](NotifyForm&) { shown = true; };
    EXPECT_EQ(Notify("99;5;"), NotifyLater);
    EXPECT_FALSE(shown);
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Notification error.")});
}

TEST_F(NotifyFormTest, TheTimeOutAnswersLaterAfterItsTicksAndNeverWhenOff)
{
    // The stored position 2 of the time-out list: "1 minute", two ticks.
    ProgramSettings().NotificationTimeout = 2;
    const int ticks = NotificationTimeoutTicks(2);
    ASSERT_EQ(ticks, 2);
    Script = [ticks](NotifyForm& f) {
        EXPECT_TRUE(f.TimeoutTicker.isActive());
        EXPECT_EQ(f.TimeoutTicker.interval(), 30000);
        for (int i = 1; i < ticks; ++i)
            f.TimeoutTicker_Timer();
        EXPECT_FALSE(f.Answered());
        f.TimeoutTicker_Timer();
        EXPECT_TRUE(f.Answered());
    };
    EXPECT_EQ(Notify("5;"), NotifyLater);

    ProgramSettings().NotificationTimeout = 0;
    Script = [](NotifyForm& f) {
        EXPECT_FALSE(f.TimeoutTicker.isActive());
        QTest::keyClick(&f, Qt::Key_Return);
    };
    EXPECT_EQ(Notify("5;"), NotifyPlay);
}

TEST_F(NotifyFormTest, CommentTypeNextButtonAndLayouts)
{
    for (bool plain : {false, true}) {
        SCOPED_TRACE(plain ? "plain" : "skinned");
        ProgramSettings().SimpleUI = plain;
        Script = [plain](NotifyForm& f) {
            EXPECT_FALSE(f.MoveComment->font().bold());
            EXPECT_EQ(f.MoveComment->font().pointSize(), 7);
            if (plain)
                EXPECT_FALSE(f.NextButton.plainTwin->isEnabled());
            else
                EXPECT_FALSE(f.NextButton.face->isEnabled());
            f.close();
        };
        Notify("7;");
        Script = [plain](NotifyForm& f) {
            // A blank comment hides its label only in the skinned look.
            EXPECT_EQ(f.MoveComment->isVisible(), plain);
            EXPECT_EQ(f.HelpButton->isVisible(), !plain);
            EXPECT_EQ(f.opName_L->isVisible(), plain);
            EXPECT_EQ(f.PlayButton.plainTwin->isVisible(), plain);
            f.close();
        };
        Notify("6;5;");
        Script = [plain](NotifyForm& f) {
            EXPECT_TRUE(f.MoveComment->font().bold());
            EXPECT_EQ(f.MoveComment->font().pointSize(), 8);
            EXPECT_EQ(f.PlayButton.face->toolTip(), QStringLiteral("Play the new move"));
            if (plain)
                EXPECT_TRUE(f.NextButton.plainTwin->isEnabled());
            else
                EXPECT_TRUE(f.NextButton.face->isEnabled());
            // Nothing shown is cut by the window's edge.
            for (const QWidget* control :
                 f.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (control->isVisible()) {
                    EXPECT_TRUE(f.rect().contains(control->geometry()))
                        << qPrintable(control->objectName());
                }
            std::printf("screenshot: %s\n", qPrintable(ShellTesting::SaveScreenshot(
                                                f, plain ? QStringLiteral("notify-plain")
                                                         : QStringLiteral("notify-skinned"))));
            f.close();
        };
        Notify("5;6;");
    }
}

} // namespace
