// The end of a game, written and read in the move list: surrender, the draw
// offer and its answer, and the notices that tell the player how it ended.

#include "board/game_controller.h"
#include "store/move_entries.h"
#include "rules/check.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int WonCue = 1;
constexpr int LostCue = 7;
constexpr int DrawCue = 6;

} // namespace

void GameController::AppendSpecialEntry(const char* text, const std::string& comment, Colour maker)
{
    snapshot_ = SaveBoardState(position_, checkmated_, surrendered_);
    Square king;
    FindPiece(position_.squares, maker == White ? WhiteKing : BlackKing, king);
    moves_.push_back(MoveRecord{Entries() + 1, Move{king, king}.Text(), text, comment});
    selectedRow_ = Entries();
    playerMayMove_ = false;
}

void GameController::SurrenderGame(const std::string& comment)
{
    RemoveHilight();
    AppendSpecialEntry(playerColour_ == White ? "0-1" : "1-0", comment, playerColour_);
    surrendered_ = true;
}

void GameController::OfferDraw(const std::string& comment)
{
    // The computer never answers an offer: the game would wait for ever.
    if (computerGame_)
        return;
    RemoveHilight();
    AppendSpecialEntry("Draw offer", comment, playerColour_);
    drawOffered_ = true;
}

void GameController::DecideDraw(bool accept, const std::string& comment)
{
    AppendSpecialEntry(accept ? "1/2-1/2" : "Decline", comment, playerColour_);
    gameDrawn_ = accept;
    // As the replay reads a "Decline": the offer is over, so both players'
    // boards hold the same flags.
    if (!accept)
        drawOffered_ = false;
    drawAnswerPending_ = false;
}

void GameController::ConfirmDraw()
{
    if (PlayerMadeLastEntry(Entries(), playerIsHost_) || !drawOffered_ || gameDrawn_ || Entries() == 0)
        return;
    drawOfferNoticePending_ = true;
    drawAnswerPending_ = true;
    playerMayMove_ = false;
}

bool GameController::CloseAsClose() const
{
    // The toolbar's own test, so that the two never disagree.
    return ComputeCommandState(Commands()).closeMode;
}

std::optional<BoardMessage> GameController::MateMessage() const
{
    if (!checkmated_ && !surrendered_)
        return std::nullopt;
    const std::string comment = moves_.empty() ? "" : moves_.back().comment;
    const std::string opponent = OpponentName(Facts());
    if (WonGame()) {
        if (checkmated_)
            return BoardMessage{1, "CHECKMATE!",
                                "Congratulations!||You have won by getting your opponent in checkmate.",
                                WonCue};
        return BoardMessage{
            1, "SURRENDER!",
            comment.empty()
                ? "Congratulations!||You have won because your opponent surrendered."
                : "Congratulations!||You have won because your opponent surrendered and had a "
                  "parting comment: "
                      + comment,
            WonCue};
    }
    if (checkmated_)
        return BoardMessage{
            1, "CHECKMATE!",
            comment.empty() ? "You lost!||" + opponent + " has won the game by getting you in checkmate."
                            : "You lost!||" + opponent
                                  + " got you in checkmate and had a parting comment: " + comment,
            LostCue};
    return BoardMessage{1, "SURRENDER!",
                        comment.empty()
                            ? "You lost!||" + opponent + " won the game because you surrendered."
                            : "You lost!||You surrendered to " + opponent
                                  + " and the last thing said was: " + comment,
                        LostCue};
}

std::optional<BoardMessage> GameController::DrawMessage() const
{
    if (!gameDrawn_)
        return std::nullopt;
    auto draw = [](std::string text) { return BoardMessage{1, "DRAW!", std::move(text), DrawCue}; };
    if (moves_.empty())
        return draw("The game ended in a draw.");
    const bool playerLast = PlayerMadeLastEntry(Entries(), playerIsHost_);
    if (Entries() >= 2 && SpecialEntryOf(moves_[moves_.size() - 2].notation) == SpecialEntry::DrawOffer)
        return draw(
            playerLast
                ? "The game ended in a draw because you accepted your opponents offer of a draw."
                : "The game ended in a draw because your opponent accepted your offer of a draw.");
    // The stalemate is judged where the game ended, whatever row is shown.
    const Position last =
        MoveThroughHistory(start_, moves_, Entries(), gameDrawn_, drawOffered_, Rules()).position;
    if (HasNoLegalMove(last, ColourToMoveAfter(Entries()), Move::FromText(moves_.back().coordinates),
                       last.checkedSide))
        return draw(playerLast
                        ? "The game ended in a forced draw because you put your opponent in stalemate."
                        : "The game ended in a forced draw because your opponent put you in stalemate.");
    return draw(playerLast ? "The game ended in a draw because you forced a draw."
                           : "The game ended in a draw because your opponent forced a draw.");
}

} // namespace BoardSupport
