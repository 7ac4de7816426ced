// Set-up mode begun and left by the controller: play from the set-up
// position, the player taking White.
#include "game/game_controller.h"
#include "rules/position.h"

namespace BoardSupport {

using namespace MoveValidation;

void GameController::BeginBoardSetup()
{
    status_.checkmated = status_.surrendered = status_.gameDrawn = status_.drawOffered = false;
    marks_.Remove();
    setup_.Begin();
}

void GameController::BeginSetupGame()
{
    if (!setup_.Active())
        return;
    setup_.End();
    timer_.EndFlash();
    info_.initialBoardState = FormatPositionString(history_.Current().squares);
    info_.playerIsHost = true;
    info_.playerColour = White;
    SetBoardState();
    SetFormCaptions();
    marks_.Show(history_.SelectedRow());
    ConfirmDraw();
}

} // namespace BoardSupport
