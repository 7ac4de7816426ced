#include "dialogs/about_box.h"
#include "dialogs/credits.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/skin.h"
#include "foundation/skin_table.h"
#include "platform/help_viewer.h"
#include "tests/dialogs/dialog_test_support.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>

using namespace AboutSupport;
using namespace CreditsSupport;

namespace {

class DialogTest : public DialogTesting::DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        Support::Globals().ModalBusy = false;
        Support::Globals().CheckTimerEnabled = true;
        InstallAboutBox();
    }
    void TearDown() override
    {
        Support::EntryWindows().RunAboutBox = nullptr;
        DialogFixture::TearDown();
    }
};

QPoint Centre(QWidget* w)
{
    return w->rect().center();
}

// Drags the about box's icon and lets it go over `target`.
void DragIconOnto(AboutBox& box, QWidget* target)
{
    QTest::mousePress(box.picIcon, Qt::LeftButton, {}, Centre(box.picIcon));
    QTest::mouseMove(box.picIcon, box.picIcon->mapFromGlobal(target->mapToGlobal(Centre(target))));
    QTest::mouseRelease(box.picIcon, Qt::LeftButton, {},
                        box.picIcon->mapFromGlobal(target->mapToGlobal(Centre(target))));
}

TEST_F(DialogTest, AboutBoxClosesThreeWaysInBothLayoutsAndGivesTheMailBack)
{
    enum class Way { Ok, Enter, Escape, CloseBox };
    for (bool simple : {false, true})
        for (Way way : {Way::Ok, Way::Enter, Way::Escape, Way::CloseBox}) {
            SCOPED_TRACE(testing::Message() << (simple ? "plain " : "skinned ") << int(way));
            Support::ProgramSettings().SimpleUI = simple;
            bool busyWhileOpen = false;
            QString version;
            host.Script = [&](QWidget& window) {
                auto& box = static_cast<AboutBox&>(window);
                busyWhileOpen = Support::Globals().ModalBusy && !Support::CheckTimerEnabled();
                version = box.VerNo->text();
                EXPECT_EQ(box.OKButtonS->isVisibleTo(&box), simple);
                EXPECT_EQ(box.OkButton->face->isVisibleTo(&box), !simple);
                switch (way) {
                case Way::Ok:
                    if (simple) {
                        box.OKButtonS->click();
                    } else {
                        QTest::mousePress(box.OkButton->face, Qt::LeftButton);
                        QTest::mouseRelease(box.OkButton->face, Qt::LeftButton);
                    }
                    break;
                case Way::Enter:
                    QTest::keyClick(box.picIcon, Qt::Key_Return);
                    break;
                case Way::Escape:
                    QTest::keyClick(&box, Qt::Key_Escape);
                    break;
                case Way::CloseBox:
                    box.close();
                    break;
                }
            };
            host.LeftOpen = true;
            Support::ShowAboutBox();
            EXPECT_FALSE(host.LeftOpen);
            EXPECT_TRUE(busyWhileOpen);
            EXPECT_EQ(version, Support::GetVersionString());
            EXPECT_FALSE(Support::Globals().ModalBusy);
            EXPECT_TRUE(Support::CheckTimerEnabled());
            EXPECT_FALSE(Support::IsWindowLoaded(QStringLiteral("AboutBox")));
        }
}

TEST_F(DialogTest, F1OpensTheAboutTopicAndClosingTheBoxClosesIt)
{
    CopyHelpPages();
    bool helpOpen = false;
    bool leftOpenByF1 = false;
    AboutBox* shown = nullptr;
    host.Script = [&](QWidget& window) {
        auto& box = static_cast<AboutBox&>(window);
        shown = &box;
        QTest::keyClick(box.lblDescription, Qt::Key_F1);
        leftOpenByF1 = box.isVisible();
        Platform::HelpWindow* help = Platform::ProgramHelpViewer().Find(&box);
        helpOpen =
            help && help->Browser()->source().toLocalFile().endsWith(QStringLiteral("/about.html"));
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(Platform::ProgramHelpViewer().Find(&box), nullptr);
    };
    Support::ShowAboutBox();
    EXPECT_TRUE(leftOpenByF1);
    EXPECT_TRUE(helpOpen);
    EXPECT_NE(shown, nullptr);
}

TEST_F(DialogTest, RightButtonLeavesTheSkinnedOkButtonAsItWas)
{
    AboutBox box;
    ASSERT_TRUE(box.Form_Load(false));
    box.show();
    const qint64 released = box.OkButton->picture->pixmap().cacheKey();
    QTest::mousePress(box.OkButton->face, Qt::RightButton);
    EXPECT_EQ(box.OkButton->picture->pixmap().cacheKey(), released);
    QTest::mouseRelease(box.OkButton->face, Qt::RightButton);
    EXPECT_EQ(box.OkButton->picture->pixmap().cacheKey(), released);
    EXPECT_TRUE(box.isVisible());
    QTest::mousePress(box.OkButton->face, Qt::LeftButton);
    EXPECT_NE(box.OkButton->picture->pixmap().cacheKey(), released);
}

TEST_F(DialogTest, DroppingTheIconOnThePictureOpensTheCreditsOverTheBox)
{
    for (bool simple : {false, true}) {
        SCOPED_TRACE(simple ? "plain" : "skinned");
        Support::ProgramSettings().SimpleUI = simple;
        int creditsShown = 0;
        bool aboutOpenAfter = false;
        bool busyDuringCredits = false;
        host.Script = [&](QWidget& window) {
            if (window.objectName() == QLatin1String("Credits")) {
                ++creditsShown;
                busyDuringCredits = Support::Globals().ModalBusy;
                QTest::keyClick(&window, Qt::Key_Escape);
                static_cast<Credits&>(window).Timer1_Timer();
                return;
            }
            auto& box = static_cast<AboutBox&>(window);
            DragIconOnto(box, box.lblDescription); // anywhere else: nothing
            EXPECT_EQ(creditsShown, 0);
            DragIconOnto(box, box.Image1);
            aboutOpenAfter = box.isVisible();
            QTest::keyClick(&box, Qt::Key_Return);
        };
        Support::ShowAboutBox();
        EXPECT_EQ(creditsShown, 1);
        EXPECT_TRUE(aboutOpenAfter);
        EXPECT_TRUE(busyDuringCredits); // the about box's guard, not one of the credits' own
        EXPECT_EQ(host.ModalRuns, simple ? 4 : 2);
    }
}

TEST_F(DialogTest, PlainAboutBoxLayout)
{
    AboutBox box;
    ASSERT_TRUE(box.Form_Load(true));
    EXPECT_EQ(box.height(), 4550 / 15);
    EXPECT_FALSE(box.OkButton->picture->isVisibleTo(&box));
    EXPECT_FALSE(box.OkButton->caption->isVisibleTo(&box));
    EXPECT_TRUE(box.OKButtonS->isVisibleTo(&box));
    EXPECT_EQ(box.OKButtonS->text(), QStringLiteral("&OK"));
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(box.Shape[n]->isVisibleTo(&box)) << n;
    EXPECT_EQ(box.Image1->y(), box.Shape[6]->y());
    EXPECT_EQ(box.picIcon->y(), 1650 / 15);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Marrowdale..."));
    // Every control stays inside the window.
    for (QWidget* child : box.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&box)) {
            EXPECT_TRUE(box.rect().contains(child->geometry())) << child->objectName().toStdString();
        }
}

TEST_F(DialogTest, EveryLabelTheAboutSkinColoursIsOnTheWindow)
{
    AboutBox box;
    const Support::FormSkinEntry* entry = Support::FindFormSkin("AboutBox");
    ASSERT_NE(entry, nullptr);
    for (const std::string& label : entry->textLabels)
        EXPECT_NE(box.findChild<QLabel*>(QString::fromStdString(label)), nullptr) << label;
    ASSERT_TRUE(box.Form_Load(false));
    // The swatch's colour reached the title.
    EXPECT_EQ(box.lblTitle->palette().color(QPalette::WindowText),
              Support::ToQColor(
                  Support::GetSkinColour(QImage(folder.SkinPath(QStringLiteral("Marrowdale Classic"))
                                                + QStringLiteral("AboutText.bmp")),
                                         1, 1)));
}

TEST_F(DialogTest, CreditsHoldTheirRowsInOrder)
{
    const std::vector<CreditRow> rows = CreditContent(QStringLiteral("2.6.7"));
    ASSERT_EQ(rows.size(), 92u);
    auto count = [&rows](RowKind kind) {
        return std::count_if(rows.begin(), rows.end(),
                             [kind](const CreditRow& r) { return r.kind == kind; });
    };
    EXPECT_EQ(count(RowKind::Spacer), 38);
    EXPECT_EQ(count(RowKind::Heading), 9);
    EXPECT_EQ(count(RowKind::Credit), 45);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(rows[std::size_t(i)].kind, RowKind::Spacer);
    QStringList headings;
    for (const CreditRow& row : rows)
        if (row.kind == RowKind::Heading)
            headings << row.text;
    EXPECT_EQ(headings, (QStringList{"Marrowdale v2.6.7", "Design", "Programming", "Graphics",
                                     "Sound fx", "Quality Assurance", "Development Acknowledgements",
                                     "Special thanks to...", "Extra special thanks to..."}));
    EXPECT_EQ(rows[17].text, QStringLiteral("Credits..."));
    EXPECT_EQ(rows[89].text, QStringLiteral("Marrowdale was brought to you by the letter"));
    EXPECT_EQ(rows[90].text, QString::fromUtf8("\u00C6 and the number -439.017"));
    EXPECT_EQ(rows[91].kind, RowKind::Spacer);
    for (const CreditRow& row : rows)
        EXPECT_EQ(row.heightTwips, RowTwips);
}

TEST_F(DialogTest, CreditsRollRowByRowAndStartOverAfterTheLast)
{
    CreditRoll roll(CreditContent(QStringLiteral("1.0.0")));
    EXPECT_EQ(roll.TopRow(), 1);
    EXPECT_EQ(roll.LastRow(), 91);

    // A full row shrinks 220, 210, ... 10 and then the next row is on top.
    std::vector<int> heights;
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(roll.Tick(), CreditRoll::TickResult::Rolled);
        heights.push_back(roll.Rows()[1].heightTwips);
    }
    EXPECT_EQ(heights.front(), 220);
    EXPECT_EQ(heights.back(), 10);
    EXPECT_EQ(roll.Tick(), CreditRoll::TickResult::NextRow);
    EXPECT_EQ(roll.TopRow(), 2);
    EXPECT_EQ(roll.Rows()[1].heightTwips, 10);

    // The heading's text is blanked as it starts to roll away.
    while (roll.TopRow() < 16)
        roll.Tick();
    EXPECT_EQ(roll.Rows()[16].text, QStringLiteral("Marrowdale v1.0.0"));
    roll.Tick();
    EXPECT_TRUE(roll.Rows()[16].text.isEmpty());

    int ticks = 0;
    CreditRoll::TickResult result = CreditRoll::TickResult::Rolled;
    while (result != CreditRoll::TickResult::Restarted && ticks < 100000) {
        result = roll.Tick();
        ++ticks;
    }
    ASSERT_EQ(result, CreditRoll::TickResult::Restarted);
    EXPECT_EQ(roll.TopRow(), 1);
    EXPECT_EQ(roll.Rows().size(), 92u);
    EXPECT_EQ(roll.Rows()[16].text, QStringLiteral("Marrowdale v1.0.0"));
    EXPECT_EQ(roll.Rows()[1].heightTwips, RowTwips);
}

TEST_F(DialogTest, CreditsStopAtTheNextTickWhateverTheGesture)
{
    enum class Gesture { Escape, ListClick, WindowClick, CloseButton, CloseBox, ShutDown };
    for (bool simple : {false, true})
        for (Gesture gesture : {Gesture::Escape, Gesture::ListClick, Gesture::WindowClick,
                                Gesture::CloseButton, Gesture::CloseBox, Gesture::ShutDown}) {
            if (simple && gesture == Gesture::CloseButton)
                continue; // hidden in the plain layout
            SCOPED_TRACE(testing::Message() << (simple ? "plain " : "skinned ") << int(gesture));
            Credits credits;
            ASSERT_TRUE(credits.Form_Load(simple));
            credits.show();
            EXPECT_TRUE(credits.Timer1.isActive());
            EXPECT_EQ(credits.Timer1.interval(), 10);
            // Into the middle of a row's step.
            for (int i = 0; i < 5; ++i)
                credits.Timer1_Timer();
            switch (gesture) {
            case Gesture::Escape:
                QTest::keyClick(credits.CreditListView, Qt::Key_Escape);
                break;
            case Gesture::ListClick:
                QTest::mouseClick(credits.CreditListView, Qt::LeftButton);
                break;
            case Gesture::WindowClick:
                QTest::mouseClick(&credits, Qt::LeftButton, {}, QPoint(5, 300 - (simple ? 70 : 0)));
                break;
            case Gesture::CloseButton:
                QTest::mouseClick(credits.CloseButton, Qt::LeftButton);
                break;
            case Gesture::CloseBox:
                credits.close();
                break;
            case Gesture::ShutDown:
                Support::CloseDown(false);
                break;
            }
            // The gesture only asks: the window closes at the next tick.
            EXPECT_TRUE(credits.isVisible());
            EXPECT_TRUE(credits.Roll().StopRequested());
            credits.Timer1_Timer();
            EXPECT_FALSE(credits.isVisible());
            EXPECT_FALSE(credits.Timer1.isActive());
            EXPECT_FALSE(Support::IsWindowLoaded(QStringLiteral("Credits")));
        }
}

TEST_F(DialogTest, CreditsLayoutsAndToolTip)
{
    for (bool tips : {true, false}) {
        Support::ProgramSettings().ShowToolTips = tips;
        Credits skinned;
        ASSERT_TRUE(skinned.Form_Load(false));
        EXPECT_EQ(skinned.CloseButton->toolTip(),
                  tips ? QStringLiteral("Finish with credits") : QString());
    }
    Credits skinned;
    ASSERT_TRUE(skinned.Form_Load(false));
    EXPECT_EQ(skinned.size(), QSize(380, 320));
    EXPECT_EQ(skinned.CreditListView->geometry(), QRect(33, 33, 278, 218));
    EXPECT_TRUE(skinned.CloseButton->isVisibleTo(&skinned));

    Credits plain;
    ASSERT_TRUE(plain.Form_Load(true));
    EXPECT_EQ(plain.size(), QSize(380 - 66, 320 - 66));
    EXPECT_EQ(plain.CreditListView->geometry(), QRect(0, 0, 278, 218));
    EXPECT_FALSE(plain.CloseButton->isVisibleTo(&plain));
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("Marrowdale - Credits"));
    for (QWidget* child : plain.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&plain)) {
            EXPECT_TRUE(plain.rect().contains(child->geometry())) << child->objectName().toStdString();
        }
}

} // namespace
