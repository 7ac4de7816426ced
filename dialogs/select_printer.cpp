#include "dialogs/select_printer.h"

#include "dialogs/dialog_label.h"
#include "dialogs/dialog_pictures.h"
#include "foundation/help.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>

namespace PrintSupport {

using Dialogs::MakeLabel;

namespace {

const QString WindowName = QLatin1String(WindowNames::SelectPrinter);

// The skinned layout, in pixels of the background picture (440 x 320). The
// count labels are 360 twips wide and their scroll bars 165, both rows
// 255 twips high. The plain layout moves every control 300 twips up and
// 250 left and is 500 twips narrower and 550 lower.
constexpr QSize SkinnedSize(440, 320);
constexpr int CountWidth = 360 / 15;
constexpr int SpinWidth = 165 / 15;
constexpr int CountHeight = 255 / 15;
constexpr QRect PromptRect(24, 52, 280, 20);
constexpr QRect PrinterRect(24, 78, 280, 22);
constexpr QRect SettingsRect(318, 76, 90, 26);
constexpr int CountsTop = 122;
constexpr QRect ColsCaptionRect(24, CountsTop, 80, CountHeight);
constexpr QRect ColsRect(104, CountsTop, CountWidth, CountHeight);
constexpr QRect RowsCaptionRect(176, CountsTop, 60, CountHeight);
constexpr QRect RowsRect(236, CountsTop, CountWidth, CountHeight);
constexpr QRect InstructionsRect(24, 156, 392, 40);
constexpr QRect HelpRect(404, 9, 22, 22);
constexpr QRect PrintRect(110, 270, 90, 26);
constexpr QRect CancelRect(240, 270, 90, 26);
// The plain "&Select printer..." twin needs more room than the face.
constexpr int PlainSettingsWidth = 110;
constexpr Support::PlainLayoutShift PlainLayout{250 / 15 + 1, 300 / 15, 500 / 15, 550 / 15 + 1};

QScrollBar* MakeSpin(QWidget* parent, const QString& name, const QRect& beside, int maximum)
{
    auto* spin = new QScrollBar(Qt::Vertical, parent);
    spin->setObjectName(name);
    spin->setGeometry(beside.right() + 1, beside.top(), SpinWidth, CountHeight);
    spin->setRange(1, maximum);
    spin->setSingleStep(1);
    spin->setPageStep(1);
    return spin;
}

// The system's printer dialog on the given printer, without the choices
// that make no sense here (a file, pages, a selection).
std::optional<QString> SystemPrinterDialog(QWidget* parent, const QString& current)
{
    QPrinter printer;
    if (!current.isEmpty() && current != NoPrinterCaption)
        printer.setPrinterName(current);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted || printer.printerName().isEmpty())
        return std::nullopt;
    return printer.printerName();
}

} // namespace

SelectPrinter::SelectPrinter(PrintOptionsModel& model) : model_(model)
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("Print game..."));
    setFixedSize(SkinnedSize);
    ChoosePrinter = SystemPrinterDialog;
    InstalledPrinters = [] { return QPrinterInfo::availablePrinterNames(); };
    CreateLabels();
    CreateSpinners();
    CreateButtons();
    TakeKeysFirst();
}

SelectPrinter::~SelectPrinter()
{
    Support::CloseHelp(this);
}

void SelectPrinter::CreateLabels()
{
    Label3 = MakeLabel(this, QStringLiteral("Label3"), PromptRect,
                       QStringLiteral("Please select a printer."));
    CurrentPrinter = MakeLabel(this, QStringLiteral("CurrentPrinter"), PrinterRect, NoPrinterCaption);
    ColsCaption_L =
        MakeLabel(this, QStringLiteral("ColsCaption_L"), ColsCaptionRect, QStringLiteral("Columns:"));
    RowsCaption_L =
        MakeLabel(this, QStringLiteral("RowsCaption_L"), RowsCaptionRect, QStringLiteral("Rows:"));
    fMDCols = MakeLabel(this, QStringLiteral("fMDCols"), ColsRect, QStringLiteral("4"));
    fMDRows = MakeLabel(this, QStringLiteral("fMDRows"), RowsRect, QStringLiteral("4"));
    for (QLabel* count : {fMDCols, fMDRows})
        count->setAlignment(Qt::AlignCenter);
    RowColInstructions = MakeLabel(this, QStringLiteral("RowColInstructions"), InstructionsRect,
                                   QStringLiteral("4 columns by 4 rows will just fit on an A4 page."));
    RowColInstructions->setWordWrap(true);
    RowColInstructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FormCanceled = new QCheckBox(this);
    FormCanceled->setObjectName(QStringLiteral("FormCanceled"));
    FormCanceled->hide();
    HelpButton = MakeLabel(this, QStringLiteral("HelpButton"), HelpRect, QString());
    HelpButton->setPixmap(DialogPictures::HelpButtonPicture(HelpRect.size()));
    HelpButton->setCursor(Qt::PointingHandCursor);
    HelpButton->installEventFilter(this);
}

void SelectPrinter::CreateSpinners()
{
    ColSpin = MakeSpin(this, QStringLiteral("ColSpin"), ColsRect, MaxColumns);
    RowSpin = MakeSpin(this, QStringLiteral("RowSpin"), RowsRect, 20);
    connect(ColSpin, &QScrollBar::valueChanged, this, [this](int value) {
        model_.SetColumns(value);
        ShowCounts();
    });
    connect(RowSpin, &QScrollBar::valueChanged, this, [this](int value) {
        model_.SetRows(value);
        ShowCounts();
    });
}

void SelectPrinter::CreateButtons()
{
    using Support::SkinnedButton;
    PrintButton = new SkinnedButton(*this, QStringLiteral("PrintButton"), PrintRect,
                                    QStringLiteral("Print"), QStringLiteral("&Print"));
    CancelButton = new SkinnedButton(*this, QStringLiteral("CancelButton"), CancelRect,
                                     QStringLiteral("Cancel"), QStringLiteral("&Cancel"));
    SelectPrinterButton =
        new SkinnedButton(*this, QStringLiteral("SelectPrinterButton"), SettingsRect,
                          QStringLiteral("Settings..."), QStringLiteral("&Select printer..."));
    connect(PrintButton, &SkinnedButton::Clicked, this, &SelectPrinter::PrintButtonFace_Click);
    connect(CancelButton, &SkinnedButton::Clicked, this, &SelectPrinter::CancelButtonFace_Click);
    connect(SelectPrinterButton, &SkinnedButton::Clicked, this,
            &SelectPrinter::SelectPrinterButtonFace_Click);
    SelectPrinterButton->plainTwin->setGeometry(SettingsRect.right() + 1 - PlainSettingsWidth,
                                                SettingsRect.top(), PlainSettingsWidth,
                                                SettingsRect.height());
}

bool SelectPrinter::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    if (!simpleUI) {
        // The captions of the two counts read like the counts themselves.
        for (QLabel* caption : {ColsCaption_L, RowsCaption_L})
            caption->setPalette(fMDCols->palette());
    }
    for (Support::SkinnedButton* button : {PrintButton, CancelButton, SelectPrinterButton})
        button->Show(simpleUI);
    CurrentPrinter->setText(model_.CurrentPrinter());
    ApplyPreset();
    SetToolTips();
    return true;
}

void SelectPrinter::SetSimpleUI()
{
    for (QLabel* label : {fMDCols, fMDRows, CurrentPrinter})
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    HelpButton->hide();
    Support::ShiftIntoPlainLayout(*this, PlainLayout);
}

void SelectPrinter::ApplyPreset()
{
    const PrintOptionsPreset& preset = model_.Preset();
    RowSpin->setMaximum(std::max(1, preset.rowMaximum));
    RowColInstructions->setText(preset.instructions);
    if (!preset.spinnersShown) {
        // Each count takes its scroll bar's room.
        ColSpin->hide();
        RowSpin->hide();
        fMDCols->resize(fMDCols->width() + ColSpin->width(), fMDCols->height());
        fMDRows->resize(fMDRows->width() + RowSpin->width(), fMDRows->height());
    }
    ShowCounts();
    ColSpin->setValue(model_.Columns());
    RowSpin->setValue(model_.Rows());
}

void SelectPrinter::ShowCounts()
{
    fMDCols->setText(QString::number(model_.Columns()));
    fMDRows->setText(QString::number(model_.Rows()));
}

void SelectPrinter::SetToolTips()
{
    const bool on = Support::ProgramSettings().ShowToolTips;
    Support::SetToolTip(CurrentPrinter, "The currently selected printer", on);
    Support::SetToolTip(fMDCols, "The number of boards to print across the page", on);
    Support::SetToolTip(fMDRows, "The number of boards to print down the page", on);
}

void SelectPrinter::Answer(PrintOptionsModel::Answer answer)
{
    if (Answered())
        return;
    model_.SetAnswer(answer);
    FormCanceled->setChecked(model_.FormCanceled() == 1);
    EndWithAnswer();
}

void SelectPrinter::PrintButtonFace_Click()
{
    if (const std::optional<QString> printer = model_.MatchingPrinter(InstalledPrinters()))
        SetCurrentPrinterName(*printer);
    Answer(PrintOptionsModel::Answer::Print);
}

void SelectPrinter::CancelButtonFace_Click()
{
    Answer(PrintOptionsModel::Answer::Cancel);
}

void SelectPrinter::SelectPrinterButtonFace_Click()
{
    // A cancelled or failed printer dialog changes nothing and says nothing.
    const std::optional<QString> chosen =
        ChoosePrinter ? ChoosePrinter(this, model_.CurrentPrinter()) : std::nullopt;
    if (!chosen)
        return;
    model_.PrinterChosen(*chosen);
    CurrentPrinter->setText(model_.CurrentPrinter());
}

void SelectPrinter::HelpButton_Click()
{
    Support::ShowHelpContext(this, HelpTopic());
}

int SelectPrinter::HelpTopic() const
{
    return ColSpin->isVisibleTo(this) ? DiagramHelpTopic : BoardHelpTopic;
}

void SelectPrinter::EnterPressed()
{
    PrintButtonFace_Click();
}

void SelectPrinter::EscapePressed()
{
    CancelButtonFace_Click();
}

bool SelectPrinter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == HelpButton && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        HelpButton_Click();
        return true;
    }
    return DialogWindow::eventFilter(watched, event);
}

} // namespace PrintSupport
