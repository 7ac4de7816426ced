#pragma once
// What saving the player's move writes besides the move: a new game's date
// and datestamp from the clock, the status the game is stored with, and
// which way the stored game travels to the opponent.

#include "game/board_message.h"

#include <optional>
#include <string>

namespace BoardSupport {

// The local date and time a new game is stamped with.
struct ClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};
ClockReading ReadClock();

// "ddmmyyyyhhmm", the datestamp that with the game's id names it on both
// players' computers; and "dd/mm/yyyy", the date it started.
std::string DateStampOf(const ClockReading& clock);
std::string GameDateOf(const ClockReading& clock);

// The game's state when a row is saved, seen by whoever made the row.
struct StatusInputs {
    bool drawOffered = false;
    bool gameDrawn = false;
    bool checkmated = false;
    bool surrendered = false;
    bool makerWon = false; // the maker of the row has won
    bool computerGame = false;
    bool computersRow = false;  // the row is the computer's reply
    bool declinedOffer = false; // the row refuses the opponent's offer
};

// The GameStatus stored with the row: an open offer (or its refusal), then
// a finished game (won, drawn or lost for the player), then the player's
// turn again in a game against the computer, else the opponent's turn.
int SavedGameStatus(const StatusInputs& in);

struct SaveResult {
    bool ok = false;
    int savedGameId = 0;                 // the stored game's id
    std::optional<BoardMessage> message; // why it was not stored
};

// How a sent or resent game reaches the opponent.
enum class MoveTransport {
    Mail,     // on-line: a move mail
    MoveFile, // off-line in stand-alone mode: the next move file
    None,     // off-line: stored only
};
MoveTransport TransportFor(bool mailOffline, bool standAlone);

} // namespace BoardSupport
