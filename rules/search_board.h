#pragma once
// The computer opponent's working position: a Position plus what the search
// carries from node to node (side to move, previous move, the king squares
// and the undo stack), with the move primitives on it: legal move
// generation, make and unmake, and the square tests.
//
// A SearchBoard is built once from the board window's position and then
// changed only by MakeMove / UnmakeMove pairs; every make is taken back by
// exactly one unmake, after which the board, the castling flags, the checked
// side and the undo stack are as they were. Nothing here allocates memory.

#include "rules/attack_tables.h"
#include "rules/check.h"
#include "rules/position.h"
#include "rules/search_move_list.h"
#include "rules/square_attack.h"

#include <array>
#include <cstdint>

namespace ComputerAI {

// What one MakeMove changed, so that UnmakeMove can put it back. A record
// that is not in use equals UndoRecord{}.
struct UndoRecord {
    std::int8_t fromSquare = -1;
    std::int8_t toSquare = -1;
    std::int8_t fromPiece = 0;        // the code that stood on the from square
    std::int8_t toPiece = 0;          // the code that stood on the to square (0 when empty)
    std::int8_t enPassantSquare = -1; // the pawn taken en passant, or -1
    std::int8_t enPassantPiece = 0;
    std::int8_t rookFromSquare = -1; // the rook of a castling move, or -1
    std::int8_t rookToSquare = -1;
    std::int8_t rookFromPiece = 0;
    std::int8_t rookToPiece = 0;
    std::int8_t checkedSide = 0;   // the checked side before the move
    std::int8_t previousFrom = -1; // the previous move before this one, or -1
    std::int8_t previousTo = -1;
    BoardSupport::CastleFlags castleFlags; // the flags before the move

    // The move as the four digits from-column, from-row, to-column, to-row
    // (e2-e4 is 5254); 0 while the record is not in use.
    int MoveCode() const;
    // Column and row of the pawn taken en passant as two digits, or 0.
    int EnPassantCode() const;
    // The rook's move of a castling move as four digits, or 0.
    int RookMoveCode() const;
    // The flags before the move as eight digits (see PackCastleFlags); 0
    // while the record is not in use.
    int PackedCastleFlags() const;

    friend bool operator==(const UndoRecord&, const UndoRecord&) = default;
};

// The castling flags as the decimal number with the digits 1, White's
// queen-side rook, king, king-side rook, 2, Black's queen-side rook, king,
// king-side rook, each 1 when moved: all unmoved is 10002000.
int PackCastleFlags(const BoardSupport::CastleFlags& flags);

class SearchBoard {
public:
    static constexpr int UndoCapacity = 1000;

    // previousMove is the last move (Move::None() for none). The checked
    // side is worked out from the board, the side to move first.
    SearchBoard(const BoardSupport::Position& position, MoveValidation::Colour sideToMove,
                BoardSupport::Move previousMove = BoardSupport::Move::None());

    const BoardSupport::Position& GetPosition() const { return position_; }
    const BoardSupport::BoardSquares& Squares() const { return position_.squares; }
    const BoardSupport::CastleFlags& CastleFlags() const { return position_.castleFlags; }
    int CheckedSide() const { return position_.checkedSide; }
    MoveValidation::Colour SideToMove() const { return sideToMove_; }
    // The move that led here, Move::None() when there is none.
    BoardSupport::Move PreviousMove() const;
    // The square of the colour's king, or -1 when it has none.
    int KingSquare(MoveValidation::Colour colour) const { return kingSquare_[colour]; }

    int UndoCount() const { return undoCount_; }
    // Record 1..UndoCapacity; records above UndoCount() are not in use.
    const UndoRecord& UndoAt(int index) const { return undo_[index - 1]; }

    // ---- Square tests ----------------------------------------------------
    // 0 when a White piece stands there, 1 a Black piece, 2 empty.
    int GetSquareColour(BoardSupport::Square square) const;
    // True when the square is on the board and holds neither a piece of that
    // colour nor a king of either colour.
    bool CanMoveTo(MoveValidation::Colour colour, BoardSupport::Square square) const;
    // True when a piece of byColour could take on the square (0..63).
    bool IsSquareAttacked(int square, MoveValidation::Colour byColour) const
    {
        return ComputerAI::IsSquareAttacked(position_.squares, square, byColour);
    }
    bool IsInCheck(MoveValidation::Colour colour) const
    {
        return kingSquare_[colour] >= 0 && IsSquareAttacked(kingSquare_[colour], OtherColour(colour));
    }
    // The pieces of the colour, other than one standing on the square itself,
    // that could take on the square.
    int CountAttackers(MoveValidation::Colour colour, BoardSupport::Square square) const;
    // The side to move's check state: NotInCheck, InCheck, or (only when
    // testMate is true) Checkmate when no legal move is left.
    MoveValidation::CheckState GetCheckState(bool testMate) const;

    // ---- Generation (for the side to move) ------------------------------
    // Appends every legal move of all pieces of the side to move, scanning
    // rows 1..8 and in each row columns 1..8.
    void GenerateMoves(SearchMoveList& list, Promotions promotions = Promotions::AllFour) const;
    // Appends every legal move of the piece on the square; nothing when the
    // square holds no piece of the side to move.
    void GenerateMoves(BoardSupport::Square square, SearchMoveList& list,
                       Promotions promotions = Promotions::AllFour) const;
    // True when the side to move has at least one legal move.
    bool HasLegalMove() const;
    // True when the mover's king is not attacked after the move. The move
    // must obey the movement rules; the position is not changed.
    bool MoveLeavesKingSafe(const SearchMove& move) const;

    // ---- Make and unmake -------------------------------------------------
    // Plays a move of the side to move (one the generator produced): moves
    // the piece (a promoting pawn becomes move.promotion, a queen when that
    // is 0), takes an en passant pawn, moves the rook of a castling move,
    // updates the castling flags, passes the move to the other side and sets
    // the checked side to the new side to move when its king is attacked,
    // else -1. Returns false and changes nothing when the undo stack is full
    // or a square is off the board; such a make must not be followed by an
    // unmake.
    bool MakeMove(const SearchMove& move);
    // Takes back the last MakeMove exactly. Does nothing when no move is on
    // the undo stack.
    void UnmakeMove();

    friend bool operator==(const SearchBoard&, const SearchBoard&) = default;

private:
    struct PieceContext; // what the generator works out once per piece

    template <typename Sink>
    bool GeneratePieceMoves(int from, Promotions promotions, Sink& sink) const;
    PieceContext ContextFor(int from) const;
    bool IsLegal(const PieceContext& context, int from, int to) const;
    bool IsLegalEnPassant(int from, int to, int victim) const;
    bool CastlingAllowed(int from, int to) const;
    int EnPassantVictim(int from, int to) const;

    BoardSupport::Position position_;
    MoveValidation::Colour sideToMove_ = MoveValidation::White;
    std::array<int, 2> kingSquare_{-1, -1};
    int previousFrom_ = -1;
    int previousTo_ = -1;
    int undoCount_ = 0;
    std::array<UndoRecord, UndoCapacity> undo_{};
};

} // namespace ComputerAI
