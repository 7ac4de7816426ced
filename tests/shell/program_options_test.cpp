#include "shell/program_options.h"

#include "board/piece_palette.h"
#include "shell/new_game_kind.h"
#include "shell/program_board.h"
#include "tests/shell/recording_services.h"

#include "tests/shell/shell_test_support.h"

#include "foundation/chess_set.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A skin picture of one flat colour in place of the file.
void Paint(const QString& path, const QColor& colour)
{
    QImage picture(path);
    ASSERT_FALSE(picture.isNull()) << path.toStdString();
    picture.fill(colour);
    ASSERT_TRUE(picture.save(path));
}

QColor BackgroundPixel(const QWidget& window)
{
    return window.palette().brush(QPalette::Window).texture().toImage().pixelColor(5, 5);
}

// JPEG keeps a flat colour within a few steps.
bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8
           && std::abs(a.blue() - b.blue()) < 8;
}

} // namespace

TEST(ProgramOptions, AChangedSkinGoesOnEveryOpenWindowTheTrayIncluded)
{
    ShellTesting::ShellFolders folders;
    const QString second = QStringLiteral("Second");
    TestSupport::CopyTree(folders.ProgramPath() + QStringLiteral("/UI Graphics/Marrowdale Classic"),
                          folders.ProgramPath() + QStringLiteral("/UI Graphics/") + second);
    const QString skin =
        folders.ProgramPath() + QStringLiteral("/UI Graphics/") + second + QStringLiteral("/");
    Paint(skin + QStringLiteral("StatusWindow.jpg"), Qt::red);
    Paint(skin + QStringLiteral("ExchangePawn.jpg"), Qt::blue);
    Paint(skin + QStringLiteral("SystemButtons.bmp"), Qt::green);

    QWidget tray;
    tray.setObjectName(QStringLiteral("SystemTray"));
    Support::Globals().TrayForm = &tray;
    QWidget status;
    status.setObjectName(QStringLiteral("StatusWindow"));
    new QLabel(&status);
    status.findChild<QLabel*>()->setObjectName(QStringLiteral("StatusText"));
    QWidget exchange;
    exchange.setObjectName(QStringLiteral("ExchangePawn"));
    new QLabel(&exchange);
    exchange.findChild<QLabel*>()->setObjectName(QStringLiteral("Label1"));
    QWidget stranger; // no skin of its own: left alone, without a message
    for (QWidget* window : {&tray, &status, &exchange})
        ASSERT_TRUE(Support::ApplySkin(*window));
    ASSERT_FALSE(Near(BackgroundPixel(status), Qt::red));

    Support::ProgramSettings().Skin = second;
    SysTraySupport::ProgramOptions options;
    EXPECT_TRUE(options.ApplySkinToOpenWindows());
    EXPECT_TRUE(Near(BackgroundPixel(status), Qt::red));
    EXPECT_TRUE(Near(BackgroundPixel(exchange), Qt::blue));
    EXPECT_TRUE(Near(Support::Pictures().ButtonImages.Picture().toImage().pixelColor(3, 3), Qt::green));
    EXPECT_TRUE(Support::Globals().SkinRefreshPending);
    Support::Globals().TrayForm = nullptr;
}

TEST(ProgramOptions, ANewChessSetGoesOnTheOpenBoardWhichClosesWhenTheSetCannotBeRead)
{
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    ShellTesting::StoreGame(folders.DataPath(), 1, 1);
    QWidget tray;
    tray.setObjectName(QStringLiteral("SystemTray"));
    ASSERT_TRUE(Support::ApplySkin(tray));
    Support::Globals().TrayForm = &tray;
    ASSERT_TRUE(Support::LoadChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Plain")));

    ShellTesting::RecordingServices recorder;
    SysTraySupport::ProgramBoard board(recorder.GameList, recorder.Menu);
    board.OpenBoard(Support::GameToOpen::Stored(1), true);
    ASSERT_NE(board.OpenWindow(), nullptr);
    SysTraySupport::ProgramOptions options(&board);

    Support::ProgramSettings().ChessSet = QStringLiteral("Pen and Ink");
    options.ChessSetChanged();
    const QImage inked(folders.ChessSetPath(QStringLiteral("Pen and Ink"))
                       + QStringLiteral("Plain.jpg"));
    EXPECT_EQ(Support::Pictures().ChessSet.Picture().toImage().convertToFormat(inked.format()), inked);
    EXPECT_NE(board.OpenWindow(), nullptr);

    Support::ProgramSettings().ChessSet = QStringLiteral("Missing");
    options.ChessSetChanged();
    EXPECT_GE(host.ModalRuns, 1); // the user is told which file
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(board.OpenWindow(), nullptr);
    // The last good set stays in the stores.
    EXPECT_EQ(Support::Pictures().ChessSet.Picture().toImage().convertToFormat(inked.format()), inked);
    Support::Globals().TrayForm = nullptr;
    Support::Pictures() = Support::PictureStores{};
}

// A new set-up game opens the board in its set-up mode, and a new chess
// set reaches its palette too.
TEST(ProgramOptions, ASetUpGameOpensInSetUpModeAndItsPaletteTakesANewSet)
{
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    ASSERT_TRUE(Support::LoadChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Plain")));
    ShellTesting::RecordingServices recorder;
    SysTraySupport::ProgramBoard board(recorder.GameList, recorder.Menu);
    board.OpenBoard(Support::GameToOpen::New({{false, true}, {}, {}, {}}), true);
    ASSERT_NE(board.OpenWindow(), nullptr);
    ASSERT_TRUE(board.OpenWindow()->Game().Setup().Active());
    BoardSupport::PiecePalette& palette = *board.OpenWindow()->Setup().Palette();
    const QImage classic = palette.grab().toImage();

    SysTraySupport::ProgramOptions options(&board);
    Support::ProgramSettings().ChessSet = QStringLiteral("Pen and Ink");
    options.ChessSetChanged();
    EXPECT_NE(palette.grab().toImage(), classic);
    Support::Pictures() = Support::PictureStores{};
}
