#pragma once
// Which of the board's commands may run now and how each shows itself: the
// seven toolbar buttons (their captions on the plain toolbar, their faces
// on the skinned one), the Accept and Decline buttons, the comment box and
// the items of the Actions and Set-up menus. A plain function of the game's
// state, so that both toolbars and the menus answer alike.

#include <array>
#include <string>

namespace BoardSupport {

// The toolbar's buttons, 1..7, in play mode; set-up mode uses 4..6 for
// Reset, Clear and Play.
enum BoardToolbarButton {
    ViewButton = 1,
    CoordinatesButton = 2,
    UndoButton = 3,
    SendButton = 4,
    ResendButton = 5,
    SurrenderButton = 6,
    CloseButton = 7,
    ResetButton = SendButton,
    ClearButton = ResendButton,
    PlayButton = SurrenderButton,
};
inline constexpr int ToolbarButtons = 7;

// Which picture strip a skinned face is a cell of.
enum class FaceStrip { Toolbar, SetupToolbar };

struct ToolbarFace {
    FaceStrip strip = FaceStrip::Toolbar;
    int cell = 0;
    friend bool operator==(const ToolbarFace&, const ToolbarFace&) = default;
};

// Everything the commands' state is decided from.
struct CommandInputs {
    bool setupMode = false;
    bool setupPlayable = true; // set-up mode: the set-up may start a game
    bool computerThinking = false;
    bool awaitingOpponent = false;
    bool playerIsHost = true;
    bool surrendered = false;
    bool gameDrawn = false;
    bool drawOffered = false;
    bool drawAnswerPending = false;
    bool checkmated = false;
    bool mailOffline = false;
    bool standAlone = false;
    bool computerGame = false;
    bool newGameSetup = false; // a new game started from the player's own set-up
    bool coordsShown = false;
    bool viewingOpponentsSide = false;
    int entries = 0;          // rows of the move list below its header
    int selectedRow = 0;      // the row the board shows (entries: the latest position)
    std::string lastNotation; // the "Move" text of the last row
};

struct ButtonState {
    bool visible = true;
    bool enabled = true;
    std::string caption; // the plain toolbar's caption
    ToolbarFace face;    // the skinned toolbar's face
};

struct MenuItemState {
    bool enabled = true;
    std::string caption; // empty: the item keeps its caption
};

// The items of the Actions menu that follow the toolbar, and (not part of
// the command state) Options and Close, which are always there.
enum ActionsItem {
    ActionsView = 0,
    ActionsCoordinates = 1,
    ActionsSeparator1 = 2,
    ActionsUndo = 3,
    ActionsSend = 4,
    ActionsResend = 5,
    ActionsSeparator2 = 6,
    ActionsSurrender = 7,
    ActionsOfferDraw = 8,
    ActionsSeparator3 = 9,
    ActionsOptions = 10,
    ActionsPrintBoard = 11,
    ActionsClose = 12,
};
inline constexpr int ActionsItems = 12;

struct CommandState {
    std::array<ButtonState, ToolbarButtons + 1> buttons; // 1..7
    // Button 7 closes the window rather than cancelling an unsent move.
    bool closeMode = false;
    bool drawAnswerEnabled = false;
    bool commentEnabled = true;
    // Actions items 0..11; in set-up mode they are left as they are
    // (touched false).
    std::array<MenuItemState, ActionsItems> actions;
    bool actionsTouched = false;
    // The Set-up menu's view and coordinates captions.
    std::string setupViewCaption;
    std::string setupCoordsCaption;

    const ButtonState& Button(int index) const { return buttons.at(static_cast<std::size_t>(index)); }
};

// The state of every command for the inputs: in set-up mode the set-up
// toolbar's layout, otherwise the play toolbar's enabling.
CommandState ComputeCommandState(const CommandInputs& inputs);

// The skinned faces while a button is held down and after it is let go.
ToolbarFace PressedFace(int button, bool setupMode, bool closeMode);
ToolbarFace ReleasedFace(int button, bool setupMode, bool closeMode);

} // namespace BoardSupport
