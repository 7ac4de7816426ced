// The board window while the computer answers the player's move: the
// "Thinking..." label, the progress bar and the Cancel button.
#include "board/computer_controls.h"

#include "board/board_menu_bar.h"
#include "board/board_panel.h"
#include "board/board_toolbar.h"
#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace BoardSupport {

namespace {

const QString CancelCaption = QStringLiteral("Cancel");
inline constexpr QRect CancelSearchTwips(8550, 5400, 1650, 375);

} // namespace

ComputerControls::ComputerControls(Board& window, GameController& game, BoardHost& port)
    : window_(window), game_(game), port_(port)
{
    ComputerMoveMade = [this] { window_.Toolbar().SaveComputerMove(); };
}

QPushButton* ComputerControls::CancelPlain() const
{
    return cancel_->plainTwin;
}

void ComputerControls::Create()
{
    computerSearch_ = new ComputerSearch(&window_);
    computerSearch_->ProgressChanged = [this](int progress) { progress_->setValue(progress); };
    computerSearch_->Finished = [this](const ComputerAI::SearchResult& result) {
        ComputerSearch_Finished(result);
    };

    progress_ = new QProgressBar(&window_);
    progress_->setObjectName(QStringLiteral("SearchProgress"));
    progress_->setRange(0, ComputerAI::ProgressSpan);
    progress_->setTextVisible(false);
    progress_->hide();

    cancel_ = new Support::SkinnedButton(window_, QStringLiteral("CancelSearch"),
                                         PxRect(CancelSearchTwips.x(), CancelSearchTwips.y(),
                                                CancelSearchTwips.width(), CancelSearchTwips.height()),
                                         CancelCaption, CancelCaption);
    // Unlike a dialog's buttons, it sinks under any mouse button.
    cancel_->PressButtons = Qt::AllButtons;
    QObject::connect(cancel_, &Support::SkinnedButton::Clicked, &window_,
                     [this] { CancelSearchFace_Click(); });
    // Laid out where the plain layout's shift puts them in place.
    progress_->setGeometry(PxRect(PlayerCommentTwips));
    CancelPlain()->setGeometry(PxRect(CancelSearchPlainTwinTwips));
}

void ComputerControls::MakeComputerMove()
{
    if (Thinking())
        return;
    const ComputerTurn turn = game_.BeginComputerMove();
    if (!turn.search) {
        window_.DisplayBoardState();
        return;
    }
    window_.View().PlayerComment()->clear();
    window_.View().PlayerComment()->hide();
    window_.DisplayBoardState();
    ShowThinking(true);
    const Support::Settings& settings = Support::ProgramSettings();
    opponent_.TakeSettings(settings.SearchDepth, settings.Heuristics);
    computerSearch_->Start(*engine_, turn, MoveValidation::OtherColour(game_.Info().playerColour));
}

void ComputerControls::ReportStopped()
{
    // A search stopped with the window gives no answer here.
    if (thinkingReported_)
        port_.ComputerThinking(false);
}

void ComputerControls::StopComputerSearch()
{
    if (!Thinking())
        return;
    computerSearch_->Cancel();
    computerSearch_->WaitForFinished();
}

void ComputerControls::CancelSearchFace_Click()
{
    if (Thinking())
        computerSearch_->Cancel();
}

// The thinking state's controls: the label and progress bar over the
// comment box, Cancel below the move list, the move list and its menu
// closed to the player.
void ComputerControls::ShowThinking(bool thinking)
{
    BoardPanel& view = window_.View();
    view.MoveList()->setEnabled(!thinking);
    window_.Menus().mnuHistoryMenu.setEnabled(!thinking);
    window_.MenuBar().EnableTitles(!thinking);
    if (thinking) {
        view.CommentLabel()->setText(QStringLiteral("Thinking..."));
        view.CommentLabel()->show();
        progress_->setGeometry(view.PlayerComment()->geometry());
        progress_->setValue(0);
        progress_->setEnabled(true);
        progress_->show();
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        progress_->setEnabled(false);
        progress_->hide();
        view.CommentLabel()->hide();
        view.CommentLabel()->setText(QStringLiteral("Your comment:"));
        QGuiApplication::restoreOverrideCursor();
    }
    if (thinking)
        cancel_->Show(window_.SimpleUI());
    else
        cancel_->Hide();
    window_.Toolbar().SetButtonEnable();
    if (thinking != thinkingReported_) {
        thinkingReported_ = thinking;
        port_.ComputerThinking(thinking);
    }
}

void ComputerControls::ComputerSearch_Finished(const ComputerAI::SearchResult& result)
{
    ShowThinking(false);
    const ComputerReply reply = game_.FinishComputerMove(result);
    ShowComputerReply(reply);
}

void ComputerControls::ShowComputerReply(const ComputerReply& reply)
{
    if (reply.outcome == ComputerReply::Cancelled) {
        window_.DisplayBoardState();
        return;
    }
    window_.View().FillMoveList();
    window_.DisplayBoardState();
    for (const BoardMessage& message : reply.messages)
        window_.ShowBoardMessage(message);
    if (reply.outcome != ComputerReply::GameOver && ComputerMoveMade)
        ComputerMoveMade();
}

} // namespace BoardSupport
