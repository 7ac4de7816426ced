#pragma once
// Whether a received game (a move mail or a move file) may change what is
// stored. A game is changed only by its opponent and only forwards: the
// same start position, the stored entries unchanged, every new entry sound
// by the replay check and made by the sender's side, and, for a mail, sent
// from the game's own opponent address. Each new entry is kept with the
// notation the replay writes for it, whatever the payload says. Nothing
// here reads or writes the database; the caller hands in the stored game
// and stores what is decided.

#include "store/mail_support.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace MailSupport {

enum class ArrivalVerdict {
    NewGame,       // no stored game: a new one, its entries sound
    Extends,       // the stored game's next entries
    NothingNew,    // an old copy, a resend, a mail fetched again: nothing changes
    Refused,       // nothing changes and the mail or file is kept; `reason` says why
    SenderDiffers, // a sound extension from another address: the user decides
};

struct StoredArrivalGame {
    GameRecord record;
    MoveList moves;
};

struct ArrivalJudgement {
    ArrivalVerdict verdict = ArrivalVerdict::Refused;
    // Why it was refused, to follow "because ": "its start position differs
    // from the stored game's".
    std::string reason;
    // For NewGame, Extends and SenderDiffers: the move list to store, the
    // stored entries (with their comments) followed by the new ones, each
    // new one with the notation the replay wrote for it.
    MoveList moves;
    // The new entries (1-based) that the player's own side made: sent back
    // by an opponent whose game holds a move this database lost, or made
    // for the player. Stored only when the player says they were his.
    std::vector<int> playersEntries;
};

// `stored` is the game the arrival names, none for a new game; `sender` is
// the mail's sender, none for a move file.
ArrivalJudgement JudgeArrival(const std::optional<StoredArrivalGame>& stored, const ReceivedGame& game,
                              const std::optional<ArrivalSender>& sender);

// The player plays White: the stored game's host flag, or for a new game
// the receiver's host flag the payload carries.
bool PlayerPlaysWhite(const std::optional<StoredArrivalGame>& stored, const ReceivedGame& game);

// "5.Bc4" for White's entry 5, "6...Nf6" for Black's entry 6.
std::string EntryText(const MoveRecord& entry, int number);

// Two mail addresses name the same mailbox: equal after the cleaning every
// stored address gets, letters compared without their case.
bool SameMailAddress(std::string_view a, std::string_view b);

} // namespace MailSupport
