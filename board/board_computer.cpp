// The board window while the computer answers the player's move: the
// "Thinking..." label, the progress bar, the Cancel button and Escape.
#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "foundation/press_label.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace BoardSupport {

namespace {

const QString CancelCaption = QStringLiteral("Cancel");
inline constexpr QRect CancelSearchTwips(8550, 5400, 1650, 375);

} // namespace

void Board::CreateSearchControls()
{
    computerSearch_ = new ComputerSearch(this);
    computerSearch_->ProgressChanged = [this](int progress) { SearchProgress->setValue(progress); };
    computerSearch_->Finished = [this](const ComputerAI::SearchResult& result) {
        ComputerSearch_Finished(result);
    };

    SearchProgress = new QProgressBar(this);
    SearchProgress->setObjectName(QStringLiteral("SearchProgress"));
    SearchProgress->setRange(0, ComputerAI::ProgressSpan);
    SearchProgress->setTextVisible(false);
    SearchProgress->hide();

    CancelSearch =
        new Support::SkinnedButton(*this, QStringLiteral("CancelSearch"),
                                   PxRect(CancelSearchTwips.x(), CancelSearchTwips.y(),
                                          CancelSearchTwips.width(), CancelSearchTwips.height()),
                                   CancelCaption, CancelCaption);
    // Unlike a dialog's buttons, it sinks under any mouse button.
    CancelSearch->PressButtons = Qt::AllButtons;
    CancelSearchS = CancelSearch->plainTwin;
    connect(CancelSearch, &Support::SkinnedButton::Clicked, this, &Board::CancelSearchFace_Click);
}

void Board::MakeComputerMove()
{
    if (ComputerThinking())
        return;
    const ComputerTurn turn = game_.BeginComputerMove();
    if (!turn.search) {
        DisplayBoardState();
        return;
    }
    PlayerComment->clear();
    PlayerComment->hide();
    DisplayBoardState();
    ShowThinking(true);
    const Support::Settings& settings = Support::ProgramSettings();
    opponent_.TakeSettings(settings.SearchDepth, settings.Heuristics);
    computerSearch_->Start(*engine_, turn, MoveValidation::OtherColour(game_.Info().playerColour));
}

Board::~Board()
{
    StopComputerSearch();
    // A search stopped with the window gives no answer here.
    if (thinkingReported_)
        port_.ComputerThinking(false);
}

void Board::StopComputerSearch()
{
    if (!ComputerThinking())
        return;
    computerSearch_->Cancel();
    computerSearch_->WaitForFinished();
}

void Board::CancelSearchFace_Click()
{
    if (ComputerThinking())
        computerSearch_->Cancel();
}

// The thinking state's controls: the label and progress bar over the
// comment box, Cancel below the move list, the move list and its menu
// closed to the player.
void Board::ShowThinking(bool thinking)
{
    MoveList->setEnabled(!thinking);
    HistoryMenu->setEnabled(!thinking);
    // No menu while the computer thinks: its Close and Options would pull
    // the game or the chess set away from under the search.
    for (Support::PressLabel* title : {Menu1Button, Menu2Button, GameMenu_L, HistoryMenu_L})
        if (title)
            title->setEnabled(!thinking);
    if (thinking) {
        PlayerComment_L->setText(QStringLiteral("Thinking..."));
        PlayerComment_L->show();
        SearchProgress->setGeometry(PlayerComment->geometry());
        SearchProgress->setValue(0);
        SearchProgress->setEnabled(true);
        SearchProgress->show();
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        SearchProgress->setEnabled(false);
        SearchProgress->hide();
        PlayerComment_L->hide();
        PlayerComment_L->setText(QStringLiteral("Your comment:"));
        QGuiApplication::restoreOverrideCursor();
    }
    if (thinking)
        CancelSearch->Show(simpleUI_);
    else
        CancelSearch->Hide();
    SetButtonEnable();
    if (thinking != thinkingReported_) {
        thinkingReported_ = thinking;
        port_.ComputerThinking(thinking);
    }
}

void Board::ComputerSearch_Finished(const ComputerAI::SearchResult& result)
{
    ShowThinking(false);
    const ComputerReply reply = game_.FinishComputerMove(result);
    ShowComputerReply(reply);
}

void Board::ShowComputerReply(const ComputerReply& reply)
{
    if (reply.outcome == ComputerReply::Cancelled) {
        DisplayBoardState();
        return;
    }
    FillMoveList();
    DisplayBoardState();
    for (const BoardMessage& message : reply.messages)
        ShowBoardMessage(message);
    if (reply.outcome != ComputerReply::GameOver && ComputerMoveMade)
        ComputerMoveMade();
}

void Board::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (ComputerThinking())
            CancelSearchFace_Click();
        else
            showMinimized();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace BoardSupport
