// Starting a new game without a window: which checks and questions come in
// which order, what the board is handed, and how a failed board is undone.
#include "shell/new_game_start.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Support;

namespace {

using Steps = std::vector<std::string>;

class RecordingStart : public NewGameStartPort {
public:
    bool chessSetLoads = true;
    bool answersOk = true;
    std::optional<int> openFailure; // the error number the board fails with

    Steps steps;
    std::optional<GameToOpen> opened;

    bool LoadChessSet() override
    {
        steps.push_back("LoadChessSet");
        return chessSetLoads;
    }
    void PausePolling() override { steps.push_back("PausePolling"); }
    void ResumePolling() override { steps.push_back("ResumePolling"); }
    std::optional<NewGameRequest> AskForNewGame(const NewGameKind& kind) override
    {
        steps.push_back(kind.ComputerGame ? "Ask computer game" : "Ask e-mail game");
        if (!answersOk)
            return std::nullopt;
        return NewGameRequest{kind, QStringLiteral("Club match"), QStringLiteral("Bob"),
                              QStringLiteral("bob@cedar.test")};
    }
    std::optional<WindowOpenError> OpenBoard(const GameToOpen& game, bool inPlaceOfOwner) override
    {
        steps.push_back(inPlaceOfOwner ? "OpenBoard in place of owner" : "OpenBoard");
        opened = game;
        if (openFailure)
            return WindowOpenError(*openFailure, QStringLiteral("No board"));
        return std::nullopt;
    }
    void ShowOwner() override { steps.push_back("ShowOwner"); }
    void ShowAutomationError() override { steps.push_back("AutomationError"); }
    void ShowOpenError(const WindowOpenError& error) override
    {
        steps.push_back("OpenError " + std::to_string(error.Number));
    }
    void ShowSetupHint() override { steps.push_back("SetupHint"); }
};

TEST(NewGameStart, StepsByKindOwnerAndOutcome)
{
    struct Case {
        const char* what;
        NewGameKind kind;
        bool fromOwner;
        bool chessSetLoads;
        bool answersOk;
        std::optional<int> openFailure;
        Steps steps;
    };
    const Case cases[] = {
        {"no chess set: nothing else", {}, true, false, true, std::nullopt, {"LoadChessSet"}},
        {"cancelled: polling back at once",
         {},
         true,
         true,
         false,
         std::nullopt,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "ResumePolling"}},
        {"e-mail game from the list: polling stays paused for the board",
         {false, false},
         true,
         true,
         true,
         std::nullopt,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard in place of owner"}},
        {"set-up game from the tray",
         {false, true},
         false,
         true,
         true,
         std::nullopt,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard", "SetupHint"}},
        {"computer game: set up too",
         {true, true},
         true,
         true,
         true,
         std::nullopt,
         {"LoadChessSet", "PausePolling", "Ask computer game", "OpenBoard in place of owner",
          "SetupHint"}},
        {"failed board from the list: the owner back, then polling, then why",
         {false, true},
         true,
         true,
         true,
         9,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard in place of owner",
          "ShowOwner", "ResumePolling", "OpenError 9"}},
        {"failed automation from the tray",
         {},
         false,
         true,
         true,
         AutomationErrorNumber,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard", "ResumePolling",
          "AutomationError"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingStart port;
        port.chessSetLoads = c.chessSetLoads;
        port.answersOk = c.answersOk;
        port.openFailure = c.openFailure;
        StartNewGame(port, c.kind, c.fromOwner);
        EXPECT_EQ(port.steps, c.steps);
    }
}

TEST(NewGameStart, TheBoardIsHandedTheGameAsThePlayerAskedForIt)
{
    RecordingStart port;
    StartNewGame(port, {true, true}, false);
    ASSERT_TRUE(port.opened);
    EXPECT_EQ(port.opened->GameId(), -1);
    ASSERT_TRUE(port.opened->NewGame());
    const NewGameRequest& request = *port.opened->NewGame();
    EXPECT_EQ(request.Kind, (NewGameKind{true, true}));
    EXPECT_EQ(request.Title, QStringLiteral("Club match"));
    EXPECT_EQ(request.OpponentsName, QStringLiteral("Bob"));
    EXPECT_EQ(request.OpponentsEmail, QStringLiteral("bob@cedar.test"));
}

} // namespace
