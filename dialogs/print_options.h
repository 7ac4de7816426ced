#pragma once
// What the print options dialog holds, without the window: the printer that
// Print will use, how many items go across and down a page, the hint, and
// the answer. Each printout presets it in its own way.

#include "dialogs/print_request.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace PrintSupport {

inline constexpr int MaxColumns = 10;
inline constexpr int DiagramHelpTopic = 12;
inline constexpr int BoardHelpTopic = 13;
extern const QString NoPrinterCaption;

// How a printout opens the dialog.
struct PrintOptionsPreset {
    int columns = 4;
    int rows = 4;
    int rowMaximum = 20;
    bool spinnersShown = true;
    QString instructions;
};
PrintOptionsPreset PresetFor(Printing::PrintKind kind);

class PrintOptionsModel {
public:
    // defaultPrinter: the system's default printer's name, "" for none.
    PrintOptionsModel(const PrintOptionsPreset& preset, const QString& defaultPrinter);

    const PrintOptionsPreset& Preset() const { return preset_; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Kept within 1 to 10 columns and 1 to the preset's row maximum.
    void SetColumns(int columns);
    void SetRows(int rows);

    // The printer Print will select: a device name or "No printer selected".
    QString CurrentPrinter() const { return currentPrinter_; }
    // The name the system printer dialog came back with.
    void PrinterChosen(const QString& name);

    int HelpTopic() const { return preset_.spinnersShown ? DiagramHelpTopic : BoardHelpTopic; }

    // The installed printer whose device name is the current printer's,
    // letter for letter; none when no installed printer has that name.
    std::optional<QString> MatchingPrinter(const QStringList& installed) const;

    enum class Answer { None, Print, Cancel };
    void SetAnswer(Answer answer) { answer_ = answer; }
    Answer GetAnswer() const { return answer_; }
    // 0 when Print was chosen, 1 otherwise.
    int FormCanceled() const { return answer_ == Answer::Print ? 0 : 1; }

private:
    PrintOptionsPreset preset_;
    int columns_;
    int rows_;
    QString currentPrinter_;
    Answer answer_ = Answer::None;
};

// The program's current printer: the one the last Print selected, "" for
// the system's default. Kept with the program's run-wide state.
QString CurrentPrinterName();
void SetCurrentPrinterName(const QString& name);

} // namespace PrintSupport
