#pragma once
// What is wrong with a game database that cannot be rewritten, found so
// that the user can be told which file, where, and what to do about it.
// A file that is plainly harmless to mend (a missing last line end) is not
// damaged: the next rewrite mends it.

#include "store/data_folder.h"

#include <filesystem>
#include <optional>
#include <string>

namespace Database {

struct DatabaseDamage {
    enum class Kind {
        Unreadable,  // the file is there but cannot be read
        HalfWritten, // NUL bytes, the remains of an interrupted write
        CutShort,    // the last line has no line end and is not a whole game
        BadLine,     // a line whose header does not convert
    };
    Kind kind = Kind::Unreadable;
    std::filesystem::path file;
    int line = 0; // 1-based line of the damage; 0 for the file as a whole

    bool operator==(const DatabaseDamage&) const = default;
};

// The first damage of the live file; nothing when it is missing or sound.
std::optional<DatabaseDamage> FindDatabaseDamage(const DataFolder& folder);

// The message for the user: the file, the place, and how to go on.
Support::MessageBoxCall DatabaseDamageMessage(const DatabaseDamage& damage);

} // namespace Database
