#include "store/backup.h"

namespace Database {
namespace {

void Tell(const DataFolder& folder, std::int16_t icon, const char* caption, const char* text)
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
        Tell(folder, Support::IconInformation, "Backup complete.",
             "The database has been backed up and can be restored by selected Restore database "
             "from the File menu");
    else
        Tell(folder, Support::IconDatabase, "File system error.",
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

bool BackupDatabaseText(const DataFolder& folder, std::string_view liveText)
{
    if (!IsWholeDatabaseText(liveText))
        return false;
    return ReplaceFile(folder.Files(), folder.Backup(), folder.BackupRewrite(), liveText);
}

bool BackupDatabase(const DataFolder& folder, bool showMessage)
{
    bool ok = true;
    try {
        FileSystem& files = folder.Files();
        if (files.Exists(folder.Live())) {
            const auto live = files.ReadAll(folder.Live());
            ok = live && BackupDatabaseText(folder, *live);
        }
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
            Tell(folder, Support::IconInformation, "Restore complete.",
                 "The database has been restored successfully.");
        else
            Tell(folder, Support::IconDatabase, "File system error.",
                 "A general file system error has prevented Marrowdale from restoring the database.||"
                 "Please try again.");
    }
    return ok;
}

} // namespace Database
