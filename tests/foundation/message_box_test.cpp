#include "foundation/message_box.h"
#include "foundation/msg_form.h"
#include "foundation/notification_timeout.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "widget_test_support.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Support;

namespace {

enum class Action { Enter, Escape, Close };

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tray.setObjectName(QStringLiteral("SystemTray"));
        ASSERT_TRUE(ApplySkin(tray));
        Globals().ModalBusy = false;
        Globals().CheckTimerEnabled = false;
    }
    void TearDown() override
    {
        Pictures() = PictureStores{};
        ResetGlobals();
    }

    // Runs one box whose script sees the shown window.
    bool Show(const QString& cancel, std::function<void(MsgForm&)> script, bool timeoutOn = false,
              std::optional<SoundCue> sound = std::nullopt, MsgIcon icon = MsgIcon::Information)
    {
        host.Script = [script](QWidget& w) { script(static_cast<MsgForm&>(w)); };
        return ShowMessage(icon, QStringLiteral("Caption"), QStringLiteral("Text"),
                           QStringLiteral("Yes"), cancel, timeoutOn, sound);
    }

    TestSupport::ProgramFolder folder;
    TestSupport::ScriptedHost host;
    QWidget tray;
};

void Act(MsgForm& box, Action action)
{
    QWidget* target = box.focusWidget() ? box.focusWidget() : &box;
    switch (action) {
    case Action::Enter:
        QTest::keyClick(target, Qt::Key_Return);
        break;
    case Action::Escape:
        QTest::keyClick(target, Qt::Key_Escape);
        break;
    case Action::Close:
        box.close();
        break;
    }
}

TEST_F(MessageBoxTest, KeysAndClosingAnswerAlikeInBothLayouts)
{
    const char* names[] = {"Enter", "Escape", "Close"};
    for (bool simple : {false, true})
        for (bool withCancel : {false, true})
            for (Action action : {Action::Enter, Action::Escape, Action::Close}) {
                SCOPED_TRACE(std::string(simple ? "plain " : "skinned ")
                             + (withCancel ? "OK+Cancel " : "OK ") + names[int(action)]);
                ProgramSettings().SimpleUI = simple;
                bool cancelShown = false;
                const bool answer =
                    Show(withCancel ? QStringLiteral("No") : QString(), [&](MsgForm& box) {
                        cancelShown = box.CancelShown();
                        if (simple)
                            box.OKButtonS->setFocus(); // a focused button must not take Enter
                        Act(box, action);
                    });
                EXPECT_EQ(cancelShown, withCancel);
                EXPECT_EQ(answer, action == Action::Enter || !withCancel);
                EXPECT_FALSE(host.LeftOpen);
            }
}

TEST_F(MessageBoxTest, ButtonsAnswerInBothLayouts)
{
    EXPECT_FALSE(Show(QStringLiteral("No"),
                      [](MsgForm& box) { QTest::mouseClick(box.CancelButton.face, Qt::LeftButton); }));
    EXPECT_TRUE(Show(QStringLiteral("No"),
                     [](MsgForm& box) { QTest::mouseClick(box.OkButton.face, Qt::LeftButton); }));
    ProgramSettings().SimpleUI = true;
    EXPECT_FALSE(Show(QStringLiteral("No"), [](MsgForm& box) { box.CancelButtonS->click(); }));
    EXPECT_TRUE(Show(QStringLiteral("No"), [](MsgForm& box) { box.OKButtonS->click(); }));
}

TEST_F(MessageBoxTest, FillsCaptionPlainTextLinesIconAndCentredButton)
{
    EXPECT_EQ(CentredOkLeft(1000, 1200, 3000, 1200), 2000);
    host.Script = [](QWidget& w) {
        auto& box = static_cast<MsgForm&>(w);
        EXPECT_EQ(box.FormCaption->text(), QStringLiteral("Database error."));
        EXPECT_EQ(box.Message->text(), QStringLiteral("<b>one</b>\n\ntwo"));
        EXPECT_EQ(box.Message->textFormat(), Qt::PlainText);
        EXPECT_EQ(box.FormCaption->textFormat(), Qt::PlainText);
        EXPECT_EQ(box.OkButton.caption->text(), QStringLiteral("Ok"));
        EXPECT_FALSE(box.CancelButton.face->isVisibleTo(&box));
        // The lone OK button stands in the middle of the two buttons' span.
        const QRect ok = box.OkButton.picture->geometry();
        EXPECT_EQ(ok.left() + ok.width() / 2, box.width() / 2);
        EXPECT_EQ(box.OkButton.face->geometry(), ok);
        // An icon number outside 1 to 5 shows the information icon.
        EXPECT_EQ(box.MessageIcon->pixmap().toImage(), box.IconList.at(0).toImage());
        EXPECT_FALSE(box.IconList.at(0).isNull());
        box.OkButtonFace_Click();
    };
    EXPECT_TRUE(ShowMessage(static_cast<MsgIcon>(9), QStringLiteral("Database error."),
                            QStringLiteral("<b>one</b>||two"), QStringLiteral("Ok"), QString(), false));

    host.Script = [](QWidget& w) {
        auto& box = static_cast<MsgForm&>(w);
        EXPECT_EQ(box.Message->text(), QString());
        EXPECT_EQ(box.MessageIcon->pixmap().toImage(), box.IconList.at(4).toImage());
    };
    ShowMessage(Support::MsgIcon::Database, QStringLiteral("C"), QString(), QStringLiteral("OK"),
                QString(), false);
}

TEST_F(MessageBoxTest, LongTextMakesTheBoxTallerInsteadOfCuttingLinesOff)
{
    const QString longText = QStringLiteral(
        "As some point in the past Marrowdale crashed while trying to connect to your email system.  "
        "You are now working off-line and will remain so until you choose Logon / Retrieve games from "
        "the system tray menu and successfully connect to your email client.||Error 13: Permission "
        "denied||/home/someone/.local/share/Tallowmere/Marrowdale/Data/Mdgdb.dat");
    for (bool simple : {false, true}) {
        SCOPED_TRACE(simple ? "plain" : "skinned");
        ProgramSettings().SimpleUI = simple;
        QSize shortSize, longSize;
        host.Script = [&](QWidget& w) {
            auto& box = static_cast<MsgForm&>(w);
            shortSize = box.size();
            box.OkButtonFace_Click();
        };
        ShowMessage(Support::MsgIcon::Transmission, QStringLiteral("Transmission error."),
                    QStringLiteral("Short."), QStringLiteral("OK"), QString(), false);
        host.Script = [&](QWidget& w) {
            auto& box = static_cast<MsgForm&>(w);
            longSize = box.size();
            EXPECT_GE(box.Message->height(), box.Message->heightForWidth(box.Message->width()));
            QWidget* ok = simple ? static_cast<QWidget*>(box.OKButtonS) : box.OkButton.picture;
            EXPECT_GE(ok->y(), box.Message->geometry().bottom());
            EXPECT_LE(ok->geometry().bottom(), box.height());
            if (!simple) {
                EXPECT_EQ(box.OkButton.face->geometry(), ok->geometry());
                EXPECT_GT(box.mask().boundingRect().bottom(), ok->geometry().bottom());
            }
            box.OkButtonFace_Click();
        };
        ShowMessage(Support::MsgIcon::Transmission, QStringLiteral("Transmission error."), longText,
                    QStringLiteral("OK"), QString(), false);
        EXPECT_EQ(longSize.width(), shortSize.width());
        EXPECT_GT(longSize.height(), shortSize.height());
    }
}

TEST_F(MessageBoxTest, TimesOutAsCancelAfterTheSettingsTicks_NeverAtZero)
{
    ProgramSettings().NotificationTimeout = 2;
    bool openAfterOneTick = false;
    EXPECT_FALSE(Show(
        QString(),
        [&](MsgForm& box) {
            EXPECT_TRUE(box.TimeoutTicker.isActive());
            EXPECT_EQ(box.TimeoutTicker.interval(), 30000);
            box.TimeoutTicker_Timer();
            openAfterOneTick = box.isVisible();
            box.TimeoutTicker_Timer();
        },
        true));
    EXPECT_TRUE(openAfterOneTick);
    EXPECT_FALSE(host.LeftOpen);

    // Without the time-out flag, or with the setting at "Never", ticks do nothing.
    for (const auto& [setting, timeoutOn] : {std::pair{2, false}, std::pair{0, true}}) {
        ProgramSettings().NotificationTimeout = setting;
        Show(
            QStringLiteral("No"),
            [&](MsgForm& box) {
                EXPECT_FALSE(box.TimeoutTicker.isActive());
                for (int i = 0; i < 5; ++i)
                    box.TimeoutTicker_Timer();
            },
            timeoutOn);
        EXPECT_TRUE(host.LeftOpen);
    }
}

TEST(NotificationTimeout, PositionsMapToTheTicksTheirItemsName)
{
    const std::pair<int, int> cases[] = {{-1, 0},   {0, 0},     {1, 1},    {2, 2},    {10, 10},
                                         {11, 20},  {12, 40},   {15, 100}, {16, 120}, {17, 240},
                                         {18, 600}, {19, 1200}, {25, 1200}};
    for (const auto& [position, ticks] : cases)
        EXPECT_EQ(NotificationTimeoutTicks(position), ticks) << position;
}

// The box belongs to the window the user works in, so the window manager
// keeps it above that window; never to a window that goes by itself (a
// status window), and to none when nothing is open.
TEST_F(MessageBoxTest, TheBoxBelongsToTheOpenWindow)
{
    QWidget list;
    QWidget status;
    status.setWindowFlag(Qt::Tool, true);
    struct Case {
        QWidget* active;
        QWidget* owner;
    } cases[] = {{&list, &list}, {&status, nullptr}, {nullptr, nullptr}};
    for (const Case& c : cases) {
        list.hide();
        status.hide();
        if (c.active) {
            c.active->show();
            c.active->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(c.active));
        }
        QWidget* owner = &status;
        bool window = false;
        Show(QString(), [&](MsgForm& box) {
            owner = box.parentWidget();
            window = box.isWindow() && box.isVisible();
            box.OkButtonFace_Click();
        });
        EXPECT_EQ(owner, c.owner);
        EXPECT_TRUE(window);
    }
    // The box has gone with its answer.
    EXPECT_TRUE(list.findChildren<MsgForm*>().isEmpty());
}

TEST_F(MessageBoxTest, GuardPausesPollingAndRestoresWhatWasThere)
{
    std::vector<bool> switched;
    Globals().CheckTimerSwitched = [&](bool on) { switched.push_back(on); };
    for (const auto& [timerOn, busy] :
         {std::pair{false, false}, std::pair{true, true}, std::pair{true, false}}) {
        SetCheckTimer(timerOn);
        Globals().ModalBusy = busy;
        bool timerDuring = true, busyDuring = false;
        Show(QString(), [&](MsgForm& box) {
            timerDuring = CheckTimerEnabled();
            busyDuring = Globals().ModalBusy;
            box.OkButtonFace_Click();
        });
        EXPECT_FALSE(timerDuring);
        EXPECT_TRUE(busyDuring);
        EXPECT_EQ(CheckTimerEnabled(), timerOn);
        EXPECT_EQ(Globals().ModalBusy, busy);
    }
    // The tray heard every switch, the last one putting its timer back on.
    ASSERT_FALSE(switched.empty());
    EXPECT_TRUE(switched.back());
}

TEST_F(MessageBoxTest, SoundCuePlaysAsTheBoxOpens_VerboseOffPlaysOnly)
{
    std::vector<std::pair<SoundCue, int>> cues; // cue, boxes shown before it
    Globals().PlaySoundCue = [&](SoundCue cue) { cues.push_back({cue, host.ModalRuns}); };
    Show(
        QString(), [](MsgForm& box) { box.OkButtonFace_Click(); }, false, SoundCue::Refused);
    Show(QString(), [](MsgForm& box) { box.OkButtonFace_Click(); });
    ASSERT_EQ(cues.size(), 1u);
    EXPECT_EQ(cues[0], (std::pair{SoundCue::Refused, 0}));

    ProgramSettings().Verbose = false;
    VerboseMessage(QStringLiteral("That piece cannot move there."), QStringLiteral("Illegal move"),
                   SoundCue::Refused);
    EXPECT_EQ(host.ModalRuns, 2);
    EXPECT_EQ(cues.size(), 2u);

    ProgramSettings().Verbose = true;
    ProgramSettings().NotificationTimeout = 1;
    QString caption;
    bool timed = false;
    host.Script = [&](QWidget& w) {
        auto& box = static_cast<MsgForm&>(w);
        caption = box.FormCaption->text();
        timed = box.TimeoutTicker.isActive();
        box.OkButtonFace_Click();
    };
    VerboseMessage(QStringLiteral("That piece cannot move there."), QStringLiteral("Illegal move"),
                   SoundCue::Information);
    EXPECT_EQ(caption, QStringLiteral("Illegal move"));
    EXPECT_TRUE(timed);
    EXPECT_EQ(cues.back(), (std::pair{SoundCue::Information, 2}));
}

// Renders the box as the desktop shows it: outside the window's shape is
// transparent. Saves PNGs for review when MD_SCREENSHOT_DIR is set.
TEST_F(MessageBoxTest, BothLayoutsRender)
{
    const QByteArray dir = qgetenv("MD_SCREENSHOT_DIR");
    for (bool simple : {false, true}) {
        ProgramSettings().SimpleUI = simple;
        QImage shot;
        host.Script = [&](QWidget& w) {
            QApplication::processEvents();
            shot = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
            if (!w.mask().isEmpty())
                for (int y = 0; y < shot.height(); ++y)
                    for (int x = 0; x < shot.width(); ++x)
                        if (!w.mask().contains(QPoint(x, y)))
                            shot.setPixelColor(x, y, Qt::transparent);
            static_cast<MsgForm&>(w).OkButtonFace_Click();
        };
        ShowMessage(
            Support::MsgIcon::Warning, QStringLiteral("Transmission error."),
            QStringLiteral(
                "The move could not be sent to your opponent.||Please check your mail settings and try again."),
            QStringLiteral("Retry"), QStringLiteral("Cancel"), false);
        ASSERT_FALSE(shot.isNull());
        EXPECT_EQ(shot.size(), simple ? QSize(400, 160) : QSize(420, 200));
        if (!dir.isEmpty()) {
            const QString name =
                simple ? QStringLiteral("msgform-plain.png") : QStringLiteral("msgform-skinned.png");
            EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
        }
    }
}

} // namespace
