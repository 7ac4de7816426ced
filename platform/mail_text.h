#pragma once
// What every path a mail arrives by reads the same way, through the mail
// library: a mail's text as its sender meant it, whatever transfer encoding,
// character set or multipart shape it travelled in.

#include <string>

namespace MailSupport {

// Readies the mail library's platform services once per run; every use of
// the library goes through here first.
void EnsureVmimePlatform();

// The readable text of a whole message: its first plain-text part, decoded
// and in UTF-8; the decoded body when it has none. Throws what the mail
// library throws for a message it cannot decode.
std::string MailBodyText(const std::string& raw);

} // namespace MailSupport
