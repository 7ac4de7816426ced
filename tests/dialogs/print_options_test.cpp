#include "dialogs/print_start.h"
#include "dialogs/select_printer.h"
#include "foundation/msg_form.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "platform/display_facts.h"
#include "platform/help_viewer.h"
#include "store/database.h"
#include "tests/dialogs/dialog_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace PrintSupport;
using Printing::PrintKind;
using Printing::PrintOutcome;

namespace {

class PrintOptionsTest : public DialogTesting::DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        Registry::OverrideDefaultPrinterName(QStringLiteral("Office Laser"));
        SetCurrentPrinterName(QString());
        Desktop().PrepareDialog = [this](SelectPrinter& dialog) {
            dialog.InstalledPrinters = [this] { return installed; };
            dialog.ChoosePrinter = [this](QWidget*, const QString&) { return chosen; };
        };
    }
    void TearDown() override
    {
        Registry::OverrideDefaultPrinterName(std::nullopt);
        Desktop().PrepareDialog = nullptr;
        DialogFixture::TearDown();
    }

    // Runs the dialog of a printout through the modal host with `script`;
    // the model afterwards.
    void RunDialog(PrintOptionsModel& model, bool simple,
                   const std::function<void(SelectPrinter&)>& script)
    {
        SelectPrinter dialog(model);
        ASSERT_TRUE(dialog.Form_Load(simple));
        Desktop().PrepareDialog(dialog);
        host.Script = [&script](QWidget& window) { script(static_cast<SelectPrinter&>(window)); };
        Support::CurrentModalHost().RunModal(dialog);
        // The answer hides the window; it is still there for its caller.
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.FormCanceled->isChecked(), model.FormCanceled() == 1);
    }

    QStringList installed{QStringLiteral("Office Laser"), QStringLiteral("Hall Inkjet")};
    std::optional<QString> chosen;
};

void Click(const Support::SkinnedButtonParts& button, bool simple)
{
    if (simple) {
        button.plainTwin->click();
    } else {
        QTest::mousePress(button.face, Qt::LeftButton);
        QTest::mouseRelease(button.face, Qt::LeftButton);
    }
}

TEST_F(PrintOptionsTest, EachPrintoutPresetsTheDialogAndItsHelpTopic)
{
    CopyHelpPages();
    const struct {
        PrintKind kind;
        const char* cols;
        const char* rows;
        int rowMaximum;
        bool spinners;
        const char* instructions;
        const char* helpPage;
    } cases[] = {
        {PrintKind::GameDiagrams, "4", "4", 20, true, "4 columns by 4 rows will just fit on an A4 page.",
         "print-game.html"},
        {PrintKind::GameNotation, "3", "40", 80, true,
         "3 columns by 40 rows will just fit on an A4 page.", "print-game.html"},
        {PrintKind::CurrentBoard, "1", "1", 20, false,
         "Cols and Rows are set to 1 as only one board is being printed", "print-board.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.instructions);
        PrintOptionsModel model(PresetFor(c.kind), Registry::DefaultPrinterName());
        RunDialog(model, false, [&](SelectPrinter& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print game..."));
            EXPECT_EQ(dialog.fMDCols->text(), QLatin1String(c.cols));
            EXPECT_EQ(dialog.fMDRows->text(), QLatin1String(c.rows));
            EXPECT_EQ(dialog.RowSpin->maximum(), c.rowMaximum);
            EXPECT_EQ(dialog.ColSpin->isVisibleTo(&dialog), c.spinners);
            EXPECT_EQ(dialog.RowSpin->isVisibleTo(&dialog), c.spinners);
            // Without its scroll bar a count takes the bar's room.
            EXPECT_EQ(dialog.fMDCols->width(), 24 + (c.spinners ? 0 : 11));
            EXPECT_EQ(dialog.RowColInstructions->text(), QLatin1String(c.instructions));
            EXPECT_EQ(dialog.CurrentPrinter->text(), QStringLiteral("Office Laser"));
            QTest::keyClick(dialog.fMDRows, Qt::Key_F1);
            EXPECT_TRUE(dialog.isVisible());
            Platform::HelpWindow* help = Platform::ProgramHelpViewer().Find(&dialog);
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(help->Browser()->source().toLocalFile().endsWith(QLatin1String(c.helpPage)));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    }
}

TEST_F(PrintOptionsTest, CountsStayWithinTheirBounds)
{
    const struct {
        PrintKind kind;
        int rowMaximum;
    } cases[] = {{PrintKind::GameDiagrams, 20}, {PrintKind::GameNotation, 80}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rowMaximum);
        PrintOptionsModel model(PresetFor(c.kind), QString());
        RunDialog(model, false, [&](SelectPrinter& dialog) {
            // The lower arrow raises the count, the upper one lowers it.
            dialog.ColSpin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(dialog.fMDCols->text().toInt(), model.Preset().columns + 1);
            for (int i = 0; i < 100; ++i) {
                dialog.ColSpin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                dialog.RowSpin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            }
            EXPECT_EQ(dialog.fMDCols->text(), QStringLiteral("10"));
            EXPECT_EQ(dialog.fMDRows->text(), QString::number(c.rowMaximum));
            for (int i = 0; i < 100; ++i) {
                dialog.ColSpin->triggerAction(QAbstractSlider::SliderSingleStepSub);
                dialog.RowSpin->triggerAction(QAbstractSlider::SliderSingleStepSub);
            }
            EXPECT_EQ(dialog.fMDCols->text(), QStringLiteral("1"));
            EXPECT_EQ(dialog.fMDRows->text(), QStringLiteral("1"));
            dialog.RowSpin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QTest::keyClick(dialog.ColSpin, Qt::Key_Return);
        });
        EXPECT_EQ(model.FormCanceled(), 0);
        EXPECT_EQ(model.Columns(), 1);
        EXPECT_EQ(model.Rows(), 2);
    }
    // The model keeps its own bounds too.
    PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), QString());
    model.SetColumns(0);
    model.SetRows(21);
    EXPECT_EQ(model.Columns(), 1);
    EXPECT_EQ(model.Rows(), 20);
}

TEST_F(PrintOptionsTest, PrintAndCancelAnswerEveryWayInBothLayouts)
{
    enum class Way { PrintButton, CancelButton, Enter, Escape, CloseBox };
    const struct {
        Way way;
        int canceled;
    } cases[] = {{Way::PrintButton, 0},
                 {Way::Enter, 0},
                 {Way::CancelButton, 1},
                 {Way::Escape, 1},
                 {Way::CloseBox, 1}};
    for (bool simple : {false, true})
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << (simple ? "plain " : "skinned ") << int(c.way));
            PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), QString());
            RunDialog(model, simple, [&](SelectPrinter& dialog) {
                EXPECT_EQ(dialog.PrintButton->plainTwin->isVisibleTo(&dialog), simple);
                EXPECT_EQ(dialog.PrintButton->face->isVisibleTo(&dialog), !simple);
                switch (c.way) {
                case Way::PrintButton:
                    Click(*dialog.PrintButton, simple);
                    break;
                case Way::CancelButton:
                    Click(*dialog.CancelButton, simple);
                    break;
                case Way::Enter:
                    QTest::keyClick(dialog.CurrentPrinter, Qt::Key_Enter);
                    break;
                case Way::Escape:
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                    break;
                case Way::CloseBox:
                    dialog.close();
                    break;
                }
            });
            EXPECT_EQ(model.FormCanceled(), c.canceled);
        }
}

TEST_F(PrintOptionsTest, PrintSelectsTheInstalledPrinterOfExactlyThatName)
{
    const struct {
        const char* what;
        std::optional<QString> defaultPrinter;
        QStringList installed;
        QString caption;
        QString afterPrint;
    } cases[] = {
        {"the default printer",
         QStringLiteral("Office Laser"),
         {QStringLiteral("office laser"), QStringLiteral("Office Laser")},
         QStringLiteral("Office Laser"),
         QStringLiteral("Office Laser")},
        {"a name that differs in case only selects nothing",
         QStringLiteral("Office Laser"),
         {QStringLiteral("office laser")},
         QStringLiteral("Office Laser"),
         QStringLiteral("Earlier")},
        {"no default printer",
         QString(),
         {QStringLiteral("Office Laser")},
         QStringLiteral("No printer selected"),
         QStringLiteral("Earlier")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Registry::OverrideDefaultPrinterName(c.defaultPrinter);
        installed = c.installed;
        SetCurrentPrinterName(QStringLiteral("Earlier"));
        PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), Registry::DefaultPrinterName());
        RunDialog(model, false, [&](SelectPrinter& dialog) {
            EXPECT_EQ(dialog.CurrentPrinter->text(), c.caption);
            Click(*dialog.PrintButton, false);
        });
        EXPECT_EQ(CurrentPrinterName(), c.afterPrint);
    }
}

TEST_F(PrintOptionsTest, ThePrinterDialogChangesThePrinterOnlyWhenItIsAnswered)
{
    PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), QStringLiteral("Office Laser"));
    RunDialog(model, true, [&](SelectPrinter& dialog) {
        chosen = QStringLiteral("Hall Inkjet");
        dialog.SelectPrinterButton->plainTwin->click();
        EXPECT_EQ(dialog.CurrentPrinter->text(), QStringLiteral("Hall Inkjet"));
        chosen = std::nullopt; // cancelled
        dialog.SelectPrinterButton->plainTwin->click();
        EXPECT_EQ(dialog.CurrentPrinter->text(), QStringLiteral("Hall Inkjet"));
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(CurrentPrinterName(), QStringLiteral("Hall Inkjet"));
}

TEST_F(PrintOptionsTest, ToolTipsAndThePlainLayout)
{
    for (bool tips : {true, false}) {
        Support::ProgramSettings().ShowToolTips = tips;
        PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), QString());
        SelectPrinter dialog(model);
        ASSERT_TRUE(dialog.Form_Load(false));
        EXPECT_EQ(dialog.CurrentPrinter->toolTip(),
                  tips ? QStringLiteral("The currently selected printer") : QString());
        EXPECT_EQ(dialog.fMDCols->toolTip(),
                  tips ? QStringLiteral("The number of boards to print across the page") : QString());
        EXPECT_EQ(dialog.fMDRows->toolTip(),
                  tips ? QStringLiteral("The number of boards to print down the page") : QString());
    }

    PrintOptionsModel model(PresetFor(PrintKind::GameDiagrams), QString());
    SelectPrinter dialog(model);
    ASSERT_TRUE(dialog.Form_Load(true));
    EXPECT_EQ(dialog.size(), QSize(440 - 33, 320 - 37));
    EXPECT_FALSE(dialog.HelpButton->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.SelectPrinterButton->plainTwin->text(), QStringLiteral("&Select printer..."));
    EXPECT_NE(dialog.CurrentPrinter->frameShape(), QFrame::NoFrame);
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&dialog)) {
            EXPECT_TRUE(dialog.rect().contains(child->geometry())) << child->objectName().toStdString();
        }
}

// The whole road of a printout: the dialog, then the printouts.
class PrintStartTest : public PrintOptionsTest {
protected:
    void SetUp() override
    {
        PrintOptionsTest::SetUp();
        Support::Globals().DataPath = data.path() + QStringLiteral("/");
        GameRecord game;
        game.GAME_ID = 3;
        game.GAME_NAME = "Spring match";
        game.GAME_DATE = "01/04/2024";
        game.GAME_WHITE_NAME = "Ann Ash";
        game.GAME_BLACK_NAME = "Bo Birch";
        game.GAME_HOST = true;
        MoveList moves;
        for (const auto& [coordinates, notation] :
             std::vector<std::pair<const char*, const char*>>{{"5254", "e4"},
                                                              {"5755", "e5"},
                                                              {"7163", "Nf3"},
                                                              {"2836", "Nc6"},
                                                              {"6125", "Bb5"},
                                                              {"1716", "a6"}})
            moves.push_back({int(moves.size()) + 1, coordinates, notation, ""});
        const Database::DataFolder folder(data.path().toStdString());
        ASSERT_TRUE(Database::SaveGame(folder, game, moves));
        Desktop().AskForPdfFile = [this](QWidget*) {
            ++pdfAsked;
            return pdfAnswer;
        };
    }
    void TearDown() override
    {
        Desktop().AskForPdfFile = nullptr;
        Support::Globals().DataPath.clear();
        PrintOptionsTest::TearDown();
    }

    // Answers the print options with 2 columns by 1 row and Print, and every
    // message box with OK, noting its caption.
    void AnswerWithTwoByOne()
    {
        host.Script = [this](QWidget& window) {
            if (auto* box = qobject_cast<Support::MsgForm*>(&window)) {
                messages << box->FormCaption->text();
                box->OkButtonFace_Click();
                return;
            }
            auto& dialog = static_cast<SelectPrinter&>(window);
            dialog.ColSpin->setValue(2);
            dialog.RowSpin->setValue(1);
            QTest::keyClick(&dialog, Qt::Key_Return);
        };
    }

    QTemporaryDir data;
    QString pdfAnswer;
    int pdfAsked = 0;
    QStringList messages;
};

TEST_F(PrintStartTest, WithNoPrinterTheGameGoesToTheChosenPdfFile)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers; the PDF road is only offered without one";
    pdfAnswer = data.filePath(QStringLiteral("diagrams.pdf"));
    AnswerWithTwoByOne();
    const Printing::PrintResult result = PrintGameDiagrams(3, nullptr);
    ASSERT_EQ(result.outcome, PrintOutcome::Printed) << result.message.toStdString();
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_EQ(result.pdfPath, pdfAnswer);
    // Six diagrams, two to a row and one row to a page.
    EXPECT_EQ(result.pages, 3);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdfAnswer});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PrintStartTest, CancelDeclineAndFailureEachEndTheirOwnWay)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers; the PDF road is only offered without one";
    // Cancel in the dialog: nothing asked, nothing printed, nothing said.
    host.Script = [](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); };
    EXPECT_EQ(PrintGameNotation(3, nullptr).outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(pdfAsked, 0);

    // No file chosen: cancelled too.
    AnswerWithTwoByOne();
    pdfAnswer.clear();
    EXPECT_EQ(PrintGameNotation(3, nullptr).outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_TRUE(messages.isEmpty());

    // A file that cannot be written is reported, never passed over.
    pdfAnswer = data.filePath(QStringLiteral("no such folder/notation.pdf"));
    EXPECT_EQ(PrintGameNotation(3, nullptr).outcome, PrintOutcome::Failed);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Printing error")});
    EXPECT_FALSE(QFile::exists(pdfAnswer));
}

} // namespace
