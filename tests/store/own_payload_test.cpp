// Which arriving payloads a copy wrote itself: only a stored game with the
// sender's id, the same datestamp, the other side's host flag and the title.
#include "store/own_payload.h"

#include <gtest/gtest.h>

namespace {

GameRecord Stored(std::int32_t id, const char* datestamp, bool host, const char* name = "Spring|match")
{
    GameRecord record;
    record.GAME_NAME = name;
    record.GAME_ID = id;
    record.GAME_DATESTAMP = datestamp;
    record.GAME_HOST = host;
    return record;
}

TEST(OwnPayloadTest, OnlyTheWritersOwnGameClaimsThePayload)
{
    // Written by a host's game 1 of 10 Jan 2026 08:30: the receiver is no host.
    MailSupport::ReceivedGame game;
    game.receiversGameId = 4;
    game.sendersGameId = 1;
    game.datestamp = "100120260830";
    game.receiverIsHost = false;
    game.name = "Spring match"; // a "|" travels as a blank
    struct Case {
        const char* name;
        std::vector<GameRecord> stored;
        bool own;
    };
    const Case cases[] = {
        {"the writer's game", {Stored(3, "100120260830", true), Stored(1, "100120260830", true)}, true},
        {"no games", {}, false},
        // Both players' first game carries number 1: the receiver's copy of
        // this very game is not the writer's.
        {"the receiver's copy under the same number", {Stored(1, "100120260830", false)}, false},
        {"another game under that number", {Stored(1, "110120260830", true)}, false},
        {"the same datestamp under another number", {Stored(2, "100120260830", true)}, false},
        // The receiver began a game of his own in the same minute, under
        // the writer's number.
        {"another title", {Stored(1, "100120260830", true, "Return match")}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MailSupport::IsOwnPayload(game, c.stored), c.own);
    }
    // The receiver who is the host: the writer's game is no host.
    game.receiverIsHost = true;
    EXPECT_TRUE(MailSupport::IsOwnPayload(game, {Stored(1, "100120260830", false)}));
    EXPECT_FALSE(MailSupport::IsOwnPayload(game, {Stored(1, "100120260830", true)}));
}

} // namespace
