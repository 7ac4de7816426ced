#pragma once
// The one backup copy of the game database, "mdgdb.bak": refreshed before
// every rewrite and after every event that changed games, copied back when
// a rewrite has failed.

#include "store/data_folder.h"

#include <functional>
#include <string_view>

namespace Database {

// True when the backup is current, also when there is no database yet.
bool BackupDatabase(const DataFolder& folder, bool showMessage);

// True when the database has been restored from the backup (or there is no
// backup, which leaves the live file alone). `refreshListWindow`, when
// given, runs after a restore: the game list refills itself and the tray
// icon is brought up to date.
bool RestoreDatabase(const DataFolder& folder, bool showMessage,
                     const std::function<void()>& refreshListWindow = {});

// The backup step of a rewrite that has already read the live file.
bool BackupDatabaseText(const DataFolder& folder, std::string_view liveText);

} // namespace Database
