#pragma once
// Maildir folders as the local post office keeps them: one per address,
// each with tmp/, new/ and cur/. A message is written under tmp/, flushed
// and then renamed into new/, so a reader never sees half a message. Read
// messages carry the "S" flag in their name under cur/.
//
// Messages written here are plain text: a few header lines, an empty line
// and the body, in UTF-8 without any transfer encoding. What is read may
// come from anywhere, so the post office decodes a body as internet mail
// is decoded.

#include "store/file_system.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace MailSupport::Maildir {

struct Message {
    std::string FromName;
    std::string FromAddress;
    std::string ToName;
    std::string ToAddress;
    std::string Subject;
    std::string Body;
};

struct Entry {
    // The file's unique name without its flags: the message's id.
    std::string Id;
    std::filesystem::path Path;
    bool Seen = false;
};

// The folder name an address's maildir has under the shared folder: the
// address in lower case with every character that could leave the folder
// (or upset a file system) made "_". Empty when nothing usable is left.
std::string FolderNameFor(const std::string& address);

// Folders and messages belong to the group of the post office folder and
// are read and written by every member: two players who are two users of
// one machine share one group.
inline constexpr unsigned SharedFolderMode = 02770;
inline constexpr unsigned SharedFileMode = 0660;

// The first of the maildir and its tmp/, new/ and cur/ that is a symbolic
// link: another user of the shared folder could point it anywhere, so
// nothing is read or delivered through it.
std::optional<std::filesystem::path> LinkedFolder(const std::filesystem::path& dir);
// The refusal of a maildir that LinkedFolder found a link in, naming it.
std::string LinkedFolderRefusal(const std::filesystem::path& link);

// Creates dir (and any missing folder above it) with tmp/, new/ and cur/
// as needed, each shared with the group. Refuses a maildir with a link in
// it (LinkedFolder) before touching anything.
bool Ensure(const std::filesystem::path& dir, std::string& error);

std::string Compose(const Message& message);
Message Parse(const std::string& text);

// Writes the text as a new message of the maildir; its id into *id.
bool Deliver(const std::filesystem::path& dir, const std::string& text, std::string& error,
             std::string* id = nullptr);

// Every message of the maildir, oldest first (ids sort by delivery time):
// regular files only, never a link, FIFO or device.
std::vector<Entry> Scan(const std::filesystem::path& dir);

// A message file, whole, at no more than the received-input limit.
Database::BoundedRead ReadWhole(const std::filesystem::path& path);
// What a listing needs of a message file: its first bytes, enough for its
// header block, and its size; never its body.
Database::BoundedRead ReadHead(const std::filesystem::path& path);
// The whole text when it could be read within the limit.
bool ReadFile(const std::filesystem::path& path, std::string& text);

} // namespace MailSupport::Maildir
