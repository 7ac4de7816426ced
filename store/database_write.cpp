// Reading one game's moves, handing out ids, saving and deleting games.

#include "store/database.h"

#include "store/game_line.h"
#include "store/text_values.h"

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

// The live file's text as ReadLive gives it, backed up first when there is
// a live file; nothing when it cannot be read or backed up.
std::optional<std::string> ReadLiveBackedUp(const DataFolder& folder, bool& exists)
{
    auto text = ReadLive(folder, exists);
    if (!text || (exists && !BackupDatabaseText(folder, *text)))
        return std::nullopt;
    return text;
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

    std::string live;
    try {
        bool exists = false;
        auto text = ReadLiveBackedUp(folder, exists);
        if (!text)
            return false;
        live = std::move(*text);
    } catch (const std::exception&) {
        return false;
    }

    try {
        std::string out;
        out.reserve(live.size() + 1024);
        std::optional<std::string_view> storedLine;
        if (!CopyOtherGames(live, record.GAME_ID, out, storedLine)) {
            Recover(folder);
            return false;
        }

        const bool known = storedLine.has_value();
        const bool moreMoves = known && !moves.empty() && StoredMoveCount(*storedLine) < moves.back().number;
        const bool somethingNew = !known || moreMoves;

        GameRecord saved = record;
        if (newMoves && somethingNew)
            saved.GAME_STATUS = StatusPlayersMove;

        std::string line = FormatGameHeader(saved);
        if (!moves.empty() && somethingNew) {
            if (moves.size() == 1 && moreMoves) {
                AppendStoredMoves(line, *storedLine);
                line += '|';
                line += FormatMove(moves.front());
            } else {
                for (const auto& move : moves) {
                    line += '|';
                    line += FormatMove(move);
                }
            }
        } else if (known) {
            AppendStoredMoves(line, *storedLine);
        }
        AppendLine(out, line);

        if (!ReplaceFile(folder.Files(), folder.Live(), folder.Rewrite(), out)) {
            Recover(folder);
            return false;
        }
        if (newMoves && somethingNew) {
            *newMoves = true;
            record.GAME_STATUS = StatusPlayersMove;
        }
        return true;
    } catch (const std::exception&) {
        Recover(folder);
        return false;
    }
}

bool DeleteGame(const DataFolder& folder, std::int32_t gameID)
{
    std::string live;
    try {
        bool exists = false;
        auto text = ReadLiveBackedUp(folder, exists);
        if (!exists)
            return true;
        if (!text)
            return false;
        live = std::move(*text);
    } catch (const std::exception&) {
        return false;
    }

    try {
        std::string out;
        out.reserve(live.size());
        std::optional<std::string_view> deleted;
        if (CopyOtherGames(live, gameID, out, deleted) &&
            ReplaceFile(folder.Files(), folder.Live(), folder.Rewrite(), out))
            return true;
    } catch (const std::exception&) {
    }
    Recover(folder);
    return false;
}

} // namespace Database
