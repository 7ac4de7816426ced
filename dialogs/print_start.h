#pragma once
// How every printout starts: the print options dialog, preset for the
// printout, asks the user; on Print the request goes with the chosen counts
// and the program's current printer to the printouts (print_request.h); a
// failure is reported in the program's message box. Cancel prints nothing
// and says nothing, and so does a game without moves.

#include "dialogs/print_request.h"

#include <QString>

#include <functional>

class QWidget;

namespace PrintSupport {

class SelectPrinter;

// What the printing start asks of the desktop, replaceable by tests: the
// dialog's printer list and printer dialog, and the PDF file chosen when
// there is no printer at all.
struct PrintDesktop {
    // Called with the loaded dialog before it is shown.
    std::function<void(SelectPrinter& dialog)> PrepareDialog;
    // A PDF file to print to; "" declines.
    std::function<QString(QWidget* owner)> AskForPdfFile;
};
PrintDesktop& Desktop();

// Asks for the options of the request's printout and prints it.
// request.folder may be null: the program's data folder is used.
Printing::PrintResult PrintWithOptions(Printing::PrintRequest request, QWidget* owner);

// The game list's and the board's commands.
Printing::PrintResult PrintGameDiagrams(std::int32_t gameID, QWidget* owner);
Printing::PrintResult PrintGameNotation(std::int32_t gameID, QWidget* owner);
Printing::PrintResult PrintCurrentBoardState(const Printing::BoardToPrint& board, QWidget* owner);

} // namespace PrintSupport
