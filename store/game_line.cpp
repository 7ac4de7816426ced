#include "store/game_line.h"

#include "store/text_values.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Database {
namespace {

// The first `count` fields of a line; later ones are not looked at.
template <std::size_t count>
std::array<std::string_view, count> LeadingFields(std::string_view line)
{
    std::array<std::string_view, count> fields{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < count && start <= line.size(); ++i) {
        const auto end = line.find('|', start);
        if (end == std::string_view::npos) {
            fields[i] = line.substr(start);
            break;
        }
        fields[i] = line.substr(start, end - start);
        start = end + 1;
    }
    return fields;
}

void AppendField(std::string& line, std::string_view text)
{
    line += CleanFieldText(text);
}

} // namespace

std::optional<GameRecord> ParseGameHeader(std::string_view line)
{
    const auto f = LeadingFields<HeaderFieldCount>(line);
    const auto id = ParseInt32(f[0]);
    const auto opponentsId = ParseInt32(f[2]);
    const auto host = ParseBoolean(f[8]);
    const auto status = ParseInt16(f[10]);
    const auto vsComputer = ParseBoolean(f[11]);
    if (!id || !opponentsId || !host || !status || !vsComputer)
        return std::nullopt;
    GameRecord record;
    record.GAME_ID = *id;
    record.GAME_DATESTAMP = f[1];
    record.GAME_OPPONENTS_ID = *opponentsId;
    record.GAME_NAME = f[3];
    record.GAME_DATE = f[4];
    record.GAME_OPPONENTS_EMAIL = f[5];
    record.GAME_WHITE_NAME = f[6];
    record.GAME_BLACK_NAME = f[7];
    record.GAME_HOST = *host;
    record.GAME_OPPONENTS_NAME = f[9];
    record.GAME_STATUS = *status;
    record.GAME_VS_COMPUTER = *vsComputer;
    record.startPosition = f[12];
    return record;
}

std::optional<std::int32_t> LineGameId(std::string_view line)
{
    return ParseInt32(line.substr(0, line.find('|')));
}

namespace {

// Fields of a line, without the cap of a counted list.
std::size_t LineFieldCount(std::string_view line)
{
    return line.empty() ? 0 : static_cast<std::size_t>(std::count(line.begin(), line.end(), '|')) + 1;
}

} // namespace

int StoredMoveCount(std::string_view line)
{
    const double moveFields = static_cast<double>(LineFieldCount(line)) - HeaderFieldCount;
    return static_cast<int>(std::nearbyint(moveFields / 4.0));
}

bool IsWholeGameLine(std::string_view line)
{
    const auto fields = LineFieldCount(line);
    return fields >= HeaderFieldCount && (fields - HeaderFieldCount) % 4 == 0 && ParseGameHeader(line)
           && ParseGameMoves(line);
}

int FirstUnreadableLine(std::string_view text, LineCheck check)
{
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++number;
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        auto line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool readable = line.empty()
                              || (check == LineCheck::Id ? LineGameId(line).has_value()
                                                         : ParseGameHeader(line).has_value());
        if (!readable)
            return number;
        start = end + 1;
    }
    return 0;
}

std::string_view StoredMovesText(std::string_view line)
{
    std::size_t start = 0;
    for (int i = 0; i < HeaderFieldCount; ++i) {
        const auto at = line.find('|', start);
        if (at == std::string_view::npos)
            return {};
        start = at + 1;
    }
    return line.substr(start);
}

std::optional<MoveList> ParseGameMoves(std::string_view line)
{
    MoveList moves;
    const int count = StoredMoveCount(line);
    if (count < 1)
        return moves;
    moves.reserve(static_cast<std::size_t>(count));
    std::string_view rest = StoredMovesText(line);
    bool more = true; // a field past the end of the line reads as ""
    auto next = [&]() -> std::string_view {
        if (!more)
            return {};
        const auto at = rest.find('|');
        std::string_view field = rest.substr(0, at);
        if (at == std::string_view::npos)
            more = false;
        else
            rest.remove_prefix(at + 1);
        return field;
    };
    for (int i = 0; i < count; ++i) {
        MoveRecord move;
        const auto number = ParseInt32(next());
        if (!number)
            return std::nullopt;
        move.number = *number;
        move.coordinates = next();
        move.notation = next();
        move.comment = next();
        moves.push_back(std::move(move));
    }
    return moves;
}

std::string FormatGameHeader(const GameRecord& r)
{
    std::string line;
    line.reserve(128);
    line += std::to_string(r.GAME_ID);
    line += '|';
    AppendField(line, r.GAME_DATESTAMP);
    line += '|';
    line += std::to_string(r.GAME_OPPONENTS_ID);
    line += '|';
    AppendField(line, r.GAME_NAME);
    line += '|';
    AppendField(line, r.GAME_DATE);
    line += '|';
    AppendField(line, r.GAME_OPPONENTS_EMAIL);
    line += '|';
    AppendField(line, r.GAME_WHITE_NAME);
    line += '|';
    AppendField(line, r.GAME_BLACK_NAME);
    line += '|';
    line += BooleanText(r.GAME_HOST);
    line += '|';
    AppendField(line, r.GAME_OPPONENTS_NAME);
    line += '|';
    line += std::to_string(r.GAME_STATUS);
    line += '|';
    line += BooleanText(r.GAME_VS_COMPUTER);
    line += '|';
    AppendField(line, r.startPosition);
    return line;
}

std::string FormatMove(const MoveRecord& move)
{
    std::string text = std::to_string(move.number);
    text += '|';
    AppendField(text, move.coordinates);
    text += '|';
    AppendField(text, move.notation);
    text += '|';
    AppendField(text, move.comment);
    return text;
}

} // namespace Database
