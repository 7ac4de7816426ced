// What the move-mail transport relies on from every mail service: a mail
// sent by one player arrives with its subject, sender and body intact, the
// polling listing sees each unread mail once, reading leaves it unread,
// deleting removes it, and an unreachable mail system fails cleanly.
#include "tests/mail/scenario_fixture.h"

#include <algorithm>

namespace MailTesting {
namespace {

using MailSupport::InboxMessage;
using MailSupport::InboxScope;

std::vector<std::string> SubjectsOf(const std::vector<InboxMessage>& messages)
{
    std::vector<std::string> subjects;
    for (const auto& m : messages)
        subjects.push_back(m.Subject);
    return subjects;
}

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::vector<InboxMessage> List(MailSupport::MailService& service, InboxScope scope)
{
    std::vector<InboxMessage> messages;
    EXPECT_TRUE(service.ListInbox(scope, messages)) << service.LastError();
    return messages;
}

TEST_P(MailScenario, SentMailArrivesWhole)
{
    auto sender = world->NewService(0);
    auto receiver = world->NewService(1);
    ASSERT_TRUE(sender->SignOn()) << sender->LastError();
    ASSERT_TRUE(receiver->SignOn()) << receiver->LastError();

    // Long lines, CR LF breaks and a non-ASCII name: what a move mail holds.
    std::string body = "Banner line\r\n<<MARROWDALE:0|\r\n1|\r\n";
    body += std::string(300, 'x')
            + "|\r\nJos\xC3\xA9 Ca\xC3\xB1"
              "ada|\r\n:MARROWDALE>>";
    // A comment typed with accents travels in the subject too.
    const std::string subject = "Marrowdale : e4, Tr\xC3\xA8s bien";
    MailSupport::OutgoingMail mail{world->Address(1), world->Name(1), subject, body};
    ASSERT_TRUE(sender->Send(mail)) << sender->LastError();
    ASSERT_TRUE(world->WaitForMail(1, 1));

    const auto inbox = List(*receiver, InboxScope::All);
    ASSERT_EQ(inbox.size(), 1u);
    EXPECT_EQ(inbox[0].Subject, subject);
    EXPECT_EQ(inbox[0].SenderName, world->Name(0));
    EXPECT_EQ(inbox[0].SenderAddress, world->Address(0));
    std::string read;
    ASSERT_TRUE(receiver->ReadBody(inbox[0].Id, read)) << receiver->LastError();
    EXPECT_NE(WithoutCarriageReturns(read).find(WithoutCarriageReturns(body)), std::string::npos)
        << read;

    ASSERT_TRUE(receiver->Delete(inbox[0].Id)) << receiver->LastError();
    EXPECT_TRUE(List(*receiver, InboxScope::All).empty());
    receiver->SignOff();
    EXPECT_TRUE(world->Subjects(1).empty());
}

// The service lists every unread mail, also to the next listing; passing
// over what was dealt with is the transport's business.
TEST_P(MailScenario, PollingListsEveryUnreadMail)
{
    world->Inject(1, "Carol", "carol@example.org", "first", "one");
    world->Inject(1, "Carol", "carol@example.org", "second", "two");
    auto program = world->NewService(1);
    ASSERT_TRUE(program->SignOn()) << program->LastError();

    EXPECT_EQ(SubjectsOf(List(*program, InboxScope::UnreadOnly)),
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(List(*program, InboxScope::UnreadOnly).size(), 2u);
    world->Inject(1, "Carol", "carol@example.org", "third", "three");
    EXPECT_EQ(SubjectsOf(List(*program, InboxScope::UnreadOnly)),
              (std::vector<std::string>{"first", "second", "third"}));
    const auto all = List(*program, InboxScope::All);
    EXPECT_EQ(SubjectsOf(all), (std::vector<std::string>{"first", "second", "third"}));

    // Reading a body leaves the mail unread for the next program run.
    std::string body;
    ASSERT_TRUE(program->ReadBody(all[0].Id, body)) << program->LastError();
    program->SignOff();
    auto nextRun = world->NewService(1);
    ASSERT_TRUE(nextRun->SignOn()) << nextRun->LastError();
    EXPECT_EQ(List(*nextRun, InboxScope::UnreadOnly).size(), 3u);

    // Mail the user has read is left to the manual and start-up passes.
    if (world->MarkAllRead(1)) {
        auto afterReading = world->NewService(1);
        ASSERT_TRUE(afterReading->SignOn()) << afterReading->LastError();
        EXPECT_TRUE(List(*afterReading, InboxScope::UnreadOnly).empty());
        EXPECT_EQ(List(*afterReading, InboxScope::All).size(), 3u);
    }
}

TEST_P(MailScenario, DeletingLeavesTheUsersOwnMailAlone)
{
    world->Inject(1, "Carol", "carol@example.org", "kept for later", "one");
    world->Inject(1, "Alice", "alice@example.org", "Marrowdale : e4, No comment.", "two");
    if (!world->FlagOldestDeleted(1))
        GTEST_SKIP() << "no deleted flag";
    auto program = world->NewService(1);
    ASSERT_TRUE(program->SignOn()) << program->LastError();
    const auto all = List(*program, InboxScope::All);
    ASSERT_EQ(SubjectsOf(all), (std::vector<std::string>{"Marrowdale : e4, No comment."}));
    ASSERT_TRUE(program->Delete(all[0].Id)) << program->LastError();
    List(*program, InboxScope::All);
    program->SignOff();
    // The mail the user's client flagged is the user's to expunge.
    EXPECT_EQ(world->Subjects(1), (std::vector<std::string>{"kept for later"}));
}

TEST_P(MailScenario, UnreachableMailSystemFailsCleanly)
{
    auto program = world->DeadService(0);
    EXPECT_FALSE(program->SignOn());
    EXPECT_FALSE(program->IsSignedOn());
    EXPECT_FALSE(program->LastError().empty());
    std::vector<InboxMessage> messages;
    EXPECT_FALSE(program->ListInbox(InboxScope::All, messages));
    EXPECT_FALSE(program->Send({world->Address(1), world->Name(1), "s", "b"}));
    program->SignOff(); // harmless when never signed on

    // A refused log-on, or a server certificate nobody vouches for.
    if (auto wrongPassword = world->WrongPasswordService(0)) {
        EXPECT_FALSE(wrongPassword->SignOn());
        EXPECT_FALSE(wrongPassword->LastError().empty());
        EXPECT_FALSE(wrongPassword->Send({world->Address(1), world->Name(1), "s", "b"}));
    }
    if (auto untrusted = world->UntrustedService(0)) {
        EXPECT_FALSE(untrusted->SignOn());
        EXPECT_NE(untrusted->LastError().find("ertificate"), std::string::npos)
            << untrusted->LastError();
    }
}

} // namespace
} // namespace MailTesting
