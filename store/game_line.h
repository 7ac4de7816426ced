#pragma once
// The text form of one game in the database file: the 13 header fields and
// then four fields per move, all joined by "|", one line per game.

#include "store/game_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace Database {

inline constexpr int HeaderFieldCount = 13;

// The header read from a line; nothing when a numeric or Boolean field does
// not convert (fields past the end read as "").
std::optional<GameRecord> ParseGameHeader(std::string_view line);

// The line's first field as a game id, or nothing when it does not convert.
std::optional<std::int32_t> LineGameId(std::string_view line);

// Number of stored moves of a line: (fields - 13) / 4, rounded to the
// nearest whole number with halves to even (may be 0 or below). Every field
// counts, however long the game.
int StoredMoveCount(std::string_view line);

// The moves of a line; nothing when a move number does not convert.
std::optional<MoveList> ParseGameMoves(std::string_view line);

// Whether a line reads as a whole game as this program writes it: the
// header and the moves convert, and it has exactly 13 + 4n fields. A line
// cut short mostly is not, whereas any readable line is still loaded.
bool IsWholeGameLine(std::string_view line);

// What of a line must convert: its game id alone (all a rewrite needs to
// copy it), or its whole header (what a selection needs).
enum class LineCheck { Id, Header };

// The 1-based number of the first non-empty line of a database text that
// fails the check; 0 when every one passes.
int FirstUnreadableLine(std::string_view text, LineCheck check);

// Everything after the 13th "|" (the stored moves as text), "" when none.
std::string_view StoredMovesText(std::string_view line);

// The 13 header fields joined by "|", every text cleaned so that it cannot
// split or break the line.
std::string FormatGameHeader(const GameRecord& record);

// One move's 4 fields joined by "|", texts cleaned.
std::string FormatMove(const MoveRecord& move);

// Calls `visit` for every non-empty line of a database text (a trailing CR
// is not part of the line); stops early when `visit` returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        auto line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        if (line.empty())
            continue;
        if (!visit(line))
            return;
    }
}

} // namespace Database
