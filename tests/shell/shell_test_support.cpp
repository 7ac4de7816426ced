#include "tests/shell/shell_test_support.h"

#include "foundation/program_state.h"
#include "platform/tray_icon.h"
#include "shell/system_tray.h"
#include "store/database.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace ShellTesting {

ShellFolders::ShellFolders()
{
    program_.AddChessSets();
    Support::Globals().DataPath = DataPath();
}

ShellFolders::~ShellFolders()
{
    Support::Globals().DataPath.clear();
}

QString ShellFolders::ChessSetPath(const QString& set) const
{
    return program_.ChessSetPath(set);
}

void ShellFolders::CopyChessSet(const QString& from, const QString& to) const
{
    program_.CopyChessSet(from, to);
}

// Every run keeps its pictures in a folder of its own (left behind to be
// looked at), so two runs side by side never write over each other's.
static QString ScreenshotFolder()
{
    static const QString folder = [] {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/marrowdale-shots-XXXXXX"));
        dir.setAutoRemove(false);
        EXPECT_TRUE(dir.isValid()) << dir.errorString().toStdString();
        return dir.path();
    }();
    return folder;
}

QString SaveScreenshot(QWidget& widget, const QString& name)
{
    const QString path = ScreenshotFolder() + QStringLiteral("/") + name + QStringLiteral(".png");
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    return path;
}

void ResetBeforeTrayStartup(TestSupport::ScriptedHost& host)
{
    Support::ProgramState& state = Support::Globals();
    state.Quitting = false;
    state.ExitQueued = false;
    state.StartupDone = false;
    state.ModalBusy = false;
    state.CheckTimerEnabled = false;
    state.Mail.MailOffline = true;
    SysTraySupport::TrayIcon::PretendDesktopHasTray(true);
    host.Script = [](QWidget& box) { box.hide(); };
}

bool FinishFirstRetrieval(SysTraySupport::SystemTray& tray, int timeoutMs)
{
    return QTest::qWaitFor([&tray] { return tray.FirstRetrievalOver(); }, timeoutMs);
}

void StoreGame(const QString& dataPath, int id, int status)
{
    const Database::DataFolder folder(QFile::encodeName(dataPath).toStdString());
    GameRecord game;
    game.GAME_ID = id;
    game.GAME_NAME = "Game " + std::to_string(id);
    game.GAME_DATE = "01/02/2026";
    game.GAME_OPPONENTS_NAME = "Bob Birch";
    game.GAME_OPPONENTS_EMAIL = "bob@marrowdale.test";
    game.GAME_STATUS = std::int16_t(status);
    ASSERT_TRUE(Database::SaveGame(folder, game, {}));
}

} // namespace ShellTesting
