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
        {"the honest next move", BobAddress, Text(bob, plainComment), false, 4, "", "", false,
         BobAddress, 2},
        {"a resend of the same game", BobAddress, Text(bob, Stored), false, 3, "", "", false, BobAddress,
         2},
        {"a stale shorter copy", BobAddress, Text(bob, {Stored[0]}), false, 3, "", "", false, BobAddress,
         2},
        // Left for a second copy that shares this inbox.
        {"our own outgoing payload", AliceAddress, Text(alicesOwn, Stored), false, 3, "", "", true,
         BobAddress, 2},
        {"a changed earlier entry", BobAddress, Text(bob, changed), false, 3, "Move not accepted",
         "entry 2 (\"e6\") differs from the stored game's", true, BobAddress, 2},
        {"a changed start position", BobAddress, Text(SendersRecord(false, Datestamp, SetUpStart), next),
         false, 3, "Move not accepted", "start position differs", true, BobAddress, 2},
        {"an illegal new move", BobAddress, Text(bob, With(Stored, Move(4, "2855", "Ne5"))), false, 3,
         "Move not accepted", "entry 4 (\"Ne5\") is refused: it is not a legal move", true, BobAddress,
         2},
        {"a move from an empty square", BobAddress, Text(bob, With(Stored, Move(4, "4644", "d4"))),
         false, 3, "Move not accepted", "without a piece of the side to move", true, BobAddress, 2},
        {"a decline without an offer", BobAddress, Text(bob, With(Stored, Move(4, "5858", "Decline"))),
         false, 3, "Move not accepted", "answers a draw offer that was not made", true, BobAddress, 2},
        {"a stranger's sender, No", EveAddress, Text(bob, next), false, 3, "New opponent address",
         "came from eve@elsewhere.test, but that game is played with bob@marrowdale.test", true,
         BobAddress, 2},
        {"a stranger's sender, Yes", EveAddress, Text(bob, next), true, 4, "New opponent address",
         "Accept eve@elsewhere.test as the opponent's address", false, EveAddress, 2},
        {"a sender differing only in case", "BOB@Marrowdale.Test", Text(bob, next), false, 4, "", "",
         false, BobAddress, 2},
        {"a stranger's new game", EveAddress, Text(SendersRecord(true, "110120260900"), {Stored[0]}),
         false, 3, "", "", false, BobAddress, 3},
        {"a stranger's new game with an illegal entry", EveAddress,
         Text(SendersRecord(false, "110120260900"), {Move(1, "5755", "e5")}), false, 3,
         "Move not accepted", "claims a new game", true, BobAddress, 2},
        {"a set-up game opening with a special entry", BobAddress,
         Text(SendersRecord(true, "120120260900", SetUpStart), {Move(1, "5151", "Draw offer")}), false,
         3, "", "", false, BobAddress, 3},
        {"a mail claiming a computer game", BobAddress,
         Text(claimsComputerGame, {Move(1, "5254", "e4"), Move(2, "5755", "e5")}), false, 3,
         "Move not accepted", "played against the computer", true, BobAddress, 2},
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

// Alice's database of tests/fixtures/three_games.dat: game 1 she plays
// White against Bob (bob@example.org), her move after 4...Nc6; game 2 she
// plays Black against Carol (carol@example.net) from a set-up position,
// Carol's move after 2...Kd8; game 3 against the computer.
constexpr const char* CarolAddress = "carol@example.net";
constexpr const char* CarolsStart =
    "0100000005000000;0000000000000000;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;0000000000000012;0000000011000000";

std::string FixtureText(const char* name)
{
    std::ifstream in(std::filesystem::path(MD_FIXTURES_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The two games as the opponents' copies hold them.
GameRecord BobsGame()
{
    GameRecord record;
    record.GAME_ID = 7;
    record.GAME_OPPONENTS_ID = 1;
    record.GAME_DATESTAMP = "150320241030";
    record.GAME_NAME = "Friendly game";
    record.GAME_DATE = "15/03/2024";
    record.GAME_WHITE_NAME = "Alice";
    record.GAME_BLACK_NAME = "Bob";
    return record;
}

GameRecord CarolsGame()
{
    GameRecord record;
    record.GAME_ID = 4;
    record.GAME_OPPONENTS_ID = 2;
    record.GAME_DATESTAMP = "010420240915";
    record.GAME_NAME = "Endgame study";
    record.GAME_DATE = "01/04/2024";
    record.GAME_WHITE_NAME = "Carol";
    record.GAME_BLACK_NAME = "Alice";
    record.GAME_HOST = true;
    record.startPosition = CarolsStart;
    return record;
}

const MoveList Game1 = {Move(1, "5254", "e4"), Move(2, "5755", "e5", "Your move"),
                        Move(3, "7163", "Nf3"), Move(4, "2836", "Nc6")};
const MoveList Game2 = {Move(1, "1117", "Ra7", "Set-up position"), Move(2, "5848", "Kd8")};

MoveList Then(MoveList moves, const MoveList& next)
{
    moves.insert(moves.end(), next.begin(), next.end());
    return moves;
}

// What an arrival may change, tried against the fixture: whose entries it
// adds, what they say, and which names it brings.
TEST(ArrivalRules, OnlyTheSendersOwnMovesAsTheyAreAndHisOwnName)
{
    struct Case {
        const char* name;
        int game;
        const char* fromName;
        const char* fromAddress;
        GameRecord sender;
        MoveList moves;
        bool answer;             // to any question
        std::string caption;     // of the one message, "" for none
        std::string textHas;     // a piece of its text
        std::size_t storedMoves; // of the game afterwards
        std::string lastNotation;
        bool kept; // the mail stays in the inbox
        std::string white, black, opponent;
    };
    const auto carolWrites = [](const std::string& white, const std::string& black,
                                const std::string& title) {
        GameRecord record = CarolsGame();
        record.GAME_WHITE_NAME = white;
        record.GAME_BLACK_NAME = black;
        record.GAME_NAME = title;
        record.GAME_DATE = "02/05/2025";
        return record;
    };
    GameRecord bobCallsAliceLoser = BobsGame();
    bobCallsAliceLoser.GAME_WHITE_NAME = "Loser";
    const MoveList bc4 = {Move(5, "6134", "Bc4")};
    const MoveList bc4Nf6 = {Move(5, "6134", "Bc4"), Move(6, "7866", "Nf6", "Hello again")};
    const Case cases[] = {
        {"the opponent adds his own move", 2, "Carol", CarolAddress, CarolsGame(),
         Then(Game2, {Move(3, "1718", "Ra8+")}), false, "", "", 3, "Ra8+", false, "Carol", "Alice",
         "Carol"},
        {"his special entry", 2, "Carol", CarolAddress, CarolsGame(),
         Then(Game2, {Move(3, "5151", "Draw offer")}), false, "", "", 3, "Draw offer", false, "Carol",
         "Alice", "Carol"},
        {"the player's move added by the opponent, Yes", 1, "Bob", "bob@example.org", BobsGame(),
         Then(Game1, bc4), true, "Your own move?",
         "game \"Friendly game\" carries a move of your side that "
         "your game does not hold: Your move 5.Bc4.",
         5, "Bc4", false, "Alice", "Bob", "Bob"},
        {"the player's move added by the opponent, No", 1, "Bob", "bob@example.org", BobsGame(),
         Then(Game1, bc4), false, "Your own move?", "If you answer No, it stays in your Inbox", 4, "Nc6",
         true, "Alice", "Bob", "Bob"},
        {"the player's and the opponent's move together, Yes", 1, "Bob", "bob@example.org", BobsGame(),
         Then(Game1, bc4Nf6), true, "Your own move?", "Your move 5.Bc4.", 6, "Nf6", false, "Alice",
         "Bob", "Bob"},
        {"the player's and the opponent's move together, No", 1, "Bob", "bob@example.org", BobsGame(),
         Then(Game1, bc4Nf6), false, "Your own move?", "Your move 5.Bc4.", 4, "Nc6", true, "Alice",
         "Bob", "Bob"},
        {"a resend that adds nothing", 1, "Bob", "bob@example.org", BobsGame(), Game1, false, "", "", 4,
         "Nc6", false, "Alice", "Bob", "Bob"},
        {"a false notation", 2, "Carol", CarolAddress, CarolsGame(),
         Then(Game2, {Move(3, "1718", "Qxd8 1/2-1/2")}), false, "", "", 3, "Ra8+", false, "Carol",
         "Alice", "Carol"},
        {"a false mate with the player's move", 1, "Bob", "bob@example.org", BobsGame(),
         Then(Game1, {Move(5, "6134", "Bc4"), Move(6, "7866", "Qxd8++", "Hello again")}), true,
         "Your own move?", "Your move 5.Bc4.", 6, "Nf6", false, "Alice", "Bob", "Bob"},
        {"a resignation written as the winner's", 2, "Carol", CarolAddress, CarolsGame(),
         Then(Game2, {Move(3, "5151", "1-0")}), false, "", "", 3, "0-1", false, "Carol", "Alice",
         "Carol"},
        {"the player renamed as White", 1, "Bob", "bob@example.org", bobCallsAliceLoser,
         Then(Game1, bc4Nf6), true, "Your own move?", "5.Bc4", 6, "Nf6", false, "Alice", "Bob", "Bob"},
        {"the player renamed as Black, the title and the date changed", 2, "Carol", CarolAddress,
         carolWrites("Carol", "Loser", "Renamed"), Then(Game2, {Move(3, "1718", "Ra8+")}), false, "", "",
         3, "Ra8+", false, "Carol", "Alice", "Carol"},
        {"the opponent's own new name", 2, "  Carol\tCedar  ", CarolAddress,
         carolWrites("Carol", "Alice", "Endgame study"), Then(Game2, {Move(3, "1718", "Ra8+")}), false,
         "", "", 3, "Ra8+", false, "CarolCedar", "Alice", "CarolCedar"},
        {"a stranger", 2, "Eve", EveAddress, carolWrites("Eve", "Alice", "Endgame study"),
         Then(Game2, {Move(3, "1718", "Ra8+")}), false, "New opponent address",
         "came from eve@elsewhere.test, but that game is played with carol@example.net", 2, "Kd8", true,
         "Carol", "Alice", "Carol"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMailSystem system;
        Player alice(std::make_unique<FakeMailService>(system, AliceAddress, "Alice"));
        AnsweringSink sink;
        sink.answer = c.answer;
        alice.transport.Folder.messages = &sink;
        alice.transport.OwnName = [] { return std::string("Alice"); };
        std::ofstream(alice.temp.Path() / "Mdgdb.dat", std::ios::binary)
            << FixtureText("three_games.dat");
        const GameRecord before = alice.Game(c.game);

        system.Deliver(AliceAddress, c.fromName, c.fromAddress, "Marrowdale : move, No comment.",
                       Text(c.sender, c.moves));
        ASSERT_TRUE(alice.mail->SignOn());
        MailSupport::RetrieveMoveMails(alice.transport, false, true);

        const MoveList moves = alice.Moves(c.game);
        EXPECT_EQ(moves.size(), c.storedMoves);
        EXPECT_EQ(moves.back().notation, c.lastNotation);
        EXPECT_EQ(moves.at(0).comment, (c.game == 1 ? Game1 : Game2).at(0).comment)
            << "a stored comment is kept";
        if (moves.size() == 6) {
            EXPECT_EQ(moves[5].comment, "Hello again");
        }
        const GameRecord after = alice.Game(c.game);
        EXPECT_EQ(after.GAME_WHITE_NAME, c.white);
        EXPECT_EQ(after.GAME_BLACK_NAME, c.black);
        EXPECT_EQ(after.GAME_OPPONENTS_NAME, c.opponent);
        for (auto field : {&GameRecord::GAME_NAME, &GameRecord::GAME_DATE, &GameRecord::GAME_DATESTAMP,
                           &GameRecord::GAME_OPPONENTS_EMAIL, &GameRecord::startPosition})
            EXPECT_EQ(after.*field, before.*field);
        EXPECT_EQ(after.GAME_HOST, before.GAME_HOST);
        EXPECT_EQ(alice.Games().size(), 3u);
        if (c.caption.empty()) {
            EXPECT_TRUE(sink.calls.empty()) << sink.calls.at(0).text;
        } else {
            ASSERT_EQ(sink.calls.size(), 1u);
            EXPECT_EQ(sink.calls[0].caption, c.caption);
            EXPECT_NE(sink.calls[0].text.find(c.textHas), std::string::npos) << sink.calls[0].text;
            EXPECT_EQ(sink.calls[0].cancelCaption, "No");
        }
        EXPECT_EQ(system.Inbox(AliceAddress).size(), c.kept ? 1u : 0u);

        // Asked once per mail.
        MailSupport::RetrieveMoveMails(alice.transport, false, false);
        MailSupport::RetrieveMoveMails(alice.transport, false, true);
        EXPECT_EQ(sink.calls.size(), c.caption.empty() ? 0u : 1u);
        EXPECT_EQ(alice.Moves(c.game).size(), c.storedMoves);
    }
}

// A game that arrives new names the player as the player's account does,
// and the opponent as he names himself, whatever the payload calls them.
TEST(ArrivalRules, ANewGameNamesThePlayerAsHisAccountDoes)
{
    FakeMailSystem system;
    Player bob(std::make_unique<FakeMailService>(system, BobAddress, "Bob Birch"));
    bob.transport.OwnName = [] { return std::string("Bob Birch"); };
    GameRecord alicesGame = SendersRecord(true, "110120260900");
    alicesGame.GAME_WHITE_NAME = "alice";
    alicesGame.GAME_BLACK_NAME = "bob"; // as she typed his address
    system.Deliver(BobAddress, "Alice Amber", AliceAddress, "Marrowdale : e4, No comment.",
                   Text(alicesGame, {Stored[0]}));
    ASSERT_TRUE(bob.mail->SignOn());
    MailSupport::RetrieveMoveMails(bob.transport, false, true);
    ASSERT_EQ(bob.Games().size(), 1u);
    const GameRecord arrived = bob.Games().front();
    EXPECT_EQ(arrived.GAME_WHITE_NAME, "Alice Amber");
    EXPECT_EQ(arrived.GAME_BLACK_NAME, "Bob Birch");
    EXPECT_EQ(arrived.GAME_OPPONENTS_NAME, "Alice Amber");
    EXPECT_FALSE(arrived.GAME_HOST);
    EXPECT_TRUE(bob.sink.calls.empty());
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

// A move file carrying the player's own move is asked about by its name:
// No leaves it where it is and asks no more; picked and accepted, it is
// stored and stays where it is.
TEST(ArrivalRules, MoveFilesCarryingThePlayersMoveAreAskedAboutByName)
{
    FakeMailSystem system;
    Player alice(std::make_unique<FakeMailService>(system, AliceAddress, "Alice"));
    AnsweringSink sink;
    alice.transport.Folder.messages = &sink;
    std::ofstream(alice.temp.Path() / "Mdgdb.dat", std::ios::binary) << FixtureText("three_games.dat");
    const std::filesystem::path file = alice.temp.Path() / "Cmove1.txt";
    std::ofstream(file, std::ios::binary)
        << Text(BobsGame(), Then(Game1, {Move(5, "6134", "Bc4"), Move(6, "7866", "Nf6")}));

    MailSupport::ImportMoveFiles(alice.transport, false, false);
    MailSupport::ImportMoveFiles(alice.transport, false, false);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].caption, "Your own move?");
    EXPECT_NE(
        sink.calls[0].text.find("The move file " + file.string() + " for your game \"Friendly game\""),
        std::string::npos)
        << sink.calls[0].text;
    EXPECT_NE(sink.calls[0].text.find("Your move 5.Bc4."), std::string::npos);
    EXPECT_NE(sink.calls[0].text.find("it stays where it is"), std::string::npos);
    EXPECT_EQ(alice.Moves(1).size(), 4u);
    EXPECT_TRUE(std::filesystem::exists(file));

    sink.answer = true;
    alice.chooser.picked = file.string();
    MailSupport::ImportMoveFiles(alice.transport, false, true);
    EXPECT_EQ(alice.Moves(1).size(), 6u);
    EXPECT_EQ(sink.Captions(),
              (std::vector<std::string>{"Your own move?", "Your own move?", "Game import"}));
    EXPECT_TRUE(std::filesystem::exists(file));
}

} // namespace
} // namespace MailTesting
