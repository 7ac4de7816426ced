// A received game is stored only when it can be answered: what passes the
// checks is what the database keeps, and the receiver's reply passes the
// same checks at the sender's end. Nothing else in the database changes.

#include "store/arrival_merge.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_payload.h"
#include "store/payload_validation.h"
#include "store/text_values.h"
#include "store_test_support.h"

using namespace MailSupport;
using namespace StoreTest;

namespace {

// White's first move of a game this player has not seen yet; the receiver
// plays Black.
const std::string kArrival =
    "0|5|010120250900|Received|01/01/2025|Zed|Me|False|;;;;;;;|1|5254|e4|Your move";

std::string Repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

class Receiver {
public:
    Receiver() { WriteBytes(folder / "Mdgdb.dat", fixture); }

    // Reads, stores and answers the payload as the receiver's program
    // does; false when any of it fails. The stored game goes to `stored`.
    bool ReceiveAndAnswer(const std::string& payload, GameRecord& stored, MoveList& moves)
    {
        const auto game = ReadMovePayload(payload);
        if (!game)
            return false;
        const ArrivalOutcome merged = MergeArrivingGame(data, *game, std::nullopt);
        if (!merged.stored)
            return false;
        const std::int32_t id = merged.gameID;
        const Database::FoundGame found = Database::FindGame(data, id);
        if (!found.ok || found.count != 1)
            return false;
        stored = *found.game;
        stored.GAME_STATUS = StatusAwaitingOpponent;
        const MoveRecord reply{game->moves.back().number + 1, "5755", "e5", "An answer"};
        std::string text;
        GameRecord sent;
        return Database::SaveGame(data, stored, {reply}) && ComposeMoveText(data, id, sent, moves, text);
    }

    // The lines that were there before the game arrived, byte for byte.
    bool OthersUnchanged() const
    {
        return ReadBytes(folder / "Mdgdb.dat").substr(0, fixture.size()) == fixture;
    }

    TempFolder folder;
    const std::string fixture = Fixture("three_games.dat");
    const Database::DataFolder data{folder.Path()};
};

} // namespace

TEST(ReceivedGame, WhatPassesIsStoredAsCheckedAndCanBeAnswered)
{
    struct Row {
        const char* what;
        std::size_t field;
        std::string sent;
        std::string stored; // the field as the database keeps it
    };
    const std::string cyrillic28 = Repeat("\xD0\x96", 28);
    const std::string accents150 = Repeat("\xC3\xA9", 150);
    const Row rows[] = {
        {"a title of 28 Cyrillic letters", 4, cyrillic28, cyrillic28},
        {"a comment of 150 \xC3\xA9", 13, accents150, accents150},
        {"a date behind a tab", 5, "\t01/03/2024", "01/03/2024"},
        {"a title of 50 with a control character", 4, std::string(50, 't') + "\x07",
         std::string(50, 't')},
        {"a start position set up with a king each", 9,
         "0000000005000000;0000000006000000;0000000000000000;0000000000000000;"
         "0000000000000000;0000000000000000;0000000012000000;0000000011000000",
         "0000000005000000;0000000006000000;0000000000000000;0000000000000000;"
         "0000000000000000;0000000000000000;0000000012000000;0000000011000000"},
    };
    for (const auto& row : rows) {
        Receiver bob;
        GameRecord game;
        MoveList moves;
        ASSERT_TRUE(bob.ReceiveAndAnswer(PayloadWith(kArrival, row.field, row.sent), game, moves))
            << row.what;
        const std::string stored = row.field == 4   ? game.GAME_NAME
                                   : row.field == 5 ? game.GAME_DATE
                                   : row.field == 9 ? game.startPosition
                                                    : moves.at(0).comment;
        EXPECT_EQ(stored, row.stored) << row.what;
        ASSERT_EQ(moves.size(), 2u) << row.what;
        EXPECT_EQ(moves[1].comment, "An answer") << row.what;
        EXPECT_TRUE(bob.OthersUnchanged()) << row.what;
    }
}

TEST(ReceivedGame, RefusedArrivalsLeaveTheDatabaseAlone)
{
    const std::vector<std::pair<std::string, int>> refused = {
        {PayloadWith(kArrival, 5, "\t1/03/2024"), 6},
        {PayloadWith(kArrival, 4, Repeat("\xD0\x96", 51)), 5},
        {PayloadWith(kArrival, 9,
                     "0500000005000000;0000000000000000;0000000000000000;0000000000000000;"
                     "0000000000000000;0000000000000000;0000000000000000;0000000011000000"),
         10},
    };
    for (const auto& [payload, step] : refused) {
        Receiver bob;
        RecordingSink sink;
        EXPECT_FALSE(ValidateMovePayload(payload, false, &sink)) << payload;
        ASSERT_EQ(sink.boxes.size(), 1u);
        EXPECT_EQ(sink.boxes[0].text.substr(sink.boxes[0].text.rfind(' ') + 1),
                  std::to_string(step) + ".");
        EXPECT_FALSE(ReadMovePayload(payload).has_value());
        EXPECT_EQ(ReadBytes(bob.folder / "Mdgdb.dat"), bob.fixture);
    }
}

TEST(ReceivedGame, SenderNamesAreCutToFiftyCharactersNeverInsideOne)
{
    const std::string name = Repeat("\xD0\x96", 60);
    const std::string kept = CleanSenderText(name, SenderNameLimit);
    EXPECT_EQ(kept, Repeat("\xD0\x96", 50));
    EXPECT_EQ(CleanSenderText("  Zed \t", SenderNameLimit), "Zed");

    // Stored as the opponent and as White, the name goes back in the reply.
    Receiver bob;
    const auto game = ReadMovePayload(kArrival);
    ASSERT_TRUE(game);
    const ArrivalOutcome merged =
        MergeArrivingGame(bob.data, *game, ArrivalSender{name, "zed@example.org"});
    ASSERT_TRUE(merged.stored);
    const std::int32_t id = merged.gameID;
    const Database::FoundGame found = Database::FindGame(bob.data, id);
    ASSERT_TRUE(found.ok && found.game);
    EXPECT_EQ(found.game->GAME_WHITE_NAME, kept);
    GameRecord record;
    MoveList moves;
    std::string text;
    EXPECT_TRUE(ComposeMoveText(bob.data, id, record, moves, text));
}

TEST(ReceivedGame, LargestAcceptedPayloadIsReadAndStoredWhole)
{
    // 9 + 4n fields may not pass 32767: 8,189 moves is the most a game
    // carries. The knights go out and back, so that every entry replays.
    std::string payload = "0|5|010120250900|Long|01/01/2025|Zed|Me|False|;;;;;;;";
    const char* shuffle[][2] = {{"7163", "Nf3"}, {"7866", "Nf6"}, {"6371", "Ng1"}, {"6678", "Ng8"}};
    for (int m = 1; m <= 8189; ++m)
        payload += "|" + std::to_string(m) + "|" + shuffle[(m - 1) % 4][0] + "|"
                   + shuffle[(m - 1) % 4][1] + "|";
    const auto game = ReadMovePayload(payload);
    ASSERT_TRUE(game);
    ASSERT_EQ(game->moves.size(), 8189u);
    EXPECT_EQ(game->moves.back().number, 8189);

    // Half the entries are the receiver's own side's: stored as the user
    // accepted them.
    Receiver bob;
    EXPECT_FALSE(MergeArrivingGame(bob.data, *game, std::nullopt).stored);
    const ArrivalOutcome merged = MergeArrivingGame(bob.data, *game, std::nullopt, {false, true});
    ASSERT_TRUE(merged.stored);
    EXPECT_EQ(merged.playersMoves.size(), 8189u / 2);
    const std::int32_t id = merged.gameID;
    MoveList stored;
    ASSERT_TRUE(Database::LoadGameMoves(bob.data, stored, id));
    EXPECT_EQ(stored.size(), 8189u);
    EXPECT_TRUE(bob.OthersUnchanged());

    EXPECT_EQ(CheckMovePayload(payload + "|8190|7163|Nf3|").failedStep, 11);
}
