#pragma once
// Reads positions written in Forsyth-Edwards Notation, the form in which
// published move counts give their positions. Only the benchmark and the
// tests need it; the program itself keeps positions as position strings.

#include "rules/position.h"

#include <optional>
#include <string>
#include <string_view>

namespace Bench {

struct FenSetup {
    BoardSupport::Position position; // checked side: see SearchBoard
    MoveValidation::Colour sideToMove = MoveValidation::White;
    // An en passant square becomes the double step that allows it (e2-e4
    // for e3), otherwise none.
    BoardSupport::Move previousMove;
};

// The placement, side, castling and en passant fields; the move counters
// may be left off. Nothing when the text is not a position.
std::optional<FenSetup> ReadFen(std::string_view fen);

inline constexpr std::string_view StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

} // namespace Bench
