#include "game/game_display.h"

#include "game/square_cells.h"
#include "store/move_entries.h"

namespace BoardSupport {

GameFacts GameDisplay::Facts() const
{
    return GameFacts{info_.whitePlayerName, info_.blackPlayerName, info_.playerIsHost,
                     status_.playerMayMove, status_.checkmated,    status_.surrendered,
                     status_.gameDrawn,     history_.Entries()};
}

int GameDisplay::CellAt(Square square) const
{
    // The timer hides a flashing or blinking king.
    if (timer_.Hides(square))
        return EmptySquareCell(square);
    const Position& position = history_.Current();
    return SquareImageIndex(
        position.squares, square,
        KingFacts{status_.surrendered, position.checkedSide, status_.checkmated, history_.Entries()});
}

FormCaptions GameDisplay::Captions() const
{
    if (setup_.Active())
        return SetupCaptions();
    return captions_;
}

const FormCaptions& GameDisplay::WriteCaptions()
{
    captions_ = SetFormCaptions(Facts());
    return captions_;
}

CommentPanel GameDisplay::Comment() const
{
    if (setup_.Active())
        return SetupComment();
    if (info_.computerGame)
        return ComputerComment(static_cast<int>(computer_.MovesConsidered()), computer_.LastMoveScore());
    return DisplayPlayerComment(Facts(), history_.List(), history_.SelectedRow());
}

CommandInputs GameDisplay::Commands() const
{
    CommandInputs in;
    in.setupMode = setup_.Active();
    in.setupPlayable = setup_.Active() && setup_.UpdatePiecePalette().playEnabled;
    in.computerThinking = computer_.Thinking();
    in.awaitingOpponent = status_.awaitingOpponent;
    // During the computer's turn the board plays the computer's side.
    in.playerIsHost = computer_.Thinking() ? true : info_.playerIsHost;
    in.surrendered = status_.surrendered;
    in.gameDrawn = status_.gameDrawn;
    in.drawOffered = status_.drawOffered;
    in.drawAnswerPending = status_.drawAnswerPending;
    in.checkmated = status_.checkmated;
    in.mailOffline = info_.mailOffline;
    in.standAlone = info_.standAlone;
    in.computerGame = info_.computerGame;
    in.newGameSetup = info_.newGameSetup && info_.gameId < 1;
    in.coordsShown = marks_.CoordsShown();
    in.viewingOpponentsSide = info_.viewColour != info_.playerColour;
    in.entries = history_.Entries();
    in.selectedRow = history_.SelectedRow();
    in.lastNotation = history_.List().empty() ? std::string() : history_.List().back().notation;
    return in;
}

bool GameDisplay::DrawLogoShown() const
{
    if (setup_.Active())
        return false;
    const MoveList& rows = history_.List();
    const int row = history_.SelectedRow();
    if (row < 1 || row > static_cast<int>(rows.size()))
        return false;
    return SpecialEntryOf(rows[row - 1].notation) == SpecialEntry::DrawOffer
           && !PlayerMadeLastEntry(row, info_.playerIsHost);
}

} // namespace BoardSupport
