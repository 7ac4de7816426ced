// The board window's part in ending a game: the Accept and Decline buttons
// for the opponent's draw offer, surrender and the offer in place of a move,
// and the timer that shows the end notices and flashes the kings.

#include "board/board_layout.h"
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

void Board::CreateEndControls()
{
    auto button = [this](const char* name, const char* caption, QRect twips, bool accept) {
        const QString text = QString::fromLatin1(caption);
        auto* control = new Support::SkinnedButton(
            *this, QString::fromLatin1(name),
            PxRect(twips.x(), twips.y(), twips.width(), twips.height()), text, text);
        control->Hide();
        connect(control, &Support::SkinnedButton::Clicked, this, [this, accept] { DecideDraw(accept); });
        return control;
    };
    AcceptDraw = button("AcceptDraw", "Accept", AcceptDrawTwips, true);
    DeclineDraw = button("DeclineDraw", "Decline", DeclineDrawTwips, false);
    AcceptDrawS = AcceptDraw->plainTwin;
    DeclineDrawS = DeclineDraw->plainTwin;

    CheckTimer = new QTimer(this);
    CheckTimer->setObjectName(QStringLiteral("CheckTimer"));
    connect(CheckTimer, &QTimer::timeout, this, [this] { CheckTimer_Timer(); });
}

void Board::StartCheckTimer()
{
    CheckTimer->start(TickInterval);
}

void Board::ShowDrawButtons()
{
    for (Support::SkinnedButton* answer : {AcceptDraw, DeclineDraw}) {
        if (game_.Status().drawAnswerPending)
            answer->Show(simpleUI_);
        else
            answer->Hide();
    }
    if (game_.Status().drawAnswerPending) {
        MDLogo->hide();
        DrawLogo->show();
    }
}

void Board::SurrenderGame()
{
    moveListBusy_ = true;
    game_.SurrenderGame(PlayerComment->text().toStdString());
    FillMoveList();
    DisplayBoardState();
    moveListBusy_ = false;
}

void Board::OfferDraw()
{
    moveListBusy_ = true;
    game_.OfferDraw(PlayerComment->text().toStdString());
    FillMoveList();
    DisplayBoardState();
    moveListBusy_ = false;
}

void Board::DecideDraw(bool accept)
{
    moveListBusy_ = true;
    game_.DecideDraw(accept, PlayerComment->text().toStdString());
    ShowDrawButtons();
    FillMoveList();
    DisplayBoardState();
    moveListBusy_ = false;
}

void Board::CheckTimer_Timer()
{
    WindowNotices notices([this](const BoardMessage& message) { ShowBoardMessage(message); });
    const TickResult tick = game_.Tick(isVisible(), notices);
    if (tick.close) {
        CheckTimer->stop();
        close();
        return;
    }
    if (CheckTimer->interval() != tick.interval)
        CheckTimer->setInterval(tick.interval);
    CBoard->update();
}

} // namespace BoardSupport
