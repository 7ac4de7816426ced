#include "rules/refusal.h"

#include <array>

namespace MoveValidation {

namespace {

constexpr std::string_view IllegalMove = "Illegal move";

// In the order of the Refusal codes. The texts are the ones players have
// always seen, spelling included.
constexpr std::array<RefusalNote, RefusalCount> Notes = {{
    {"", "", 0},
    {"Dropping a piece of the board won't help.", "Marrowdale information", 6},
    {"You cannot take your own pieces.", IllegalMove, 5},
    {"You cant take your own pieces.", IllegalMove, 5},
    {"You cannot take your opponents King.  That would be too easy!", IllegalMove, 5},
    {"The Rook can only move in unobstructed stright lines.", IllegalMove, 5},
    {"The Bishop can only move in unobstructed diagonal lines.", IllegalMove, 5},
    {"The Queen can only move in unobstructed straight or diagonal lines.", IllegalMove, 5},
    {"Although the Knights path does not have to be unobstructed, it can only move in L shaped "
     "moves; two along and one to the side.",
     IllegalMove, 5},
    {"The King can only move in straight or diagonal directions.", "Move validation", 5},
    {"The only time the King can move more than one space is when it's Castling and that is a "
     "horizontal move.",
     IllegalMove, 5},
    {"If you are trying to Castle, you cannot take a piece as you do it.", IllegalMove, 5},
    {"If you are trying to Castle, you must move the king two space left or right.", IllegalMove, 5},
    {"If you are trying to Castle, you cannot because you are in check.", IllegalMove, 5},
    {"Moving the King to that position would leave you in check.", IllegalMove, 5},
    {"Pawns can only move forwards.", IllegalMove, 5},
    {"You can only move a Pawn diagonally when performing an En Passon manouver.", IllegalMove, 5},
    {"The Pawn can only move one space at a time or two as its first move.", IllegalMove, 5},
    {"The Pawn has already moved so it can now only move one space at a time.", IllegalMove, 5},
    {"Although it's the pawns first move and it can move two spaces, it can never jump over "
     "another piece.",
     IllegalMove, 5},
    {"The Pawn can only take in a diagonal line.", IllegalMove, 5},
    {"The Pawn can only take adjasent pieces.", IllegalMove, 5},
}};

} // namespace

const RefusalNote& NoteFor(Refusal refusal)
{
    const auto index = static_cast<std::size_t>(refusal);
    return index < Notes.size() ? Notes[index] : Notes[0];
}

} // namespace MoveValidation
