#pragma once
// The people the user can send a game to: the opponents of the stored mail
// games, and the entries of the contacts file in the data folder, one per
// line as "Name <address>" or a bare address ("#" starts a comment line).
// A contact's name wins over the name a game holds. The chooser adds to
// the contacts file; every rewrite replaces it whole.

#include "store/data_folder.h"
#include "store/mail_service.h"

namespace MailSupport {

inline constexpr const char* ContactsFileName = "Contacts.txt";
inline constexpr const char* ContactsRewriteFileName = "Contacts.txt.new";

class GameAddressBook : public AddressBook {
public:
    explicit GameAddressBook(Database::DataFolder folder) : folder_(std::move(folder)) { }

    std::vector<AddressEntry> AllEntries() override;
    // Also "Name <address>", and a bare address that is in no entry, with
    // the part before "@" as the name.
    std::optional<AddressEntry> Resolve(const std::string& typed) override;
    bool AddContact(const AddressEntry& person) override;

private:
    Database::DataFolder folder_;
};

} // namespace MailSupport
