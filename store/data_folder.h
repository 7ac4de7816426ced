#pragma once
// Where the game database lives and how its routines reach the disk and the
// user. The data folder is always handed in; nothing here reads a global.

#include "store/file_system.h"
#include "store/message_sink.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Database {

inline constexpr const char* DatabaseFileName = "Mdgdb.dat";
inline constexpr const char* RewriteFileName = "mdgdb.new"; // the next live file while it is written
inline constexpr const char* BackupFileName = "mdgdb.bak";
inline constexpr const char* BackupRewriteFileName = "mdgdb.bak.tmp";

struct DataFolder {
    std::filesystem::path path;
    FileSystem* files = nullptr;              // null: the real disk
    Support::MessageSink* messages = nullptr; // null: nothing is shown

    DataFolder(std::filesystem::path folder, FileSystem* fileSystem = nullptr,
               Support::MessageSink* sink = nullptr)
        : path(std::move(folder)), files(fileSystem), messages(sink)
    {
    }

    FileSystem& Files() const { return files ? *files : RealFileSystem(); }
    std::filesystem::path Live() const { return path / DatabaseFileName; }
    std::filesystem::path Rewrite() const { return path / RewriteFileName; }
    std::filesystem::path Backup() const { return path / BackupFileName; }
    std::filesystem::path BackupRewrite() const { return path / BackupRewriteFileName; }
};

// Whether a database text is whole as this program writes it: no NUL bytes
// (what a crash leaves in a half-written block) and a line end after the
// last line. A text that is not whole is never copied over a good one.
bool IsWholeDatabaseText(std::string_view text);

// Makes a database text whole where what is wrong is plainly harmless: a
// last line that reads as a whole game but lacks its line end, or has its
// CR alone, gets its CR LF. False, leaving the text alone, when it is
// damaged (NUL bytes, or a last line without its end that is cut short).
bool RepairDatabaseText(std::string& text);

} // namespace Database
