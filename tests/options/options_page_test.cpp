#include "options/options_page.h"
#include "options/select_sound.h"

#include "tests/options/options_test_support.h"

#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace OptionsSupport;
using OptionsTesting::ShownMessage;

namespace {

class OptionsPageTest : public OptionsTesting::OptionsPageFixture {
protected:
    // Opens the window in the running layout; the messages of the load are
    // dropped.
    OptionsPage& Open(bool simpleUI = false)
    {
        settings.SimpleUI = simpleUI;
        OptionsPageFixture::Open();
        host.messages.clear();
        return *page;
    }
    template <typename T>
    T* Find(const QString& name) const
    {
        T* control = page->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    void ClickLabel(OptionBox box)
    {
        QLabel* label = page->General().CaptionLabel(box);
        QTest::mouseClick(label ? label : page->Notification().CaptionLabel(box), Qt::LeftButton);
    }
    void Key(Qt::Key key) { QTest::keyClick(page->General().Box(OptionBox::DefaultView), key); }
};

} // namespace

TEST_F(OptionsPageTest, TheNotificationMethodShowsAsTwoBoxesAndIsWrittenAtOnce)
{
    const struct {
        int method;
        bool sound, dialog, browse;
    } cases[] = {{0, false, false, false}, {1, true, false, true},   {2, false, true, false},
                 {3, true, true, true},    {7, false, false, false}, {-1, false, false, false}};
    for (const auto& c : cases) {
        settings.NotificationMethod = std::int16_t(c.method);
        Open();
        EXPECT_EQ(page->Notification().NotifySound()->isChecked(), c.sound) << c.method;
        EXPECT_EQ(page->Notification().NotifyDialog()->isChecked(), c.dialog) << c.method;
        EXPECT_EQ(page->Notification().BrowseSound()->isEnabled(), c.browse) << c.method;
    }

    settings.NotificationMethod = 2;
    Open();
    page->Notification().NotifySound()->click();
    EXPECT_EQ(settings.NotificationMethod, 3);
    EXPECT_TRUE(page->Notification().BrowseSound()->isEnabled());
    page->Notification().NotifySound()->click();
    page->Notification().NotifyDialog()->click();
    EXPECT_EQ(settings.NotificationMethod, 0);
    EXPECT_FALSE(page->Notification().BrowseSound()->isEnabled());
    ClickLabel(OptionBox::NotifySound);
    EXPECT_TRUE(page->Notification().NotifySound()->isChecked());
    // Cancel keeps what was written at once.
    page->CancelButtonFace_Click();
    EXPECT_TRUE(page->Unloaded());
    EXPECT_EQ(settings.NotificationMethod, 1);
}

TEST_F(OptionsPageTest, OkStoresEverySettingAgainWithoutRedrawingOrSkinning)
{
    settings.CheckInterval = 2500;
    settings.SearchDepth = 9; // out of range: the nearest item
    settings.NotificationTimeout = 40;
    Open();
    EXPECT_EQ(page->General().CheckInterval()->currentText(), QStringLiteral("2"));
    EXPECT_EQ(page->General().SearchDepth()->currentIndex(), 4);
    EXPECT_EQ(page->Notification().Timeout()->currentText(), QStringLiteral("10 hours"));
    EXPECT_FALSE(page->Controller().ApplyEnabled());
    page->OkButtonFace_Click();
    EXPECT_TRUE(page->Unloaded());
    EXPECT_TRUE(port.calls.empty());
    EXPECT_EQ(settings.CheckInterval, 2000);
    EXPECT_EQ(settings.SearchDepth, 4);
    EXPECT_EQ(settings.NotificationTimeout, 19);
    EXPECT_EQ(settings.Heuristics, Support::FactoryHeuristics);
}

TEST_F(OptionsPageTest, ApplyOnlyWhenEnabledCancelDropsTheChanges)
{
    Open();
    const Support::Settings before = settings;
    page->ApplyButtonFace_Click(); // disabled: nothing
    EXPECT_EQ(settings, before);

    page->General().CheckInterval()->setCurrentIndex(0); // "Never"
    EXPECT_TRUE(page->Controller().ApplyEnabled());
    page->ApplyButtonFace_Click();
    EXPECT_EQ(settings.CheckInterval, 0);
    EXPECT_FALSE(page->Controller().ApplyEnabled());
    EXPECT_FALSE(page->Unloaded());

    page->General().SearchDepth()->setCurrentIndex(3);
    page->General().Box(OptionBox::Verbose)->click();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(page->Unloaded());
    EXPECT_EQ(settings.SearchDepth, before.SearchDepth);
    EXPECT_EQ(settings.Verbose, before.Verbose);
}

TEST_F(OptionsPageTest, EnterIsOkAndStoresInTheProgramsOrder)
{
    Open();
    page->General().IconList()->verticalScrollBar()->setValue(3); // set 4
    page->General().Box(OptionBox::DefaultView)->click();
    page->Skins().List()->setCurrentRow(-1);
    Key(Qt::Key_Return);
    EXPECT_FALSE(page->Unloaded());
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Skin selection")});
    EXPECT_TRUE(port.calls.empty());
    EXPECT_EQ(settings.SysTrayIcons, 1);

    folders.CopySkin(QStringLiteral("Marrowdale Classic"), QStringLiteral("Second"));
    Open();
    page->General().IconList()->verticalScrollBar()->setValue(3);
    page->General().Box(OptionBox::DefaultView)->click();
    page->Skins().List()->setCurrentRow(
        int(page->Controller().Skins().List().names.indexOf(QStringLiteral("Second"))));
    port.skinSucceeds = false;
    Key(Qt::Key_Return);
    // The skin could not go on every window: what comes before it is
    // stored, what comes after it is not, and the window stays open.
    EXPECT_FALSE(page->Unloaded());
    EXPECT_EQ(port.calls, (std::vector<std::string>{"RedrawTrayIcon", "ApplySkinToOpenWindows"}));
    EXPECT_EQ(settings.SysTrayIcons, 4);
    EXPECT_EQ(settings.Skin, QStringLiteral("Second"));
    EXPECT_FALSE(settings.DefaultView);

    port.skinSucceeds = true;
    port.calls.clear();
    page->OkButtonFace_Click();
    EXPECT_TRUE(page->Unloaded());
    EXPECT_TRUE(port.calls.empty()); // nothing changed since
    EXPECT_TRUE(settings.DefaultView);
}

TEST_F(OptionsPageTest, WithoutAChessSetNothingIsStoredAndApplyStaysDisabled)
{
    settings.ChessSet = QStringLiteral("Gone");
    Open();
    page->ChessSet().Sets()->setCurrentRow(-1);
    page->General().Box(OptionBox::Verbose)->click();
    page->ApplyButtonFace_Click();
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Chess set selection")});
    EXPECT_FALSE(settings.Verbose);
    EXPECT_FALSE(page->Controller().ApplyEnabled());
    page->OkButtonFace_Click();
    EXPECT_FALSE(page->Unloaded());
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(OptionsPageTest, ThePlainLayoutIsNotBlockedByTheSkinsPageItHasNot)
{
    QDir(folders.ProgramPath() + QStringLiteral("/UI Graphics")).removeRecursively();
    QDir().mkpath(folders.ProgramPath() + QStringLiteral("/UI Graphics"));
    settings.Skin = QStringLiteral("Other");
    Open(true);
    page->General().Box(OptionBox::Verbose)->click();
    page->OkButtonFace_Click();
    EXPECT_TRUE(page->Unloaded());
    EXPECT_TRUE(settings.Verbose);
    EXPECT_EQ(settings.Skin, QStringLiteral("Other"));
}

TEST_F(OptionsPageTest, NextRunNoticesForTheTwoModes)
{
    const struct {
        bool simpleUI;
        OptionBox box;
        bool running; // the mode the box starts in
        bool viaLabel;
        std::vector<QString> captions;
    } cases[] = {
        {false, OptionBox::SimpleUI, false, false, {QStringLiteral("Skin style")}},
        {true, OptionBox::SimpleUI, true, false, {QStringLiteral("Skin style")}},
        {false, OptionBox::SystrayStartup, true, true, {QStringLiteral("Application startup")}},
        {false, OptionBox::SystrayStartup, false, false, {QStringLiteral("Application startup")}},
    };
    for (const auto& c : cases) {
        settings.SimpleUINext = c.simpleUI;
        settings.SystrayStartup = settings.SystrayStartupNext = c.running;
        Open(c.simpleUI);
        QCheckBox* box = page->General().Box(c.box);
        c.viaLabel ? ClickLabel(c.box) : box->click();
        EXPECT_EQ(box->isChecked(), !c.running);
        EXPECT_EQ(host.Captions(), c.captions);
        // Back to the running mode: no notice.
        c.viaLabel ? ClickLabel(c.box) : box->click();
        EXPECT_EQ(host.messages.size(), 1u);
    }
    settings.SimpleUINext = false;
    Open(false);
    page->General().Box(OptionBox::SimpleUI)->click();
    EXPECT_EQ(
        host.messages.back().text,
        QStringLiteral(
            "Changing to the plain window style user interface will not take effect until the next "
            "time you run Marrowdale."));
    page->OkButtonFace_Click();
    EXPECT_TRUE(settings.SimpleUINext);
    EXPECT_FALSE(settings.SimpleUI);
}

TEST_F(OptionsPageTest, ToolTipsFollowTheStoredSettingAtOnce)
{
    settings.ShowToolTips = false;
    Open();
    for (const auto& [name, tip] : ToolTipTable())
        EXPECT_TRUE(Find<QWidget>(name)->toolTip().isEmpty()) << name.toStdString();
    page->General().Box(OptionBox::ShowToolTips)->click();
    EXPECT_TRUE(page->General().Box(OptionBox::Verbose)->toolTip().isEmpty()); // not before Apply
    page->ApplyButtonFace_Click();
    for (const auto& [name, tip] : ToolTipTable())
        EXPECT_EQ(Find<QWidget>(name)->toolTip(), tip);
    EXPECT_TRUE(page->OkButton()->face->toolTip().isEmpty());
}

TEST_F(OptionsPageTest, ThePlainLayoutHasFiveTabsWithTheirTipsAndPlainButtons)
{
    Open(true);
    EXPECT_EQ(page->size(), QSize(513, 367));
    ASSERT_EQ(page->TabStrip()->count(), 5);
    EXPECT_TRUE(page->TabStrip()->isVisible());
    EXPECT_EQ(page->TabStrip()->tabToolTip(4), QStringLiteral("Saved computer AI settings"));
    EXPECT_FALSE(Find<QWidget>(QStringLiteral("Tabset1Face"))->isVisible());
    for (const char* twin :
         {"OKButtonS", "CancelButtonS", "ApplyButtonS", "HelpButtonS", "LoadAIS", "AIDefaultS"})
        EXPECT_FALSE(Find<QPushButton>(QString::fromLatin1(twin))->isHidden()) << twin;
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("ApplyButtonS"))->isEnabled());
    page->TabStrip()->setCurrentIndex(3);
    EXPECT_EQ(page->Controller().CurrentTab(), HeuristicsTab);
    EXPECT_TRUE(page->PageFrame(HeuristicsTab)->isVisible());
    EXPECT_FALSE(page->PageFrame(GeneralTab)->isVisible());
}

TEST_F(OptionsPageTest, SettingsChangedInTheWindowSurviveARestart)
{
    Open();
    page->General().CheckInterval()->setCurrentIndex(7);
    page->General().Box(OptionBox::DisplaySplash)->click();
    page->General().Box(OptionBox::Verbose)->click();
    page->General().Box(OptionBox::DefaultView)->click();
    page->General().Box(OptionBox::SystrayStartup)->click();
    page->General().SearchDepth()->setCurrentIndex(3);
    page->Notification().Timeout()->setCurrentIndex(12);
    page->General().IconList()->verticalScrollBar()->setValue(5);
    page->Notification().NotifySound()->click();
    page->Controller().Heuristics().SelectRow(60);
    page->Controller().Heuristics().SliderMoved(-77);
    page->OkButtonFace_Click();
    ASSERT_TRUE(page->Unloaded());
    // The run's settings key exists from start-up on.
    Support::Settings startup;
    ASSERT_TRUE(Support::UpgradeSettings(startup, false));
    ASSERT_TRUE(Support::SaveSettings(settings));

    Support::Settings restarted;
    Support::LoadSettings(restarted);
    EXPECT_EQ(restarted.CheckInterval, 7000);
    EXPECT_FALSE(restarted.DisplaySplash);
    EXPECT_TRUE(restarted.Verbose);
    EXPECT_TRUE(restarted.DefaultView);
    EXPECT_FALSE(restarted.SystrayStartup);
    EXPECT_EQ(restarted.SearchDepth, 3);
    EXPECT_EQ(restarted.NotificationTimeout, 12);
    EXPECT_EQ(restarted.SysTrayIcons, 6);
    EXPECT_EQ(restarted.NotificationMethod, 3);
    EXPECT_EQ(restarted.Heuristics[51], -77);
    EXPECT_EQ(restarted.Heuristics, settings.Heuristics);
}

TEST_F(OptionsPageTest, TheSoundChooserWritesTheSoundAtOnceAndCancelKeepsIt)
{
    QDir().mkpath(folders.DataPath() + QStringLiteral("sounds"));
    QFile(folders.DataPath() + QStringLiteral("sounds/Bell.WAV")).open(QIODevice::WriteOnly);
    settings.NotificationMethod = 1;
    Open();
    host.chooser = [](SelectSound& chooser) {
        chooser.Model(); // opened at the home folder: nothing stored yet
        chooser.CancelCommand();
    };
    page->Notification().BrowseSound()->click();
    EXPECT_EQ(settings.NotificationSoundWav, QStringLiteral("None"));
    EXPECT_TRUE(page->Controller().ApplyEnabled());

    settings.NotificationSoundPath = folders.DataPath() + QStringLiteral("sounds/");
    host.chooser = [](SelectSound& chooser) {
        chooser.FileList()->setCurrentRow(0);
        chooser.OkCommand();
    };
    page->Notification().BrowseSound()->click();
    EXPECT_EQ(settings.NotificationSoundWav, QStringLiteral("Bell.WAV"));
    EXPECT_EQ(page->Notification().SoundName()->text(), QStringLiteral("Bell.WAV"));
    page->CancelButtonFace_Click();
    EXPECT_EQ(settings.NotificationSoundWav, QStringLiteral("Bell.WAV"));
}

TEST_F(OptionsPageTest, TheHeuristicsPageSliderHighlightDoubleClickAndDefaults)
{
    settings.Heuristics[1] = 80; // row 4
    Open();
    page->ChangeTab(HeuristicsTab);
    QTreeWidget* tree = page->Heuristics().List();
    const auto item = [&](int row) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == row)
                return *it;
        return static_cast<QTreeWidgetItem*>(nullptr);
    };
    EXPECT_EQ(item(60)->text(3), QStringLiteral("-40")); // weight 51
    EXPECT_EQ(item(61)->text(3), QStringLiteral("-58")); // weight 50

    tree->setCurrentItem(item(3)); // a group row
    EXPECT_FALSE(page->Heuristics().Slider()->isVisibleTo(page.get()));
    EXPECT_FALSE(page->Heuristics().DontCareLabel()->isVisibleTo(page.get()));
    tree->setCurrentItem(item(4));
    EXPECT_TRUE(page->Heuristics().Slider()->isVisibleTo(page.get()));
    EXPECT_EQ(page->Heuristics().Slider()->value(), 80);
    EXPECT_EQ(page->Heuristics().Slider()->BandStart(), 0);
    EXPECT_EQ(page->Heuristics().Slider()->BandLength(), 80);

    page->Heuristics().Slider()->setValue(150);
    EXPECT_EQ(item(4)->text(5), QStringLiteral("150"));
    EXPECT_TRUE(item(4)->font(1).bold());
    EXPECT_TRUE(page->Controller().ApplyEnabled());
    emit tree->itemDoubleClicked(item(4), 1);
    EXPECT_TRUE(item(4)->text(5).isEmpty());
    EXPECT_FALSE(item(4)->font(1).bold());
    EXPECT_EQ(page->Heuristics().Slider()->value(), 80);

    // The outline opens fully; a double-click on a group opens or closes it.
    EXPECT_TRUE(item(1)->isExpanded());
    EXPECT_TRUE(item(31)->isExpanded());
    EXPECT_TRUE(tree->expandsOnDoubleClick());

    page->Heuristics().DefaultsButton()->plainTwin->click();
    EXPECT_EQ(host.Captions(), std::vector<QString>{QStringLiteral("Defaults restored")});
    EXPECT_EQ(item(4)->text(5), QStringLiteral("-118"));
    EXPECT_EQ(tree->currentItem(), item(2));
    page->ApplyButtonFace_Click();
    EXPECT_EQ(settings.Heuristics, Support::FactoryHeuristics);
    EXPECT_TRUE(item(4)->text(5).isEmpty());
    EXPECT_EQ(item(4)->text(3), QStringLiteral("-118"));
}

TEST_F(OptionsPageTest, TheOptionsEntryShowsTheWindowModallyWithPollingPaused)
{
    Support::EntryWindows().RunOptionsPage = [this] { RunOptionsPage(port); };
    Support::Globals().ModalBusy = false;
    bool shown = false;
    const auto answerMessages = host.Script;
    host.Script = [&](QWidget& window) {
        auto* options = qobject_cast<OptionsPage*>(&window);
        if (!options)
            return answerMessages(window);
        shown = true;
        EXPECT_TRUE(Support::Globals().ModalBusy);
        options->General().Box(OptionBox::Verbose)->click();
        QTest::keyClick(options->General().Box(OptionBox::Verbose), Qt::Key_Return);
        EXPECT_FALSE(options->isVisible());
    };
    Support::ShowOptions();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_TRUE(Support::ProgramSettings().Verbose);
    Support::EntryWindows().RunOptionsPage = nullptr;
}
