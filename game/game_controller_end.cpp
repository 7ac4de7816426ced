// The end of a game as the player writes it: surrender, the draw offer and
// its answer, each a special entry in the move list.
#include "game/game_controller.h"
#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

void GameController::SurrenderGame(const std::string& comment)
{
    marks_.Remove();
    history_.AppendSpecialEntry(info_.playerColour == White ? "0-1" : "1-0", comment, info_.playerColour,
                                status_);
    status_.surrendered = true;
}

void GameController::OfferDraw(const std::string& comment)
{
    // The computer never answers an offer: the game would wait for ever.
    if (info_.computerGame)
        return;
    marks_.Remove();
    history_.AppendSpecialEntry("Draw offer", comment, info_.playerColour, status_);
    status_.drawOffered = true;
}

void GameController::DecideDraw(bool accept, const std::string& comment)
{
    history_.AppendSpecialEntry(accept ? "1/2-1/2" : "Decline", comment, info_.playerColour, status_);
    status_.gameDrawn = accept;
    // As the replay reads a "Decline": the offer is over, so both players'
    // boards hold the same flags.
    if (!accept)
        status_.drawOffered = false;
    status_.drawAnswerPending = false;
}

void GameController::ConfirmDraw()
{
    if (PlayerMadeLastEntry(history_.Entries(), info_.playerIsHost) || !status_.drawOffered
        || status_.gameDrawn || history_.Entries() == 0)
        return;
    timer_.DrawOfferNoticeDue();
    status_.drawAnswerPending = true;
    status_.playerMayMove = false;
}

} // namespace BoardSupport
