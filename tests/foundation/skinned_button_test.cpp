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
        parts = CreateSkinnedButton(window, QStringLiteral("OkButton"), QRect(66, 33, 90, 25),
                                    QStringLiteral("OKButtonS"));
        parts.caption->resize(parts.caption->width(), 13);
    }
    void TearDown() override { Pictures() = PictureStores{}; }

    QColor FaceColour() const { return parts.picture->pixmap().toImage().pixelColor(5, 5); }

    TestSupport::QtApp app;
    QWidget window;
    SkinnedButtonParts parts;
};

TEST_F(SkinnedButtonTest, ReleasedAndPressedPlaceCaptionShadowAndFace)
{
    EXPECT_EQ(CaptionTop(33, 25, 13), 39);  // floor(33 + 12.5 - 6.5)
    EXPECT_EQ(CaptionTop(33, 26, 13), 39);  // floor(39.5)

    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    EXPECT_EQ(parts.caption->geometry(), QRect(66, 39, 90, 13));
    EXPECT_EQ(parts.shadow->geometry(), QRect(67, 40, 90, 13));
    EXPECT_EQ(parts.face->geometry(), parts.picture->geometry());
    EXPECT_EQ(parts.caption->text(), QStringLiteral("OK"));
    EXPECT_EQ(parts.shadow->text(), QStringLiteral("OK"));
    EXPECT_EQ(CaptionColourOf(parts.caption), QColor(CaptionColour));
    EXPECT_EQ(CaptionColourOf(parts.shadow), QColor(ShadowColour));
    EXPECT_EQ(FaceColour(), QColor(Qt::red));
    // Front to back: face, caption, shadow, picture.
    const QObjectList& order = window.children();
    EXPECT_EQ(order.back(), parts.face);
    EXPECT_LT(order.indexOf(parts.shadow), order.indexOf(parts.caption));
    EXPECT_LT(order.indexOf(parts.picture), order.indexOf(parts.shadow));

    ButtonDown(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    EXPECT_EQ(parts.caption->geometry(), QRect(68, 41, 90, 13));
    EXPECT_EQ(parts.shadow->geometry(), QRect(69, 42, 90, 13));
    EXPECT_EQ(FaceColour(), QColor(Qt::blue));
}

TEST_F(SkinnedButtonTest, HideHidesTheFourPartsAndPaintingShowsThemAgain)
{
    window.show();
    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    ButtonUp(window, QStringLiteral("OkButton"), QString(), true);
    for (QWidget* w : {static_cast<QWidget*>(parts.picture), static_cast<QWidget*>(parts.face),
                       static_cast<QWidget*>(parts.caption), static_cast<QWidget*>(parts.shadow)})
        EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(parts.plainTwin->isVisible());
    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    for (QWidget* w : {static_cast<QWidget*>(parts.picture), static_cast<QWidget*>(parts.face),
                       static_cast<QWidget*>(parts.caption), static_cast<QWidget*>(parts.shadow)})
        EXPECT_TRUE(w->isVisible());
}

TEST_F(SkinnedButtonTest, DisabledButtonKeepsItsGreyCaptionAndTakesNoClicks)
{
    window.show();
    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    QSignalSpy clicks(parts.face, &ButtonFace::Click);
    QTest::mouseClick(parts.face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    EnableSkinButton(window, QStringLiteral("OkButton"), false);
    EXPECT_EQ(CaptionColourOf(parts.caption), QColor(DisabledCaptionColour));
    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    ButtonDown(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    EXPECT_EQ(CaptionColourOf(parts.caption), QColor(DisabledCaptionColour));
    EXPECT_FALSE(parts.face->isEnabled());
    QTest::mouseClick(parts.face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    EnableSkinButton(window, QStringLiteral("OkButton"), true);
    EXPECT_EQ(CaptionColourOf(parts.caption), QColor(CaptionColour));
    QTest::mouseClick(parts.face, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinnedButtonTest, FaceReportsPressAndReleaseOfEveryButton_ClickOnlyForTheLeft)
{
    QSignalSpy downs(parts.face, &ButtonFace::MouseDown);
    QSignalSpy clicks(parts.face, &ButtonFace::Click);
    window.show();
    ButtonUp(window, QStringLiteral("OkButton"), QStringLiteral("OK"), false);
    QTest::mouseClick(parts.face, Qt::RightButton);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    // A press that leaves the face before the release is no click.
    QTest::mousePress(parts.face, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(parts.face, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SkinnedButtonTest, TheCompositeShowsItsLayoutsPartsAndPaintsPressesOnlyWhenItShouldShowThem)
{
    SkinnedButton tab(window, QStringLiteral("Tabset1"), QRect(10, 10, 90, 25), QStringLiteral("General"),
                      QStringLiteral("&General"));
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
