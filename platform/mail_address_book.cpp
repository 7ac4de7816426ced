#include "platform/mail_address_book.h"

#include "store/database.h"
#include "store/mail_address.h"
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
    return AddressProblem(text).empty();
}

std::string ContactLine(const AddressEntry& person)
{
    return person.Name + " <" + person.Address + ">";
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
    // "Name <address>" or an address nobody in the book has.
    return ReadTypedOpponent(typed).Person;
}

bool GameAddressBook::AddContact(const AddressEntry& given)
{
    AddressEntry person{std::string(Database::TrimBlanks(given.Name)),
                        std::string(Database::TrimBlanks(given.Address))};
    // A name with "<" or a line end would not read back as this person.
    if (!LooksLikeAddress(person.Address) || person.Name.find_first_of("<>\r\n") != std::string::npos)
        return false;
    if (person.Name.empty())
        person.Name = person.Address.substr(0, person.Address.find('@'));
    Database::FileSystem& files = folder_.Files();
    const std::filesystem::path path = folder_.path / ContactsFileName;
    std::string kept;
    bool already = false;
    bool changed = false;
    if (files.Exists(path)) {
        const std::optional<std::string> old = files.ReadAll(path);
        // A contacts file that cannot be read is never replaced by a shorter one.
        if (!old)
            return false;
        std::size_t start = 0;
        while (start < old->size()) {
            std::size_t end = old->find('\n', start);
            if (end == std::string::npos)
                end = old->size();
            std::string line = old->substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const auto entry = ContactFrom(line);
            if (entry && Lower(entry->Address) == Lower(person.Address)) {
                if (entry->Name == person.Name && !already) {
                    already = true;
                    kept += line + "\n";
                } else {
                    changed = true;
                }
                continue;
            }
            kept += line + "\n";
        }
    }
    if (!already) {
        kept += ContactLine(person) + "\n";
        changed = true;
    }
    if (!changed)
        return true;
    return Database::ReplaceFile(files, path, folder_.path / ContactsRewriteFileName, kept);
}

} // namespace MailSupport
