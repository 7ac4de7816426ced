#pragma once
// The local post office: every address has a maildir under one shared
// folder, and sending is delivering straight into the recipient's one. Two
// players on one machine (or on machines sharing the folder) need no mail
// server at all. It is the program's mail service whenever no internet
// account is set.

#include "store/mail_service.h"

#include <cstdint>
#include <filesystem>
#include <map>

namespace MailSupport {

class PostOfficeMailService : public MailService {
public:
    PostOfficeMailService(std::filesystem::path sharedFolder, std::string ownAddress,
                          std::string ownName);

    bool SignOn() override;
    void SignOff() override { signedOn_ = false; }
    bool IsSignedOn() const override { return signedOn_; }
    bool ListInbox(InboxScope scope, std::vector<InboxMessage>& messages) override;
    bool ReadBody(const std::string& id, std::string& body) override;
    bool Delete(const std::string& id) override;
    bool Send(const OutgoingMail& mail) override;
    std::string LastError() const override { return lastError_; }

    // The maildir of an address under the shared folder; empty for an
    // address that cannot name a folder.
    std::filesystem::path MaildirOf(const std::string& address) const;

private:
    bool Fail(const std::string& what);
    std::filesystem::path Find(const std::string& id) const;

    // What a listing read of a message file, and which file it was: a file
    // that has not changed since is not opened again, so a poll costs a
    // look at each name, however large the files behind them.
    struct Listed {
        std::uint64_t Device = 0;
        std::uint64_t Inode = 0;
        std::uint64_t Size = 0;
        std::int64_t ChangedNs = 0;
        InboxMessage Message;
    };

    std::filesystem::path shared_;
    std::map<std::filesystem::path, Listed> listed_;
    std::string address_;
    std::string name_;
    bool signedOn_ = false;
    std::string lastError_;
};

} // namespace MailSupport
