#pragma once
// The one check of a game's move list, entry by entry from its start
// position: what the board trusts when it replays a stored game, and what an
// arriving game must pass before it is stored. Entry i is White's when i is
// odd. A move must be legal where it stands; a special entry ("1-0", "0-1",
// "Surrender", "Draw offer", "1/2-1/2", "Decline") takes its maker's turn
// and carries the maker's king square twice, or "0000"; an answer to a draw
// offer stands only directly after the other side's offer; nothing follows
// the end of a game (mate, stalemate, a resignation or a draw).

#include "rules/position.h"
#include "store/board_changes.h"
#include "store/game_record.h"

#include <optional>
#include <string>

namespace BoardSupport {

enum class EntryFault {
    None,
    AfterTheEnd,       // the game was already over
    NotAMove,          // coordinates that name no move of the board
    NotOwnPiece,       // the origin holds no piece of the side whose turn it is
    IllegalMove,       // against the movement rules, or the mover's king left in check
    PromotionMismatch, // a promotion letter without a pawn reaching the last row, or none with one
    KingSquare,        // a special entry without its maker's king square twice
    AnswerWithoutOffer // "1/2-1/2" or "Decline" not directly after the other side's offer
};

// What the user is told of a fault: "it moves from an empty square", ...
std::string EntryFaultText(EntryFault fault);

// Steps through a move list, checking each entry before carrying it out.
class EntryReplay {
public:
    explicit EntryReplay(const Position& start);

    // Checks entry `entry` (1-based) of `entries`, which must be the next
    // one, and carries it out when sound. After a fault the replay stands
    // where it was; no later entry is played. With `madeNotation`, a sound
    // entry's notation as the board writes it goes there: a move's from its
    // coordinates and the position (its promotion piece as written), with
    // check, mate and draw; a special entry's as its maker writes it.
    EntryFault Play(const MoveList& entries, int entry, std::string* madeNotation = nullptr);

    const Position& CurrentPosition() const { return position_; }

private:
    EntryFault Check(const MoveList& entries, int entry, int& landingPiece, MoveEffects& effects) const;
    std::string MoveNotation(const MoveList& entries, int entry, int landingPiece,
                             const MoveEffects& effects) const;
    bool GameOverBefore(const MoveList& entries, int entry) const;

    Position position_;
    bool faulted_ = false;
};

struct ReplayFault {
    int entry = 0; // 1-based
    EntryFault fault = EntryFault::None;
};

// The first entry of the list that fails the check, if any.
std::optional<ReplayFault> CheckReplay(const Position& start, const MoveList& entries);

} // namespace BoardSupport
