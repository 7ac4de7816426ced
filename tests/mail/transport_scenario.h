#pragma once
// The fixture of the transport scenarios: Alice and Bob, each with a
// program of their own on the world's mail system.

#include "tests/mail/scenario_fixture.h"
#include "tests/mail/transport_harness.h"

namespace MailTesting {

class TransportScenario : public MailScenario {
protected:
    static constexpr const char* Datestamp = "100120260830";

    void SetUp() override
    {
        MailScenario::SetUp();
        if (IsSkipped())
            return;
        alice = std::make_unique<Player>(world->NewService(0));
        bob = std::make_unique<Player>(world->NewService(1));
        // Each program knows its player's name from the mail account.
        alice->transport.OwnName = [name = world->Name(0)] { return name; };
        bob->transport.OwnName = [name = world->Name(1)] { return name; };
        // Bob already has a game, so the two databases number games apart.
        GameRecord computer = NewMailGame(1, "Computer", "", "010120260900");
        computer.GAME_VS_COMPUTER = true;
        bob->Store(computer, {Move(1, "5254", "e4")});
    }

    // Alice starts game 1 against Bob and sends it; it reaches his inbox.
    void AliceStartsGame()
    {
        alice->Store(NewMailGame(1, world->Name(1), world->Address(1), Datestamp),
                     {Move(1, "5254", "e4", "Good luck")});
        MailSupport::SignOn(alice->transport, false);
        const std::size_t waiting = world->Subjects(1).size();
        ASSERT_TRUE(MailSupport::SendMoveMail(alice->transport, 1));
        ASSERT_TRUE(world->WaitForMail(1, waiting + 1));
    }

    // The move text of Alice's game 1 as it stands.
    std::string AlicesMoveText()
    {
        GameRecord record;
        MoveList moves;
        std::string text;
        EXPECT_TRUE(MailSupport::ComposeMoveText(alice->transport.Folder, 1, record, moves, text));
        return text;
    }

    std::unique_ptr<Player> alice;
    std::unique_ptr<Player> bob;
};

} // namespace MailTesting
