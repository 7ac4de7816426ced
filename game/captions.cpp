#include "game/captions.h"

#include "store/move_entries.h"

namespace BoardSupport {

namespace {

CommentPanel Sized(std::string text)
{
    const int size = text.size() > 100 ? 7 : 8;
    return CommentPanel{std::move(text), size};
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::string OpponentName(const GameFacts& game)
{
    return game.playerIsHost ? game.blackPlayerName : game.whitePlayerName;
}

bool WonGame(const GameFacts& game)
{
    const bool playerLast = PlayerMadeLastEntry(game.entries, game.playerIsHost);
    return (game.checkmated && playerLast) || (game.surrendered && !playerLast);
}

FormCaptions SetFormCaptions(const GameFacts& game)
{
    FormCaptions captions;
    const std::string opponent = OpponentName(game);
    if (!game.checkmated && !game.surrendered && !game.gameDrawn) {
        captions.awaitingOpponent = !game.playerMayMove;
        captions.caption = game.playerMayMove ? "Marrowdale - Awaiting your move"
                                              : "Marrowdale - Awaiting " + opponent + "'s move";
        captions.playersTag = "You are playing " + opponent;
        return captions;
    }
    if (game.gameDrawn) {
        captions.caption = "Marrowdale - DRAW!";
    } else {
        const bool won = WonGame(game);
        const std::string end = game.checkmated ? "CHECKMATE" : won ? "OPPONENT SURRENDER" : "SURRENDER";
        captions.caption =
            "Marrowdale - " + end + "! - " + (won ? std::string("You") : opponent) + " won.";
    }
    captions.playersTag = "You were playing " + opponent;
    captions.awaitingOpponent = !game.playerMayMove;
    return captions;
}

CommentPanel DisplayPlayerComment(const GameFacts& game, const MoveList& entries, int selectedRow)
{
    if (entries.empty() || selectedRow < 1 || selectedRow > static_cast<int>(entries.size()))
        return Sized("");
    const std::string& comment = entries[selectedRow - 1].comment;
    if (IsBlank(comment))
        return Sized("");
    const bool playersRow = (selectedRow % 2 == 1) == game.playerIsHost;
    const std::string speaker = playersRow          ? std::string("You")
                                : game.playerIsHost ? game.blackPlayerName
                                                    : game.whitePlayerName;
    return Sized(speaker + " said: " + comment);
}

CommentPanel ComputerComment(int movesConsidered, int lastMoveScore)
{
    if (movesConsidered <= 0)
        return Sized("");
    return Sized("Moves considered : " + std::to_string(movesConsidered)
                 + "\r\nLast move score : " + std::to_string(lastMoveScore));
}

} // namespace BoardSupport
