#pragma once
// The people the user can send a game to: the opponents of the stored mail
// games, and the entries of an optional contacts file in the data folder,
// one per line as "Name <address>" or a bare address ("#" starts a comment
// line). A contact's name wins over the name a game holds.

#include "store/data_folder.h"
#include "store/mail_service.h"

namespace MailSupport {

inline constexpr const char* ContactsFileName = "Contacts.txt";

class GameAddressBook : public AddressBook {
public:
    explicit GameAddressBook(Database::DataFolder folder) : folder_(std::move(folder)) { }

    std::vector<AddressEntry> AllEntries() override;
    std::optional<AddressEntry> Resolve(const std::string& typed) override;

private:
    Database::DataFolder folder_;
};

} // namespace MailSupport
