#include "dialogs/print_request.h"

#include "dialogs/diagram_replay.h"
#include "dialogs/notation_lines.h"
#include "dialogs/print_renderer.h"
#include "store/database.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>

#include <filesystem>
#include <memory>
#include <optional>

namespace Printing {

namespace {

const QString DatabaseErrorText = QStringLiteral(
    "There was an error retrieving the game details from the database.||If the problem persists, the game "
    "may be corrupt in which case delete it and get your opponent to send it again.");

PrintResult Outcome(PrintOutcome outcome)
{
    PrintResult result;
    result.outcome = outcome;
    return result;
}

PrintResult Failure(Support::MsgIcon icon, const QString& caption, const QString& message)
{
    PrintResult result = Outcome(PrintOutcome::Failed);
    result.icon = icon;
    result.caption = caption;
    result.message = message;
    return result;
}

PrintResult DatabaseError()
{
    return Failure(Support::MsgIcon::Database, QStringLiteral("Database error"), DatabaseErrorText);
}

// The game's header record, or none when it cannot be read.
std::optional<GameRecord> StoredGame(const Database::DataFolder& folder, std::int32_t gameID)
{
    Database::FoundGame found = Database::FindGame(folder, gameID);
    if (!found.ok)
        return std::nullopt;
    return std::move(found.game);
}

GameHeader HeaderOf(const GameRecord& game)
{
    return {QString::fromStdString(game.GAME_NAME), QString::fromStdString(game.GAME_WHITE_NAME),
            QString::fromStdString(game.GAME_BLACK_NAME),
            LongStartDate(QString::fromStdString(game.GAME_DATE))};
}

// A PDF is written beside its final name and renamed over it once whole,
// so a failed printout never leaves a half-written file or spoils an old one.
QString PartialPdf(const QString& pdfPath)
{
    return pdfPath + QStringLiteral(".part");
}

bool FinishPdf(const QString& pdfPath, bool written)
{
    const std::filesystem::path partial = PartialPdf(pdfPath).toStdString();
    std::error_code renamed;
    if (written)
        std::filesystem::rename(partial, pdfPath.toStdString(), renamed);
    const bool finished = written && !renamed;
    std::error_code ignored;
    if (!finished && std::filesystem::is_regular_file(partial, ignored))
        std::filesystem::remove(partial, ignored);
    return finished;
}

// Where the printout goes: the file asked for, else the named printer, else
// the system's default printer; with no printer at all, a PDF file the user
// is asked for. Null when the user declines.
std::unique_ptr<QPrinter> OpenPrinter(const PrintRequest& request, QString& pdfPath)
{
    pdfPath = request.pdfPath;
    if (pdfPath.isEmpty()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (!printers.isEmpty()) {
            QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
            for (const QPrinterInfo& printer : printers)
                if (printer.printerName() == request.printerName) {
                    chosen = printer;
                    break;
                }
            if (chosen.isNull())
                chosen = printers.first();
            return std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
        }
        if (request.askForPdfFile)
            pdfPath = request.askForPdfFile();
        if (pdfPath.trimmed().isEmpty())
            return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setOutputFileName(PartialPdf(pdfPath));
    return printer;
}

// The pages of a stored game's printout; a result other than Printed when
// there is nothing to print or the game cannot be read.
PrintResult GamePages(const PrintRequest& request, const PageMetrics& metrics, Document& document)
{
    if (!request.folder)
        return DatabaseError();
    MoveList moves;
    if (!Database::LoadGameMoves(*request.folder, moves, request.gameID))
        return DatabaseError();
    if (moves.empty())
        return Outcome(PrintOutcome::NothingToPrint);
    const std::optional<GameRecord> game = StoredGame(*request.folder, request.gameID);
    BoardSupport::Position start;
    if (!game || !BoardSupport::InitialiseBoard(start, game->startPosition))
        return DatabaseError();

    if (request.kind == PrintKind::GameNotation) {
        document = LayoutNotation(HeaderOf(*game), Support::NotationLines(moves),
                                  request.options.columns, request.options.rows, metrics);
        return Outcome(PrintOutcome::Printed);
    }
    // Each printout shows the board from the user's side.
    const bool whiteAtBottom = game->GAME_HOST;
    const std::vector<BoardSupport::BoardSquares> boards = Support::ReplayDiagramBoards(start, moves);
    std::vector<Diagram> diagrams;
    for (std::size_t i = 0; i < moves.size(); ++i)
        diagrams.push_back(
            {QString::number(i + 1) + QLatin1Char(':') + QString::fromStdString(moves[i].notation),
             Support::DiagramLines(boards[i], whiteAtBottom)});
    document = LayoutDiagrams(HeaderOf(*game), diagrams, request.options.columns, request.options.rows,
                              metrics);
    return Outcome(PrintOutcome::Printed);
}

PrintResult BoardPages(const PrintRequest& request, const PageMetrics& metrics, Document& document)
{
    const BoardToPrint& board = request.board;
    GameHeader header;
    if (board.gameID == -1) {
        header = {board.newGameName, QStringLiteral("You"), board.newOpponentName,
                  QLocale().toString(QDate::currentDate(), QLocale::LongFormat)};
    } else {
        const std::optional<GameRecord> game =
            request.folder ? StoredGame(*request.folder, board.gameID) : std::nullopt;
        if (!game)
            return DatabaseError();
        header = HeaderOf(*game);
    }
    // Before the first move there is no move to name.
    QString moveLine;
    if (board.selectedRow >= 1) {
        moveLine = QStringLiteral("Move ") + QString::number(board.selectedRow) + QStringLiteral(" : ")
                   + board.notation;
        if (!board.comment.isEmpty())
            moveLine += QStringLiteral(" - ") + board.comment;
    }
    document = LayoutCurrentBoard(header, moveLine,
                                  Support::DiagramLines(board.squares, !board.blackAtBottom), metrics);
    return Outcome(PrintOutcome::Printed);
}

QString PrinterErrorText(PrintKind kind)
{
    return kind == PrintKind::CurrentBoard
               ? QStringLiteral(
                   "There was an unknown error printing the board.  Please check the printer "
                   "before trying again.")
               : QStringLiteral(
                   "There was an unknown error printing the game.  Please check the printer "
                   "before trying again.");
}

} // namespace

QString LongStartDate(const QString& stored)
{
    const QDate date = QDate::fromString(stored, QStringLiteral("d/M/yyyy"));
    return date.isValid() ? QLocale().toString(date, QLocale::LongFormat) : stored;
}

PrintResult Print(const PrintRequest& request)
{
    QString pdfPath;
    const std::unique_ptr<QPrinter> printer = OpenPrinter(request, pdfPath);
    if (!printer)
        return Outcome(PrintOutcome::Cancelled);
    const PageMetrics metrics = MeasurePage(*printer);

    Document document;
    PrintResult result = request.kind == PrintKind::CurrentBoard ? BoardPages(request, metrics, document)
                                                                 : GamePages(request, metrics, document);
    if (result.outcome != PrintOutcome::Printed)
        return result;

    QString error;
    bool printed = RenderDocument(document, *printer, error);
    if (!pdfPath.isEmpty())
        printed = FinishPdf(pdfPath, printed);
    if (!printed) {
        const QString message = pdfPath.isEmpty()
                                    ? PrinterErrorText(request.kind)
                                    : QStringLiteral("Marrowdale could not write the file ") + pdfPath
                                          + QStringLiteral(".||Please choose another file or folder.");
        return Failure(Support::MsgIcon::Warning, QStringLiteral("Printing error"), message);
    }
    result.pages = int(document.size());
    result.pdfPath = pdfPath;
    return result;
}

} // namespace Printing
