// The board's timer: the deferred close, the once-only notices, the flash
// of a king in check or resigned, and the short blinks after a refused or
// stalemating move, each tick in this order.

#include "game/board_timer.h"
#include "rules/check.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int SelfCheckBlinkTicks = 10;
constexpr int StalemateBlinkTicks = 15;

void SetHidden(std::vector<Square>& hidden, Square square, bool hide)
{
    const auto at = std::find(hidden.begin(), hidden.end(), square);
    if (hide && at == hidden.end())
        hidden.push_back(square);
    else if (!hide && at != hidden.end())
        hidden.erase(at);
}

Square KingSquare(const Position& position, int king)
{
    Square square;
    FindPiece(position.squares, static_cast<PieceCode>(king), square);
    return square;
}

} // namespace

bool BoardTimer::Hides(Square square) const
{
    return std::find(state_.hidden.begin(), state_.hidden.end(), square) != state_.hidden.end();
}

void BoardTimer::ResetNotices()
{
    state_ = TimerState{};
    mateNoticeShown_ = false;
    drawNoticeShown_ = false;
}

// The message is marked shown by the caller before it opens; while it is
// open the ticks that arrive do nothing.
void BoardTimer::Show(NoticeShower& shower, const BoardMessage& message)
{
    state_.messageOpen = true;
    shower.ShowNotice(message);
    state_.messageOpen = false;
}

void BoardTimer::FlashKing(const Position& position, int king)
{
    const Square square = KingSquare(position, king);
    SetHidden(state_.hidden, square, state_.kingFlashPhase);
    state_.interval = state_.kingFlashPhase ? TickInterval : KingShownInterval;
    state_.kingFlashPhase = !state_.kingFlashPhase;
    state_.kingMarkShown = true;
}

void BoardTimer::EndFlash()
{
    state_.interval = TickInterval;
    state_.hidden.clear();
    state_.kingFlashPhase = true;
    state_.kingMarkShown = false;
}

void BoardTimer::ShowKing()
{
    if (!state_.kingMarkShown || state_.kingFlashPhase)
        return;
    state_.hidden.clear();
    state_.kingFlashPhase = true;
    state_.interval = KingShownInterval;
}

void BoardTimer::BlinkSelfCheck()
{
    selfCheckBlinks_ = SelfCheckBlinkTicks;
}

void BoardTimer::BlinkStalemate()
{
    stalemateBlinks_ = StalemateBlinkTicks;
}

void BoardTimer::Blink(int& counter, const Position& position, int king)
{
    state_.interval = BlinkInterval;
    SetHidden(state_.hidden, KingSquare(position, king), counter % 2 == 0);
    if (counter-- == 1)
        state_.interval = TickInterval;
}

void BoardTimer::BlinkStep(const Position& position, int ownKing, int otherKing)
{
    if (selfCheckBlinks_ > 0)
        Blink(selfCheckBlinks_, position, ownKing);
    if (stalemateBlinks_ > 0)
        Blink(stalemateBlinks_, position, otherKing);
}

} // namespace BoardSupport
