#include "store/move_files.h"

#include "store/arrival_merge.h"
#include "store/backup.h"
#include "store/file_system.h"
#include "store/own_payload.h"
#include "store/payload_validation.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailSupport {
namespace {

constexpr const char* MoveFilePrefix = "Cmove";
constexpr const char* MoveFileSuffix = ".txt";
// Far beyond any real folder; it only keeps a broken disk from looping.
constexpr std::uint64_t MoveFileNumberLimit = 1000000;

void ShowImportFailure(const Transport& t, bool pickFile)
{
    ShowTransportMessage(
        t, Support::MsgIcon::Transmission, "File read error",
        pickFile ? "An error occured trying to import the game information.||Please ensure you "
                   "select a valid chess move file."
                 : "An error occured trying to retrieve the game information.||Please select "
                   "Retrieve games... from the File menu.",
        "OK", Support::SoundCue::Refused);
}

// A move file refused before anything of it was taken: it stays where it is.
void ShowRefusedMoveFile(const Transport& t, const fs::path& file, Database::ReadOutcome outcome,
                         bool pickFile)
{
    if (outcome == Database::ReadOutcome::Unreadable) {
        ShowImportFailure(t, pickFile);
        return;
    }
    const std::string why = outcome == Database::ReadOutcome::TooLarge
                                ? " is larger than any game"
                                : " is not a regular file (a link, a FIFO or a device)";
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Game import",
                         "The move file " + file.string() + why + ", so Marrowdale left it where it is.",
                         "OK", Support::SoundCue::Refused);
}

// A picked file that holds a move this copy wrote for the opponent.
void ShowOwnMoveFile(const Transport& t)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Game import",
                         "This file holds your own move, written for your opponent, and was not "
                         "imported.||Carry it into your opponent's Marrowdale data folder, or let "
                         "your opponent pick it with File > Import game.",
                         "OK", Support::SoundCue::Information);
}

// The number of a move file's name, as digits; "" when it has none.
std::string NumberPart(const std::string& name)
{
    const std::size_t prefix = std::char_traits<char>::length(MoveFilePrefix);
    const std::size_t suffix = std::char_traits<char>::length(MoveFileSuffix);
    const std::string middle = name.substr(prefix, name.size() - prefix - suffix);
    if (middle.empty() || middle.find_first_not_of("0123456789") != std::string::npos)
        return {};
    const std::size_t first = middle.find_first_not_of('0');
    return first == std::string::npos ? "0" : middle.substr(first);
}

bool IsMoveFileName(const std::string& name)
{
    const std::string prefix = MoveFilePrefix, suffix = MoveFileSuffix;
    return name.size() >= prefix.size() + suffix.size() && name.compare(0, prefix.size(), prefix) == 0
           && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Writes the text under a temporary name that no import lists, then gives
// it the lowest free move file name; link() refuses a name that exists, so
// two writers can never take the same number or replace a file.
std::optional<fs::path> WriteNewMoveFile(const fs::path& folder, const std::string& text)
{
    static std::atomic<unsigned> counter{0};
    const fs::path temporary =
        folder / (".mdmove-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp");
    if (!Database::RealFileSystem().CreateAndFlush(temporary, text, 0600))
        return std::nullopt;
    bool named = false;
    fs::path target;
    for (std::uint64_t n = 1; !named && n <= MoveFileNumberLimit; ++n) {
        target = folder / MoveFileName(n);
        if (link(temporary.c_str(), target.c_str()) == 0) {
            named = true;
        } else if (errno == EEXIST) {
            continue;
        } else if (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS) {
            // A file system without hard links: claim the name first, then
            // move the whole file onto the claim.
            const int claim = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (claim < 0) {
                if (errno == EEXIST)
                    continue;
                break;
            }
            close(claim);
            named = rename(temporary.c_str(), target.c_str()) == 0;
            if (!named)
                unlink(target.c_str());
            break;
        } else {
            break;
        }
    }
    unlink(temporary.c_str());
    if (!named)
        return std::nullopt;
    Database::FlushFolderEntry(target);
    return target;
}

// Where the sent move went, and how it reaches the opponent: nothing
// carries a move file but the players themselves. It closes by itself.
void ShowMoveFileWritten(const Transport& t, const fs::path& file)
{
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Information;
    call.caption = "Move file written";
    call.text = "Your move has been written to the file " + file.filename().string() + " in the folder "
                + file.parent_path().string()
                + ".||Carry this file into your opponent's Marrowdale data folder, or let your "
                  "opponent pick it with File > Import game.";
    call.timeoutOn = true;
    if (t.Folder.messages)
        t.Folder.messages->ShowMessage(call);
}

// Tells a file apart from its later versions: path, size and change time.
std::string FileSignature(const fs::path& path)
{
    struct stat info { };
    if (stat(path.c_str(), &info) != 0)
        return path.string();
    return path.string() + "|" + std::to_string(info.st_size) + "|" + std::to_string(info.st_mtim.tv_sec)
           + "." + std::to_string(info.st_mtim.tv_nsec);
}

} // namespace

std::string MoveFileName(std::uint64_t number)
{
    return MoveFilePrefix + std::to_string(number) + MoveFileSuffix;
}

bool ExportMoveFile(Transport& t, std::int32_t gameID)
{
    std::optional<fs::path> written;
    const bool sent =
        DeliverMoveText(t, gameID, [&](const GameRecord&, const MoveList&, const std::string& text) {
            written = WriteNewMoveFile(t.Folder.path, text);
            return written.has_value();
        });
    if (sent)
        ShowMoveFileWritten(t, *written);
    return sent;
}

std::vector<fs::path> ListMoveFiles(const fs::path& folder)
{
    struct Listed {
        std::string number; // digits without leading zeros, "" for none
        std::string name;
        fs::path path;
    };
    std::vector<Listed> listed;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Anything but a folder: the import judges what it opens, and tells
        // why a link, a FIFO or a device is not taken.
        if (!IsMoveFileName(name) || it->symlink_status(ec).type() == fs::file_type::directory || ec)
            continue;
        listed.push_back({NumberPart(name), name, it->path()});
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        if (a.number.empty() != b.number.empty())
            return b.number.empty();
        if (a.number.size() != b.number.size())
            return a.number.size() < b.number.size();
        if (a.number != b.number)
            return a.number < b.number;
        return a.name < b.name;
    });
    std::vector<fs::path> paths;
    for (const Listed& l : listed)
        paths.push_back(l.path);
    return paths;
}

void ImportMoveFiles(Transport& t, bool showStatus, bool pickFile)
{
    std::vector<fs::path> files;
    if (pickFile) {
        files.push_back(t.Chooser ? fs::path(t.Chooser->PickMoveFile()) : fs::path());
    } else {
        files = ListMoveFiles(t.Folder.path);
    }
    if (showStatus)
        t.Windows.ShowStatus(true, "Retrieving games...");
    StartPass(t);
    bool imported = false;
    bool saved = false;
    auto hideStatus = [&] {
        if (showStatus)
            t.Windows.ShowStatus(false, "");
    };
    try {
        for (const fs::path& path : files) {
            // A cancelled chooser gives no path: the pass ends without a word.
            if (path.empty()) {
                hideStatus();
                return;
            }
            // An automatic pass reports a bad file once, not at every poll.
            const std::string signature = pickFile ? std::string() : FileSignature(path);
            if (!pickFile && t.State.ReportedMoveFiles.count(signature))
                continue;
            const Database::BoundedRead read =
                Database::ReadReceivedFile(path, Database::ReceivedInputLimit);
            if (read.Outcome == Database::ReadOutcome::Missing) {
                if (pickFile) {
                    hideStatus();
                    return;
                }
                continue; // taken away meanwhile
            }
            if (read.Outcome != Database::ReadOutcome::Read) {
                // The one picked file's status window goes before its report.
                if (pickFile)
                    hideStatus();
                ShowRefusedMoveFile(t, path, read.Outcome, pickFile);
                if (!pickFile)
                    t.State.ReportedMoveFiles.insert(signature);
                continue;
            }
            const std::string payload = Support::ExtractMovePayload(read.Text);
            if (!pickFile) {
                if (!ValidateMovePayload(payload, false, t.Folder.messages)) {
                    t.State.ReportedMoveFiles.insert(signature);
                    continue;
                }
            } else if (!ValidateMovePayload(payload, true, t.Folder.messages)) {
                continue;
            }
            const auto game = ReadMovePayload(payload);
            if (!game)
                continue;
            if (SentByThisCopy(t, *game)) {
                // Our own move, written for the opponent: it stays for the
                // player to carry.
                if (pickFile)
                    ShowOwnMoveFile(t);
                continue;
            }
            imported = true;
            const ArrivalSource source{pickFile ? std::string() : "file:" + FileSignature(path),
                                       "The move file " + path.string(), "where it is"};
            const ArrivalAction action = StoreArrivingGame(t, *game, std::nullopt, source);
            if (action == ArrivalAction::Failed) {
                // The file stays where it is for the next pass; the pass's
                // status window goes before its report shows.
                hideStatus();
                if (!TellDatabaseDamage(t, !pickFile))
                    ShowImportFailure(t, pickFile);
                return;
            }
            if (action == ArrivalAction::Keep)
                continue;
            if (!pickFile) {
                std::error_code ec;
                if (!fs::remove(path, ec) || ec)
                    throw std::runtime_error("cannot delete move file");
            }
            saved = true;
        }
        EndPass(t);
        hideStatus();
        if (pickFile && imported && saved)
            ShowTransportMessage(t, Support::MsgIcon::Transmission, "Game import",
                                 "The game has been successfully imported.", "OK",
                                 Support::SoundCue::Information);
    } catch (const std::exception&) {
        hideStatus();
        ShowImportFailure(t, pickFile);
    }
}

} // namespace MailSupport
