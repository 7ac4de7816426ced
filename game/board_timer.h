#pragma once
// What the board's timer keeps between ticks and what a tick answers. The
// window's timer calls the controller's Tick; a test calls it with a clock
// of its own, adding up the intervals the ticks answer.

#include "game/board_message.h"
#include "rules/move.h"
#include "rules/position.h"

#include <utility>
#include <vector>

namespace BoardSupport {

inline constexpr int TickInterval = 250;      // ms, the timer's usual pace
inline constexpr int KingShownInterval = 650; // ms a flashing king is seen
inline constexpr int BlinkInterval = 100;     // ms per step of a short blink

struct TimerState {
    bool messageOpen = false; // a message box is open: ticks do nothing
    bool quitRequest = false; // the window closes on the next tick
    bool setupNoticeShown = false;
    bool kingFlashPhase = true; // the next flash step hides the king
    bool kingMarkShown = false; // a king is flashing
    int interval = TickInterval;
    std::vector<Square> hidden; // squares showing their empty picture
};

struct TickResult {
    bool close = false;          // unload the window, nothing else
    int interval = TickInterval; // the timer's next interval
};

// Shows a notice modally and returns when it is closed. The timer keeps
// firing while it is open.
class NoticeShower {
public:
    virtual ~NoticeShower() = default;
    virtual void ShowNotice(const BoardMessage& message) = 0;
};

// What the timer shows on the board between ticks: the flashing king, the
// short blinks of a king after a refused or stalemating move, and which of
// the once-only notices are still due.
class BoardTimer {
public:
    const TimerState& State() const { return state_; }
    bool Hides(Square square) const;
    void SetMessageOpen(bool open) { state_.messageOpen = open; }
    void RequestQuit() { state_.quitRequest = true; }
    // The window has not been shown since it opened the game: the once-only
    // notices are due again.
    void ResetNotices();
    // Shows a notice with the ticks at rest while it is open.
    void Show(NoticeShower& shower, const BoardMessage& message);

    // The king (a piece code) on the board flashes: hidden, then shown for
    // longer.
    void FlashKing(const Position& position, int king);
    void EndFlash();
    // A flashing king hidden at this moment is shown, and stays shown for
    // the flash's longer half.
    void ShowKing();

    int SelfCheckBlinks() const { return selfCheckBlinks_; }
    int StalemateBlinks() const { return stalemateBlinks_; }
    void BlinkSelfCheck();
    void BlinkStalemate();
    void StopSelfCheckBlink() { selfCheckBlinks_ = 0; }
    void StopBlinks() { selfCheckBlinks_ = stalemateBlinks_ = 0; }
    // One step of each running blink: the player's own king after a move
    // into check, the other one after a stalemating move.
    void BlinkStep(const Position& position, int ownKing, int otherKing);

    bool MateNoticeShown() const { return mateNoticeShown_; }
    // The end-of-game notices are told (once more) on the next tick.
    void MateNoticeDue() { mateNoticeShown_ = false; }
    // True once for each notice that is due: it is marked shown before it opens.
    bool TakeMateNotice() { return !std::exchange(mateNoticeShown_, true); }
    bool TakeDrawNotice() { return !std::exchange(drawNoticeShown_, true); }
    bool TakeSetupNotice() { return !std::exchange(state_.setupNoticeShown, true); }
    // The opponent's draw offer is told on the next tick the window is seen.
    bool DrawOfferNoticePending() const { return drawOfferNoticePending_; }
    void DrawOfferNoticeDue() { drawOfferNoticePending_ = true; }
    bool TakeDrawOfferNotice() { return std::exchange(drawOfferNoticePending_, false); }
    void ClearDrawOfferNotice() { drawOfferNoticePending_ = false; }

private:
    void Blink(int& counter, const Position& position, int king);

    TimerState state_;
    int selfCheckBlinks_ = 0;
    int stalemateBlinks_ = 0;
    bool mateNoticeShown_ = false;
    bool drawNoticeShown_ = false;
    bool drawOfferNoticePending_ = false;
};

} // namespace BoardSupport
