// One tick of the board's timer as the controller answers it: the part's
// flashes and blinks, then the once-only notices the game calls for.
#include "game/game_controller.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr Support::SoundCue NoticeCue = Support::SoundCue::Information;
constexpr std::string_view StandardStart =
    "0102030405030201;0606060606060606;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;1212121212121212;0708091011090807";

} // namespace

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
                        BoardMessage{Support::MsgIcon::Information, "Setup game",
                                     "This game was started with a custom board setup.", NoticeCue});
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
                BoardMessage{Support::MsgIcon::Information, "Offer of a draw",
                             "Your opponent has offered a draw.  Please either accept or decline with "
                             "the buttons to the right, below the list of moves.",
                             NoticeCue});
    }
    return TickResult{false, state.interval};
}

} // namespace BoardSupport
