#pragma once
// Why a move was refused. The rules return only the code; the window layer
// looks up the note (text, caption, sound cue) to tell the player.

#include <cstdint>
#include <string_view>

namespace MoveValidation {

enum class Refusal : std::uint8_t {
    None = 0,      // the move is allowed
    OffBoard,      // destination off the board
    OwnPieceBlack, // a Black piece onto a Black piece
    OwnPieceWhite, // any other piece onto a White piece
    KingCapture,   // the target is a king
    RookLine,
    BishopLine,
    QueenLine,
    KnightShape,     // not an L
    KingLine,        // the king's path is not a clear line
    KingRowDistance, // more than one row
    CastleOntoPiece,
    NotCastling, // two or more columns but no castling move
    CastleOutOfCheck,
    CastlePassageAttacked,
    PawnBackwards,
    PawnDiagonalNoEnPassant,
    PawnTooFar,       // more than two rows
    PawnAlreadyMoved, // two rows, not from its second row
    PawnJump,         // two rows over an occupied square
    PawnStraightCapture,
    PawnNotAdjacent,
};

inline constexpr int RefusalCount = static_cast<int>(Refusal::PawnNotAdjacent) + 1;

// What the player is told about a refusal: the message text ("|" breaks a
// line), the message box caption and the number of the sound cue to play.
struct RefusalNote {
    std::string_view text;
    std::string_view caption;
    int soundCue = 0;
};

// The note of a refusal; Refusal::None gives an empty note.
const RefusalNote& NoteFor(Refusal refusal);

} // namespace MoveValidation
