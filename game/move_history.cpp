#include "game/move_history.h"

#include "store/database.h"

namespace BoardSupport {

Move MoveHistory::PreviousMove() const
{
    return list_.empty() ? Move::None() : Move::FromText(list_.back().coordinates);
}

bool MoveHistory::Load(const Database::DataFolder& folder, int gameId)
{
    list_.clear();
    if (!Database::LoadGameMoves(folder, list_, gameId)) {
        list_.clear();
        return false;
    }
    selectedRow_ = Entries();
    return true;
}

void MoveHistory::Append(const std::string& coordinates, const std::string& notation,
                         const std::string& comment)
{
    list_.push_back(MoveRecord{Entries() + 1, coordinates, notation, comment});
    selectedRow_ = Entries();
}

void MoveHistory::DropLast()
{
    list_.pop_back();
    selectedRow_ = Entries();
}

void MoveHistory::AppendSpecialEntry(const char* text, const std::string& comment,
                                     MoveValidation::Colour maker, GameStatus& status)
{
    TakeSnapshot(status);
    Square king;
    FindPiece(position_.squares,
              maker == MoveValidation::White ? MoveValidation::WhiteKing : MoveValidation::BlackKing,
              king);
    Append(Move{king, king}.Text(), text, comment);
    status.playerMayMove = false;
}

void MoveHistory::TakeSnapshot(const GameStatus& status)
{
    snapshot_ = SaveBoardState(position_, status.checkmated, status.surrendered);
}

void MoveHistory::Restore(GameStatus& status)
{
    RestoreBoardState(snapshot_, position_, status.checkmated, status.surrendered,
                      &status.playerMayMove);
}

} // namespace BoardSupport
