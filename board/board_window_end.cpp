// The board window's part in ending a game: the Accept and Decline buttons
// for the opponent's draw offer, surrender and the offer in place of a move,
// and the timer that shows the end notices and flashes the kings.

#include "board/game_end_controls.h"

#include "board/board_layout.h"
#include "board/board_menu_bar.h"
#include "board/board_panel.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "foundation/press_label.h"
#include "foundation/skinned_button.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace BoardSupport {

namespace {

// Side by side below the move list, above the logo: where the Cancel of a
// game against the computer stands, which never has a draw to answer.
inline constexpr QRect AcceptDrawTwips(8550, 5400, 800, 375);
inline constexpr QRect DeclineDrawTwips(9400, 5400, 800, 375);

// The notices of a tick shown as the window's own messages.
class WindowNotices : public NoticeShower {
public:
    explicit WindowNotices(std::function<void(const BoardMessage&)> show) : show_(std::move(show)) { }
    void ShowNotice(const BoardMessage& message) override { show_(message); }

private:
    std::function<void(const BoardMessage&)> show_;
};

} // namespace

GameEndControls::GameEndControls(Board& window, GameController& game) : window_(window), game_(game) { }

QPushButton* GameEndControls::AcceptDrawPlain() const
{
    return acceptDraw_->plainTwin;
}

QPushButton* GameEndControls::DeclineDrawPlain() const
{
    return declineDraw_->plainTwin;
}

void GameEndControls::Create()
{
    auto button = [this](const char* name, const char* caption, QRect twips, bool accept) {
        const QString text = QString::fromLatin1(caption);
        auto* control = new Support::SkinnedButton(
            window_, QString::fromLatin1(name),
            PxRect(twips.x(), twips.y(), twips.width(), twips.height()), text, text);
        control->Hide();
        QObject::connect(control, &Support::SkinnedButton::Clicked, &window_,
                         [this, accept] { DecideDraw(accept); });
        return control;
    };
    acceptDraw_ = button("AcceptDraw", "Accept", AcceptDrawTwips, true);
    declineDraw_ = button("DeclineDraw", "Decline", DeclineDrawTwips, false);

    checkTimer_ = new QTimer(&window_);
    checkTimer_->setObjectName(QStringLiteral("CheckTimer"));
    QObject::connect(checkTimer_, &QTimer::timeout, &window_, [this] { CheckTimer_Timer(); });
}

void GameEndControls::StartCheckTimer()
{
    checkTimer_->start(TickInterval);
}

void GameEndControls::ShowDrawButtons()
{
    for (Support::SkinnedButton* answer : {acceptDraw_, declineDraw_}) {
        if (game_.Status().drawAnswerPending)
            answer->Show(window_.SimpleUI());
        else
            answer->Hide();
    }
    ShowLogo();
}

void GameEndControls::ShowLogo()
{
    // Set-up mode's trash stands in the logo's place.
    const bool draw = game_.Display().DrawLogoShown();
    window_.MenuBar().DrawLogo()->setVisible(draw);
    window_.MenuBar().Logo()->setVisible(!draw && !game_.Setup().Active());
}

void GameEndControls::SurrenderGame()
{
    window_.View().SetListBusy(true);
    game_.SurrenderGame(window_.View().PlayerComment()->text().toStdString());
    window_.View().FillMoveList();
    window_.DisplayBoardState();
    window_.View().SetListBusy(false);
}

void GameEndControls::OfferDraw()
{
    window_.View().SetListBusy(true);
    game_.OfferDraw(window_.View().PlayerComment()->text().toStdString());
    window_.View().FillMoveList();
    window_.DisplayBoardState();
    window_.View().SetListBusy(false);
}

void GameEndControls::DecideDraw(bool accept)
{
    window_.View().SetListBusy(true);
    game_.DecideDraw(accept, window_.View().PlayerComment()->text().toStdString());
    ShowDrawButtons();
    window_.View().FillMoveList();
    window_.DisplayBoardState();
    window_.View().SetListBusy(false);
}

void GameEndControls::CheckTimer_Timer()
{
    WindowNotices notices([this](const BoardMessage& message) { window_.ShowBoardMessage(message); });
    const TickResult tick = game_.Tick(window_.isVisible(), notices);
    if (tick.close) {
        checkTimer_->stop();
        window_.close();
        return;
    }
    if (checkTimer_->interval() != tick.interval)
        checkTimer_->setInterval(tick.interval);
    window_.View().Squares()->update();
}

} // namespace BoardSupport
