#include "platform/mail_address_book.h"

#include "store/database.h"
#include "store/mail_support.h"
#include "store/text_values.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace MailSupport {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool LooksLikeAddress(const std::string& text)
{
    const std::size_t at = text.find('@');
    return at != std::string::npos && at > 0 && at + 1 < text.size()
           && text.find_first_of(" <>|;\t") == std::string::npos
           && text.find('@', at + 1) == std::string::npos;
}

// "Name <address>" or a bare address; nothing for any other line.
std::optional<AddressEntry> ContactFrom(const std::string& raw)
{
    const std::string line(Database::TrimBlanks(raw));
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    const std::size_t open = line.rfind('<');
    if (open != std::string::npos && line.back() == '>') {
        const std::string address(
            Database::TrimBlanks(std::string_view(line).substr(open + 1, line.size() - open - 2)));
        std::string name(Database::TrimBlanks(std::string_view(line).substr(0, open)));
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        if (!LooksLikeAddress(address))
            return std::nullopt;
        return AddressEntry{name.empty() ? address : name, address};
    }
    if (!LooksLikeAddress(line))
        return std::nullopt;
    return AddressEntry{line, line};
}

} // namespace

std::vector<AddressEntry> GameAddressBook::AllEntries()
{
    std::vector<AddressEntry> entries;
    std::set<std::string> seen;
    auto add = [&](const AddressEntry& entry) {
        if (seen.insert(Lower(entry.Address)).second)
            entries.push_back(entry);
    };

    std::ifstream contacts(folder_.path / ContactsFileName);
    for (std::string line; std::getline(contacts, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (auto entry = ContactFrom(line))
            add(*entry);
    }

    std::vector<GameRecord> games;
    if (Database::SelectGames(folder_, games, "", "")) {
        for (const GameRecord& game : games) {
            if (game.GAME_VS_COMPUTER || !LooksLikeAddress(game.GAME_OPPONENTS_EMAIL)
                || game.GAME_OPPONENTS_EMAIL == UnknownOpponentAddress)
                continue;
            add({game.GAME_OPPONENTS_NAME.empty() ? game.GAME_OPPONENTS_EMAIL : game.GAME_OPPONENTS_NAME,
                 game.GAME_OPPONENTS_EMAIL});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const AddressEntry& a, const AddressEntry& b) {
        return Lower(a.Name) < Lower(b.Name);
    });
    return entries;
}

std::optional<AddressEntry> GameAddressBook::Resolve(const std::string& typed)
{
    const std::string wanted = Lower(std::string(Database::TrimBlanks(typed)));
    if (wanted.empty())
        return std::nullopt;
    const auto entries = AllEntries();
    for (const AddressEntry& e : entries)
        if (Lower(e.Name) == wanted)
            return e;
    for (const AddressEntry& e : entries)
        if (Lower(e.Address) == wanted)
            return e;
    const std::string asTyped(Database::TrimBlanks(typed));
    if (LooksLikeAddress(asTyped))
        return AddressEntry{asTyped, asTyped};
    return std::nullopt;
}

} // namespace MailSupport
