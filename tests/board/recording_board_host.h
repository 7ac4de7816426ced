#pragma once
// The board's host for window tests: the generated chess set's pictures
// and a record of what the board asked of the program.

#include "board/board_host.h"
#include "foundation/polling_pause.h"
#include "game/game_controller.h"

#include <QPixmap>
#include <QString>

#include <vector>

namespace BoardTests {

class RecordingBoardHost : public BoardSupport::BoardHost, public BoardSupport::BoardPictures {
public:
    // chessSet: the folder of one of the generated chess sets.
    explicit RecordingBoardHost(const QString& chessSet = QStringLiteral("Classic Wood"))
        : set_(QStringLiteral(MD_SHARE_DIR) + QStringLiteral("/Graphics/") + chessSet
               + QStringLiteral("/Plain.jpg"))
    {
    }

    BoardSupport::BoardPictures& Pictures() override { return *this; }
    QPixmap ChessSetCell(int cell) override
    {
        cellsAsked.push_back(cell);
        if (set_.isNull() || cell < 0 || cell >= 32)
            return {};
        const int w = set_.width() / 8;
        const int h = set_.height() / 4;
        return set_.copy((cell % 8) * w, (cell / 8) * h, w, h);
    }
    QPixmap DragIcon(int) override { return {}; }
    void ReturnToGameList(int currentGameId) override
    {
        calls.push_back("ReturnToGameList " + QString::number(currentGameId));
    }
    void LeaveGameList() override { calls.push_back("LeaveGameList"); }
    // As the program's board does, so the tests see the polling resumed.
    void BoardClosed() override { Support::ResumePolling(); }
    void UpdateTrayState(int state) override
    {
        calls.push_back("UpdateTrayState " + QString::number(state));
    }
    void NotifyNewMoves() override { calls.push_back("NotifyNewMoves"); }
    bool SendMoveMail(int gameId) override
    {
        calls.push_back("SendMoveMail " + QString::number(gameId));
        return transportWorks;
    }
    bool ExportMoveFile(int gameId) override
    {
        calls.push_back("ExportMoveFile " + QString::number(gameId));
        return transportWorks;
    }
    bool LoadChessSet() override
    {
        calls.push_back("LoadChessSet");
        return chessSetLoads;
    }
    void PrintCurrentBoardState(const BoardSupport::BoardPrintout& printout, QWidget&) override
    {
        calls.push_back("PrintCurrentBoardState " + QString::number(printout.gameId));
    }
    void ShowCredits() override { calls.push_back("ShowCredits"); }
    void ComputerThinking(bool thinking) override { thinkingReports.push_back(thinking); }
    std::vector<bool> thinkingReports;

    bool chessSetLoads = true;

    std::vector<QString> calls;
    std::vector<int> cellsAsked;
    bool transportWorks = true;

private:
    QPixmap set_;
};

} // namespace BoardTests
