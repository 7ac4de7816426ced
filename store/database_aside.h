#pragma once
// Damage found at start never hides a game and never reaches the backup:
// the lines of the game database that cannot be read are taken out of it
// and kept in a dated file beside it, every readable game stays listed, and
// when the backup still holds games the damage took, the user decides first
// whether the backup comes back instead.

#include "store/data_folder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Database {

// "Mdgdb.unreadable-" + date + ".txt" (then "-2", "-3", ... when taken).
inline constexpr const char* KeptAsidePrefix = "Mdgdb.unreadable-";

struct DamagedLines {
    std::string readableText;   // the readable lines, each ended by CR LF
    std::string unreadableText; // the unreadable lines as they were, each ended by CR LF
    int unreadableLines = 0;
    int readableGames = 0;
    // Games the backup holds that no readable line has.
    std::vector<std::int32_t> lostGames;
};

// The live file split into what reads and what does not; nothing when it
// is missing, cannot be read at all, or every line reads. A line reads when
// its header and moves convert and it holds no NUL byte; a last line
// without its line end must also be a whole game.
std::optional<DamagedLines> FindDamagedLines(const DataFolder& folder);

enum class DamageChoice {
    KeepReadable,  // the readable lines stay live, the rest go aside
    RestoreBackup, // the whole damaged file goes aside, the backup comes back
};

struct DamageSetAside {
    bool ok = false;
    std::filesystem::path keptIn;
};

// Carries the choice out: the kept-aside file is written (owner only)
// before the live file changes, so no line is ever lost. `date` names the
// file ("2026-01-10").
DamageSetAside SetDamageAside(const DataFolder& folder, const DamagedLines& damage, DamageChoice choice,
                              const std::string& date);

// The start-up step: finds the damage, asks (when the backup holds lost
// games) before anything is written, sets the damage aside and tells the
// user once where the lines were kept. Nothing when the file is sound.
void CheckDatabaseAtStart(const DataFolder& folder, const std::string& date);

} // namespace Database
