#pragma once
// The mail log-on dialog's fields as values, checked without the window:
// the account they describe, the reason each field cannot be used yet, the
// post office folder they name whole, and whether OK may close the dialog
// (a missing post office folder is made first, once the user agrees).

#include "platform/mail_account.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace MailSupport {

// What the dialog's fields hold, as typed.
struct MailAccountFields {
    // The internet account; else the local post office.
    bool Internet = true;
    InboxProtocol Protocol = InboxProtocol::Imap;
    QString InboxServer;
    int InboxPort = 0;
    ConnectionSecurity InboxSecurity = ConnectionSecurity::Tls;
    QString SmtpServer;
    int SmtpPort = 0;
    ConnectionSecurity SmtpSecurity = ConnectionSecurity::StartTls;
    bool SmtpAuthentication = true;
    QString UserName;
    QString Password;
    QString DisplayName;
    QString Address;
    QString PostOfficeFolder;
};

// The fields a reason can stand beside.
enum class AccountField {
    InboxServer,
    InboxPort,
    SmtpServer,
    SmtpPort,
    UserName,
    DisplayName,
    Address,
    PostOfficeFolder
};

struct FieldReason {
    AccountField Field;
    QString Reason;
    bool operator==(const FieldReason&) const = default;
};

// The dialog opens on the internet account for an account that has one,
// or that names an inbox server at least; else on the post office.
bool OpensOnInternetMail(const MailAccount& account);

// The account the fields describe; what the dialog does not show (the
// trusted certificates) stays as `given` had it, and the other mode's
// fields are not kept.
MailAccount AccountFrom(const MailAccountFields& fields, const MailAccount& given);

// A server on this computer itself ("localhost", 127.x.x.x, "::1"):
// nothing it is sent crosses the network.
bool IsLoopbackServer(const QString& server);

// Where the password crosses the network unencrypted: security "None" on
// the inbox, which always logs on, or on sending with a log-on; a server
// on this computer excepted, and the post office, which logs on nowhere.
bool InboxLogOnUnencrypted(const MailAccountFields& fields);
bool SmtpLogOnUnencrypted(const MailAccountFields& fields);

// The post office folder typed, or the default one when none is, as one
// whole path: what the other player must enter too.
QString WholePostOfficePath(const QString& typedFolder);

enum class FolderState { Missing, Usable, NotAFolder, NotUsable };

// The disk and the user, as the post office check asks them.
class PostOfficeFolderPort {
public:
    virtual ~PostOfficeFolderPort() = default;
    virtual FolderState State(const QString& path) const = 0;
    // True: make the missing folder.
    virtual bool ConfirmCreate(const QString& path) = 0;
    // False when the folder could not be made.
    virtual bool Make(const QString& path) = 0;
};

// The folders on the disk; the question before one is made is `confirm`'s
// (none: nothing is made).
class DiskPostOfficeFolders : public PostOfficeFolderPort {
public:
    explicit DiskPostOfficeFolders(std::function<bool(const QString& path)> confirm = {})
        : confirm_(std::move(confirm))
    {
    }
    FolderState State(const QString& path) const override;
    bool ConfirmCreate(const QString& path) override;
    bool Make(const QString& path) override;

private:
    std::function<bool(const QString& path)> confirm_;
};

// Why the fields cannot be used yet, field by field in the order of the
// dialog; empty when they can. A missing post office folder is no reason:
// OK offers to make it.
std::vector<FieldReason> AccountProblems(const MailAccountFields& fields,
                                         const PostOfficeFolderPort& folders);

enum class AccountOkOutcome { FieldsRefused, CreateDeclined, FolderNotMade, Accepted };

struct AccountOkResult {
    AccountOkOutcome Outcome = AccountOkOutcome::Accepted;
    // The reasons shown beside their fields; every other field shows none.
    std::vector<FieldReason> Reasons;
    // The field of the first reason takes the focus.
    bool FocusFirstReason = false;
};

// What OK does with the fields: refuses them with their reasons, or, for a
// post office folder that does not exist yet, asks to make it and makes it.
AccountOkResult ConfirmAccountFields(const MailAccountFields& fields, PostOfficeFolderPort& folders);

} // namespace MailSupport
