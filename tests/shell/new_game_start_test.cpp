// Starting a new game without a window: which checks and questions come in
// which order and what the board is handed.
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
        return NewGameRequest{kind, "Club match", "Bob", "bob@cedar.test"};
    }
    void OpenBoard(const GameToOpen& game, bool inPlaceOfOwner) override
    {
        steps.push_back(inPlaceOfOwner ? "OpenBoard in place of owner" : "OpenBoard");
        opened = game;
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
        Steps steps;
    };
    const Case cases[] = {
        {"no chess set: nothing else", {}, true, false, true, {"LoadChessSet"}},
        {"cancelled: polling back at once",
         {},
         true,
         true,
         false,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "ResumePolling"}},
        {"e-mail game from the list: polling stays paused for the board",
         {false, false},
         true,
         true,
         true,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard in place of owner"}},
        {"set-up game from the tray",
         {false, true},
         false,
         true,
         true,
         {"LoadChessSet", "PausePolling", "Ask e-mail game", "OpenBoard", "SetupHint"}},
        {"computer game: set up too",
         {true, true},
         true,
         true,
         true,
         {"LoadChessSet", "PausePolling", "Ask computer game", "OpenBoard in place of owner",
          "SetupHint"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingStart port;
        port.chessSetLoads = c.chessSetLoads;
        port.answersOk = c.answersOk;
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
    EXPECT_EQ(request.Title, std::string("Club match"));
    EXPECT_EQ(request.OpponentsName, std::string("Bob"));
    EXPECT_EQ(request.OpponentsEmail, std::string("bob@cedar.test"));
}

} // namespace
