#include "store/database_aside.h"

#include "store/backup.h"
#include "store/game_line.h"

#include <algorithm>
#include <cerrno>
#include <set>

namespace Database {
namespace {

constexpr mode_t OwnerOnly = 0600;

bool LineReads(std::string_view line, bool lastWithoutEnd)
{
    if (line.find('\0') != std::string_view::npos)
        return false;
    if (!ParseGameHeader(line) || !ParseGameMoves(line))
        return false;
    return !lastWithoutEnd || IsWholeGameLine(line);
}

// The ids of the readable lines of a database text.
std::set<std::int32_t> GameIds(std::string_view text)
{
    std::set<std::int32_t> ids;
    ForEachLine(text, [&](std::string_view line) {
        if (line.find('\0') == std::string_view::npos)
            if (const auto header = ParseGameHeader(line))
                ids.insert(header->GAME_ID);
        return true;
    });
    return ids;
}

std::string Plural(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

Support::MessageBoxCall DamageBox()
{
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Database;
    call.caption = "Game database damaged";
    call.sound = Support::SoundCue::Refused;
    return call;
}

} // namespace

std::optional<DamagedLines> FindDamagedLines(const DataFolder& folder)
{
    FileSystem& files = folder.Files();
    if (!files.Exists(folder.Live()))
        return std::nullopt;
    const auto text = files.ReadAll(folder.Live());
    if (!text)
        return std::nullopt;
    DamagedLines damage;
    std::set<std::int32_t> readableIds;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        const bool lastWithoutEnd = end == std::string::npos;
        if (lastWithoutEnd)
            end = text->size();
        std::string_view line = std::string_view(*text).substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (LineReads(line, lastWithoutEnd)) {
            damage.readableText.append(line);
            damage.readableText += "\r\n";
            ++damage.readableGames;
            readableIds.insert(*LineGameId(line));
        } else {
            damage.unreadableText.append(line);
            damage.unreadableText += "\r\n";
            ++damage.unreadableLines;
        }
    }
    if (damage.unreadableLines == 0)
        return std::nullopt;
    if (files.Exists(folder.Backup()))
        if (const auto backup = files.ReadAll(folder.Backup()); backup && IsWholeDatabaseText(*backup))
            for (const std::int32_t id : GameIds(*backup))
                if (!readableIds.count(id))
                    damage.lostGames.push_back(id);
    return damage;
}

DamageSetAside SetDamageAside(const DataFolder& folder, const DamagedLines& damage, DamageChoice choice,
                              const std::string& date)
{
    DamageSetAside result;
    FileSystem& files = folder.Files();
    std::string aside = damage.unreadableText;
    std::optional<std::string> replacement = damage.readableText;
    if (choice == DamageChoice::RestoreBackup) {
        // Nothing of the damaged file is lost: it goes aside whole.
        aside = files.ReadAll(folder.Live()).value_or(damage.readableText + damage.unreadableText);
        replacement = files.ReadAll(folder.Backup());
        if (!replacement || !IsWholeDatabaseText(*replacement))
            return result;
    }
    for (int n = 1; n <= 100 && result.keptIn.empty(); ++n) {
        const std::string suffix = n == 1 ? "" : "-" + std::to_string(n);
        const auto candidate = folder.path / (KeptAsidePrefix + date + suffix + ".txt");
        if (files.CreateAndFlush(candidate, aside, OwnerOnly))
            result.keptIn = candidate;
        else if (errno != EEXIST)
            return result;
    }
    if (result.keptIn.empty())
        return result;
    FlushFolderEntry(result.keptIn);
    result.ok = ReplaceFile(files, folder.Live(), folder.Rewrite(), *replacement);
    return result;
}

void CheckDatabaseAtStart(const DataFolder& folder, const std::string& date)
{
    std::optional<DamagedLines> damage;
    try {
        damage = FindDamagedLines(folder);
    } catch (const std::exception&) {
        return;
    }
    if (!damage)
        return;
    const std::string live = folder.Live().string();
    const std::string lines = Plural(damage->unreadableLines, "line", "lines");
    const std::string games = Plural(damage->readableGames, "readable game", "readable games");
    const std::string asideName = KeptAsidePrefix + date + ".txt";

    DamageChoice choice = DamageChoice::KeepReadable;
    if (!damage->lostGames.empty() && folder.messages) {
        // Asked before anything is written: until then the backup is as it was.
        const std::string lost = Plural(static_cast<int>(damage->lostGames.size()), "game", "games");
        Support::MessageBoxCall ask = DamageBox();
        ask.text =
            "Marrowdale cannot read " + lines + " of the game database " + live + "; it holds " + games
            + ".  The backup " + folder.Backup().string() + " holds " + lost
            + " that the readable lines do not.||Restore the backup?||Yes: the backup becomes the "
              "game database (any game changed since the backup was taken goes back to that "
              "state), the damaged game database is kept whole in "
            + asideName + " beside it, and the backup stays as it is.|No: the " + games
            + " stay in the game database, the unreadable lines are kept in " + asideName
            + " beside it, and the next backup replaces the old one (its " + lost + " are then gone).";
        ask.okCaption = "Yes";
        ask.cancelCaption = "No";
        if (folder.messages->ShowMessage(ask))
            choice = DamageChoice::RestoreBackup;
    }

    DamageSetAside done;
    try {
        done = SetDamageAside(folder, *damage, choice, date);
    } catch (const std::exception&) {
    }
    if (!folder.messages)
        return;
    Support::MessageBoxCall told = DamageBox();
    if (!done.ok) {
        told.text = "Marrowdale cannot read " + lines + " of the game database " + live
                    + ", and could not keep them aside in its folder.||Mend or remove the damaged "
                      "lines in a text editor; until then Marrowdale cannot store games.";
    } else if (choice == DamageChoice::RestoreBackup) {
        told.text = "The game database " + live
                    + " has been restored from the backup.||The damaged "
                      "game database is kept whole in "
                    + done.keptIn.string() + ".";
    } else {
        told.text = "Marrowdale could not read " + lines + " of the game database " + live
                    + ".||They have been taken out of it and kept in " + done.keptIn.string() + "; "
                    + (damage->readableGames == 0 ? std::string("no game in it could be read.")
                                                  : "the " + games + " are still listed.");
    }
    folder.messages->ShowMessage(told);
}

} // namespace Database
