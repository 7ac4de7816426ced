// The board's timer: the deferred close, the once-only notices, the flash
// of a king in check or resigned, and the short blinks after a refused or
// stalemating move, each tick in this order.

#include "board/game_controller.h"

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int NoticeCue = 6;
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

// The message is marked shown by the caller before it opens; while it is
// open the ticks that arrive do nothing.
void Show(TimerState& timer, NoticeShower& shower, const BoardMessage& message)
{
    timer.messageOpen = true;
    shower.ShowNotice(message);
    timer.messageOpen = false;
}

} // namespace

void GameController::ResetNotices()
{
    timer_ = TimerState{};
    mateNoticeShown_ = false;
    drawNoticeShown_ = false;
}

void GameController::FlashKing(int king)
{
    const Square square = KingSquare(position_, king);
    SetHidden(timer_.hidden, square, timer_.kingFlashPhase);
    timer_.interval = timer_.kingFlashPhase ? TickInterval : KingShownInterval;
    timer_.kingFlashPhase = !timer_.kingFlashPhase;
    timer_.kingMarkShown = true;
}

void GameController::EndFlash()
{
    timer_.interval = TickInterval;
    timer_.hidden.clear();
    timer_.kingFlashPhase = true;
    timer_.kingMarkShown = false;
}

void GameController::ShowKing()
{
    if (!timer_.kingMarkShown || timer_.kingFlashPhase)
        return;
    timer_.hidden.clear();
    timer_.kingFlashPhase = true;
    timer_.interval = KingShownInterval;
}

void GameController::Blink(int& counter, int king)
{
    timer_.interval = BlinkInterval;
    SetHidden(timer_.hidden, KingSquare(position_, king), counter % 2 == 0);
    if (counter-- == 1)
        timer_.interval = TickInterval;
}

TickResult GameController::Tick(bool visible, NoticeShower& shower)
{
    if (timer_.messageOpen)
        return TickResult{false, timer_.interval};
    if (timer_.quitRequest)
        return TickResult{true, timer_.interval};
    if (computerThinking_)
        return TickResult{false, timer_.interval};

    if (visible && !timer_.setupNoticeShown) {
        timer_.setupNoticeShown = true;
        if (Entries() == 1 && initialBoardState_ != StandardStart && playerColour_ == Black)
            Show(timer_, shower,
                 BoardMessage{1, "Setup game", "This game was started with a custom board setup.",
                              NoticeCue});
    }

    const int checkedSide = position_.checkedSide;
    if (surrendered_)
        FlashKing(Entries() % 2 == 0 ? BlackKing : WhiteKing);
    else if (checkedSide >= 0)
        FlashKing(checkedSide == White ? WhiteKing : BlackKing);
    else if (timer_.kingMarkShown)
        EndFlash();

    const int ownKing = playerColour_ == White ? WhiteKing : BlackKing;
    if (selfCheckBlinks_ > 0)
        Blink(selfCheckBlinks_, ownKing);
    if (stalemateBlinks_ > 0)
        Blink(stalemateBlinks_, ownKing == WhiteKing ? BlackKing : WhiteKing);

    if (visible) {
        if (!mateNoticeShown_) {
            mateNoticeShown_ = true;
            if (const std::optional<BoardMessage> mate = MateMessage())
                Show(timer_, shower, *mate);
        }
        if (!drawNoticeShown_) {
            drawNoticeShown_ = true;
            if (const std::optional<BoardMessage> draw = DrawMessage())
                Show(timer_, shower, *draw);
        }
        if (drawOfferNoticePending_) {
            drawOfferNoticePending_ = false;
            Show(timer_, shower,
                 BoardMessage{
                     1, "Offer of a draw",
                     "Your opponent has offered a draw.  Please either accept or decline with the "
                     "buttons to the right, below the list of moves.",
                     NoticeCue});
        }
    }
    return TickResult{false, timer_.interval};
}

} // namespace BoardSupport
