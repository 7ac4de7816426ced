#include "dialogs/print_options.h"

#include "foundation/program_state.h"

#include <algorithm>

namespace PrintSupport {

const QString NoPrinterCaption = QStringLiteral("No printer selected");

PrintOptionsPreset PresetFor(Printing::PrintKind kind)
{
    switch (kind) {
    case Printing::PrintKind::GameNotation:
        return {3, 40, 80, true, QStringLiteral("3 columns by 40 rows will just fit on an A4 page.")};
    case Printing::PrintKind::CurrentBoard:
        return {1, 1, 20, false,
                QStringLiteral("Cols and Rows are set to 1 as only one board is being printed")};
    case Printing::PrintKind::GameDiagrams:
        break;
    }
    return {4, 4, 20, true, QStringLiteral("4 columns by 4 rows will just fit on an A4 page.")};
}

PrintOptionsModel::PrintOptionsModel(const PrintOptionsPreset& preset, const QString& defaultPrinter)
    : preset_(preset), columns_(1), rows_(1),
      currentPrinter_(defaultPrinter.isEmpty() ? NoPrinterCaption : defaultPrinter)
{
    SetColumns(preset.columns);
    SetRows(preset.rows);
}

void PrintOptionsModel::SetColumns(int columns)
{
    columns_ = std::clamp(columns, 1, MaxColumns);
}

void PrintOptionsModel::SetRows(int rows)
{
    rows_ = std::clamp(rows, 1, std::max(1, preset_.rowMaximum));
}

void PrintOptionsModel::PrinterChosen(const QString& name)
{
    if (!name.isEmpty())
        currentPrinter_ = name;
}

std::optional<QString> PrintOptionsModel::MatchingPrinter(const QStringList& installed) const
{
    for (const QString& printer : installed)
        if (printer == currentPrinter_)
            return printer;
    return std::nullopt;
}

QString CurrentPrinterName()
{
    return Support::Globals().CurrentPrinter;
}

void SetCurrentPrinterName(const QString& name)
{
    Support::Globals().CurrentPrinter = name;
}

} // namespace PrintSupport
