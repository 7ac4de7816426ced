#include "board/game_display.h"

#include "board/square_cells.h"

namespace BoardSupport {

GameFacts GameDisplay::Facts() const
{
    return GameFacts{info_.whitePlayerName, info_.blackPlayerName, info_.playerIsHost,
                     status_.playerMayMove,  status_.checkmated,   status_.surrendered,
                     status_.gameDrawn,      history_.Entries()};
}

int GameDisplay::CellAt(Square square) const
{
    // The timer hides a flashing or blinking king.
    if (timer_.Hides(square))
        return EmptySquareCell(square);
    const Position& position = history_.Current();
    return SquareImageIndex(position.squares, square,
                            KingFacts{status_.surrendered, position.checkedSide, status_.checkmated,
                                      history_.Entries()});
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

} // namespace BoardSupport
