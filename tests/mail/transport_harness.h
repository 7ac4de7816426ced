#pragma once
// One player's program as far as the transport sees it: a data folder with
// its game database, the program's state, the crash-guard setting, the
// windows (recorded, never shown) and a mail service. Plus small builders
// for the games the scenarios play.

#include "store/database.h"
#include "store/mail_support.h"
#include "tests/mail/mail_world.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace MailTesting {

class RecordingSink : public Support::MessageSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override
    {
        calls.push_back(call);
        if (StatusShown && StatusShown())
            underStatus.push_back(call.caption);
        return true;
    }
    void ShowSystemMessage(std::string_view text) override { systemTexts.emplace_back(text); }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& c : calls)
            captions.push_back(c.caption);
        return captions;
    }
    std::vector<Support::MessageBoxCall> calls;
    std::vector<std::string> systemTexts;
    // Whether the status window is up; the captions of the boxes shown
    // while it was (the shell hides it for them, with a flash at a pass's
    // end).
    std::function<bool()> StatusShown;
    std::vector<std::string> underStatus;
};

class RecordingLogon : public MailSupport::LogonGuard {
public:
    bool GetLogonStatus() override { return status; }
    void SetLogonStatus(bool s) override { status = s; }
    bool status = false;
};

class RecordingWindows : public MailSupport::TransportWindows {
public:
    void ShowStatus(bool visible, const std::string& text) override
    {
        statuses.push_back(visible ? text : std::string("(hidden)"));
        shown = visible;
    }
    void PopulateTrayGameMenu() override { ++menuRebuilds; }
    std::vector<std::string> statuses;
    bool shown = false;
    int menuRebuilds = 0;
};

class ScriptedChooser : public MailSupport::MoveFileChooser {
public:
    std::string PickMoveFile() override { return picked; }
    std::string picked;
};

struct Player {
    explicit Player(std::unique_ptr<MailSupport::MailService> service,
                    std::filesystem::path folder = {});

    // The games of the database, by id.
    std::vector<GameRecord> Games() const;
    GameRecord Game(std::int32_t id) const;
    MoveList Moves(std::int32_t id) const;
    // Stores a game as the board window would before sending it.
    void Store(GameRecord record, const MoveList& moves);
    // Appends the player's reply to a stored game, waiting for the opponent.
    void Reply(std::int32_t id, const MoveRecord& move);

    TempFolder temp;
    std::unique_ptr<MailSupport::MailService> mail;
    RecordingSink sink;
    MailSupport::MailState state;
    RecordingLogon logon;
    RecordingWindows windows;
    ScriptedChooser chooser;
    MailSupport::Transport transport;
};

// A game this player starts against `opponent`, with White's first move.
GameRecord NewMailGame(std::int32_t id, const std::string& opponentName,
                       const std::string& opponentAddress, const std::string& datestamp);
MoveRecord Move(std::int32_t number, const std::string& coordinates, const std::string& notation,
                const std::string& comment = "");

} // namespace MailTesting
