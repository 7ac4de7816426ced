#pragma once
// The print options dialog every printout passes through: the printer that
// will be used (the system's printer dialog can pick another), and how many
// items go across and down a page. Print and Cancel record the answer and
// hide the window; the caller reads the answer and releases the window.
// Closing it from its frame is Cancel.

#include "dialogs/print_options.h"
#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace PrintSupport {

class SelectPrinter : public Support::DialogWindow {
    Q_OBJECT
public:
    explicit SelectPrinter(PrintOptionsModel& model);
    ~SelectPrinter() override;

    // Lays the window out skinned or plain, then applies the model's
    // preset. False when the skin could not be applied.
    bool Form_Load(bool simpleUI);
    void SetSimpleUI() override;

    // The system printer dialog: the chosen printer's name, or nothing
    // when it was cancelled. The program's own until a test replaces it.
    std::function<std::optional<QString>(QWidget* parent, const QString& current)> ChoosePrinter;
    // The printers installed on the system, by device name.
    std::function<QStringList()> InstalledPrinters;

    QLabel* CurrentPrinter;
    QLabel* fMDCols;
    QLabel* fMDRows;
    QLabel* ColsCaption_L;
    QLabel* RowsCaption_L;
    QScrollBar* ColSpin;
    QScrollBar* RowSpin;
    QLabel* RowColInstructions;
    QLabel* Label3;
    QCheckBox* FormCanceled;
    QLabel* HelpButton;
    Support::SkinnedButton* PrintButton;
    Support::SkinnedButton* CancelButton;
    Support::SkinnedButton* SelectPrinterButton;

public slots:
    void PrintButtonFace_Click();
    void CancelButtonFace_Click();
    void SelectPrinterButtonFace_Click();
    void HelpButton_Click();

protected:
    // Enter prints; Escape and closing from the frame cancel.
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateLabels();
    void CreateSpinners();
    void CreateButtons();
    void ApplyPreset();
    void SetToolTips();
    void ShowCounts();
    void Answer(PrintOptionsModel::Answer answer);

    PrintOptionsModel& model_;
};

} // namespace PrintSupport
