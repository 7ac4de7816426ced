#include "store/mail_address.h"

#include "store/text_values.h"

namespace MailSupport {

std::string AddressProblem(std::string_view address)
{
    if (address.empty())
        return "Enter an e-mail address.";
    for (unsigned char c : address) {
        if (c == ' ' || c == '\t')
            return "An e-mail address has no spaces.";
        if (c < 32 || c == 127)
            return "The e-mail address holds a control character.";
    }
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos)
        return "An e-mail address needs an \"@\", as in name@example.org.";
    if (address.find('@', at + 1) != std::string_view::npos)
        return "An e-mail address has only one \"@\".";
    if (at == 0)
        return "Put the mailbox name before the \"@\".";
    if (at + 1 == address.size())
        return "Put the mail domain after the \"@\".";
    if (address.find_first_of("<>|;,\"()[]\\") != std::string_view::npos)
        return "The e-mail address holds a character mail does not allow.";
    return {};
}

TypedOpponent ReadTypedOpponent(std::string_view raw)
{
    const std::string text(Database::TrimBlanks(raw));
    const std::size_t open = text.rfind('<');
    if (open != std::string::npos) {
        if (text.back() != '>')
            return {std::nullopt, "Close the address with \">\", as in Ann <ann@example.org>."};
        const std::string address(
            Database::TrimBlanks(std::string_view(text).substr(open + 1, text.size() - open - 2)));
        std::string name(Database::TrimBlanks(std::string_view(text).substr(0, open)));
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        if (std::string problem = AddressProblem(address); !problem.empty())
            return {std::nullopt, problem};
        if (name.empty())
            name = address.substr(0, address.find('@'));
        return {AddressEntry{name, address}, {}};
    }
    if (text.find('@') == std::string::npos)
        return {};
    if (std::string problem = AddressProblem(text); !problem.empty())
        return {std::nullopt, problem};
    return {AddressEntry{text.substr(0, text.find('@')), text}, {}};
}

} // namespace MailSupport
