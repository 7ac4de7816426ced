#include "platform/mail_maildir.h"

#include "store/file_system.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailSupport::Maildir {
namespace {

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string Mailbox(const std::string& name, const std::string& address)
{
    if (name.empty())
        return "<" + OneLine(address) + ">";
    std::string quoted;
    for (char c : OneLine(name)) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return "\"" + quoted + "\" <" + OneLine(address) + ">";
}

void ParseMailbox(const std::string& value, std::string& name, std::string& address)
{
    const std::size_t open = value.rfind('<');
    const std::size_t close = value.rfind('>');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        name.clear();
        address = value;
    } else {
        address = value.substr(open + 1, close - open - 1);
        std::string raw = value.substr(0, open);
        while (!raw.empty() && raw.back() == ' ')
            raw.pop_back();
        name.clear();
        bool quoted = !raw.empty() && raw.front() == '"';
        for (std::size_t i = quoted ? 1 : 0; i < raw.size(); ++i) {
            if (quoted && raw[i] == '\\' && i + 1 < raw.size()) {
                name += raw[++i];
            } else if (quoted && raw[i] == '"') {
                break;
            } else {
                name += raw[i];
            }
        }
    }
    while (!address.empty() && address.front() == ' ')
        address.erase(address.begin());
    while (!address.empty() && address.back() == ' ')
        address.pop_back();
}

std::string RfcDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S %z", &local);
    return text;
}

std::string HostName()
{
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0 || host[0] == 0)
        return "localhost";
    std::string name = host;
    for (char& c : name)
        if (c == '/' || c == ':')
            c = '_';
    return name;
}

// Seconds and microseconds zero-padded so that names sort by time.
std::string UniqueName()
{
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    char text[96];
    std::snprintf(text, sizeof text, "%010lld.M%06lldP%dQ%u.", static_cast<long long>(micro / 1000000),
                  static_cast<long long>(micro % 1000000), static_cast<int>(getpid()), ++counter);
    return text + HostName();
}

} // namespace

std::string FolderNameFor(const std::string& address)
{
    std::string name;
    for (unsigned char c : address) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c - 'A' + 'a');
        const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '@'
                          || c == '-' || c == '_' || c == '+';
        name += keep ? static_cast<char>(c) : '_';
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '_'))
        name.pop_back();
    if (!name.empty() && name.front() == '.')
        name.front() = '_';
    if (name.empty() || name.find_first_not_of("._") == std::string::npos)
        return {};
    return name;
}

std::optional<fs::path> LinkedFolder(const fs::path& dir)
{
    for (const fs::path& folder : {dir, dir / "tmp", dir / "new", dir / "cur"}) {
        struct stat info { };
        if (lstat(folder.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            return folder;
    }
    return std::nullopt;
}

std::string LinkedFolderRefusal(const fs::path& link)
{
    return "The mail folder " + link.string()
           + " is a symbolic link, so Marrowdale neither reads nor delivers mail through it.";
}

bool Ensure(const fs::path& dir, std::string& error)
{
    if (const auto link = LinkedFolder(dir)) {
        error = LinkedFolderRefusal(*link);
        return false;
    }
    // Every missing folder from the highest one down, each shared with the
    // group: the player writing into a mailbox is seldom its owner.
    std::vector<fs::path> missing;
    std::error_code ec;
    for (const char* sub : {"cur", "new", "tmp"})
        if (!fs::is_directory(dir / sub, ec))
            missing.push_back(dir / sub);
    if (missing.empty())
        return true;
    for (fs::path up = dir; !up.empty() && !fs::exists(up, ec); up = up.parent_path()) {
        missing.push_back(up);
        if (up == up.parent_path())
            break;
    }
    std::sort(missing.begin(), missing.end());
    for (const fs::path& folder : missing) {
        if (mkdir(folder.c_str(), SharedFolderMode) != 0 && errno != EEXIST) {
            error = "Cannot create the mail folder " + folder.string() + ": " + std::strerror(errno);
            return false;
        }
        // The umask must not take the group's rights away; set-group-id
        // makes what is created inside belong to the folder's group.
        if (chmod(folder.c_str(), SharedFolderMode) != 0 && errno != EPERM) {
            error = "Cannot share the mail folder " + folder.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

std::string Compose(const Message& message)
{
    std::string text;
    text += "From: " + Mailbox(message.FromName, message.FromAddress) + "\r\n";
    text += "To: " + Mailbox(message.ToName, message.ToAddress) + "\r\n";
    text += "Subject: " + OneLine(message.Subject) + "\r\n";
    text += "Date: " + RfcDate() + "\r\n";
    text += "MIME-Version: 1.0\r\n";
    text += "Content-Type: text/plain; charset=UTF-8\r\n";
    text += "Content-Transfer-Encoding: 8bit\r\n";
    text += "\r\n";
    text += message.Body;
    return text;
}

Message Parse(const std::string& text)
{
    Message message;
    std::size_t pos = 0;
    std::string field; // the current header line, unfolded
    auto take = [&message](const std::string& line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            return;
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        std::string value = line.substr(colon + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.erase(value.begin());
        if (name == "subject")
            message.Subject = value;
        else if (name == "from")
            ParseMailbox(value, message.FromName, message.FromAddress);
        else if (name == "to")
            ParseMailbox(value, message.ToName, message.ToAddress);
    };
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pos = end + 1;
        if (line.empty()) {
            take(field);
            message.Body = pos < text.size() ? text.substr(pos) : std::string();
            return message;
        }
        if ((line[0] == ' ' || line[0] == '\t') && !field.empty()) {
            field += line;
        } else {
            take(field);
            field = line;
        }
    }
    take(field);
    return message;
}

bool Deliver(const fs::path& dir, const std::string& text, std::string& error, std::string* id)
{
    if (!Ensure(dir, error))
        return false;
    const std::string name = UniqueName();
    const fs::path temp = dir / "tmp" / name;
    const fs::path final = dir / "new" / name;
    if (!Database::RealFileSystem().CreateAndFlush(temp, text, SharedFileMode)
        || chmod(temp.c_str(), SharedFileMode) != 0) {
        error = "Cannot write " + temp.string() + ": " + std::strerror(errno);
        unlink(temp.c_str());
        return false;
    }
    // link() refuses an existing name, so a clash can never replace mail.
    if (link(temp.c_str(), final.c_str()) != 0) {
        error = "Cannot deliver into " + dir.string() + ": " + std::strerror(errno);
        unlink(temp.c_str());
        return false;
    }
    unlink(temp.c_str());
    if (id)
        *id = name;
    return true;
}

std::vector<Entry> Scan(const fs::path& dir)
{
    std::vector<Entry> entries;
    for (const char* sub : {"new", "cur"}) {
        std::error_code ec;
        for (fs::directory_iterator it(dir / sub, ec), end; !ec && it != end; it.increment(ec)) {
            // The entry itself, not what a link names; the read judges again
            // what it opens, as the name may change meanwhile.
            if (it->symlink_status(ec).type() != fs::file_type::regular || ec)
                continue;
            const std::string file = it->path().filename().string();
            if (file.empty() || file.front() == '.')
                continue;
            Entry entry;
            const std::size_t info = file.find(":2,");
            entry.Id = file.substr(0, info);
            entry.Path = it->path();
            entry.Seen = info != std::string::npos && file.find('S', info + 3) != std::string::npos;
            entries.push_back(std::move(entry));
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.Id < b.Id; });
    return entries;
}

Database::BoundedRead ReadWhole(const fs::path& path)
{
    return Database::ReadReceivedFile(path, Database::ReceivedInputLimit);
}

Database::BoundedRead ReadHead(const fs::path& path)
{
    return Database::ReadReceivedFile(path, Database::HeaderBlockLimit, Database::ReadExtent::Head);
}

bool ReadFile(const fs::path& path, std::string& text)
{
    Database::BoundedRead read = ReadWhole(path);
    if (read.Outcome != Database::ReadOutcome::Read)
        return false;
    text = std::move(read.Text);
    return true;
}

} // namespace MailSupport::Maildir
