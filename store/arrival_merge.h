#pragma once
// Storing a received game by the arrival rules: the stored game it names is
// looked up, the rules decide, and only a new game or a sound extension is
// written. A refused arrival is told to the user once and kept; a sound
// extension from another address is stored only when the user accepts that
// address for the game.

#include "store/arrival_rules.h"

#include <cstdint>
#include <optional>
#include <string>

namespace MailSupport {

struct ArrivalOutcome {
    // False: the database could not be read or written; the caller tells.
    bool ok = false;
    ArrivalVerdict verdict = ArrivalVerdict::Refused;
    std::string reason;            // why it was refused
    bool stored = false;           // the database now holds what arrived
    bool newMoves = false;         // it brought a new game or new moves
    bool known = false;            // it names a stored game
    std::int32_t gameID = 0;       // the stored game's id (the claimed one when refused)
    std::string gameName;          // the claimed game's title
    std::string opponentAddress;   // the claimed game's opponent address as stored
};

// Looks the game up (by this player's id and its datestamp, else by the
// opponent's id and the datestamp), judges it and stores a new game or a
// sound extension. A SenderDiffers arrival is stored, with the sender as
// the game's new opponent address, only with `acceptNewSender`.
ArrivalOutcome MergeArrivingGame(const Database::DataFolder& folder, const ReceivedGame& game,
                                 const std::optional<ArrivalSender>& sender,
                                 bool acceptNewSender = false);

// Where an arrival came from, for the user and for telling it only once.
struct ArrivalSource {
    // Tells one mail or file version from every other; "" for a file the
    // user picked, which is told about at every pick.
    std::string key;
    // "A move mail from zed@example.org", "The move file /home/.../Cmove1.txt".
    std::string what;
    // Where a refused arrival stays: "in your Inbox", "where it is".
    std::string keptWhere;
};

enum class ArrivalAction {
    Delete, // stored, or nothing new in it: the mail or automatic file may go
    Keep,   // refused or not accepted: it stays
    Failed, // the database could not store it; the caller tells
};

// Stores an arriving game with MergeArrivingGame, queues a new game or move
// in PendingMoveList, and tells the user once per arrival what was refused
// (or asks once whether to accept a new sender address).
ArrivalAction StoreArrivingGame(Transport& t, const ReceivedGame& game,
                                const std::optional<ArrivalSender>& sender, const ArrivalSource& source);

} // namespace MailSupport
