// Reading one game's moves, handing out ids, saving and deleting games.

#include "store/database.h"

#include "store/game_line.h"
#include "store/text_values.h"

#include <functional>
#include <limits>

namespace Database {
namespace {

// The live file's text: nothing when it exists but cannot be read, "" when
// there is none.
std::optional<std::string> ReadLive(const DataFolder& folder, bool& exists)
{
    FileSystem& files = folder.Files();
    exists = files.Exists(folder.Live());
    if (!exists)
        return std::string();
    return files.ReadAll(folder.Live());
}

void AppendLine(std::string& out, std::string_view line)
{
    out.append(line);
    out += "\r\n";
}

// Copies every line of `live` except those of `gameID` to `out` and hands
// the (last) one of `gameID` back; false when a line has no readable id.
bool CopyOtherGames(std::string_view live, std::int32_t gameID, std::string& out,
                    std::optional<std::string_view>& gameLine)
{
    bool readable = true;
    ForEachLine(live, [&](std::string_view line) {
        const auto id = LineGameId(line);
        if (!id) {
            readable = false;
            return false;
        }
        if (*id == gameID)
            gameLine = line;
        else
            AppendLine(out, line);
        return true;
    });
    return readable;
}

// After a rewrite that went wrong: the half-made file goes, and the live
// file is put back as the backup taken just before.
void Recover(const DataFolder& folder)
{
    try {
        folder.Files().Remove(folder.Rewrite());
        RestoreDatabase(folder, false);
    } catch (const std::exception&) {
    }
}

// The stored line's moves, as they stand, after the new header.
void AppendStoredMoves(std::string& line, std::string_view storedLine)
{
    if (FieldCount(storedLine, '|') <= HeaderFieldCount)
        return;
    line += '|';
    line.append(StoredMovesText(storedLine));
}

void AppendMove(std::string& line, const MoveRecord& move)
{
    line += '|';
    line += FormatMove(move);
}

// The game's next line: the header, then the moves by the append-or-replace
// rule. An appended move goes after the stored moves as read, all written
// afresh, so that stray fields of a hand-edited line cannot shift it.
// Nothing when the stored moves to append to do not read.
std::optional<std::string> NextGameLine(const GameRecord& header, const MoveList& moves,
                                        std::optional<std::string_view> storedLine, bool moreMoves)
{
    const bool known = storedLine.has_value();
    std::string line = FormatGameHeader(header);
    if (!moves.empty() && (!known || moreMoves)) {
        if (moves.size() == 1 && moreMoves) {
            const auto stored = ParseGameMoves(*storedLine);
            if (!stored)
                return std::nullopt;
            for (const auto& move : *stored)
                AppendMove(line, move);
            AppendMove(line, moves.front());
        } else {
            for (const auto& move : moves)
                AppendMove(line, move);
        }
    } else if (known) {
        AppendStoredMoves(line, *storedLine);
    }
    return line;
}

// Builds the next file's text from the live one; false stops the rewrite.
using NextDatabaseText = std::function<bool(std::string_view live, std::string& next)>;

enum class WhenMissing { Create, Done };

// The one way the file is rewritten, saving and deleting alike: the live
// file is read and the next text built from it; only then does the live
// file become the backup, and the next text is written beside it and
// renamed over it, so until that rename the live file stays as it was.
// After a failed write the half-made file goes and the live file is put
// back from the backup.
bool RewriteDatabase(const DataFolder& folder, WhenMissing whenMissing, const NextDatabaseText& build)
{
    std::string next;
    try {
        bool exists = false;
        bool mended = false;
        const auto live = ReadLiveDatabase(folder, exists, mended);
        if (!exists && whenMissing == WhenMissing::Done)
            return true;
        if (!live || !build(*live, next))
            return false;
        if (exists && !BackupLiveText(folder, *live, !mended))
            return false;
    } catch (const std::exception&) {
        return false;
    }
    try {
        if (ReplaceFile(folder.Files(), folder.Live(), folder.Rewrite(), next))
            return true;
    } catch (const std::exception&) {
    }
    Recover(folder);
    return false;
}

} // namespace

bool LoadGameMoves(const DataFolder& folder, MoveList& moves, std::int32_t gameID)
{
    moves.clear();
    try {
        bool exists = false;
        const auto text = ReadLive(folder, exists);
        if (!text)
            return false;
        bool ok = true;
        ForEachLine(*text, [&](std::string_view line) {
            const auto id = LineGameId(line);
            if (!id) {
                ok = false;
                return false;
            }
            if (*id != gameID)
                return true;
            if (auto stored = ParseGameMoves(line))
                moves = std::move(*stored);
            else
                ok = false;
            return false;
        });
        if (!ok)
            moves.clear();
        return ok;
    } catch (const std::exception&) {
        moves.clear();
        return false;
    }
}

std::optional<std::int32_t> GetNextGameID(const DataFolder& folder)
{
    try {
        bool exists = false;
        const auto text = ReadLive(folder, exists);
        if (!text)
            return std::nullopt;
        std::int32_t highest = 0;
        ForEachLine(*text, [&](std::string_view line) {
            if (const auto id = LineGameId(line); id && *id > highest)
                highest = *id;
            return true;
        });
        if (highest == std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return highest + 1;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool SaveGame(const DataFolder& folder, GameRecord& record, const MoveList& moves, bool* newMoves)
{
    if (newMoves)
        *newMoves = false;
    if (record.GAME_ID < 1)
        return false;

    bool somethingNew = false;
    const bool saved =
        RewriteDatabase(folder, WhenMissing::Create, [&](std::string_view live, std::string& next) {
            next.reserve(live.size() + 1024);
            std::optional<std::string_view> storedLine;
            if (!CopyOtherGames(live, record.GAME_ID, next, storedLine))
                return false;
            const bool moreMoves =
                storedLine && !moves.empty() && StoredMoveCount(*storedLine) < moves.back().number;
            somethingNew = !storedLine || moreMoves;
            GameRecord header = record;
            if (newMoves && somethingNew)
                header.GAME_STATUS = StatusPlayersMove;
            const auto line = NextGameLine(header, moves, storedLine, moreMoves);
            if (!line)
                return false;
            AppendLine(next, *line);
            return true;
        });
    if (saved && newMoves && somethingNew) {
        *newMoves = true;
        record.GAME_STATUS = StatusPlayersMove;
    }
    return saved;
}

bool DeleteGame(const DataFolder& folder, std::int32_t gameID)
{
    return RewriteDatabase(folder, WhenMissing::Done, [&](std::string_view live, std::string& next) {
        next.reserve(live.size());
        std::optional<std::string_view> deleted;
        return CopyOtherGames(live, gameID, next, deleted);
    });
}

} // namespace Database
