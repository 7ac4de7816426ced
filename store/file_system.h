#pragma once
// The few file operations the database performs, behind a seam so that a
// test can make any of them fail part way, or stop dead as a crash would.
// Every replacement of a file the user cannot lose is written to a
// temporary file in the same folder, flushed to the disk and then renamed
// over the old file, so the old or the new content survives, never a mix.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace Database {

// The most a received mail or move file may weigh: far above the largest
// game a receiver accepts (under 2 MB of move text), so no honest game is
// ever refused, yet a stray or hostile file costs no more than a game.
inline constexpr std::uint64_t ReceivedInputLimit = std::uint64_t{8} << 20;
// What is read of a mail to list it: its header block, never its body.
inline constexpr std::uint64_t HeaderBlockLimit = std::uint64_t{64} << 10;

enum class ReadOutcome {
    Read,
    // Not there (any more), or not openable.
    Missing,
    // A link, a folder, a FIFO, a device or a socket: never opened to read.
    NotRegularFile,
    // Larger than the limit: nothing of it is read.
    TooLarge,
    // The read failed part way, or its buffer could not be had.
    Unreadable,
};

struct BoundedRead {
    ReadOutcome Outcome = ReadOutcome::Missing;
    std::string Text;
    // The size of what was opened, as fstat gave it (0 when not opened).
    std::uint64_t Size = 0;
};

// How much of a file a bounded read takes.
enum class ReadExtent {
    // All of it, or nothing when it is larger than the limit.
    Whole,
    // At most its first `limit` bytes, whatever its size.
    Head,
};

// Reads a file received from outside (a mail, a move file) at a cost that
// never passes `limit`. It is opened without following a link and without
// waiting on a FIFO or device, and judged on what was opened, so a name
// swapped under it cannot slip past. Never throws.
BoundedRead ReadReceivedFile(const std::filesystem::path& file, std::uint64_t limit,
                             ReadExtent extent = ReadExtent::Whole);

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool Exists(const std::filesystem::path& file);
    // The whole content, or nothing when the file cannot be read.
    virtual std::optional<std::string> ReadAll(const std::filesystem::path& file);
    // Creates or truncates `file`, writes every byte and flushes it to the
    // disk; false when any of it fails (the file may then hold a part).
    virtual bool WriteAndFlush(const std::filesystem::path& file, std::string_view bytes);
    // As WriteAndFlush, but only as a new file: it never opens one that
    // exists, so two writers cannot share or replace a file. On failure a
    // file it made is removed and errno tells why.
    bool CreateAndFlush(const std::filesystem::path& file, std::string_view bytes, mode_t mode);
    // Gives the file `existing` the second name `link` (which must not
    // exist), both naming the same bytes; false where the disk cannot.
    virtual bool Link(const std::filesystem::path& existing, const std::filesystem::path& link);
    // Renames over an existing `to` and flushes the folder entry.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual bool Remove(const std::filesystem::path& file);

protected:
    // One write(2) of the loop in WriteAndFlush and CreateAndFlush: bytes
    // written or -1.
    virtual ssize_t WriteChunk(int fd, const char* data, std::size_t size);
    virtual bool Flush(int fd);

private:
    // Writes every byte to the open file, flushes and closes it; on failure
    // errno is the first error's.
    bool WriteFlushAndClose(int fd, std::string_view bytes);
};

// The program's own disk access.
FileSystem& RealFileSystem();

// Makes a new or renamed folder entry of `file` last a crash, by flushing
// the folder that holds it.
void FlushFolderEntry(const std::filesystem::path& file);

// Replaces `target` with `bytes` through `temporary` (same folder): write,
// flush, rename. On failure `target` is untouched and `temporary` removed.
// A `temporary` left over is removed first, never written into: it may be
// a second name of a file that must not change.
bool ReplaceFile(FileSystem& files, const std::filesystem::path& target,
                 const std::filesystem::path& temporary, std::string_view bytes);

} // namespace Database
