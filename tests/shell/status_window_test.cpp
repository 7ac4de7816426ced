#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "shell/program_mail.h"
#include "shell/status_window.h"
#include "tests/shell/shell_test_support.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Support;

namespace {

class StatusWindowTest : public ::testing::Test {
protected:
    void TearDown() override { ShowStatus(false); }
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
};

int StatusWindowsAlive()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->objectName() == QLatin1String("StatusWindow");
    return n;
}

TEST_F(StatusWindowTest, SecondTextReusesTheOneWindowAndHidingUnloadsIt)
{
    ShowStatus(true, QStringLiteral("Logging on..."));
    StatusWindow* first = OpenStatusWindow();
    ASSERT_NE(first, nullptr);
    ShowStatus(true, QStringLiteral("Retrieving games..."));
    EXPECT_EQ(OpenStatusWindow(), first);
    EXPECT_EQ(StatusWindowsAlive(), 1);
    EXPECT_EQ(first->StatusText->text(), QStringLiteral("Retrieving games..."));
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->size(), QSize(330, 77));
    EXPECT_FALSE(first->mask().isEmpty());
    std::printf("screenshot: %s\n",
                qPrintable(ShellTesting::SaveScreenshot(*first, QStringLiteral("status-window"))));

    ShowStatus(false);
    QApplication::processEvents();
    EXPECT_EQ(OpenStatusWindow(), nullptr);
    EXPECT_EQ(StatusWindowsAlive(), 0);
    // Closing a window that is not open leaves nothing behind.
    ShowStatus(false);
    EXPECT_EQ(StatusWindowsAlive(), 0);

    // The end of the program closes an open status window.
    ShowStatus(true, QStringLiteral("Quiting Marrowdale..."));
    CloseDown(false);
    EXPECT_EQ(OpenStatusWindow(), nullptr);
}

// A message of a mail pass (File > Import game's result, a refused move)
// never lies under the status window, which stays on top: the status window
// steps aside while the box is up and comes back while the pass goes on.
TEST_F(StatusWindowTest, AMessageOfThePassShowsWithTheStatusWindowHidden)
{
    ShowStatus(true, QStringLiteral("Retrieving games..."));
    ASSERT_NE(OpenStatusWindow(), nullptr);
    bool statusShownUnderTheBox = true;
    host.Script = [&](QWidget& box) {
        statusShownUnderTheBox = OpenStatusWindow() && OpenStatusWindow()->isVisible();
        box.hide();
    };
    SysTraySupport::ProgramMessageSink sink;
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Transmission;
    call.caption = "Game import";
    call.text = "The game has been successfully imported.";
    call.okCaption = "OK";
    sink.ShowMessage(call);
    EXPECT_EQ(host.ModalRuns, 1);
    EXPECT_FALSE(statusShownUnderTheBox);
    ASSERT_NE(OpenStatusWindow(), nullptr);
    EXPECT_TRUE(OpenStatusWindow()->isVisible());

    // A box after the pass has closed its status window brings none back.
    ShowStatus(false);
    sink.ShowMessage(call);
    EXPECT_EQ(OpenStatusWindow(), nullptr);
}

TEST_F(StatusWindowTest, PlainLayoutReadsNoSkinAndIsSmaller)
{
    ProgramSettings().SimpleUI = true;
    ProgramSettings().Skin = QStringLiteral("No Such Skin");
    ShowStatus(true, QStringLiteral("Quiting Marrowdale..."));
    StatusWindow* window = OpenStatusWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ProgramSettings().Skin, QStringLiteral("No Such Skin"));
    EXPECT_EQ(window->size(), QSize(330 - 30, 77 - 50));
    EXPECT_TRUE(window->mask().isEmpty());
    EXPECT_EQ(window->StatusText->pos(), QPoint(64 - 17, 26 - 25));
    EXPECT_TRUE(window->rect().contains(window->StatusText->geometry().center()));
    std::printf("screenshot: %s\n", qPrintable(ShellTesting::SaveScreenshot(
                                        *window, QStringLiteral("status-window-plain"))));
}

TEST_F(StatusWindowTest, SkinFailureShowsNothingAndTheWorkGoesOn)
{
    // Neither the chosen nor the default skin has the picture.
    QFile::remove(folders.ProgramPath()
                  + QStringLiteral("/UI Graphics/Marrowdale Classic/StatusWindow.jpg"));
    bool ended = false;
    Globals().EndProgram = [&] { ended = true; };
    ShowStatus(true, QStringLiteral("Logging on..."));
    Globals().EndProgram = nullptr;
    Globals().Quitting = false;
    EXPECT_EQ(OpenStatusWindow(), nullptr);
    EXPECT_EQ(StatusWindowsAlive(), 0);
    EXPECT_TRUE(ended);
}

} // namespace
