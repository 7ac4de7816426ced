#include "game/closing_steps.h"

#include <gtest/gtest.h>

namespace {

using namespace BoardSupport;

struct ClosingCase {
    const char* name;
    ClosingFacts facts;
    // Asked when its turn comes: moves pending then.
    bool movesPending;
    // What is done, in order.
    bool writeGameStatus;
    bool markSkinRefresh;
    bool returnToGameList;
    bool leaveGameList;
    bool resumePollingAndTray;
    bool announceNewMoves;
};

const ClosingCase Cases[] = {
    // name, {quitting, returnToGameList, skinReapplied}, movesPending,
    // status, skin mark, return, leave, polling + tray, announce
    {"program quitting", {true, true, true}, true, false, false, false, false, false, false},
    {"program quitting, tray", {true, false, false}, false, false, false, false, false, false, false},
    {"back to the list", {false, true, false}, false, true, false, true, false, true, false},
    {"back to the list after a new skin",
     {false, true, true},
     false,
     true,
     true,
     true,
     false,
     true,
     false},
    {"back to the list, moves waiting",
     {false, true, false},
     true,
     true,
     false,
     true,
     false,
     true,
     true},
    {"to the tray", {false, false, false}, false, true, false, false, true, true, false},
    {"to the tray after a new skin: no mark",
     {false, false, true},
     false,
     true,
     false,
     false,
     true,
     true,
     false},
    {"to the tray, moves waiting: the list stays",
     {false, false, false},
     true,
     true,
     false,
     false,
     false,
     true,
     true},
};

TEST(ClosingSteps, FollowTheFacts)
{
    for (const ClosingCase& c : Cases) {
        const ClosingSteps steps = PlanClosing(c.facts);
        EXPECT_EQ(steps.writeGameStatus, c.writeGameStatus) << c.name;
        EXPECT_EQ(steps.markSkinRefresh, c.markSkinRefresh) << c.name;
        EXPECT_EQ(steps.returnToGameList, c.returnToGameList) << c.name;
        EXPECT_EQ(LeaveGameList(steps, c.movesPending), c.leaveGameList) << c.name;
        EXPECT_EQ(steps.resumePolling, c.resumePollingAndTray) << c.name;
        EXPECT_EQ(steps.updateTrayState, c.resumePollingAndTray) << c.name;
        EXPECT_EQ(AnnounceNewMoves(steps, c.movesPending), c.announceNewMoves) << c.name;
    }
}

} // namespace
