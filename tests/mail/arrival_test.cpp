// Received games against a stored one: only the game's opponent changes it,
// and only forwards. For each arrival: what is stored, what the user is
// told, and what stays in the inbox.
#include "store/move_files.h"
#include "store/move_payload.h"
#include "tests/mail/fake_mail_service.h"
#include "tests/mail/transport_harness.h"

#include <gtest/gtest.h>

#include <fstream>

namespace MailTesting {
namespace {

constexpr const char* AliceAddress = "alice@marrowdale.test";
constexpr const char* BobAddress = "bob@marrowdale.test";
constexpr const char* EveAddress = "eve@elsewhere.test";
constexpr const char* Datestamp = "100120260830";
constexpr const char* SetUpStart = // White: Ke1, Ra1; Black: Ke8
    "0100000005000000;0000000000000000;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;0000000000000000;0000000011000000";

// Answers every question with `answer` and records what it was shown.
class AnsweringSink : public RecordingSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override
    {
        calls.push_back(call);
        return call.cancelCaption.empty() || answer;
    }
    bool answer = false;
};

const MoveList Stored = {Move(1, "5254", "e4", "Alice's opening"), Move(2, "5755", "e5"),
                         Move(3, "7163", "Nf3")};

MoveList With(MoveList moves, const MoveRecord& next)
{
    moves.push_back(next);
    return moves;
}

// The game as the other side holds it; Bob's id for it is 1 too.
GameRecord SendersRecord(bool senderHosts, const std::string& datestamp = Datestamp,
                         const std::string& start = "")
{
    GameRecord record;
    record.GAME_ID = 1;
    record.GAME_OPPONENTS_ID = 1;
    record.GAME_DATESTAMP = datestamp;
    record.GAME_NAME = "Friendly 1";
    record.GAME_DATE = "10/01/2026";
    record.GAME_WHITE_NAME = "Alice Amber";
    record.GAME_BLACK_NAME = "Bob Birch";
    record.GAME_HOST = senderHosts;
    record.startPosition = start;
    return record;
}

std::string Text(const GameRecord& sender, const MoveList& moves)
{
    return MailSupport::MoveMailText(sender, moves);
}

TEST(ArrivalRules, ReceivedGamesAgainstAStoredOne)
{
    struct Case {
        const char* name;
        const char* fromAddress;
        std::string body;
        bool answer;             // to the new-address question
        std::size_t storedMoves; // of game 1 afterwards
        std::string caption;     // of the one message, "" for none
        std::string textHas;     // a piece of its text
        bool keptInInbox;
        std::string opponentAddress; // of game 1 afterwards
        std::size_t games;           // in the database afterwards
    };
    const GameRecord bob = SendersRecord(false);
    const MoveList next = With(Stored, Move(4, "2836", "Nc6", "Bob's reply"));
    MoveList changed = next;
    changed[1] = Move(2, "5756", "e6");
    MoveList plainComment = next;
    plainComment[0].comment = "a different comment";
    const GameRecord alicesOwn = SendersRecord(true);
    GameRecord claimsComputerGame = SendersRecord(false, "090120260800");
    claimsComputerGame.GAME_OPPONENTS_ID = 2;
    const Case cases[] = {
        {"the honest next move", BobAddress, Text(bob, plainComment), false, 4, "", "", false, BobAddress, 2},
        {"a resend of the same game", BobAddress, Text(bob, Stored), false, 3, "", "", false, BobAddress, 2},
        {"a stale shorter copy", BobAddress, Text(bob, {Stored[0]}), false, 3, "", "", false, BobAddress, 2},
        // Left for a second copy that shares this inbox.
        {"our own outgoing payload", AliceAddress, Text(alicesOwn, Stored), false, 3, "", "", true,
         BobAddress, 2},
        {"a changed earlier entry", BobAddress, Text(bob, changed), false, 3, "Move not accepted",
         "entry 2 (\"e6\") differs from the stored game's", true, BobAddress, 2},
        {"a changed start position", BobAddress, Text(SendersRecord(false, Datestamp, SetUpStart), next), false,
         3, "Move not accepted", "start position differs", true, BobAddress, 2},
        {"an illegal new move", BobAddress, Text(bob, With(Stored, Move(4, "2855", "Ne5"))), false, 3,
         "Move not accepted", "entry 4 (\"Ne5\") is refused: it is not a legal move", true, BobAddress, 2},
        {"a move from an empty square", BobAddress, Text(bob, With(Stored, Move(4, "4644", "d4"))), false,
         3, "Move not accepted", "without a piece of the side to move", true, BobAddress, 2},
        {"a decline without an offer", BobAddress, Text(bob, With(Stored, Move(4, "5858", "Decline"))),
         false, 3, "Move not accepted", "answers a draw offer that was not made", true, BobAddress, 2},
        {"a stranger's sender, No", EveAddress, Text(bob, next), false, 3, "New opponent address",
         "came from eve@elsewhere.test, but that game is played with bob@marrowdale.test", true,
         BobAddress, 2},
        {"a stranger's sender, Yes", EveAddress, Text(bob, next), true, 4, "New opponent address",
         "Accept eve@elsewhere.test as the opponent's address", false, EveAddress, 2},
        {"a sender differing only in case", "BOB@Marrowdale.Test", Text(bob, next), false, 4, "", "", false,
         BobAddress, 2},
        {"a stranger's new game", EveAddress, Text(SendersRecord(true, "110120260900"), {Stored[0]}), false,
         3, "", "", false, BobAddress, 3},
        {"a stranger's new game with an illegal entry", EveAddress,
         Text(SendersRecord(false, "110120260900"), {Move(1, "5755", "e5")}), false, 3,
         "Move not accepted", "claims a new game", true, BobAddress, 2},
        {"a set-up game opening with a special entry", BobAddress,
         Text(SendersRecord(true, "120120260900", SetUpStart), {Move(1, "5151", "Draw offer")}), false, 3, "",
         "", false, BobAddress, 3},
        {"a mail claiming a computer game", BobAddress,
         Text(claimsComputerGame, {Move(1, "5254", "e4"), Move(2, "5755", "e5")}), false,
         3, "Move not accepted", "played against the computer", true, BobAddress, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMailSystem system;
        Player alice(std::make_unique<FakeMailService>(system, AliceAddress, "Alice Amber"));
        AnsweringSink sink;
        sink.answer = c.answer;
        alice.transport.Folder.messages = &sink;
        GameRecord game = NewMailGame(1, "Bob Birch", BobAddress, Datestamp);
        game.GAME_OPPONENTS_ID = 1;
        alice.Store(game, Stored);
        GameRecord computer = NewMailGame(2, "Computer", "", "090120260800");
        computer.GAME_VS_COMPUTER = true;
        computer.GAME_OPPONENTS_ID = 2;
        alice.Store(computer, {Move(1, "5254", "e4")});

        system.Deliver(AliceAddress, "Someone", c.fromAddress, "Marrowdale : move, No comment.", c.body);
        ASSERT_TRUE(alice.mail->SignOn());
        MailSupport::RetrieveMoveMails(alice.transport, false, true);

        const MoveList moves = alice.Moves(1);
        EXPECT_EQ(moves.size(), c.storedMoves);
        EXPECT_EQ(moves.at(0).comment, "Alice's opening") << "a stored comment is kept";
        EXPECT_EQ(alice.Game(1).GAME_OPPONENTS_EMAIL, c.opponentAddress);
        EXPECT_EQ(alice.Game(1).startPosition, "");
        EXPECT_EQ(alice.Games().size(), c.games);
        if (c.caption.empty()) {
            EXPECT_TRUE(sink.calls.empty()) << sink.calls.at(0).text;
        } else {
            ASSERT_EQ(sink.calls.size(), 1u);
            EXPECT_EQ(sink.calls[0].caption, c.caption);
            EXPECT_NE(sink.calls[0].text.find(c.textHas), std::string::npos) << sink.calls[0].text;
            EXPECT_NE(sink.calls[0].text.find(c.caption == "Move not accepted" ? c.fromAddress : ""),
                      std::string::npos);
        }
        EXPECT_EQ(system.Inbox(AliceAddress).size(), c.keptInInbox ? 1u : 0u);

        // Told once per mail: neither the polling nor a manual retrieval
        // tells or asks again.
        MailSupport::RetrieveMoveMails(alice.transport, false, false);
        MailSupport::RetrieveMoveMails(alice.transport, false, true);
        EXPECT_EQ(sink.calls.size(), c.caption.empty() ? 0u : 1u);
        EXPECT_EQ(alice.Moves(1).size(), c.storedMoves);
    }
}

// Move files: the same rules, without a sender; a known game keeps the
// address it is played with.
TEST(ArrivalRules, MoveFilesFollowTheSameRules)
{
    FakeMailSystem system;
    Player alice(std::make_unique<FakeMailService>(system, AliceAddress, "Alice Amber"));
    GameRecord game = NewMailGame(1, "Bob Birch", BobAddress, Datestamp);
    game.GAME_OPPONENTS_ID = 1;
    alice.Store(game, Stored);
    const GameRecord bob = SendersRecord(false);
    auto write = [&](const char* name, const MoveList& moves) {
        std::ofstream(alice.temp.Path() / name, std::ios::binary) << Text(bob, moves);
    };
    write("Cmove1.txt", With(Stored, Move(4, "4644", "d4")));
    write("Cmove2.txt", With(Stored, Move(4, "2836", "Nc6")));
    MailSupport::ImportMoveFiles(alice.transport, false, false);
    EXPECT_EQ(alice.Moves(1).size(), 4u);
    EXPECT_EQ(alice.Game(1).GAME_OPPONENTS_EMAIL, BobAddress);
    ASSERT_EQ(alice.sink.calls.size(), 1u);
    EXPECT_EQ(alice.sink.calls[0].caption, "Move not accepted");
    EXPECT_NE(alice.sink.calls[0].text.find("Cmove1.txt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(alice.temp.Path() / "Cmove1.txt"));
    EXPECT_FALSE(std::filesystem::exists(alice.temp.Path() / "Cmove2.txt"));
    MailSupport::ImportMoveFiles(alice.transport, false, false);
    EXPECT_EQ(alice.sink.calls.size(), 1u) << "told once";
}

} // namespace
} // namespace MailTesting
