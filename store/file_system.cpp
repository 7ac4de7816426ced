#include "store/file_system.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace Database {
namespace {

constexpr std::size_t ChunkSize = 1 << 20;

} // namespace

void FlushFolderEntry(const std::filesystem::path& file)
{
    auto folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

BoundedRead ReadReceivedFile(const std::filesystem::path& file, std::uint64_t limit, ReadExtent extent)
{
    BoundedRead result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.Outcome = errno == ELOOP ? ReadOutcome::NotRegularFile : ReadOutcome::Missing;
        return result;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        result.Outcome = ReadOutcome::Unreadable;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.Outcome = ReadOutcome::NotRegularFile;
        return result;
    }
    result.Size = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
    if (extent == ReadExtent::Whole && result.Size > limit) {
        ::close(fd);
        result.Outcome = ReadOutcome::TooLarge;
        return result;
    }
    // One byte past the limit shows a file that grew beyond it since fstat.
    const std::uint64_t want = std::min<std::uint64_t>(result.Size, limit) + 1;
    try {
        result.Text.resize(static_cast<std::size_t>(want));
    } catch (const std::bad_alloc&) {
        ::close(fd);
        result.Outcome = ReadOutcome::Unreadable;
        return result;
    }
    std::size_t used = 0;
    while (used < result.Text.size()) {
        const ssize_t n = ::read(fd, result.Text.data() + used, result.Text.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            result.Text.clear();
            result.Outcome = ReadOutcome::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (used > limit) {
        if (extent == ReadExtent::Whole) {
            result.Text.clear();
            result.Outcome = ReadOutcome::TooLarge;
            return result;
        }
        used = static_cast<std::size_t>(limit);
    }
    result.Text.resize(used);
    result.Outcome = ReadOutcome::Read;
    return result;
}

bool FileSystem::Exists(const std::filesystem::path& file)
{
    struct stat info { };
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> FileSystem::ReadAll(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // Read straight into the text, sized to the file plus one byte so that
    // the end shows without growing it.
    std::string content;
    struct stat info { };
    std::size_t used = 0;
    content.resize(::fstat(fd, &info) == 0 && info.st_size > 0
                       ? static_cast<std::size_t>(info.st_size) + 1
                       : std::size_t{1} << 16);
    for (;;) {
        if (used == content.size())
            content.resize(content.size() * 2);
        const ssize_t n = ::read(fd, content.data() + used, content.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(used);
    return content;
}

ssize_t FileSystem::WriteChunk(int fd, const char* data, std::size_t size)
{
    return ::write(fd, data, size);
}

bool FileSystem::Flush(int fd)
{
    return ::fsync(fd) == 0;
}

bool FileSystem::WriteFlushAndClose(int fd, std::string_view bytes)
{
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = WriteChunk(fd, bytes.data() + done, std::min(ChunkSize, bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    ok = ok && Flush(fd);
    const int error = errno;
    if (::close(fd) != 0)
        return false;
    errno = error;
    return ok;
}

bool FileSystem::WriteAndFlush(const std::filesystem::path& file, std::string_view bytes)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    return fd >= 0 && WriteFlushAndClose(fd, bytes);
}

bool FileSystem::CreateAndFlush(const std::filesystem::path& file, std::string_view bytes, mode_t mode)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    if (WriteFlushAndClose(fd, bytes))
        return true;
    const int error = errno;
    ::unlink(file.c_str());
    errno = error;
    return false;
}

bool FileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    FlushFolderEntry(to);
    return true;
}

bool FileSystem::Link(const std::filesystem::path& existing, const std::filesystem::path& link)
{
    return ::link(existing.c_str(), link.c_str()) == 0;
}

bool FileSystem::Remove(const std::filesystem::path& file)
{
    return ::unlink(file.c_str()) == 0 || errno == ENOENT;
}

FileSystem& RealFileSystem()
{
    static FileSystem disk;
    return disk;
}

bool ReplaceFile(FileSystem& files, const std::filesystem::path& target,
                 const std::filesystem::path& temporary, std::string_view bytes)
{
    if (!files.Remove(temporary))
        return false;
    if (files.WriteAndFlush(temporary, bytes) && files.Rename(temporary, target))
        return true;
    files.Remove(temporary);
    return false;
}

} // namespace Database
