#pragma once
// Storing a received game by the arrival rules: the stored game it names is
// looked up, the rules decide, and only a new game or a sound extension is
// written. A refused arrival is told to the user once and kept; a sound
// extension from another address, or one that carries moves of the
// player's own side, is stored only when the user accepts it.
//
// Of a stored game's header an arrival changes only what is the
// opponent's: his name for himself (his side's name and the opponent's
// name), his id for the game, and, accepted, his new address. The player's
// name, the title, the date and the start stay as stored.

#include "store/arrival_rules.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace MailSupport {

struct ArrivalOutcome {
    // False: the database could not be read or written; the caller tells.
    bool ok = false;
    ArrivalVerdict verdict = ArrivalVerdict::Refused;
    std::string reason;          // why it was refused
    bool stored = false;         // the database now holds what arrived
    bool newMoves = false;       // it brought a new game or new moves
    bool known = false;          // it names a stored game
    std::int32_t gameID = 0;     // the stored game's id (the claimed one when refused)
    std::string gameName;        // the claimed game's title
    std::string opponentAddress; // the claimed game's opponent address as stored
    // The player's own moves it carries, as "5.Bc4", to be asked about.
    std::vector<std::string> playersMoves;
};

// What the user has accepted of an arrival.
struct ArrivalConsent {
    bool newSender = false;    // the sender's address as the game's opponent address
    bool playersMoves = false; // the moves of the player's side it carries as his own
};

// Looks the game up (by this player's id and its datestamp, else by the
// opponent's id and the datestamp), judges it and stores a new game or a
// sound extension. A SenderDiffers arrival is stored, with the sender as
// the game's new opponent address, only with the consent to the new
// sender; one that carries the player's own moves only with the consent to
// them. `ownName` gives the player's name, asked only for a new game's
// player's side (or a stored one without a name); without it, or when it
// gives "", the name the payload gives that side is kept.
ArrivalOutcome MergeArrivingGame(const Database::DataFolder& folder, const ReceivedGame& game,
                                 const std::optional<ArrivalSender>& sender,
                                 const ArrivalConsent& consent = {},
                                 const std::function<std::string()>& ownName = {});

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
// (or asks once whether to accept a new sender address, and whether the
// player's own moves it carries were his).
ArrivalAction StoreArrivingGame(Transport& t, const ReceivedGame& game,
                                const std::optional<ArrivalSender>& sender, const ArrivalSource& source);

} // namespace MailSupport
