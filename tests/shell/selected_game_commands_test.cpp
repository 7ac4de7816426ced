// Play and Delete on the game list's selected game, without the window:
// the steps each takes through its port, and what it reports.
#include "foundation/options_about_entry.h"
#include "foundation/sound_cues.h"
#include "shell/selected_game_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Support;

namespace {

class RecordingListSide : public SelectedGamePort {
public:
    bool LoadChessSet() override
    {
        Calls.push_back("LoadChessSet");
        return ChessSetLoads;
    }
    void StepAside() override { Calls.push_back("StepAside"); }
    void OpenBoard(int gameId) override { Calls.push_back("OpenBoard(" + std::to_string(gameId) + ")"); }
    bool Ask(const MessageBoxCall& question) override
    {
        Calls.push_back("Ask");
        Questions.push_back(question);
        return Yes;
    }
    bool DeleteStoredGame(int gameId) override
    {
        Calls.push_back("DeleteStoredGame(" + std::to_string(gameId) + ")");
        return Deletes;
    }

    bool ChessSetLoads = true;
    bool Yes = true;
    bool Deletes = true;
    std::vector<std::string> Calls;
    std::vector<MessageBoxCall> Questions;
};

using Calls = std::vector<std::string>;

TEST(SelectedGameCommands, PlayOpensTheBoardOnTheSelectedGameOrGivesTheListBack)
{
    struct Case {
        const char* what;
        std::optional<int> selected;
        bool chessSetLoads;
        PlayOutcome outcome;
        Calls calls;
    };
    const Case cases[] = {
        {"nothing selected", std::nullopt, true, PlayOutcome::NoGameSelected, {}},
        {"no chess set", 12, false, PlayOutcome::NoChessSet, {"LoadChessSet"}},
        {"opened", 12, true, PlayOutcome::BoardOpened, {"LoadChessSet", "StepAside", "OpenBoard(12)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingListSide side;
        side.ChessSetLoads = c.chessSetLoads;
        const PlayResult result = PlaySelectedGame(c.selected, side);
        EXPECT_EQ(result.Outcome, c.outcome);
        EXPECT_EQ(side.Calls, c.calls);
        EXPECT_TRUE(side.Questions.empty());
    }
}

TEST(SelectedGameCommands, DeleteAsksByTitleAndADatabaseErrorLeavesTheListAsItStood)
{
    struct Case {
        const char* what;
        std::optional<int> selected;
        bool yes;
        bool deletes;
        DeleteOutcome outcome;
        bool refresh;
        Calls calls;
    };
    const Case cases[] = {
        {"nothing selected", std::nullopt, true, true, DeleteOutcome::NoGameSelected, true, {}},
        {"kept", 3, false, true, DeleteOutcome::Kept, true, {"Ask"}},
        {"deleted", 3, true, true, DeleteOutcome::Deleted, true, {"Ask", "DeleteStoredGame(3)"}},
        {"database error",
         3,
         true,
         false,
         DeleteOutcome::DatabaseError,
         false,
         {"Ask", "DeleteStoredGame(3)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingListSide side;
        side.Yes = c.yes;
        side.Deletes = c.deletes;
        const DeleteResult result = DeleteSelectedGame(c.selected, QStringLiteral("Rook endings"), side);
        EXPECT_EQ(result.Outcome, c.outcome);
        EXPECT_EQ(result.RefreshList, c.refresh);
        EXPECT_EQ(side.Calls, c.calls);
        EXPECT_EQ(result.Report.has_value(), c.outcome == DeleteOutcome::DatabaseError);
    }

    RecordingListSide side;
    side.Deletes = false;
    const DeleteResult failed = DeleteSelectedGame(9, QStringLiteral("Blitz by post"), side);
    ASSERT_EQ(side.Questions.size(), 1u);
    const MessageBoxCall& question = side.Questions[0];
    EXPECT_EQ(question.icon, MsgIcon::Information);
    EXPECT_EQ(question.caption, "Delete game.");
    EXPECT_EQ(question.text, "Are you sure you wish to delete the game titled Blitz by post?");
    EXPECT_EQ(question.okCaption, "Yes");
    EXPECT_EQ(question.cancelCaption, "No");
    EXPECT_EQ(question.sound, SoundCue::Information);
    ASSERT_TRUE(failed.Report.has_value());
    EXPECT_EQ(failed.Report->icon, MsgIcon::Database);
    EXPECT_EQ(failed.Report->caption, "Database error.");
    EXPECT_EQ(failed.Report->text.rfind("A database error prevented Marrowdale from deleteing", 0), 0u);
    EXPECT_TRUE(failed.Report->cancelCaption.empty());
    EXPECT_EQ(failed.Report->sound, SoundCue::Refused);
}

} // namespace
