#include "startup_test_support.h"

#include "foundation/global_setup.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "platform/registry.h"

#include <QFile>

#include <algorithm>

using namespace Support;
using TestSupport::StartupTest;

namespace {

class ShutdownTest : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        SetupGlobalVariables(QString());
        // As after the start-up's upgrade: the settings key holds the defaults.
        ASSERT_TRUE(UpgradeSettings(ProgramSettings(), false));
    }

    QString StoredSkin() const
    {
        Settings stored;
        LoadSettings(stored);
        return stored.Skin;
    }
    void TearDown() override
    {
        for (const QString& name : CloseDownOrder())
            ForgetWindow(name);
        ForgetWindow(QStringLiteral("SelectPrinter"));
        Globals().StartupDone = Globals().Quitting = false;
        StartupTest::TearDown();
    }

    // Registers a window that notes its unload and its release in `events`.
    void Register(const QString& name, std::function<void()> alsoOnUnload = {})
    {
        RegisterWindow(name, {[this, name, alsoOnUnload] {
                                  events << QStringLiteral("unload ") + name;
                                  if (alsoOnUnload)
                                      alsoOnUnload();
                              },
                              [this, name] { events << QStringLiteral("release ") + name; }});
    }

    QStringList events;
};

QStringList Prefixed(const QString& prefix, const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << prefix + name;
    return result;
}

} // namespace

TEST_F(ShutdownTest, CloseDownFalseSavesNothing_TrueSavesTheSettings)
{
    ProgramSettings().ChessBoard = QStringLiteral("Marble");
    CloseDown(false);
    Settings stored;
    LoadSettings(stored);
    EXPECT_EQ(stored.ChessBoard, QStringLiteral("Plain"));

    CloseDown(true);
    LoadSettings(stored);
    EXPECT_EQ(stored.ChessBoard, QStringLiteral("Marble"));
}

TEST_F(ShutdownTest, UnloadsEveryLoadedWindowInOrderThenReleasesThem)
{
    // Loaded in another order, one of them missing, and the print dialog
    // that its callers unload themselves.
    QStringList loaded = CloseDownOrder();
    loaded.removeAll(QStringLiteral("Credits"));
    std::reverse(loaded.begin(), loaded.end());
    for (const QString& name : loaded)
        Register(name);
    Register(QStringLiteral("SelectPrinter"));

    CloseDown(false);

    QStringList expected = CloseDownOrder();
    expected.removeAll(QStringLiteral("Credits"));
    EXPECT_EQ(events, Prefixed(QStringLiteral("unload "), expected)
                          + Prefixed(QStringLiteral("release "), expected));
    EXPECT_TRUE(IsWindowLoaded(QStringLiteral("SelectPrinter")));
    for (const QString& name : CloseDownOrder())
        EXPECT_FALSE(IsWindowLoaded(name)) << name.toStdString();

    // Nothing is loaded any more: a second shut-down does nothing.
    events.clear();
    CloseDown(false);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(ShutdownTest, TrayUnloadThatClosesDownAgainUnloadsEachWindowOnce)
{
    Register(QStringLiteral("Board"));
    Register(QStringLiteral("SystemTray"), [] { CloseDown(false); });
    Register(QStringLiteral("NotifyForm"));
    CloseDown(false);
    EXPECT_EQ(events.filter(QStringLiteral("unload ")),
              QStringList({"unload Board", "unload SystemTray", "unload NotifyForm"}));
    EXPECT_EQ(events.filter(QStringLiteral("release ")).size(), 3);
}

TEST_F(ShutdownTest, ExitProgramBacksUpThenUnloadsGameListThenTray)
{
    const QString data = Globals().DataPath;
    EXPECT_EQ(data, this->data.path() + QStringLiteral("/Tallowmere/Marrowdale/Data/"));
    {
        QFile live(data + QStringLiteral("Mdgdb.dat"));
        ASSERT_TRUE(live.open(QIODevice::WriteOnly));
        live.write(
            "1|150320241030|7|Friendly game|15/03/2024|bob@example.org|Alice|Bob|-1|Bob|2|0||1|5254|e4|\r\n");
    }
    Globals().StartupDone = true;
    ProgramSettings().Skin = QStringLiteral("Other");
    Register(QStringLiteral("Board"));
    Register(QStringLiteral("GameInterface"));
    // The tray window's unload finishes the shut-down.
    Register(QStringLiteral("SystemTray"), [] { CloseDown(Globals().StartupDone); });

    ExitProgram();

    EXPECT_TRUE(QFile::exists(data + QStringLiteral("mdgdb.bak")));
    EXPECT_EQ(events.filter(QStringLiteral("unload ")),
              QStringList({"unload GameInterface", "unload SystemTray", "unload Board"}));
    EXPECT_EQ(StoredSkin(), QStringLiteral("Other"));
}

TEST_F(ShutdownTest, ExitProgramWithoutTrayClosesDownItselfUnlessQuitting)
{
    const QString defaultSkin = StoredSkin();
    ProgramSettings().Skin = QStringLiteral("Other");
    Register(QStringLiteral("Board"));
    Globals().StartupDone = false; // start-up never completed: nothing saved
    ExitProgram();
    EXPECT_EQ(events, QStringList({"unload Board", "release Board"}));
    EXPECT_EQ(StoredSkin(), defaultSkin);

    events.clear();
    Register(QStringLiteral("Board"));
    Globals().StartupDone = true;
    Globals().Quitting = true; // a fatal failure has done its own clean-up
    ExitProgram();
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(StoredSkin(), defaultSkin);

    Globals().Quitting = false;
    ExitProgram();
    EXPECT_EQ(events, QStringList({"unload Board", "release Board"}));
    EXPECT_EQ(StoredSkin(), QStringLiteral("Other"));
}
