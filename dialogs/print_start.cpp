#include "dialogs/print_start.h"

#include "dialogs/select_printer.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace PrintSupport {

namespace {

QString AskForPdfFileOnTheDesktop(QWidget* owner)
{
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Print to a PDF file"),
                                        QDir::homePath() + QStringLiteral("/Marrowdale.pdf"),
                                        QStringLiteral("PDF files (*.pdf)"));
}

// The default printer's name where the settings store keeps it.
QString DefaultPrinter()
{
    return Registry::QueryValue(QStringLiteral("Printers"), QStringLiteral("Default"),
                                Registry::Root::LocalMachine, Registry::PrinterPrefix)
        .ToText();
}

Printing::PrintResult Cancelled()
{
    Printing::PrintResult result;
    result.outcome = Printing::PrintOutcome::Cancelled;
    return result;
}

} // namespace

PrintDesktop& Desktop()
{
    static PrintDesktop desktop{{}, AskForPdfFileOnTheDesktop};
    return desktop;
}

Printing::PrintResult PrintWithOptions(Printing::PrintRequest request, QWidget* owner)
{
    PrintOptionsModel model(PresetFor(request.kind), DefaultPrinter());
    {
        SelectPrinter dialog(model);
        if (owner)
            dialog.setParent(owner, dialog.windowFlags() | Qt::Dialog);
        // A window that cannot be skinned is not shown: nothing is printed.
        if (!dialog.Form_Load(Support::ProgramSettings().SimpleUI))
            return Cancelled();
        if (Desktop().PrepareDialog)
            Desktop().PrepareDialog(dialog);
        Support::CurrentModalHost().RunModal(dialog);
    }
    if (model.FormCanceled() != 0)
        return Cancelled();

    request.options = {model.Columns(), model.Rows()};
    request.printerName = CurrentPrinterName();
    request.askForPdfFile = [owner] {
        return Desktop().AskForPdfFile ? Desktop().AskForPdfFile(owner) : QString();
    };
    const Database::DataFolder programFolder(
        QFile::encodeName(Support::Globals().DataPath).toStdString());
    if (!request.folder)
        request.folder = &programFolder;
    Printing::PrintResult result = Printing::Print(request);
    if (result.outcome == Printing::PrintOutcome::Failed)
        Support::ShowMessage(result.icon, result.caption, result.message, QStringLiteral("OK"),
                             QString(), false);
    return result;
}

Printing::PrintResult PrintGameDiagrams(std::int32_t gameID, QWidget* owner)
{
    Printing::PrintRequest request;
    request.kind = Printing::PrintKind::GameDiagrams;
    request.gameID = gameID;
    return PrintWithOptions(request, owner);
}

Printing::PrintResult PrintGameNotation(std::int32_t gameID, QWidget* owner)
{
    Printing::PrintRequest request;
    request.kind = Printing::PrintKind::GameNotation;
    request.gameID = gameID;
    return PrintWithOptions(request, owner);
}

Printing::PrintResult PrintCurrentBoardState(const Printing::BoardToPrint& board, QWidget* owner)
{
    Printing::PrintRequest request;
    request.kind = Printing::PrintKind::CurrentBoard;
    request.board = board;
    return PrintWithOptions(request, owner);
}

} // namespace PrintSupport
