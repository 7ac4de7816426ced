#pragma once
// The open game's move list and the position at its selected row, rebuilt
// from the start position, with the snapshot that takes the last move back.

#include "game/game_status.h"
#include "rules/position.h"
#include "store/data_folder.h"
#include "store/game_record.h"

#include <string>

namespace BoardSupport {

class MoveHistory {
public:
    const Position& Start() const { return start_; }
    const Position& Current() const { return position_; }
    const MoveList& List() const { return list_; }
    int Entries() const { return static_cast<int>(list_.size()); }
    int SelectedRow() const { return selectedRow_; }
    // The undo snapshot of the last change and whether the game was ended
    // by resignation when it was taken.
    const BoardSnapshot& Snapshot() const { return snapshot_; }
    // The last entry's coordinates as a move, Move::None() before any.
    Move PreviousMove() const;
    // The history menu's items: the marks need a row, first/last two.
    bool HighlightItemEnabled() const { return Entries() >= 1; }
    bool FirstLastItemsEnabled() const { return Entries() >= 2; }

    // The stored game's rows, the last one selected; false (and no rows)
    // when the database could not give them.
    bool Load(const Database::DataFolder& folder, int gameId);
    void SetStart(const Position& start) { start_ = start; }
    Position& Board() { return position_; }
    void Select(int row) { selectedRow_ = row; }
    // A new last row, numbered after the others and selected.
    void Append(const std::string& coordinates, const std::string& notation, const std::string& comment);
    // The last row taken back; the row before it is selected.
    void DropLast();
    void SetLastComment(const std::string& comment) { list_.back().comment = comment; }
    // An entry made in place of a move (a resignation, a draw offer or its
    // answer), written on the maker's king square after the snapshot that
    // takes it back; the player may not move after it.
    void AppendSpecialEntry(const char* text, const std::string& comment, MoveValidation::Colour maker,
                            GameStatus& status);

    void TakeSnapshot(const GameStatus& status);
    // The board, its check mark and the status's mate and resignation as
    // the snapshot holds them; the player may move again.
    void Restore(GameStatus& status);

private:
    Position start_;
    Position position_;
    MoveList list_;
    int selectedRow_ = 0;
    BoardSnapshot snapshot_;
};

} // namespace BoardSupport
