// The transport's own rules on the fake mail system: the sign-on guard, the
// second chance after a dropped connection, what is stored of a sender,
// what may leave as a move mail, and the reports of a failed pass.
#include "store/move_payload.h"
#include "store/payload_validation.h"
#include "store/text_values.h"
#include "tests/mail/fake_mail_service.h"
#include "tests/mail/transport_harness.h"

#include <gtest/gtest.h>

namespace MailTesting {
namespace {

constexpr const char* AliceAddress = "alice@marrowdale.test";
constexpr const char* BobAddress = "bob@marrowdale.test";

class TransportTest : public ::testing::Test {
protected:
    TransportTest()
        : alice(std::make_unique<FakeMailService>(system, AliceAddress, "Alice Amber")),
          bob(std::make_unique<FakeMailService>(system, BobAddress, "Bob Birch"))
    {
    }

    // Alice's game 1 against Bob, stored and sent.
    void AliceSends(const MoveList& moves = {Move(1, "5254", "e4")})
    {
        alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"), moves);
        ASSERT_TRUE(MailSupport::SendMoveMail(alice.transport, 1));
    }

    std::string AlicesText()
    {
        GameRecord record;
        MoveList moves;
        std::string text;
        EXPECT_TRUE(MailSupport::ComposeMoveText(alice.transport.Folder, 1, record, moves, text));
        return text;
    }

    FakeMailSystem system;
    Player alice;
    Player bob;
};

// The crash guard: the mark is set while the mail system's sign-on runs and
// cleared when it returns, whatever it returned; a mark found before the
// sign-on is the last one that never came back.
TEST_F(TransportTest, SignOnGuards)
{
    struct Case {
        const char* name;
        bool noNetwork, crashedBefore, down, standAlone;
        bool offline;
        std::vector<std::string> captions;
        bool signOnTried;
    };
    const Case cases[] = {
        {"signs on", false, false, false, false, false, {}, true},
        {"no network", true, false, false, false, true, {}, false},
        {"mark found", false, true, false, false, true, {"Email logon failer"}, false},
        {"clean failure", false, false, true, false, true, {"Network error."}, true},
        // Moves travel as files: no sign-on, no message, a mark left alone.
        {"stand-alone mode", false, false, false, true, true, {}, false},
        {"stand-alone mode, mark found", false, true, false, true, true, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMailSystem mailSystem;
        mailSystem.Down = c.down;
        Player player(std::make_unique<FakeMailService>(mailSystem, BobAddress, "Bob"));
        std::vector<bool> markDuringSignOn;
        mailSystem.DuringSignOn = [&] { markDuringSignOn.push_back(player.logon.status); };
        player.state.MailOffline = false;
        player.state.NoNetwork = c.noNetwork;
        player.state.StandAloneMode = c.standAlone;
        player.logon.status = c.crashedBefore;
        MailSupport::SignOn(player.transport, true);
        EXPECT_EQ(player.state.MailOffline, c.offline);
        EXPECT_EQ(player.mail->IsSignedOn(), !c.offline);
        EXPECT_EQ(player.sink.Captions(), c.captions);
        EXPECT_TRUE(player.sink.underStatus.empty());
        EXPECT_EQ(markDuringSignOn, c.signOnTried ? std::vector<bool>{true} : std::vector<bool>{});
        // Only a sign-on that never came back leaves the mark set.
        EXPECT_EQ(player.logon.status, c.crashedBefore);
    }

    Player player(std::make_unique<FakeMailService>(system, BobAddress, "Bob"));
    player.logon.status = true;
    MailSupport::SignOn(player.transport, false);
    ASSERT_EQ(player.sink.calls.size(), 1u);
    const auto& call = player.sink.calls[0];
    EXPECT_EQ(call.icon, Support::MsgIcon::Warning);
    EXPECT_EQ(call.okCaption, "Ok");
    EXPECT_EQ(call.sound, Support::SoundCue::Refused);
    EXPECT_EQ(call.text.substr(0, 60), "As some point in the past Marrowdale crashed while trying to");
    // No pointer to a document we do not ship.
    EXPECT_TRUE(call.text.ends_with("successfully connect to your email client.")) << call.text;

    player.logon.status = false;
    MailSupport::SignOn(player.transport, true);
    EXPECT_EQ(player.windows.statuses, (std::vector<std::string>{"Logging on...", "(hidden)"}));
    MailSupport::SignOff(player.transport, true);
    EXPECT_FALSE(player.mail->IsSignedOn());
    EXPECT_EQ(player.windows.statuses.back(), "(hidden)");
    EXPECT_EQ(player.windows.statuses[2], "Quiting Marrowdale...");
}

TEST_F(TransportTest, SecondDroppedListingTakesTheProgramOffline)
{
    MailSupport::SignOn(bob.transport, false);
    AliceSends();
    bob.state.PendingMoveList = "7;";
    system.DroppedCalls = 2;
    MailSupport::RetrieveMoveMails(bob.transport, true, false);
    EXPECT_TRUE(bob.state.MailOffline);
    EXPECT_TRUE(bob.sink.calls.empty());
    EXPECT_EQ(bob.state.PendingMoveList, "7;");
    EXPECT_EQ(bob.windows.statuses, (std::vector<std::string>{"Retrieving games...", "(hidden)"}));
    EXPECT_EQ(system.Inbox(BobAddress).size(), 1u);
}

TEST_F(TransportTest, NewMovesArrivedCountsEveryGameOfThePass)
{
    AliceSends();
    const std::string text = AlicesText();
    MailSupport::ConnectAndRetrieve(bob.transport, false, false, true);
    ASSERT_EQ(bob.state.PendingMoveList, "1;");

    // A second game, then the first one again: the last save brings nothing.
    GameRecord second = NewMailGame(2, "Bob Birch", BobAddress, "110120260830");
    alice.Store(second, {Move(1, "4244", "d4")});
    ASSERT_TRUE(MailSupport::SendMoveMail(alice.transport, 2));
    system.Deliver(BobAddress, "Alice Amber", AliceAddress, "Marrowdale : e4, No comment.", text);
    MailSupport::RetrieveMoveMails(bob.transport, false, false);
    EXPECT_EQ(bob.state.PendingMoveList, "2;");
    EXPECT_TRUE(bob.state.NewMovesArrived);
    EXPECT_TRUE(system.Inbox(BobAddress).empty());
}

TEST_F(TransportTest, SenderIsCleanedAndCutToWhatThePayloadCarries)
{
    AliceSends();
    std::string longName = "Eve|<<MARROWDALE:\tthe ";
    for (int i = 0; i < 60; ++i)
        longName += "\xC3\xA9"; // é, two bytes each
    system.Deliver(BobAddress, longName, " eve@example.org\r\n", "Marrowdale : e4, No comment.",
                   AlicesText());
    system.Remove(system.Inbox(BobAddress).front().Id);
    MailSupport::ConnectAndRetrieve(bob.transport, false, false, true);
    ASSERT_EQ(bob.state.PendingMoveList, "1;");
    const GameRecord game = bob.Game(1);
    EXPECT_EQ(Database::CharacterCount(game.GAME_OPPONENTS_NAME), 50u);
    EXPECT_EQ(game.GAME_OPPONENTS_NAME.substr(0, 8), "Eve the ");
    EXPECT_EQ(game.GAME_OPPONENTS_NAME.size() % 2, 0u) << "a character was cut in half";
    EXPECT_EQ(game.GAME_WHITE_NAME, game.GAME_OPPONENTS_NAME);
    EXPECT_EQ(game.GAME_OPPONENTS_EMAIL, "eve@example.org");

    // Bob's reply carries that name back and passes Alice's validation.
    bob.Reply(1, Move(2, "5755", "e5"));
    EXPECT_TRUE(MailSupport::SendMoveMail(bob.transport, 1));
    EXPECT_TRUE(bob.sink.calls.empty());
}

// Two copies that share one address find each other's moves and their own
// in one inbox: each merges only the other's and leaves its own mail there.
TEST_F(TransportTest, CopiesSharingAnAddressLeaveTheirOwnMailForTheOther)
{
    constexpr const char* Shared = "family@marrowdale.test";
    Player mum(std::make_unique<FakeMailService>(system, Shared, "Family"));
    Player dad(std::make_unique<FakeMailService>(system, Shared, "Family"));
    mum.Store(NewMailGame(1, "Dad", Shared, "100120260830"), {Move(1, "5254", "e4")});
    ASSERT_TRUE(MailSupport::SendMoveMail(mum.transport, 1));
    for (const bool fetchAll : {false, true}) {
        MailSupport::ConnectAndRetrieve(mum.transport, false, false, fetchAll);
        EXPECT_EQ(system.Inbox(Shared).size(), 1u);
        EXPECT_EQ(mum.Games().size(), 1u);
        EXPECT_EQ(mum.state.PendingMoveList, "");
    }
    MailSupport::ConnectAndRetrieve(dad.transport, false, false, false);
    EXPECT_EQ(dad.state.PendingMoveList, "1;");
    EXPECT_TRUE(system.Inbox(Shared).empty());

    dad.Reply(1, Move(2, "5755", "e5"));
    ASSERT_TRUE(MailSupport::SendMoveMail(dad.transport, 1));
    MailSupport::RetrieveMoveMails(dad.transport, false, true);
    EXPECT_EQ(system.Inbox(Shared).size(), 1u);
    EXPECT_EQ(dad.Games().size(), 1u);
    MailSupport::RetrieveMoveMails(mum.transport, false, false);
    EXPECT_EQ(mum.state.PendingMoveList, "1;");
    EXPECT_EQ(mum.Moves(1), dad.Moves(1));
    EXPECT_TRUE(system.Inbox(Shared).empty());
    EXPECT_TRUE(mum.sink.calls.empty());
    EXPECT_TRUE(dad.sink.calls.empty());
}

TEST_F(TransportTest, GameTheOpponentWouldRefuseIsNotSent)
{
    alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"),
                {Move(1, "5254", "e4", std::string(201, 'c'))});
    struct Case {
        const char* name;
        std::int32_t game;
        bool down;
    };
    for (const Case& c : {Case{"comment too long", 1, false}, Case{"no such game", 9, false},
                          Case{"mail system down", 2, true}}) {
        SCOPED_TRACE(c.name);
        if (c.game == 2)
            alice.Store(NewMailGame(2, "Bob", BobAddress, "110120260830"), {Move(1, "5254", "e4")});
        system.Down = c.down;
        alice.sink.calls.clear();
        EXPECT_FALSE(MailSupport::SendMoveMail(alice.transport, c.game));
        ASSERT_EQ(alice.sink.calls.size(), 1u);
        EXPECT_EQ(alice.sink.calls[0].caption, "Transmission error.");
        EXPECT_EQ(alice.sink.calls[0].text,
                  "Marrowdale was unable to send your chess move.||Please re-open the game and "
                  "re-send it.");
        EXPECT_EQ(alice.sink.calls[0].sound, Support::SoundCue::Refused);
        EXPECT_TRUE(system.Inbox(BobAddress).empty());
    }
}

// A database that can be read but no longer written.
class ReadOnlyDisk : public Database::FileSystem {
public:
    bool WriteAndFlush(const std::filesystem::path&, std::string_view) override { return false; }
};

TEST_F(TransportTest, FailedSaveIsReportedAndTheMailKept)
{
    AliceSends();
    ReadOnlyDisk disk;
    bob.transport.Folder.files = &disk;
    MailSupport::ConnectAndRetrieve(bob.transport, false, true, true);
    ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Network error"}));
    EXPECT_EQ(bob.sink.calls[0].text,
              "An error occured trying to save the game information to the database.||Please "
              "select Retrieve games... from the File menu and try again.");
    EXPECT_EQ(system.Inbox(BobAddress).size(), 1u);
    EXPECT_EQ(bob.windows.menuRebuilds, 0);
    EXPECT_EQ(bob.windows.statuses.back(), "(hidden)");
    EXPECT_TRUE(bob.sink.underStatus.empty());

    bob.transport.Folder.files = nullptr;
    bob.sink.calls.clear();
    MailSupport::RetrieveMoveMails(bob.transport, false, true);
    EXPECT_EQ(bob.state.PendingMoveList, "1;");
    EXPECT_TRUE(bob.sink.calls.empty());
}

TEST_F(TransportTest, DamagedDatabaseIsNamedOnceAndTheMailKept)
{
    AliceSends();
    const auto live = bob.transport.Folder.Live();
    Database::FileSystem& disk = Database::RealFileSystem();
    ASSERT_TRUE(disk.WriteAndFlush(live, "1|x|0|n|01/01/2024|e|w|b|0|o|2|0|\r\ngarbage line\r\n"));
    for (int pass = 0; pass < 3; ++pass)
        MailSupport::RetrieveMoveMails(bob.transport, false, true);
    ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Game database damaged"}));
    EXPECT_NE(bob.sink.calls[0].text.find(live.string() + " because line 2 is not a game"),
              std::string::npos)
        << bob.sink.calls[0].text;
    EXPECT_EQ(system.Inbox(BobAddress).size(), 1u);

    // Mended, the next pass stores the game; damage found again is told again.
    ASSERT_TRUE(disk.WriteAndFlush(live, ""));
    MailSupport::RetrieveMoveMails(bob.transport, false, true);
    EXPECT_EQ(bob.state.PendingMoveList, "1;");
    EXPECT_TRUE(system.Inbox(BobAddress).empty());
    AliceSends();
    ASSERT_TRUE(disk.WriteAndFlush(live, disk.ReadAll(live).value() + "garbage line\r\n"));
    MailSupport::RetrieveMoveMails(bob.transport, false, true);
    EXPECT_EQ(bob.sink.calls.size(), 2u);
}

} // namespace
} // namespace MailTesting
