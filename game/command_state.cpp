#include "game/command_state.h"

#include "store/move_entries.h"

namespace BoardSupport {

namespace {

// Cells of the play toolbar's strip.
enum ToolbarCell {
    ViewUp = 0,
    ViewOpponent = 1,
    CoordsUp = 2,
    CoordsShownCell = 3,
    UndoUp = 4,
    SendUp = 6,
    ResendUp = 8,
    SurrenderUp = 10,
    CancelUp = 12,
    CloseUp = 14,
    UndoOff = 16,
    SendOff = 17,
    ResendOff = 18,
    SurrenderOff = 19,
    CancelOff = 20,
    CloseOff = 21,
    ViewOff = 22,
    CoordsOff = 23,
};
// Cells of the set-up toolbar's strip.
enum SetupCell { PlayUp = 0, PlayOff = 2, ResetUp = 3, ClearUp = 6 };

ToolbarFace Play(int cell)
{
    return ToolbarFace{FaceStrip::Toolbar, cell};
}
ToolbarFace Setup(int cell)
{
    return ToolbarFace{FaceStrip::SetupToolbar, cell};
}

ButtonState Button(bool enabled, std::string caption, int upCell, int offCell)
{
    return ButtonState{true, enabled, std::move(caption), Play(enabled ? upCell : offCell)};
}

bool EndsTheGame(const std::string& notation)
{
    const SpecialEntry special = SpecialEntryOf(notation);
    return NotationEndsInMate(notation) || special == SpecialEntry::Resignation
           || special == SpecialEntry::DrawAgreed;
}

CommandState SetupModeState(const CommandInputs& in)
{
    CommandState state;
    // The set-up's own captions, until the board is turned round or its
    // coordinates are shown: then the buttons say so, as in play.
    state.buttons[ViewButton] = in.viewingOpponentsSide
                                    ? ButtonState{true, true, "&View me", Play(ViewOpponent)}
                                    : ButtonState{true, true, "&View", Play(ViewUp)};
    state.buttons[CoordinatesButton] =
        in.coordsShown ? ButtonState{true, true, "C&oords off", Play(CoordsShownCell)}
                       : ButtonState{true, true, "C&oordinates", Play(CoordsUp)};
    state.buttons[UndoButton] = ButtonState{false, false, "&Undo", Play(UndoUp)};
    state.buttons[ResetButton] = ButtonState{true, true, "&Reset", Setup(ResetUp)};
    state.buttons[ClearButton] = ButtonState{true, true, "C&lear", Setup(ClearUp)};
    state.buttons[PlayButton] =
        ButtonState{true, in.setupPlayable, "&Play", Setup(in.setupPlayable ? PlayUp : PlayOff)};
    // Closing the set-up throws it away: the Cancel face under the Close caption.
    state.buttons[CloseButton] = ButtonState{true, true, "&Close", Play(CancelUp)};
    state.commentEnabled = false;
    return state;
}

} // namespace

CommandState ComputeCommandState(const CommandInputs& in)
{
    if (in.setupMode)
        return SetupModeState(in);

    const int n = in.entries;
    const bool atLastRow = in.selectedRow == n;
    const bool lastIsMine = PlayerMadeLastEntry(n, in.playerIsHost);
    const bool offline = in.mailOffline && !in.standAlone && !in.computerGame;
    const bool thinking = in.computerThinking;

    CommandState state;
    state.actionsTouched = true;

    // View and coordinates: only the search keeps them from the player.
    const std::string viewItem = in.viewingOpponentsSide ? "View from me" : "View from opponent";
    state.buttons[ViewButton] = thinking ? ButtonState{true, false, "&View", Play(ViewOff)}
                                : in.viewingOpponentsSide
                                    ? ButtonState{true, true, "&View me", Play(ViewOpponent)}
                                    : ButtonState{true, true, "&View opponent", Play(ViewUp)};
    state.actions[ActionsView] = MenuItemState{!thinking, thinking ? "" : viewItem};
    state.setupViewCaption = thinking ? "" : viewItem;

    const std::string coordsItem = in.coordsShown ? "Hide coordinates" : "Show coordinates";
    state.buttons[CoordinatesButton] = Button(!thinking, in.coordsShown ? "C&oords off" : "C&oords on",
                                              in.coordsShown ? CoordsShownCell : CoordsUp, CoordsOff);
    state.actions[ActionsCoordinates] = MenuItemState{!thinking, coordsItem};
    state.setupCoordsCaption = coordsItem;

    // Undo and Send act on the player's unsent last row.
    const bool unsent = !offline && atLastRow && lastIsMine && !in.awaitingOpponent && !thinking;
    state.buttons[UndoButton] = Button(unsent, "&Undo", UndoUp, UndoOff);
    state.buttons[SendButton] = Button(unsent, "&Send", SendUp, SendOff);
    state.actions[ActionsUndo].enabled = unsent;
    state.actions[ActionsSend].enabled = unsent;

    // Resend repeats the sent last row; in a game against the computer it
    // asks the computer again, which a game the player's move ended has
    // nothing left to ask.
    const bool noTransport =
        in.mailOffline && !in.standAlone && (!in.computerGame || in.checkmated || in.surrendered);
    const bool computerGameOver = in.computerGame && (in.checkmated || in.surrendered || in.gameDrawn);
    const bool resend =
        atLastRow && lastIsMine && in.awaitingOpponent && !thinking && !noTransport && !computerGameOver;
    state.buttons[ResendButton] = Button(resend, "&Resend", ResendUp, ResendOff);
    state.actions[ActionsResend].enabled = resend;

    // Surrender and the draw offer belong to the player's turn in a game
    // still being played.
    const bool surrender = !(n == 0 && !in.newGameSetup) && !offline && !in.drawOffered && !in.gameDrawn
                           && !in.surrendered && atLastRow && !in.checkmated && !thinking && !lastIsMine;
    state.buttons[SurrenderButton] = Button(surrender, "Su&rrender", SurrenderUp, SurrenderOff);
    state.actions[ActionsSurrender].enabled = surrender;
    // The computer never answers an offer: it would wait for ever.
    state.actions[ActionsOfferDraw].enabled = surrender && !in.computerGame;

    state.closeMode = (!lastIsMine && n > 0 && EndsTheGame(in.lastNotation))
                      || (in.awaitingOpponent && lastIsMine) || offline;
    state.buttons[CloseButton] = state.closeMode ? Button(!thinking, "&Close", CloseUp, CloseOff)
                                                 : Button(!thinking, "&Cancel", CancelUp, CancelOff);
    state.actions[ActionsPrintBoard].enabled = !thinking;

    state.drawAnswerEnabled = !offline && atLastRow && !lastIsMine && !in.awaitingOpponent && !thinking
                              && in.drawOffered && in.drawAnswerPending;
    state.commentEnabled = !offline && !in.awaitingOpponent && !thinking;
    return state;
}

ToolbarFace PressedFace(int button, bool setupMode, bool closeMode)
{
    switch (button) {
    case ViewButton:
        return Play(ViewOpponent);
    case CoordinatesButton:
        return Play(CoordsShownCell);
    case UndoButton:
        return Play(UndoUp + 1);
    case SendButton:
        return setupMode ? Setup(ResetUp + 1) : Play(SendUp + 1);
    case ResendButton:
        return setupMode ? Setup(ClearUp + 1) : Play(ResendUp + 1);
    case SurrenderButton:
        return setupMode ? Setup(PlayUp + 1) : Play(SurrenderUp + 1);
    default:
        return Play(closeMode ? CloseUp + 1 : CancelUp + 1);
    }
}

ToolbarFace ReleasedFace(int button, bool setupMode, bool closeMode)
{
    switch (button) {
    case ViewButton:
        return Play(ViewUp);
    case CoordinatesButton:
        return Play(CoordsUp);
    case UndoButton:
        return Play(UndoUp);
    case SendButton:
        return setupMode ? Setup(ResetUp) : Play(SendUp);
    case ResendButton:
        return setupMode ? Setup(ClearUp) : Play(ResendUp);
    case SurrenderButton:
        return setupMode ? Setup(PlayUp) : Play(SurrenderUp);
    default:
        return Play(closeMode ? CloseUp : CancelUp);
    }
}

} // namespace BoardSupport
