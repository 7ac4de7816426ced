#pragma once
// Games travelling as move files instead of mails: "Cmove" + a number +
// ".txt" in the data folder, holding the same move text as a move mail. In
// stand-alone mode every sent move becomes the next such file and the
// polling imports them; in any mode the user can import one picked file.

#include "store/mail_support.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace MailSupport {

// "Cmove" + n + ".txt".
std::string MoveFileName(std::uint64_t number);

// Writes the stored game as the lowest-numbered move file not yet there,
// and tells the user the file and its folder. The file appears whole or
// not at all. False (after telling the user) when it could not be written.
bool ExportMoveFile(Transport& t, std::int32_t gameID);

// The move files of the folder (names starting "Cmove" and ending ".txt",
// case-sensitive; anything but a folder, so that a link, a FIFO or a device
// so named is told about, never opened), in the order of their numbers.
std::vector<std::filesystem::path> ListMoveFiles(const std::filesystem::path& folder);

// One import pass: the file the user picks (pickFile), or every move file
// of the data folder, each merged like an arriving move mail. Merged files
// of the data folder are deleted; a picked file is kept.
void ImportMoveFiles(Transport& t, bool showStatus, bool pickFile);

} // namespace MailSupport
