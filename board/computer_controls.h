#pragma once
// The board while the computer answers the player's saved move: it thinks
// on a worker thread while the window stays responsive, shown by the
// "Thinking..." label, the progress bar and the Cancel button; then it
// plays its move, resigns, or, cancelled, leaves the game as it was.

#include "board/computer_search.h"
#include "game/game_controller.h"

#include <functional>

class QProgressBar;
class QPushButton;

namespace Support {
class SkinnedButton;
} // namespace Support

namespace BoardSupport {

class Board;
class BoardHost;

class ComputerControls {
public:
    ComputerControls(Board& window, GameController& game, BoardHost& port);

    void Create();

    QProgressBar* Progress() const { return progress_; }
    Support::SkinnedButton* Cancel() const { return cancel_; }
    QPushButton* CancelPlain() const;

    void MakeComputerMove();
    void CancelSearchFace_Click();
    bool Thinking() const { return computerSearch_->Running(); }
    // A search still running is cancelled and waited for; the host hears
    // that the thinking is over if it was told it began.
    void StopComputerSearch();
    void ReportStopped();
    // The engine the computer searches with (the real one unless a test
    // stands in); it must outlive the window.
    void SetSearchEngine(SearchEngine& engine) { engine_ = &engine; }
    // Called after the computer's row was added, before the turn returns to
    // the player: stores the game with the computer's move (the toolbar's
    // SaveComputerMove unless a test stands in).
    std::function<void()> ComputerMoveMade;

private:
    void ShowThinking(bool thinking);
    void ComputerSearch_Finished(const ComputerAI::SearchResult& result);
    void ShowComputerReply(const ComputerReply& reply);

    Board& window_;
    GameController& game_;
    BoardHost& port_;
    QProgressBar* progress_ = nullptr;
    Support::SkinnedButton* cancel_ = nullptr;
    ComputerOpponent opponent_;
    SearchEngine* engine_ = &opponent_;
    bool thinkingReported_ = false;
    ComputerSearch* computerSearch_ = nullptr;
};

} // namespace BoardSupport
