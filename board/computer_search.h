#pragma once
// The computer's search while the board stays responsive: it runs on a
// worker thread over the copy of the position the controller hands out, a
// timer shows its progress, and Cancel stops it at once.

#include "game/computer_reply.h"
#include "rules/search.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace BoardSupport {

// What chooses the computer's move; tests stand in for it. Called on the
// worker thread: it may read only its arguments and itself.
class SearchEngine {
public:
    virtual ~SearchEngine() = default;
    virtual ComputerAI::SearchResult Search(const Position& position,
                                            MoveValidation::Colour colourToMove, Move previousMove,
                                            ComputerAI::SearchControl& control) = 0;
};

// The real opponent: the settings' depth and weights, read when the search
// starts, and a seed from the clock.
class ComputerOpponent : public SearchEngine {
public:
    // Takes the depth and weights for the next search (on the window thread).
    void TakeSettings(int depth, const ComputerAI::HeuristicWeights& weights);
    ComputerAI::SearchResult Search(const Position& position, MoveValidation::Colour colourToMove,
                                    Move previousMove, ComputerAI::SearchControl& control) override;

private:
    int depth_ = 1;
    ComputerAI::HeuristicWeights weights_{};
};

class ComputerSearch : public QObject {
    Q_OBJECT
public:
    explicit ComputerSearch(QObject* parent = nullptr);
    ~ComputerSearch() override;

    // Starts the search of colourToMove over the turn's position. The
    // engine must outlive the search.
    void Start(SearchEngine& engine, const ComputerTurn& turn, MoveValidation::Colour colourToMove);
    // Asks the search to stop; Finished follows with a cancelled result.
    void Cancel() { control_.Cancel(); }
    bool Running() const { return running_; }
    // Waits for a cancelled or ending search (closing the window).
    void WaitForFinished();

    static constexpr int ProgressInterval = 50; // ms between progress updates

    std::function<void(int progress)> ProgressChanged; // 0 .. ComputerAI::ProgressSpan
    std::function<void(const ComputerAI::SearchResult&)> Finished;

private:
    void Search_Finished();

    ComputerAI::SearchControl control_;
    QFutureWatcher<ComputerAI::SearchResult> watcher_;
    QTimer progressTimer_;
    bool running_ = false;
};

} // namespace BoardSupport
