#pragma once
// The second player in the shell's tests: a program of its own as far as
// the mail goes, with its own data folder, mail state and transport.

#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_payload.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace ShellTesting {

// The second player: a program of its own as far as sending goes.
class Opponent : private MailSupport::LogonGuard, private MailSupport::TransportWindows {
public:
    explicit Opponent(std::unique_ptr<MailSupport::MailService> service)
        : mail_(std::move(service)),
          transport_{*mail_, Database::DataFolder(QFile::encodeName(folder_.path()).toStdString()),
                     state_, *this,
                     *this,  nullptr}
    {
    }

    // Starts game `id` against Alice with White's first move and mails it.
    void SendNewGame(std::int32_t id, const std::string& aliceName, const std::string& aliceAddress)
    {
        GameRecord game;
        game.GAME_ID = id;
        game.GAME_DATESTAMP = "0102202612" + std::to_string(10 + id);
        game.GAME_NAME = "Friendly " + std::to_string(id);
        game.GAME_DATE = "01/02/2026";
        game.GAME_OPPONENTS_EMAIL = aliceAddress;
        game.GAME_BLACK_NAME = aliceName;
        game.GAME_HOST = true;
        game.GAME_OPPONENTS_NAME = aliceName;
        game.GAME_STATUS = StatusAwaitingOpponent;
        ASSERT_TRUE(Database::SaveGame(transport_.Folder, game, {{1, "5254", "e4", ""}}));
        MailSupport::SignOn(transport_, false);
        ASSERT_FALSE(state_.MailOffline) << mail_->LastError();
        ASSERT_TRUE(MailSupport::SendMoveMail(transport_, id)) << mail_->LastError();
    }

    // The payload of the first move mail waiting in the inbox, read without
    // taking it.
    std::string WaitingPayload()
    {
        std::vector<MailSupport::InboxMessage> inbox;
        std::string body;
        if (!mail_->ListInbox(MailSupport::InboxScope::All, inbox) || inbox.empty()
            || !mail_->ReadBody(inbox.front().Id, body))
            return {};
        return Support::ExtractMovePayload(body);
    }

    // One retrieval pass.
    void RetrieveMail() { MailSupport::RetrieveMoveMails(transport_, false, false); }

    // One retrieval pass; the moves of game `id` as stored afterwards.
    MoveList Retrieve(std::int32_t id)
    {
        RetrieveMail();
        MoveList moves;
        EXPECT_TRUE(Database::LoadGameMoves(transport_.Folder, moves, id));
        return moves;
    }

    // Where this program keeps its games, for a board opened on them.
    const Database::DataFolder& Folder() const { return transport_.Folder; }

private:
    bool GetLogonStatus() override { return false; }
    void SetLogonStatus(bool) override { }
    void ShowStatus(bool, const std::string&) override { }
    void PopulateTrayGameMenu() override { }

    QTemporaryDir folder_;
    std::unique_ptr<MailSupport::MailService> mail_;
    MailSupport::MailState state_;
    MailSupport::Transport transport_;
};

} // namespace ShellTesting
