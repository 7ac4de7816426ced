// The board's command state: which commands run in each state of a game,
// and what both toolbars show for them.
#include "game/command_state.h"

#include <gtest/gtest.h>

using namespace BoardSupport;

namespace {

CommandInputs PlayersTurn()
{
    // The guest, White's first move received, the player to move.
    CommandInputs in;
    in.playerIsHost = false;
    in.entries = 1;
    in.selectedRow = 1;
    in.lastNotation = "e4";
    return in;
}

CommandInputs UnsentMove()
{
    CommandInputs in = PlayersTurn();
    in.entries = 2;
    in.selectedRow = 2;
    in.lastNotation = "e5";
    return in;
}

CommandInputs SentMove()
{
    CommandInputs in = UnsentMove();
    in.awaitingOpponent = true;
    return in;
}

// Enabled buttons 1..7 as a string: "VCUSRXQ" (View, Coordinates, Undo,
// Send, Resend, surrender, Quit) with "-" where disabled.
std::string Enabled(const CommandState& state)
{
    std::string out;
    const char marks[] = " VCUSRXQ";
    for (int i = 1; i <= ToolbarButtons; ++i)
        out += state.Button(i).enabled ? marks[i] : '-';
    return out;
}

} // namespace

TEST(CommandState, EnablingByTable)
{
    struct Case {
        const char* name;
        CommandInputs in;
        const char* enabled; // buttons 1..7
        bool closeMode;
        bool draw; // Accept and Decline
        bool comment;
        bool offerDraw; // the Actions menu's "Offer a draw"
    };
    std::vector<Case> cases;
    cases.push_back({"the player's turn", PlayersTurn(), "VC---XQ", false, false, true, true});
    cases.push_back({"an unsent move", UnsentMove(), "VCUS--Q", false, false, true, false});
    cases.push_back({"a sent move", SentMove(), "VC--R-Q", true, false, false, false});
    {
        CommandInputs in = UnsentMove();
        in.mailOffline = true;
        cases.push_back({"off-line", in, "VC----Q", true, false, false, false});
        in.standAlone = true;
        cases.push_back({"stand-alone", in, "VCUS--Q", false, false, true, false});
        in = SentMove();
        in.mailOffline = in.standAlone = true;
        cases.push_back({"stand-alone, sent", in, "VC--R-Q", true, false, false, false});
    }
    {
        CommandInputs in = PlayersTurn();
        in.selectedRow = 0;
        cases.push_back({"an earlier row", in, "VC----Q", false, false, true, false});
    }
    {
        CommandInputs in;
        in.computerGame = true;
        in.entries = 2;
        in.selectedRow = 2;
        in.lastNotation = "e5";
        cases.push_back({"computer, the player's turn", in, "VC---XQ", false, false, true, false});
        in.entries = in.selectedRow = 3;
        in.awaitingOpponent = true;
        in.lastNotation = "Nf3";
        cases.push_back({"computer, a saved move unanswered", in, "VC--R-Q", true, false, false, false});
        in.mailOffline = true;
        cases.push_back({"computer off-line", in, "VC--R-Q", true, false, false, false});
        in.checkmated = true;
        cases.push_back({"computer off-line, mated", in, "VC----Q", true, false, false, false});
        in = CommandInputs{};
        in.computerGame = true;
        in.entries = in.selectedRow = 3;
        in.computerThinking = true;
        in.awaitingOpponent = true;
        cases.push_back({"computer thinking", in, "-------", true, false, false, false});
    }
    {
        CommandInputs in;
        cases.push_back({"a new game", in, "VC----Q", false, false, true, false});
        in.newGameSetup = true;
        cases.push_back({"a new game from a set-up", in, "VC---XQ", false, false, true, true});
    }
    {
        CommandInputs in = PlayersTurn();
        in.entries = in.selectedRow = 2;
        in.playerIsHost = true;
        in.lastNotation = "Draw offer";
        in.drawOffered = in.drawAnswerPending = true;
        cases.push_back({"the opponent's offer", in, "VC----Q", false, true, true, false});
        in.gameDrawn = true;
        in.drawOffered = false;
        in.lastNotation = "1/2-1/2";
        in.drawAnswerPending = false;
        cases.push_back({"drawn by the opponent", in, "VC----Q", true, false, true, false});
    }
    {
        CommandInputs in = PlayersTurn();
        in.entries = in.selectedRow = 4;
        in.playerIsHost = true;
        in.lastNotation = "Qh4++";
        in.checkmated = true;
        cases.push_back({"mated by the opponent", in, "VC----Q", true, false, true, false});
        in.playerIsHost = false;
        in.awaitingOpponent = true;
        cases.push_back({"the player's sent mate", in, "VC--R-Q", true, false, false, false});
    }
    for (const Case& c : cases) {
        const CommandState state = ComputeCommandState(c.in);
        EXPECT_EQ(Enabled(state), c.enabled) << c.name;
        EXPECT_EQ(state.closeMode, c.closeMode) << c.name;
        EXPECT_EQ(state.drawAnswerEnabled, c.draw) << c.name;
        EXPECT_EQ(state.commentEnabled, c.comment) << c.name;
        EXPECT_EQ(state.actions[ActionsOfferDraw].enabled, c.offerDraw) << c.name;
        // The menu follows its button.
        EXPECT_EQ(state.actions[ActionsSend].enabled, state.Button(SendButton).enabled) << c.name;
        EXPECT_EQ(state.actions[ActionsResend].enabled, state.Button(ResendButton).enabled) << c.name;
        EXPECT_EQ(state.actions[ActionsPrintBoard].enabled, state.Button(CloseButton).enabled) << c.name;
    }
}

TEST(CommandState, CaptionsAndFacesOfBothToolbars)
{
    const auto T = [](int cell) { return ToolbarFace{FaceStrip::Toolbar, cell}; };
    const auto S = [](int cell) { return ToolbarFace{FaceStrip::SetupToolbar, cell}; };
    struct Case {
        const char* name;
        CommandInputs in;
        std::vector<std::string> captions; // plain toolbar, 1..7
        std::vector<ToolbarFace> faces;    // skinned toolbar, 1..7
    };
    CommandInputs sentFromTheOtherSide = SentMove();
    sentFromTheOtherSide.viewingOpponentsSide = true;
    sentFromTheOtherSide.coordsShown = true;
    CommandInputs thinking;
    thinking.computerGame = true;
    thinking.entries = thinking.selectedRow = 1;
    thinking.computerThinking = true;
    thinking.awaitingOpponent = true;
    CommandInputs setup;
    setup.setupMode = true;
    CommandInputs unplayableSetup = setup;
    unplayableSetup.setupPlayable = false;
    CommandInputs turnedSetup = setup;
    turnedSetup.viewingOpponentsSide = true;
    turnedSetup.coordsShown = true;
    const Case cases[] = {
        {"an unsent move",
         UnsentMove(),
         {"&View opponent", "C&oords on", "&Undo", "&Send", "&Resend", "Su&rrender", "&Cancel"},
         {T(0), T(2), T(4), T(6), T(18), T(19), T(12)}},
        {"sent, seen from the other side",
         sentFromTheOtherSide,
         {"&View me", "C&oords off", "&Undo", "&Send", "&Resend", "Su&rrender", "&Close"},
         {T(1), T(3), T(16), T(17), T(8), T(19), T(14)}},
        {"the computer thinking",
         thinking,
         {"&View", "C&oords on", "&Undo", "&Send", "&Resend", "Su&rrender", "&Close"},
         {T(22), T(23), T(16), T(17), T(18), T(19), T(21)}},
        {"set-up",
         setup,
         {"&View", "C&oordinates", "&Undo", "&Reset", "C&lear", "&Play", "&Close"},
         {T(0), T(2), T(4), S(3), S(6), S(0), T(12)}},
        {"set-up not yet playable",
         unplayableSetup,
         {"&View", "C&oordinates", "&Undo", "&Reset", "C&lear", "&Play", "&Close"},
         {T(0), T(2), T(4), S(3), S(6), S(2), T(12)}},
        {"set-up seen from Black's side, coordinates shown",
         turnedSetup,
         {"&View me", "C&oords off", "&Undo", "&Reset", "C&lear", "&Play", "&Close"},
         {T(1), T(3), T(4), S(3), S(6), S(0), T(12)}},
    };
    for (const Case& c : cases) {
        const CommandState state = ComputeCommandState(c.in);
        for (int i = 1; i <= ToolbarButtons; ++i) {
            EXPECT_EQ(state.Button(i).caption, c.captions[i - 1]) << c.name << " button " << i;
            EXPECT_EQ(state.Button(i).face, c.faces[i - 1]) << c.name << " button " << i;
            EXPECT_EQ(state.Button(i).visible, !(c.in.setupMode && i == UndoButton))
                << c.name << " button " << i;
        }
    }
    // The menus' captions follow the view and the coordinates.
    EXPECT_EQ(ComputeCommandState(sentFromTheOtherSide).actions[ActionsView].caption, "View from me");
    EXPECT_EQ(ComputeCommandState(sentFromTheOtherSide).actions[ActionsCoordinates].caption,
              "Hide coordinates");
    EXPECT_EQ(ComputeCommandState(UnsentMove()).setupViewCaption, "View from opponent");
    EXPECT_FALSE(ComputeCommandState(setup).actionsTouched);
    EXPECT_TRUE(ComputeCommandState(setup).Button(PlayButton).enabled);
    EXPECT_FALSE(ComputeCommandState(unplayableSetup).Button(PlayButton).enabled);

    // Held down and let go: the set-up buttons take their faces from their own strip.
    EXPECT_EQ(PressedFace(SendButton, false, false), T(7));
    EXPECT_EQ(PressedFace(ResetButton, true, false), S(4));
    EXPECT_EQ(ReleasedFace(PlayButton, true, false), S(0));
    EXPECT_EQ(PressedFace(CloseButton, false, true), T(15));
    EXPECT_EQ(ReleasedFace(CloseButton, false, false), T(12));
}
