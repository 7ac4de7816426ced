#include "board/computer_search.h"

#include <QDateTime>
#include <QtConcurrent/QtConcurrentRun>

namespace BoardSupport {

void ComputerOpponent::TakeSettings(int depth, const ComputerAI::HeuristicWeights& weights)
{
    depth_ = depth;
    weights_ = weights;
}

ComputerAI::SearchResult ComputerOpponent::Search(const Position& position,
                                                  MoveValidation::Colour colourToMove, Move previousMove,
                                                  ComputerAI::SearchControl& control)
{
    ComputerAI::SearchSettings settings;
    settings.depth = depth_;
    settings.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    // One core is left to the window thread, so repaints and the tray's
    // timers are not starved while the computer thinks.
    settings.threads = std::max(1, QThread::idealThreadCount() - 1);
    return ComputerAI::SearchBestMove(position, colourToMove, previousMove, weights_, settings,
                                      &control);
}

ComputerSearch::ComputerSearch(QObject* parent) : QObject(parent)
{
    progressTimer_.setInterval(ProgressInterval);
    connect(&progressTimer_, &QTimer::timeout, this, [this] {
        if (ProgressChanged)
            ProgressChanged(control_.Progress());
    });
    connect(&watcher_, &QFutureWatcher<ComputerAI::SearchResult>::finished, this,
            &ComputerSearch::Search_Finished);
}

ComputerSearch::~ComputerSearch()
{
    control_.Cancel();
    watcher_.waitForFinished();
}

void ComputerSearch::Start(SearchEngine& engine, const ComputerTurn& turn,
                           MoveValidation::Colour colourToMove)
{
    if (running_)
        return;
    running_ = true;
    control_.Reset();
    control_.StartCounting();
    if (ProgressChanged)
        ProgressChanged(0);
    progressTimer_.start();
    ComputerAI::SearchControl* control = &control_;
    watcher_.setFuture(QtConcurrent::run([&engine, turn, colourToMove, control] {
        return engine.Search(turn.position, colourToMove, turn.previousMove, *control);
    }));
}

void ComputerSearch::WaitForFinished()
{
    watcher_.waitForFinished();
    if (running_)
        Search_Finished();
}

void ComputerSearch::Search_Finished()
{
    if (!running_)
        return;
    running_ = false;
    progressTimer_.stop();
    ComputerAI::SearchResult result = watcher_.future().result();
    // A cancel that arrived after the search's last node still cancels.
    if (control_.Cancelled())
        result = ComputerAI::SearchResult{};
    if (Finished)
        Finished(result);
}

} // namespace BoardSupport
