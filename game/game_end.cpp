// The notices that tell the player how a game ended: a mate or a
// surrender, and a draw with the way it came about.

#include "game/game_controller.h"
#include "rules/check.h"
#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr Support::SoundCue WonCue = Support::SoundCue::GameWon;
constexpr Support::SoundCue LostCue = Support::SoundCue::GameLost;
constexpr Support::SoundCue DrawCue = Support::SoundCue::Information;

} // namespace

std::optional<BoardMessage> MateMessage(const GameController& game)
{
    const GameStatus& status = game.Status();
    const MoveHistory& history = game.History();
    if (!status.checkmated && !status.surrendered)
        return std::nullopt;
    const std::string comment = history.List().empty() ? "" : history.List().back().comment;
    const std::string opponent = OpponentName(game.Display().Facts());
    if (WonGame(game.Display().Facts())) {
        if (status.checkmated)
            return BoardMessage{Support::MsgIcon::Information, "CHECKMATE!",
                                "Congratulations!||You have won by getting your opponent in checkmate.",
                                WonCue};
        return BoardMessage{
            Support::MsgIcon::Information, "SURRENDER!",
            comment.empty()
                ? "Congratulations!||You have won because your opponent surrendered."
                : "Congratulations!||You have won because your opponent surrendered and had a "
                  "parting comment: "
                      + comment,
            WonCue};
    }
    if (status.checkmated)
        return BoardMessage{
            Support::MsgIcon::Information, "CHECKMATE!",
            comment.empty() ? "You lost!||" + opponent + " has won the game by getting you in checkmate."
                            : "You lost!||" + opponent
                                  + " got you in checkmate and had a parting comment: " + comment,
            LostCue};
    return BoardMessage{Support::MsgIcon::Information, "SURRENDER!",
                        comment.empty()
                            ? "You lost!||" + opponent + " won the game because you surrendered."
                            : "You lost!||You surrendered to " + opponent
                                  + " and the last thing said was: " + comment,
                        LostCue};
}

std::optional<BoardMessage> DrawMessage(const GameController& game)
{
    const GameStatus& status = game.Status();
    const MoveHistory& history = game.History();
    const GameInfo& info = game.Info();
    if (!status.gameDrawn)
        return std::nullopt;
    auto draw = [](std::string text) {
        return BoardMessage{Support::MsgIcon::Information, "DRAW!", std::move(text), DrawCue};
    };
    if (history.List().empty())
        return draw("The game ended in a draw.");
    const bool playerLast = PlayerMadeLastEntry(history.Entries(), info.playerIsHost);
    if (history.Entries() >= 2
        && SpecialEntryOf(history.List()[history.List().size() - 2].notation) == SpecialEntry::DrawOffer)
        return draw(
            playerLast
                ? "The game ended in a draw because you accepted your opponents offer of a draw."
                : "The game ended in a draw because your opponent accepted your offer of a draw.");
    // The stalemate is judged where the game ended, whatever row is shown.
    const Position last = MoveThroughHistory(history.Start(), history.List(), history.Entries(),
                                             status.gameDrawn, status.drawOffered, info.Rules())
                              .position;
    if (HasNoLegalMove(last, ColourToMoveAfter(history.Entries()),
                       Move::FromText(history.List().back().coordinates), last.checkedSide))
        return draw(playerLast
                        ? "The game ended in a forced draw because you put your opponent in stalemate."
                        : "The game ended in a forced draw because your opponent put you in stalemate.");
    return draw(playerLast ? "The game ended in a draw because you forced a draw."
                           : "The game ended in a draw because your opponent forced a draw.");
}

} // namespace BoardSupport
