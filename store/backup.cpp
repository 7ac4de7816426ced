#include "store/backup.h"

#include "store/game_line.h"

namespace Database {
namespace {

void Tell(const DataFolder& folder, Support::MsgIcon icon, const char* caption, const char* text)
{
    if (!folder.messages)
        return;
    Support::MessageBoxCall call;
    call.icon = icon;
    call.caption = caption;
    call.text = text;
    folder.messages->ShowMessage(call);
}

void TellBackup(const DataFolder& folder, bool showMessage, bool ok)
{
    if (!showMessage)
        return;
    if (ok)
        Tell(folder, Support::MsgIcon::Information, "Backup complete.",
             "The database has been backed up and can be restored by selected Restore database "
             "from the File menu");
    else
        Tell(folder, Support::MsgIcon::Database, "File system error.",
             "A general file system error has prevented Marrowdale from backing up the database.||"
             "Please try again.");
}

bool RestoreFromBackup(const DataFolder& folder)
{
    FileSystem& files = folder.Files();
    if (!files.Exists(folder.Backup()))
        return true;
    const auto backup = files.ReadAll(folder.Backup());
    if (!backup || !IsWholeDatabaseText(*backup))
        return false;
    return ReplaceFile(files, folder.Live(), folder.Rewrite(), *backup);
}

} // namespace

bool IsWholeDatabaseText(std::string_view text)
{
    return text.find('\0') == std::string_view::npos && (text.empty() || text.back() == '\n');
}

bool RepairDatabaseText(std::string& text)
{
    if (IsWholeDatabaseText(text))
        return true;
    if (text.find('\0') != std::string::npos)
        return false;
    std::string_view body = text;
    if (body.back() == '\r')
        body.remove_suffix(1);
    const auto lastLineStart = body.rfind('\n');
    if (!IsWholeGameLine(body.substr(lastLineStart == std::string_view::npos ? 0 : lastLineStart + 1)))
        return false;
    text.resize(body.size());
    text += "\r\n";
    return true;
}

std::optional<std::string> ReadLiveDatabase(const DataFolder& folder, bool& exists, bool& mended)
{
    FileSystem& files = folder.Files();
    mended = false;
    exists = files.Exists(folder.Live());
    if (!exists)
        return std::string();
    auto text = files.ReadAll(folder.Live());
    if (!text)
        return std::nullopt;
    const std::size_t readSize = text->size();
    if (!RepairDatabaseText(*text))
        return std::nullopt;
    mended = text->size() != readSize;
    return text;
}

bool BackupLiveText(const DataFolder& folder, std::string_view liveText, bool asSecondName)
{
    // A line the game list cannot read must never replace a good backup.
    if (!IsWholeDatabaseText(liveText) || FirstUnreadableLine(liveText, LineCheck::Header) > 0)
        return false;
    FileSystem& files = folder.Files();
    if (asSecondName) {
        if (!files.Remove(folder.BackupRewrite()))
            return false;
        if (files.Link(folder.Live(), folder.BackupRewrite())) {
            if (files.Rename(folder.BackupRewrite(), folder.Backup()))
                return true;
            if (!files.Remove(folder.BackupRewrite()))
                return false;
        }
    }
    return ReplaceFile(files, folder.Backup(), folder.BackupRewrite(), liveText);
}

bool BackupDatabase(const DataFolder& folder, bool showMessage)
{
    bool ok = true;
    try {
        bool exists = false;
        bool mended = false;
        const auto live = ReadLiveDatabase(folder, exists, mended);
        // Every line must be a game, as for a rewrite: the backup is what the
        // user falls back on.
        ok = live
             && (!exists
                 || (FirstUnreadableLine(*live, LineCheck::Id) == 0
                     && BackupLiveText(folder, *live, false)));
    } catch (const std::exception&) {
        ok = false;
    }
    TellBackup(folder, showMessage, ok);
    return ok;
}

bool RestoreDatabase(const DataFolder& folder, bool showMessage,
                     const std::function<void()>& refreshListWindow)
{
    bool ok = false;
    try {
        ok = RestoreFromBackup(folder);
        if (ok && refreshListWindow)
            refreshListWindow();
    } catch (const std::exception&) {
        ok = false;
    }
    if (showMessage) {
        if (ok)
            Tell(folder, Support::MsgIcon::Information, "Restore complete.",
                 "The database has been restored successfully.");
        else
            Tell(folder, Support::MsgIcon::Database, "File system error.",
                 "A general file system error has prevented Marrowdale from restoring the database.||"
                 "Please try again.");
    }
    return ok;
}

} // namespace Database
