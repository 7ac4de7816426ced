// Games travelling as move mails between two players' programs, the same
// table of scenarios over every mail service: a new game arrives as a new
// game, the reply merges back, broken, duplicate and unrelated mails are
// handled, the polling pass and the start-up pass see what they should, and
// an unreachable mail system leaves the program off-line with nothing lost.
#include "tests/mail/transport_scenario.h"

#include "platform/mail_internet.h"
#include "store/file_system.h"

#include <chrono>
#include <thread>

namespace MailTesting {
namespace {

TEST_P(TransportScenario, NewGameArrivesAndTheReplyMergesBack)
{
    AliceStartsGame();
    EXPECT_EQ(world->Subjects(1), (std::vector<std::string>{"Marrowdale : e4, Good luck"}));

    // Bob's program starts and takes every mail.
    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
    EXPECT_TRUE(bob->state.NewMovesArrived);
    EXPECT_TRUE(bob->sink.calls.empty()) << bob->sink.calls.front().text;
    EXPECT_TRUE(world->Subjects(1).empty());
    const GameRecord arrived = bob->Game(2);
    EXPECT_EQ(arrived.GAME_STATUS, StatusPlayersMove);
    EXPECT_FALSE(arrived.GAME_HOST);
    EXPECT_EQ(arrived.GAME_OPPONENTS_ID, 1);
    EXPECT_EQ(arrived.GAME_DATESTAMP, TransportScenario::Datestamp);
    EXPECT_EQ(arrived.GAME_WHITE_NAME, world->Name(0));
    EXPECT_EQ(arrived.GAME_BLACK_NAME, world->Name(1));
    EXPECT_EQ(arrived.GAME_OPPONENTS_NAME, world->Name(0));
    EXPECT_EQ(arrived.GAME_OPPONENTS_EMAIL, world->Address(0));
    EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
    EXPECT_EQ(bob->windows.menuRebuilds, 1);

    // His reply finds Alice's game by her id and the datestamp.
    bob->Reply(2, Move(2, "5755", "e5"));
    ASSERT_TRUE(MailSupport::SendMoveMail(bob->transport, 2));
    ASSERT_TRUE(world->WaitForMail(0, 1));
    EXPECT_EQ(world->Subjects(0), (std::vector<std::string>{"Marrowdale : e5, No comment."}));
    MailSupport::RetrieveMoveMails(alice->transport, false, false);
    EXPECT_EQ(alice->state.PendingMoveList, "1;");
    EXPECT_TRUE(alice->state.NewMovesArrived);
    const GameRecord back = alice->Game(1);
    EXPECT_EQ(back.GAME_STATUS, StatusPlayersMove);
    EXPECT_EQ(back.GAME_OPPONENTS_ID, 2);
    EXPECT_EQ(back.GAME_WHITE_NAME, world->Name(0));
    EXPECT_EQ(back.GAME_OPPONENTS_EMAIL, world->Address(1));
    EXPECT_EQ(alice->Moves(1).size(), 2u);
    EXPECT_EQ(alice->Games().size(), 1u);
    EXPECT_TRUE(world->Subjects(0).empty());

    // Alice's next move is found on Bob's side by her id and the datestamp.
    alice->Reply(1, Move(3, "7163", "Nf3"));
    ASSERT_TRUE(MailSupport::SendMoveMail(alice->transport, 1));
    ASSERT_TRUE(world->WaitForMail(1, 1));
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
    EXPECT_EQ(bob->Moves(2).size(), 3u);
    EXPECT_EQ(bob->Games().size(), 2u);
}

TEST_P(TransportScenario, AMailOverTheLimitIsNeverFetchedAndToldOnce)
{
    // Larger than any game, in lines as a mail carries them, ahead of the
    // honest move mail.
    std::string huge = "<<MARROWDALE:";
    const std::string line = std::string(76, 'x') + "\r\n";
    while (huge.size() <= Database::ReceivedInputLimit)
        huge += line;
    world->Inject(1, "Mallory", "mallory@example.org", "Marrowdale : e4, No comment.", huge);
    AliceStartsGame();
    const auto* internet = dynamic_cast<const MailSupport::InternetMailService*>(bob->mail.get());

    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
    ASSERT_EQ(bob->sink.calls.size(), 1u);
    EXPECT_EQ(bob->sink.calls[0].text,
              "A move mail from mallory@example.org is larger than any game, so "
              "Marrowdale left it in your Inbox.");
    // The whole pass, log-on and honest mail included, came nowhere near it.
    if (internet) {
        EXPECT_LT(internet->BytesReceived(), std::uint64_t{256} << 10);
    }

    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_EQ(bob->sink.calls.size(), 1u);
    if (internet) {
        EXPECT_LT(internet->BytesReceived(), std::uint64_t{512} << 10);
    }
    EXPECT_EQ(world->Subjects(1), (std::vector<std::string>{"Marrowdale : e4, No comment."}));
}

TEST_P(TransportScenario, BrokenDuplicateAndUnrelatedMails)
{
    world->Inject(1, "Mallory", "mallory@example.org", "Marrowdale : e4, No comment.",
                  "<<MARROWDALE:not a game:MARROWDALE>>");
    world->Inject(1, "Carol", "carol@example.org", "Lunch on Friday?", "Noon?");
    AliceStartsGame();

    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    ASSERT_EQ(bob->sink.Captions(), (std::vector<std::string>{"Message retrival error"}));
    EXPECT_NE(bob->sink.calls[0].text.find("Validation progress : 1."), std::string::npos);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
    EXPECT_EQ(world->Subjects(1),
              (std::vector<std::string>{"Marrowdale : e4, No comment.", "Lunch on Friday?"}));

    // The same game again (a delete that failed, a resend) adds nothing.
    world->Inject(1, world->Name(0), world->Address(0), "Marrowdale : e4, Good luck", AlicesMoveText());
    bob->sink.calls.clear();
    MailSupport::RetrieveMoveMails(bob->transport, false, true);
    EXPECT_EQ(bob->state.PendingMoveList, "");
    EXPECT_FALSE(bob->state.NewMovesArrived);
    EXPECT_EQ(bob->Games().size(), 2u);
    EXPECT_EQ(bob->Moves(2).size(), 1u);
    EXPECT_EQ(bob->sink.Captions(), (std::vector<std::string>{"Message retrival error"}));
    EXPECT_EQ(world->Subjects(1),
              (std::vector<std::string>{"Marrowdale : e4, No comment.", "Lunch on Friday?"}));
}

TEST_P(TransportScenario, PollingTakesUnreadMailsAndStartUpTakesAll)
{
    MailSupport::SignOn(bob->transport, false);
    ASSERT_FALSE(bob->state.MailOffline);
    AliceStartsGame();
    if (world->MarkAllRead(1)) {
        MailSupport::RetrieveMoveMails(bob->transport, false, false);
        EXPECT_EQ(bob->state.PendingMoveList, "");
        EXPECT_EQ(bob->Games().size(), 1u);
        EXPECT_EQ(world->Subjects(1).size(), 1u);
        MailSupport::RetrieveMoveMails(bob->transport, false, true);
        EXPECT_EQ(bob->state.PendingMoveList, "2;");
        EXPECT_TRUE(world->Subjects(1).empty());
    }

    // A broken mail is reported by the pass that first sees it; later
    // polling leaves it be, the next manual or start-up pass reports it again.
    world->Inject(1, "Mallory", "mallory@example.org", "Marrowdale : e4, No comment.",
                  "<<MARROWDALE:1|2|3:MARROWDALE>>");
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    EXPECT_EQ(bob->sink.calls.size(), 1u);
    bob->Reply(2, Move(2, "5755", "e5"));
    alice->Reply(1, Move(2, "5755", "e5"));
    alice->Reply(1, Move(3, "0000", "Draw offer"));
    ASSERT_TRUE(MailSupport::SendMoveMail(alice->transport, 1));
    ASSERT_TRUE(world->WaitForMail(1, 2));
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    EXPECT_EQ(bob->sink.calls.size(), 1u);
    EXPECT_FALSE(bob->state.PendingMoveList.empty());
    EXPECT_EQ(world->Subjects(1).size(), 1u);
    MailSupport::RetrieveMoveMails(bob->transport, false, true);
    EXPECT_EQ(bob->sink.calls.size(), 2u);
}

TEST_P(TransportScenario, UnreachableMailSystemLeavesTheProgramOffline)
{
    AliceStartsGame();
    Player offline(world->DeadService(1), bob->temp.Path());
    MailSupport::ConnectAndRetrieve(offline.transport, false, true, true);
    EXPECT_TRUE(offline.state.MailOffline);
    ASSERT_EQ(offline.sink.Captions(), (std::vector<std::string>{"Network error."}));
    EXPECT_EQ(offline.sink.calls[0].text,
              "Marrowdale failed to connect to your mail service.||Please ensure you are logged "
              "onto a network and running an email client.  Marrowdale is now running Offline.");
    EXPECT_EQ(offline.sink.calls[0].okCaption, "Ok");
    EXPECT_EQ(offline.windows.statuses, (std::vector<std::string>{"Logging on...", "(hidden)"}));
    // Nothing lost: the game waits on the server, the database is as it was.
    EXPECT_EQ(world->Subjects(1).size(), 1u);
    EXPECT_EQ(offline.Games().size(), 1u);
    // A sign-on that came back, even with a refusal, is no crash: the next
    // one tries again without a word of one.
    EXPECT_FALSE(offline.logon.status);
    offline.sink.calls.clear();
    MailSupport::SignOn(offline.transport, false);
    EXPECT_TRUE(offline.sink.calls.empty());

    // Once the mail system is back the mail is still there to be fetched.
    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
}

constexpr const char* RetrieveFailureText =
    "An error occured trying to retrieve some or all of the game information from your "
    "Inbox.||Please select Retrieve games... from the File menu and try again.";

// A player's service whose first body read finds the connection dropped by
// the server.
class DroppedAtFirstRead : public MailSupport::MailService {
public:
    DroppedAtFirstRead(std::unique_ptr<MailSupport::MailService> inner, MailWorld& world)
        : inner_(std::move(inner)), world_(world)
    {
    }
    bool SignOn() override { return inner_->SignOn(); }
    void SignOff() override { inner_->SignOff(); }
    bool IsSignedOn() const override { return inner_->IsSignedOn(); }
    bool ListInbox(MailSupport::InboxScope scope,
                   std::vector<MailSupport::InboxMessage>& messages) override
    {
        return inner_->ListInbox(scope, messages);
    }
    bool ReadBody(const std::string& id, std::string& body) override
    {
        if (!dropped_) {
            dropped_ = true;
            Dropped = world_.DropConnections(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return inner_->ReadBody(id, body);
    }
    bool Delete(const std::string& id) override { return inner_->Delete(id); }
    bool Send(const MailSupport::OutgoingMail& mail) override { return inner_->Send(mail); }
    std::string LastError() const override { return inner_->LastError(); }
    bool Dropped = false;

private:
    std::unique_ptr<MailSupport::MailService> inner_;
    MailWorld& world_;
    bool dropped_ = false;
};

// A pass that fails part-way marks nothing it did not handle: the next
// poll brings the mail it failed on and every mail after it.
TEST_P(TransportScenario, ConnectionLostWhileReadingHidesNothingFromTheNextPoll)
{
    Player polling(std::make_unique<DroppedAtFirstRead>(world->NewService(1), *world), bob->temp.Path());
    MailSupport::SignOn(polling.transport, false);
    world->Inject(1, "Mallory", "mallory@example.org", "Marrowdale : e4, No comment.",
                  "<<MARROWDALE:1|2|3:MARROWDALE>>");
    AliceStartsGame();
    MailSupport::RetrieveMoveMails(polling.transport, false, false);
    if (!static_cast<DroppedAtFirstRead&>(*polling.mail).Dropped)
        GTEST_SKIP() << "no connection to drop";
    ASSERT_EQ(polling.sink.Captions(), (std::vector<std::string>{"Network error"}));
    EXPECT_EQ(polling.sink.calls[0].text, RetrieveFailureText);
    EXPECT_EQ(polling.state.PendingMoveList, "");
    EXPECT_EQ(world->Subjects(1).size(), 2u);

    MailSupport::RetrieveMoveMails(polling.transport, false, false);
    EXPECT_FALSE(polling.state.MailOffline);
    EXPECT_EQ(polling.state.PendingMoveList, "2;");
    EXPECT_EQ(polling.sink.Captions(),
              (std::vector<std::string>{"Network error", "Message retrival error"}));
    EXPECT_EQ(world->Subjects(1), (std::vector<std::string>{"Marrowdale : e4, No comment."}));
}

// A mail the mail library cannot decode is told about once and passed
// over; the pass goes on with the mail after it.
TEST_P(TransportScenario, UnreadableMailIsReportedOnceAndTheNextOneMerged)
{
    if (!world->InjectUnreadable(1, "Mallory", "mallory@example.org", "Marrowdale : e4, No comment."))
        GTEST_SKIP() << "every body reads here";
    MailSupport::SignOn(bob->transport, false);
    AliceStartsGame();
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    ASSERT_EQ(bob->sink.Captions(), (std::vector<std::string>{"Network error"}));
    EXPECT_EQ(bob->sink.calls[0].text, RetrieveFailureText);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
    EXPECT_EQ(world->Subjects(1), (std::vector<std::string>{"Marrowdale : e4, No comment."}));

    // Neither the next poll nor a full pass tells about it again.
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    MailSupport::RetrieveMoveMails(bob->transport, false, true);
    EXPECT_EQ(bob->sink.calls.size(), 1u);
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_EQ(world->Subjects(1).size(), 1u);
}

TEST_P(TransportScenario, DroppedConnectionIsRestoredOnce)
{
    MailSupport::SignOn(bob->transport, false);
    AliceStartsGame();
    if (!world->DropConnections(1))
        GTEST_SKIP() << "no connection to drop";
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_EQ(bob->state.PendingMoveList, "2;");
    EXPECT_TRUE(bob->sink.calls.empty());
}

} // namespace

} // namespace MailTesting
