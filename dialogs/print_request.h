#pragma once
// The one way to print: a typed request (what to print, the print options
// the user chose, the printer or a PDF file) in, a typed result out. The
// print options dialog asks the user and calls this; nothing here shows a
// window, so callers show the result's message themselves.

#include "rules/position.h"
#include "store/data_folder.h"
#include "store/message_sink.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace Printing {

enum class PrintKind {
    GameDiagrams, // a stored game, one diagram per move row
    GameNotation, // a stored game's move list
    CurrentBoard, // what the board window shows
};

// The counts of the print options dialog: items across and down a page.
struct PrintOptions {
    int columns = 4;
    int rows = 4;
};

// The board window's state for the current-board printout.
struct BoardToPrint {
    BoardSupport::BoardSquares squares;
    bool blackAtBottom = false; // the view turned to Black's side
    std::int32_t gameID = -1;   // -1: a new game not stored yet
    QString newGameName;        // the new-game dialog's fields for such a game
    QString newOpponentName;
    int selectedRow = 0; // the move list's current row
    QString notation;    // its "Move" and "Comment" cells
    QString comment;
};

struct PrintRequest {
    PrintKind kind = PrintKind::GameDiagrams;
    const Database::DataFolder* folder = nullptr; // where the stored games are
    std::int32_t gameID = 0;                      // the two game printouts
    BoardToPrint board;                           // the current-board printout
    PrintOptions options;
    QString printerName; // a printer of the system; blank or unknown: the default one
    QString pdfPath;     // when set, the printout goes to this PDF file instead
    // With no printer on the system and no file given: asked for a PDF file
    // to print to; a blank answer cancels.
    std::function<QString()> askForPdfFile;
};

enum class PrintOutcome { Printed, Cancelled, NothingToPrint, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    Support::MsgIcon icon = Support::MsgIcon::Warning; // message box icon for a failure
    QString caption; // a failure's message for the program's message box
    QString message;
    int pages = 0;
    QString pdfPath; // the file printed to, when it was a file
};

PrintResult Print(const PrintRequest& request);

// "dd/mm/yyyy" as the locale's long date; any other text unchanged.
QString LongStartDate(const QString& stored);

} // namespace Printing
