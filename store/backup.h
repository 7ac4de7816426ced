#pragma once
// The one backup copy of the game database, "mdgdb.bak": refreshed before
// every rewrite and after every event that changed games, copied back when
// a rewrite has failed.

#include "store/data_folder.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Database {

// True when the backup is current, also when there is no database yet. A
// live file that is damaged, or holds a line without a game id, never
// replaces the backup (a missing last line end is mended in the copy).
bool BackupDatabase(const DataFolder& folder, bool showMessage);

// True when the database has been restored from the backup (or there is no
// backup, which leaves the live file alone). `refreshListWindow`, when
// given, runs after a restore: the game list refills itself and the tray
// icon is brought up to date.
bool RestoreDatabase(const DataFolder& folder, bool showMessage,
                     const std::function<void()>& refreshListWindow = {});

// The live file's text, made whole where that is harmless
// (RepairDatabaseText): "" with `exists` false when there is none,
// nothing when it cannot be read or is damaged. `mended` tells whether the
// text differs from the file's bytes.
std::optional<std::string> ReadLiveDatabase(const DataFolder& folder, bool& exists, bool& mended);

// Makes the live file, read as `liveText`, the backup. With `asSecondName`,
// for a rewrite about to rename its new file over the live one, the live
// file itself becomes the backup under a second name and no byte is
// written; otherwise, or where the disk cannot give a file two names, the
// backup is a copy of `liveText`. (Left as a second name, a live file
// written in place would change its backup too.)
bool BackupLiveText(const DataFolder& folder, std::string_view liveText, bool asSecondName);

} // namespace Database
