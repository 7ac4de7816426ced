#include "store/move_payload.h"

#include "store/field_list.h"
#include "store/payload_validation.h"
#include "store/text_values.h"

#include <algorithm>

namespace MailSupport {
namespace {

const char* const CrLf = "\r\n";

void RemoveAll(std::string& text, std::string_view marker)
{
    for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at))
        text.erase(at, marker.size());
}

} // namespace

std::string GetMoveMailBanner(std::string_view version)
{
    const std::string stars(60, '*');
    const std::string lines[] = {
        stars,
        "M A R R O W D A L E   C H E S S   M O V E",
        stars,
        "This email is a Marrowdale chess move.  It was created using",
        "Marrowdale " + std::string(version) + " and will not be readable by previous versions.",
        "",
        "WHAT TO DO NOW...",
        "Run Marrowdale and the move will be picked up automatically.",
        "If you are already running Marrowdale wait a bit and Marrowdale",
        "will pick up this mail for you, or you can right click the system",
        "tray icon and select Retrieve games... from the popup menu.",
        "",
        "These emails are only automatically recognised by Marrowdale if",
        "they are left unread.  If you have opened this mail it may now",
        "be marked as read so you must mark this mail as unread or",
        "manually retrieve the move as described above.",
        "",
        "The following text is the Marrowdale chess game.  Please do not",
        "tamper with it or Marrowdale will not function properly.",
        stars,
        "",
        "",
        "",
        "",
    };
    std::string banner;
    for (const auto& line : lines)
        banner += line + CrLf;
    return banner;
}

std::string CleanPayloadText(std::string_view text)
{
    std::string clean = Database::CleanFieldText(text);
    // Taking a marker out can join the text around it into a new one.
    while (clean.find(StartMarker) != std::string::npos || clean.find(EndMarker) != std::string::npos) {
        RemoveAll(clean, StartMarker);
        RemoveAll(clean, EndMarker);
    }
    return clean;
}

std::string MoveMailPayload(const GameRecord& record, const MoveList& moves)
{
    std::string payload;
    auto field = [&](const std::string& text) {
        payload += text;
        payload += '|';
        payload += CrLf;
    };
    field(std::to_string(record.GAME_OPPONENTS_ID));
    field(std::to_string(record.GAME_ID));
    field(CleanPayloadText(record.GAME_DATESTAMP));
    field(CleanPayloadText(record.GAME_NAME));
    field(CleanPayloadText(record.GAME_DATE));
    field(CleanPayloadText(record.GAME_WHITE_NAME));
    field(CleanPayloadText(record.GAME_BLACK_NAME));
    field(record.GAME_HOST ? "False" : "True");
    const std::string position = CleanPayloadText(record.startPosition);
    for (int group = 1; group <= 8; ++group) {
        payload += Support::GetField(position, group, ";");
        payload += group < 8 ? ';' : '|';
        payload += CrLf;
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto& move = moves[i];
        payload += std::to_string(move.number);
        payload += '|';
        payload += CleanPayloadText(move.coordinates);
        payload += '|';
        payload += CleanPayloadText(move.notation);
        payload += '|';
        payload += CleanPayloadText(move.comment);
        if (i + 1 < moves.size()) {
            payload += '|';
            payload += CrLf;
        }
    }
    return payload;
}

std::string MoveMailText(const GameRecord& record, const MoveList& moves, std::string_view version)
{
    std::string text = GetMoveMailBanner(version);
    text += StartMarker;
    text += MoveMailPayload(record, moves);
    text += EndMarker;
    return text;
}

std::string MoveMailSubject(const MoveRecord& lastEntry)
{
    const std::string comment = CleanPayloadText(lastEntry.comment);
    return "Marrowdale : " + CleanPayloadText(lastEntry.notation) + ", "
           + (comment.empty() ? std::string("No comment.") : comment);
}

bool IsMoveMailSubject(std::string_view subject)
{
    return subject.substr(0, SubjectPrefix.size()) == SubjectPrefix;
}

} // namespace MailSupport

namespace Support {
namespace {

using MailSupport::EndMarker;
using MailSupport::StartMarker;

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Index just after the start marker, matched across line breaks; npos when
// there is none.
std::size_t PayloadStart(std::string_view body)
{
    if (const auto at = body.find(StartMarker); at != std::string_view::npos)
        return at + StartMarker.size();
    for (auto lt = body.find('<'); lt != std::string_view::npos; lt = body.find('<', lt + 1)) {
        std::size_t i = lt;
        std::size_t matched = 0;
        while (i < body.size() && matched < StartMarker.size()) {
            if (IsLineBreak(body[i])) {
                ++i;
                continue;
            }
            if (body[i] != StartMarker[matched])
                break;
            ++matched;
            ++i;
        }
        if (matched == StartMarker.size())
            return i;
    }
    return std::string_view::npos;
}

// Index of the end marker's first character, matched across line breaks and
// not below `floor`; npos when there is none.
std::size_t PayloadEnd(std::string_view body, std::size_t start, std::size_t floor)
{
    if (const auto at = body.find(EndMarker, floor); at != std::string_view::npos)
        return at;
    for (auto gt = body.find('>', start); gt != std::string_view::npos; gt = body.find('>', gt + 1)) {
        std::size_t i = gt + 1; // one past the character compared next
        std::size_t left = EndMarker.size();
        while (i > floor && left > 0) {
            const char c = body[i - 1];
            if (IsLineBreak(c)) {
                --i;
                continue;
            }
            if (c != EndMarker[left - 1])
                break;
            --left;
            --i;
        }
        if (left == 0)
            return i;
    }
    return std::string_view::npos;
}

} // namespace

std::string ExtractMovePayload(std::string_view body)
{
    if (body.size() <= StartMarker.size() + EndMarker.size())
        return {};
    const auto start = PayloadStart(body);
    if (start == std::string_view::npos || start >= body.size())
        return {};
    const auto end = PayloadEnd(body, start, start + 1);
    if (end == std::string_view::npos || end < start + 2)
        return {};
    std::string payload;
    for (char c : body.substr(start, end - start))
        if (!IsLineBreak(c))
            payload += c;
    return payload;
}

std::string StripMailMarkers(std::string_view text)
{
    std::string stripped(text);
    MailSupport::RemoveAll(stripped, StartMarker);
    MailSupport::RemoveAll(stripped, EndMarker);
    std::string result;
    result.reserve(stripped.size());
    for (char c : stripped) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 1 || code > 31)
            result += c;
    }
    return result;
}

} // namespace Support

namespace MailSupport {

std::optional<ReceivedGame> ReadMovePayload(std::string_view payload)
{
    const PayloadFields field(payload);
    if (!CheckMovePayload(field).Passed())
        return std::nullopt;
    ReceivedGame game;
    game.receiversGameId = Database::ParseInt32(field(1)).value_or(0);
    game.sendersGameId = *Database::ParseInt32(field(2));
    game.datestamp = field(3);
    game.name = field(4);
    game.date = field(5);
    game.whiteName = field(6);
    game.blackName = field(7);
    game.receiverIsHost = field(8) == "True";
    // The standard start travels as seven ";" alone; stored, it is the empty text.
    game.startPosition = field(9);
    if (game.startPosition.find_first_not_of(';') == std::string::npos)
        game.startPosition.clear();
    const int n = field.Count();
    game.moves.reserve(static_cast<std::size_t>(std::max(0, (n - 9) / 4)));
    for (int k = 10; k <= n - 3; k += 4)
        game.moves.push_back(
            {*Database::ParseInt32(field(k)), field(k + 1), field(k + 2), field(k + 3)});
    return game;
}

} // namespace MailSupport
