#pragma once
// A game in transit between the two players: the explanation for a human
// reader, the two markers and the payload between them. The same text is a
// move mail's body and a move file's content.

#include "store/game_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace MailSupport {

// The program version the mails name.
inline constexpr std::string_view ProgramVersion = "2.6.7";

inline constexpr std::string_view StartMarker = "<<MARROWDALE:";
inline constexpr std::string_view EndMarker = ":MARROWDALE>>";
// The first 12 characters of every move mail's subject.
inline constexpr std::string_view SubjectPrefix = "Marrowdale :";

// The 24-line explanation in front of the payload, each line ended by CR LF.
std::string GetMoveMailBanner(std::string_view version = ProgramVersion);

// The payload as written, from the writer's own record and stored moves:
// header fields, the receiver's host flag (the writer's inverted), the start
// position on eight lines, then the moves; CR LF after every "|" that ends a
// line and nothing after the last move. Texts are cleaned first.
std::string MoveMailPayload(const GameRecord& record, const MoveList& moves);

// Banner, start marker, payload, end marker: the whole move mail body.
std::string MoveMailText(const GameRecord& record, const MoveList& moves,
                         std::string_view version = ProgramVersion);

// "Marrowdale : " + the last entry's notation + ", " + its comment, or
// "No comment." when it has none.
std::string MoveMailSubject(const MoveRecord& lastEntry);

// Whether a mail subject marks a move mail.
bool IsMoveMailSubject(std::string_view subject);

// Text made safe for a payload field or a subject: no "|", CR, LF or other
// control characters, and no marker, however the text was put together.
std::string CleanPayloadText(std::string_view text);

// A payload as read (one line, fields split at "|"), taken apart.
struct ReceivedGame {
    std::int32_t receiversGameId = 0; // 0 (or blank as sent): not yet known
    std::int32_t sendersGameId = 0;
    std::string datestamp;
    std::string name;
    std::string date;
    std::string whiteName;
    std::string blackName;
    bool receiverIsHost = false;
    std::string startPosition; // "" for the standard start
    MoveList moves;
};

// The game of a payload that has passed validation; nothing otherwise.
std::optional<ReceivedGame> ReadMovePayload(std::string_view payload);

} // namespace MailSupport

namespace Support {

// The payload between the markers with every CR and LF removed, or "" when
// the body holds none. Tolerates line breaks a mail system put inside the
// markers; the first move text in the body wins.
std::string ExtractMovePayload(std::string_view body);

// The text without either marker and without characters 1 to 31, for names
// and comments the user types.
std::string StripMailMarkers(std::string_view text);

} // namespace Support
