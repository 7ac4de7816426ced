// The board's timer: the deferred close, the once-only notices, the flash
// of a king in check or resigned, and the short blinks after a refused or
// stalemating move, each tick in this order.

#include "game/board_timer.h"
#include "game/game_controller.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int NoticeCue = 6;
constexpr int SelfCheckBlinkTicks = 10;
constexpr int StalemateBlinkTicks = 15;
constexpr std::string_view StandardStart =
    "0102030405030201;0606060606060606;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;1212121212121212;0708091011090807";

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

TickResult GameController::Tick(bool visible, NoticeShower& shower)
{
    const TimerState& state = timer_.State();
    if (state.messageOpen)
        return TickResult{false, state.interval};
    if (state.quitRequest)
        return TickResult{true, state.interval};
    if (computer_.Thinking())
        return TickResult{false, state.interval};

    if (visible && timer_.TakeSetupNotice()) {
        if (history_.Entries() == 1 && info_.initialBoardState != StandardStart
            && info_.playerColour == Black)
            timer_.Show(shower,
                        BoardMessage{1, "Setup game", "This game was started with a custom board setup.",
                                     NoticeCue});
    }

    const Position& position = history_.Current();
    const int checkedSide = position.checkedSide;
    if (status_.surrendered)
        timer_.FlashKing(position, history_.Entries() % 2 == 0 ? BlackKing : WhiteKing);
    else if (checkedSide >= 0)
        timer_.FlashKing(position, checkedSide == White ? WhiteKing : BlackKing);
    else if (state.kingMarkShown)
        timer_.EndFlash();

    const int ownKing = info_.playerColour == White ? WhiteKing : BlackKing;
    timer_.BlinkStep(position, ownKing, ownKing == WhiteKing ? BlackKing : WhiteKing);

    if (visible) {
        if (timer_.TakeMateNotice()) {
            if (const std::optional<BoardMessage> mate = MateMessage(*this))
                timer_.Show(shower, *mate);
        }
        if (timer_.TakeDrawNotice()) {
            if (const std::optional<BoardMessage> draw = DrawMessage(*this))
                timer_.Show(shower, *draw);
        }
        if (timer_.TakeDrawOfferNotice())
            timer_.Show(
                shower,
                BoardMessage{1, "Offer of a draw",
                             "Your opponent has offered a draw.  Please either accept or decline with "
                             "the buttons to the right, below the list of moves.",
                             NoticeCue});
    }
    return TickResult{false, state.interval};
}

} // namespace BoardSupport
