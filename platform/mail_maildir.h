#pragma once
// Maildir folders as the local post office keeps them: one per address,
// each with tmp/, new/ and cur/. A message is written under tmp/, flushed
// and then renamed into new/, so a reader never sees half a message. Read
// messages carry the "S" flag in their name under cur/.
//
// Messages are plain text: a few header lines, an empty line and the body,
// in UTF-8 without any transfer encoding.

#include <filesystem>
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

// Creates dir (and any missing folder above it) with tmp/, new/ and cur/
// as needed, each shared with the group.
bool Ensure(const std::filesystem::path& dir, std::string& error);

std::string Compose(const Message& message);
Message Parse(const std::string& text);

// Writes the text as a new message of the maildir; its id into *id.
bool Deliver(const std::filesystem::path& dir, const std::string& text, std::string& error,
             std::string* id = nullptr);

// Every message of the maildir, oldest first (ids sort by delivery time).
std::vector<Entry> Scan(const std::filesystem::path& dir);

bool ReadFile(const std::filesystem::path& path, std::string& text);

} // namespace MailSupport::Maildir
