#include "foundation/msg_form.h"
#include "foundation/picture_clip.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/skin_table.h"
#include "foundation/title_caption.h"
#include "foundation/window_names.h"
#include "widget_test_support.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Support;

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// A stand-in window with every control the skin table names for it.
std::unique_ptr<QWidget> WindowWithControls(const FormSkinEntry& entry)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(Q(entry.window));
    for (const ButtonStrip& strip : entry.buttons)
        new PictureClip(window.get(), Q(strip.target), 1, 1);
    for (const std::string& name : entry.textLabels)
        (new QLabel(window.get()))->setObjectName(Q(name));
    for (const std::string& name : entry.fieldControls)
        (new QLineEdit(window.get()))->setObjectName(Q(name));
    for (const std::string& name : entry.gridControls)
        (new QTableWidget(2, 2, window.get()))->setObjectName(Q(name));
    for (int i = 1; i <= entry.tabPages; ++i)
        (new QWidget(window.get()))->setObjectName(QStringLiteral("Page%1").arg(i));
    return window;
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Globals().Quitting = false;
        Globals().SkinRefreshPending = false;
        Globals().EndProgram = [this] { ++programEnds; };
    }
    void TearDown() override
    {
        Globals().EndProgram = nullptr;
        Globals().Quitting = false;
    }

    QColor TextColour(QWidget& window, const char* label)
    {
        return window.findChild<QWidget*>(QLatin1String(label))->palette().color(QPalette::WindowText);
    }
    QColor SwatchColour(const QString& skin, const QString& file, int column, int row)
    {
        return ToQColor(GetSkinColour(QImage(folder.SkinPath(skin) + file), column, row));
    }

    TestSupport::ProgramFolder folder;
    TestSupport::ScriptedHost host;
    int programEnds = 0;
    const QString classic = QStringLiteral("Marrowdale Classic");
};

TEST_F(SkinTest, DefaultSkinIsCompleteForEveryWindow)
{
    for (const std::string& file : SkinFileNames())
        EXPECT_FALSE(QImage(folder.SkinPath(classic) + Q(file)).isNull()) << file;
    for (const StripLayout& layout : StripLayouts) {
        const QImage strip(folder.SkinPath(classic)
                           + QString::fromUtf8(layout.file.data(), qsizetype(layout.file.size())));
        EXPECT_EQ(strip.size(),
                  QSize(layout.columns * layout.cellWidth, layout.rows * layout.cellHeight))
            << layout.file;
    }
    // Every window takes every one of its files from the default skin,
    // with no fall-back and no message.
    for (const FormSkinEntry& entry : FormSkinTable()) {
        SCOPED_TRACE(entry.window);
        auto window = WindowWithControls(entry);
        EXPECT_TRUE(ApplySkin(*window));
        EXPECT_EQ(ProgramSettings().Skin, classic);
    }
    EXPECT_TRUE(host.SystemMessages.empty());
    EXPECT_EQ(host.ModalRuns, 0);
    EXPECT_EQ(programEnds, 0);
}

// A skinned window's caption stands on its band in the widest stretch its
// menu titles and buttons leave, and follows the window's title; a window
// that draws its own caption, and one with no band, get none.
TEST_F(SkinTest, TheCaptionStandsOnTheTitleBandAndFollowsTheTitle)
{
    const FormSkinEntry* newGame = FindFormSkin(WindowNames::NewGameInfo);
    ASSERT_TRUE(newGame);
    auto window = WindowWithControls(*newGame);
    window->setFixedSize(400, 200);
    window->setWindowTitle(QStringLiteral("New game..."));
    auto* menu = new QLabel(QStringLiteral("Game"), window.get());
    menu->setObjectName(QStringLiteral("Menu"));
    menu->setGeometry(20, 10, 60, 20);
    auto* help = new QLabel(QStringLiteral("?"), window.get());
    help->setObjectName(QStringLiteral("Help"));
    help->setGeometry(360, 8, 24, 24);
    for (QWidget* below : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (below != menu && below != help)
            below->move(below->x(), 60);
    ASSERT_TRUE(ApplySkin(*window));
    const TitleCaption* caption = TitleCaption::Of(*window);
    ASSERT_TRUE(caption);
    EXPECT_EQ(TestSupport::TitleCaptionFault(*window), QString());
    EXPECT_GT(caption->x(), menu->geometry().right());
    EXPECT_LT(caption->geometry().right(), help->x());
    window->setWindowTitle(QStringLiteral("Marrowdale - CHECKMATE! - You won."));
    EXPECT_EQ(caption->text(), window->windowTitle());
    // A second skin makes no second label.
    ASSERT_TRUE(ApplySkin(*window));
    EXPECT_EQ(window->findChildren<TitleCaption*>().size(), 1);

    for (const char* name : {WindowNames::MsgForm, WindowNames::StatusWindow}) {
        SCOPED_TRACE(name);
        auto other = WindowWithControls(*FindFormSkin(name));
        ASSERT_TRUE(ApplySkin(*other));
        EXPECT_FALSE(TitleCaption::Of(*other));
    }
}

TEST_F(SkinTest, AppliesBackgroundColoursAndButtonStrips)
{
    MsgForm form;
    ASSERT_TRUE(ApplySkin(form));
    EXPECT_EQ(form.palette().brush(QPalette::Window).texture().size(), QSize(420, 200));
    EXPECT_EQ(TextColour(form, "FormCaption"), SwatchColour(classic, "MsgFormText.bmp", 1, 1));
    EXPECT_EQ(TextColour(form, "Message"), SwatchColour(classic, "MsgFormText.bmp", 1, 2));
    EXPECT_NE(TextColour(form, "FormCaption"), TextColour(form, "Message"));

    auto options = WindowWithControls(*FindFormSkin("OptionsPage"));
    ASSERT_TRUE(ApplySkin(*options));
    auto* grid = options->findChild<QTableWidget*>(QStringLiteral("opChessBoard")); // grid row 3
    EXPECT_EQ(grid->palette().color(QPalette::Highlight),
              SwatchColour(classic, "OptionsPageGrid.bmp", 5, 3));
    EXPECT_EQ(grid->palette().color(QPalette::Base), SwatchColour(classic, "OptionsPageGrid.bmp", 3, 3));
    EXPECT_EQ(grid->horizontalHeader()->palette().color(QPalette::Button),
              SwatchColour(classic, "OptionsPageGrid.bmp", 1, 3));
    auto* field = options->findChild<QWidget*>(QStringLiteral("opTimeoutCombo")); // field row 3
    EXPECT_EQ(field->palette().color(QPalette::Text),
              SwatchColour(classic, "OptionsPageField.bmp", 2, 3));
    EXPECT_EQ(options->findChild<QWidget*>(QStringLiteral("Page6"))->palette().color(QPalette::Window),
              SwatchColour(classic, "OptionsPageTabs.bmp", 1, 6));

    QWidget tray;
    tray.setObjectName(QStringLiteral("SystemTray"));
    ASSERT_TRUE(ApplySkin(tray));
    const PictureGrid& buttons = Pictures().ButtonImages;
    EXPECT_EQ(buttons.Picture().size(), QSize(180, 26));
    EXPECT_EQ(buttons.GraphicCell(1).size(), QSize(90, 26));
    Pictures() = PictureStores{};
    EXPECT_TRUE(Globals().SkinRefreshPending);
}

TEST_F(SkinTest, MissingFileFallsBackToTheDefaultSkinForTheRest)
{
    folder.CopySkin(classic, QStringLiteral("Autumn"));
    QImage red(420, 200, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.SkinPath(QStringLiteral("Autumn")) + QStringLiteral("MsgForm.jpg")));
    folder.RemoveSkinFile(QStringLiteral("Autumn"), QStringLiteral("MsgFormText.bmp"));
    ProgramSettings().Skin = QStringLiteral("Autumn");

    MsgForm form;
    EXPECT_TRUE(ApplySkin(form));
    // The background came from the chosen skin, the colours from the default.
    const QColor centre =
        form.palette().brush(QPalette::Window).texture().toImage().pixelColor(210, 100);
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);
    EXPECT_EQ(TextColour(form, "Message"), SwatchColour(classic, "MsgFormText.bmp", 1, 2));
    EXPECT_EQ(ProgramSettings().Skin, classic);
    EXPECT_TRUE(host.SystemMessages.empty());

    // A skin folder that is gone altogether: everything from the default.
    ProgramSettings().Skin = QStringLiteral("Gone");
    MsgForm second;
    EXPECT_TRUE(ApplySkin(second));
    EXPECT_EQ(ProgramSettings().Skin, classic);
    EXPECT_EQ(programEnds, 0);
}

TEST_F(SkinTest, DefaultSkinBrokenToo_ReportsTheFailingFileAndEndsTheProgram)
{
    folder.CopySkin(classic, QStringLiteral("Autumn"));
    folder.RemoveSkinFile(QStringLiteral("Autumn"), QStringLiteral("MsgFormText.bmp"));
    folder.RemoveSkinFile(classic, QStringLiteral("MsgFormText.bmp"));
    ProgramSettings().Skin = QStringLiteral("Autumn");

    MsgForm form;
    EXPECT_FALSE(ApplySkin(form));
    ASSERT_EQ(host.SystemMessages.size(), 1u);
    const TestSupport::SystemMessageRecord& report = host.SystemMessages.front();
    EXPECT_EQ(report.icon, SystemMessageIcon::Critical);
    EXPECT_EQ(report.title, QStringLiteral("Invalid skin file"));
    EXPECT_EQ(
        report.text,
        QStringLiteral("Marrowdale could not locate the following skin file and will now quit;\n\n")
            + folder.SkinPath(classic) + QStringLiteral("MsgFormText.bmp"));
    EXPECT_TRUE(Globals().Quitting);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(SkinTest, UnknownWindowIsToldAndRefused_SplashTakesNoSkin)
{
    QString caption, text;
    host.Script = [&](QWidget& w) {
        auto& box = static_cast<MsgForm&>(w);
        caption = box.FormCaption->text();
        text = box.Message->text();
        box.OkButtonFace_Click();
    };
    QWidget stranger;
    stranger.setObjectName(QStringLiteral("NoSuchWindow"));
    EXPECT_FALSE(ApplySkin(stranger));
    EXPECT_EQ(caption, QStringLiteral("Invalid window skin"));
    EXPECT_EQ(text, QStringLiteral("No skin file specified for the current window, NoSuchWindow."));
    EXPECT_EQ(ProgramSettings().Skin, classic);

    QWidget splash;
    splash.setObjectName(QStringLiteral("SplashScreen"));
    EXPECT_TRUE(ApplySkin(splash));
    EXPECT_EQ(host.ModalRuns, 1);
}

TEST(SkinColour, ReadsTheCentrePixelOfColumnAndRow)
{
    QImage swatch(190, 45, QImage::Format_RGB32);
    swatch.fill(Qt::white);
    swatch.setPixelColor(107, 22, QColor(10, 20, 30));  // column 1, row 2
    swatch.setPixelColor(137, 7, QColor(200, 100, 50)); // column 3, row 1
    swatch.setPixelColor(108, 22, Qt::black);
    swatch.setPixelColor(107, 21, Qt::black);
    EXPECT_EQ(GetSkinColour(swatch, 1, 2), 0x1E140Au); // red in the low byte
    EXPECT_EQ(GetSkinColour(swatch, 3, 1), 0x3264C8u);
    EXPECT_EQ(ToQColor(GetSkinColour(swatch, 1, 2)), QColor(10, 20, 30));
    EXPECT_EQ(GetSkinColour(swatch, 7, 1), InvalidSkinColour); // x = 197, outside
    EXPECT_EQ(GetSkinColour(swatch, 1, 4), InvalidSkinColour); // y = 52, outside
}

} // namespace
