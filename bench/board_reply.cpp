// board-reply [RUNS]: times, through the board window offscreen, the player's
// Send in a game against the computer until the computer's reply shows in
// the move list, at search depths 1 to 4, on three positions: the reply to
// 1.e4, an Italian game at White's 4th move and a queen's-pawn middle game
// at White's 10th. The player's move is dragged with the mouse and Send is
// the toolbar's button; the time includes storing both rows. Prints one
// line per position and depth: the median and the fastest of RUNS (3 by
// default).

#include "bench/hosted_game.h"
#include "board/board_host.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "foundation/settings.h"
#include "store/database.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class NoPictures : public BoardSupport::BoardHost, public BoardSupport::BoardPictures {
public:
    BoardSupport::BoardPictures& Pictures() override { return *this; }
    QPixmap ChessSetCell(int) override { return {}; }
    QPixmap DragIcon(int) override { return {}; }
    void ReturnToGameList(int) override { }
    void LeaveGameList() override { }
    void BoardClosed() override { }
    void UpdateTrayState(int) override { }
    void NotifyNewMoves() override { }
    bool SendMoveMail(int) override { return true; }
    bool ExportMoveFile(int) override { return true; }
    bool LoadChessSet() override { return true; }
    void PrintCurrentBoardState(const BoardSupport::BoardPrintout&, QWidget&) override { }
    void ShowCredits() override { }
    void ComputerThinking(bool) override { }
};

struct Opening {
    const char* name;
    std::vector<const char*> before; // coordinates of the moves played so far
    const char* playersMove;
};

const Opening Openings[] = {
    {"after 1.e4", {}, "5254"},
    {"Italian game, 4.c3", {"5254", "5755", "7163", "2836", "6134", "6835"}, "3233"},
    {"queen's pawn, 10.Bxe7",
     {"4244", "4745", "3234", "5756", "2133", "7866", "3175", "6857", "5253", "5878", "7163", "2847",
      "1131", "3736", "6143", "4534", "4334", "6645"},
     "7557"},
};

QPoint Centre(BoardSupport::Board& board, int column, int row)
{
    return board.View().Squares()->SquareRect(BoardSupport::Square{column, row}).center();
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// One Send: the milliseconds until the computer's row is in the move list,
// -1 when it did not come; `reply` is its notation.
double TimeReply(const Opening& opening, int depth, std::string& reply)
{
    QTemporaryDir data;
    const Database::DataFolder folder(QFile::encodeName(data.path()).toStdString());
    GameRecord record = Bench::HostedGame("Marrowdale", StatusPlayersMove, "101220261400", "10/12/2026");
    record.GAME_OPPONENTS_ID = 1;
    record.GAME_VS_COMPUTER = true;
    MoveList moves;
    for (const char* move : opening.before)
        moves.push_back(MoveRecord{static_cast<int>(moves.size()) + 1, move, move, ""});
    if (!Database::SaveGame(folder, record, moves))
        return -1;

    Support::ProgramSettings().SearchDepth = static_cast<std::int16_t>(depth);
    NoPictures host;
    BoardSupport::Board board(host, folder);
    BoardSupport::BoardOptions options;
    options.request.gameId = 1;
    options.simpleUI = true;
    if (!board.Form_Load(options))
        return -1;
    board.show();
    QCoreApplication::processEvents();

    const char* m = opening.playersMove;
    Mouse(board.View().Squares(), QEvent::MouseButtonPress, Centre(board, m[0] - '0', m[1] - '0'));
    Mouse(board.View().Squares(), QEvent::MouseMove, Centre(board, m[2] - '0', m[3] - '0'));
    Mouse(board.View().Squares(), QEvent::MouseButtonRelease, Centre(board, m[2] - '0', m[3] - '0'));
    const int rows = board.View().MoveList()->rowCount();
    if (rows != static_cast<int>(moves.size()) + 1)
        return -1;

    QEventLoop loop;
    QObject::connect(board.View().MoveList()->model(), &QAbstractItemModel::rowsInserted, &loop,
                     &QEventLoop::quit, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    board.Toolbar().Button(BoardSupport::SendButton)->click();
    if (board.View().MoveList()->rowCount() == rows)
        loop.exec();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (board.View().MoveList()->rowCount() != rows + 1)
        return -1;
    reply = board.View().MoveList()->item(rows, 2)->text().toStdString();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    for (const Opening& opening : Openings) {
        for (int depth = 1; depth <= 4; ++depth) {
            std::vector<double> times;
            std::string reply;
            for (int i = 0; i < runs; ++i)
                times.push_back(TimeReply(opening, depth, reply));
            std::sort(times.begin(), times.end());
            if (times.front() < 0) {
                std::printf("%-24s depth %d  failed\n", opening.name, depth);
                continue;
            }
            std::printf("%-24s depth %d  reply %-8s median_ms %.1f  min_ms %.1f\n", opening.name, depth,
                        reply.c_str(), times[times.size() / 2], times.front());
            std::fflush(stdout);
        }
    }
    return 0;
}
