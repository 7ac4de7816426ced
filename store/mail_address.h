#pragma once
// What the user types for an opponent: a name, a mail address, or
// "Name <address>". An address is checked before anything is sent to it,
// so a typing mistake is told beside the box rather than lost in the mail.

#include "store/mail_service.h"

#include <optional>
#include <string>
#include <string_view>

namespace MailSupport {

// Why `address` cannot be a mail address, in words for a person; empty
// when it can.
std::string AddressProblem(std::string_view address);

struct TypedOpponent {
    // The person the text names by address: the typed name, or the part
    // of the address before "@" when no name was typed.
    std::optional<AddressEntry> Person;
    // Why the text, meant as an address, cannot be one.
    std::string Problem;
};

// Reads a bare address or "Name <address>"; a plain name (no "@" and no
// "<") gives neither a person nor a problem.
TypedOpponent ReadTypedOpponent(std::string_view text);

} // namespace MailSupport
