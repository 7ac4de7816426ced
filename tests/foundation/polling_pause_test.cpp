// The pauses on the mail polling: each gives the timer and ModalBusy back
// as it found them, however they nest or change hands.
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

using namespace Support;

namespace {

class PollingPauseTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }

    static void Set(bool timer, bool busy)
    {
        SetCheckTimer(timer);
        Globals().ModalBusy = busy;
    }
    static void ExpectPaused()
    {
        EXPECT_FALSE(CheckTimerEnabled());
        EXPECT_TRUE(Globals().ModalBusy);
    }
    static void Expect(bool timer, bool busy)
    {
        EXPECT_EQ(CheckTimerEnabled(), timer);
        EXPECT_EQ(Globals().ModalBusy, busy);
    }
};

struct Before {
    bool timer, busy;
};
constexpr Before EveryStart[] = {{true, false}, {false, false}, {true, true}, {false, true}};

TEST_F(PollingPauseTest, AHoldGivesBackWhatItFoundOnceOnly)
{
    for (const Before b : EveryStart) {
        SCOPED_TRACE(std::to_string(b.timer) + std::to_string(b.busy));
        Set(b.timer, b.busy);
        PollingHold hold;
        EXPECT_TRUE(hold.Held());
        ExpectPaused();
        hold.Release();
        EXPECT_FALSE(hold.Held());
        Expect(b.timer, b.busy);
        // Given back once: a later pause is not undone by a second release.
        PausePolling();
        hold.Release();
        ExpectPaused();
    }
}

TEST_F(PollingPauseTest, AnInnerHoldLeavesTheOuterInForce)
{
    Set(true, false);
    {
        PollingHold outer;
        {
            PollingPause modal;
            ExpectPaused();
        }
        ExpectPaused();
        std::optional<PollingHold> inner;
        inner.emplace();
        inner.reset();
        ExpectPaused();
    }
    Expect(true, false);
}

TEST_F(PollingPauseTest, AMovedHoldIsGivenBackByItsNewHolder)
{
    Set(true, false);
    std::optional<PollingHold> holder;
    {
        PollingHold taken;
        holder.emplace(std::move(taken));
        EXPECT_FALSE(taken.Held());
    }
    // The first holder's end gave nothing back.
    ExpectPaused();
    PollingHold assigned;
    assigned = std::move(*holder);
    holder.reset();
    ExpectPaused();
    assigned.Release();
    Expect(true, false);
}

TEST_F(PollingPauseTest, AMailPassLeavesTheTimerAndEndsBusyOnlyWithoutABoard)
{
    for (const bool boardOpen : {false, true}) {
        SCOPED_TRACE(boardOpen);
        Set(true, false);
        BeginMailPass();
        Expect(true, true);
        EndMailPass(boardOpen);
        Expect(true, boardOpen);
    }
    StopPolling();
    EXPECT_FALSE(CheckTimerEnabled());
}

// An opener pauses around the opening and the board for its lifetime: the
// opener's pause ends first, and the board's end gives back what the
// opener found, whatever comes between.
TEST_F(PollingPauseTest, HoldsEndingOutOfOrderGiveBackWhatTheFirstFound)
{
    for (const Before b : EveryStart) {
        SCOPED_TRACE(std::to_string(b.timer) + std::to_string(b.busy));
        Set(b.timer, b.busy);
        std::optional<PollingHold> board;
        {
            PollingHold opening;
            board.emplace();
        }
        ExpectPaused();
        {
            PollingPause modal;
        }
        ExpectPaused();
        board.reset();
        Expect(b.timer, b.busy);
    }
}

// A board opened during a mail pass, or while the start-up's pause lasts,
// outlives it: the board's end gives back what the pass or the start-up
// would have, not the busy state it found.
TEST_F(PollingPauseTest, ABoardOpenedDuringAPassOrTheStartGivesBackTheirEnd)
{
    Set(true, false);
    BeginMailPass();
    std::optional<PollingHold> board;
    board.emplace();
    EndMailPass(true);
    ExpectPaused();
    board.reset();
    Expect(true, false);

    Set(false, false);
    PausePolling();
    board.emplace();
    EndStartupPause(true);
    ExpectPaused();
    board.reset();
    Expect(true, false);

    // The tray's Retrieve pauses and resumes around its pass; a board
    // opened from its notice then gives back the running state.
    Set(true, false);
    PausePolling();
    board.emplace();
    ResumePolling();
    Expect(true, false);
    board.reset();
    Expect(true, false);

    // Without a hold the start-up's end sets the state itself.
    for (const bool boardOpen : {false, true}) {
        Set(false, true);
        EndStartupPause(boardOpen);
        Expect(!boardOpen, boardOpen);
    }
}

// As the program ends a hold gives nothing back; one it was handing over
// to still gives back what it found.
TEST_F(PollingPauseTest, AnAbandonedHoldGivesNothingBack)
{
    Set(true, false);
    std::optional<PollingHold> later;
    {
        PollingHold first;
        later.emplace();
        first.Abandon();
        EXPECT_FALSE(first.Held());
    }
    ExpectPaused();
    later->Abandon();
    ExpectPaused();
    later.reset();
    ExpectPaused();
}

} // namespace
