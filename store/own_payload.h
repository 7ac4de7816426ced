#pragma once
// A game this copy of the program sent itself. Every sent move stays where
// the other player can reach it: a move file waits in the sender's data
// folder to be carried, and a move mail between two copies that share one
// address lands in the sender's own inbox. Merged back into the sender's
// database it would change nothing (same id) or open a game in which the
// player answers himself (another id), and the file or mail would be gone
// before the opponent ever saw it. So such a payload is never merged.

#include "store/data_folder.h"
#include "store/game_record.h"
#include "store/mail_support.h"
#include "store/move_payload.h"

#include <optional>
#include <vector>

namespace MailSupport {

// True when one of `stored` wrote the payload: its GAME_ID is the sender's
// game id, its datestamp is the payload's, its GAME_HOST is the opposite
// of the receiver's host flag the payload carries (the writer always
// writes its own flag inverted), and its title is the one written.
bool IsOwnPayload(const ReceivedGame& game, const std::vector<GameRecord>& stored);

// The same question over the folder's database; nothing when the database
// cannot be read (the merge that follows then reports it).
std::optional<bool> IsOwnPayload(const Database::DataFolder& folder, const ReceivedGame& game);

// The check as a retrieval or import pass makes it, with the database read
// where the windows do theirs; a database that cannot be read counts as not
// our own, and the merge reports it.
bool SentByThisCopy(Transport& t, const ReceivedGame& game);

} // namespace MailSupport
