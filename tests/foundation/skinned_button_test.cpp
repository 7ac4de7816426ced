#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"
#include "widget_test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Support;

namespace {

QColor CaptionColourOf(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

class SkinnedButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The shared face strip: a red released cell and a blue pressed one.
        QPixmap strip(180, 26);
        strip.fill(Qt::red);
        {
            QImage image = strip.toImage();
            for (int x = 90; x < 180; ++x)
                for (int y = 0; y < 26; ++y)
                    image.setPixelColor(x, y, Qt::blue);
            strip = QPixmap::fromImage(image);
        }
        Pictures().ButtonImages.SetPicture(strip);
        window.resize(400, 200);
        button =
            new SkinnedButton(window, QStringLiteral("OkButton"), QRect(66, 33, 90, 25),
                              QStringLiteral("OK"), QStringLiteral("&OK"), QStringLiteral("OKButtonS"));
        button->caption->resize(button->caption->width(), 13);
    }
    void TearDown() override { Pictures() = PictureStores{}; }

    QColor FaceColour() const { return button->picture->pixmap().toImage().pixelColor(5, 5); }

    TestSupport::QtApp app;
    QWidget window;
    SkinnedButton* button = nullptr; // owned by the window
};

TEST_F(SkinnedButtonTest, ReleasedAndPressedPlaceCaptionShadowAndFace)
{
    EXPECT_EQ(CaptionTop(33, 25, 13), 39); // floor(33 + 12.5 - 6.5)
    EXPECT_EQ(CaptionTop(33, 26, 13), 39); // floor(39.5)

    button->Show(false);
    EXPECT_EQ(button->caption->geometry(), QRect(66, 39, 90, 13));
    EXPECT_EQ(button->shadow->geometry(), QRect(67, 40, 90, 13));
    EXPECT_EQ(button->face->geometry(), button->picture->geometry());
    EXPECT_EQ(button->caption->text(), QStringLiteral("OK"));
    EXPECT_EQ(button->shadow->text(), QStringLiteral("OK"));
    EXPECT_EQ(CaptionColourOf(button->caption), QColor(CaptionColour));
    EXPECT_EQ(CaptionColourOf(button->shadow), QColor(ShadowColour));
    EXPECT_EQ(FaceColour(), QColor(Qt::red));
    // Front to back: face, caption, shadow, picture.
    const QObjectList& order = window.children();
    EXPECT_EQ(order.back(), button->face);
    EXPECT_LT(order.indexOf(button->shadow), order.indexOf(button->caption));
    EXPECT_LT(order.indexOf(button->picture), order.indexOf(button->shadow));

    button->PaintPressed(true);
    EXPECT_EQ(button->caption->geometry(), QRect(68, 41, 90, 13));
    EXPECT_EQ(button->shadow->geometry(), QRect(69, 42, 90, 13));
    EXPECT_EQ(FaceColour(), QColor(Qt::blue));
}

TEST_F(SkinnedButtonTest, HideHidesTheFourPartsAndPaintingShowsThemAgain)
{
    window.show();
    button->Show(false);
    button->HideSkinned();
    for (QWidget* w : {static_cast<QWidget*>(button->picture), static_cast<QWidget*>(button->face),
                       static_cast<QWidget*>(button->caption), static_cast<QWidget*>(button->shadow)})
        EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(button->plainTwin->isVisible());
    button->Show(false);
    for (QWidget* w : {static_cast<QWidget*>(button->picture), static_cast<QWidget*>(button->face),
                       static_cast<QWidget*>(button->caption), static_cast<QWidget*>(button->shadow)})
        EXPECT_TRUE(w->isVisible());
}

TEST_F(SkinnedButtonTest, DisabledButtonKeepsItsGreyCaptionAndTakesNoClicks)
{
    window.show();
    button->Show(false);
    QSignalSpy clicks(button->face, &ButtonFace::Click);
    QTest::mouseClick(button->face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    button->SetEnabled(false);
    EXPECT_EQ(CaptionColourOf(button->caption), QColor(DisabledCaptionColour));
    button->Show(false);
    button->PaintPressed(true);
    EXPECT_EQ(CaptionColourOf(button->caption), QColor(DisabledCaptionColour));
    EXPECT_FALSE(button->face->isEnabled());
    QTest::mouseClick(button->face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    button->SetEnabled(true);
    EXPECT_EQ(CaptionColourOf(button->caption), QColor(CaptionColour));
    QTest::mouseClick(button->face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinnedButtonTest, FaceReportsPressAndReleaseOfEveryButton_ClickOnlyForTheLeft)
{
    QSignalSpy downs(button->face, &ButtonFace::MouseDown);
    QSignalSpy clicks(button->face, &ButtonFace::Click);
    window.show();
    button->Show(false);
    QTest::mouseClick(button->face, Qt::RightButton);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    // A press that leaves the face before the release is no click.
    QTest::mousePress(button->face, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button->face, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicks.count(), 0);
    // A right press sinks only a button that answers every mouse button.
    QTest::mousePress(button->face, Qt::RightButton);
    EXPECT_EQ(FaceColour(), QColor(Qt::red));
    QTest::mouseRelease(button->face, Qt::RightButton);
    button->PressButtons = Qt::AllButtons;
    QTest::mousePress(button->face, Qt::RightButton);
    EXPECT_EQ(FaceColour(), QColor(Qt::blue));
    QTest::mouseRelease(button->face, Qt::RightButton);
    EXPECT_EQ(FaceColour(), QColor(Qt::red));
}

TEST_F(SkinnedButtonTest, TheCompositeShowsItsLayoutsPartsAndPaintsPressesOnlyWhenItShouldShowThem)
{
    SkinnedButton tab(window, QStringLiteral("Tabset1"), QRect(10, 10, 90, 25),
                      QStringLiteral("General"), QStringLiteral("&General"));
    EXPECT_EQ(tab.plainTwin->text(), QStringLiteral("&General"));
    window.show();
    tab.Show(true);
    EXPECT_TRUE(tab.plainTwin->isVisible());
    EXPECT_FALSE(tab.face->isVisible());
    tab.Show(false);
    EXPECT_TRUE(tab.face->isVisible());
    EXPECT_EQ(tab.caption->text(), QStringLiteral("General"));

    // A tab stays down once painted down, whatever the mouse does.
    tab.ShowsPress = [] { return false; };
    tab.PaintPressed(true);
    QTest::mouseClick(tab.face, Qt::LeftButton);
    EXPECT_EQ(tab.picture->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
    tab.ShowsPress = nullptr;
    QTest::mouseClick(tab.face, Qt::LeftButton);
    EXPECT_EQ(tab.picture->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));

    tab.Hide();
    EXPECT_FALSE(tab.face->isVisible());
    EXPECT_FALSE(tab.plainTwin->isVisible());
}

} // namespace
