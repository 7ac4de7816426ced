#pragma once
// The mail log-on dialog: what the mail system asks when the program signs
// on and no account is set. Either an internet account (inbox server over
// IMAP or POP3, outgoing SMTP server, ports, security, log-on, own name and
// address) or the local post office that two players on one machine share.
// Cancel leaves the program off-line, as a refused log-on does.

#include "foundation/answering_dialog.h"
#include "platform/mail_account.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace MailSupport {

// Enter is OK; Escape and closing are Cancel.
class MailAccountDialog : public Support::AnsweringDialog<Support::DialogAnswer> {
    Q_OBJECT
public:
    explicit MailAccountDialog(const MailAccount& account);

    // The account as the fields now describe it; what the dialog does not
    // show stays as it was given.
    MailAccount Account() const;
    // Why the fields cannot be used yet, field by field, in the order of
    // the dialog; empty when they can.
    std::vector<std::pair<QWidget*, QString>> Problems() const;
    // The first of them; empty when there is none.
    QString Problem() const;
    // The reason shown beside a field; empty when none is shown.
    QString ReasonBeside(const QWidget* field) const;
    // The post office folder the fields name, whole: what the other
    // player must enter too.
    QString PostOfficePath() const;

    // Asked before a post office folder that does not exist is made;
    // true: make it. The program's message box unless a test answers.
    std::function<bool(const QString& folder)> ConfirmCreateFolder;

    QRadioButton* InternetMail;
    QRadioButton* PostOffice;
    QGroupBox* InboxGroup;
    QLineEdit* InboxServer;
    QComboBox* InboxKind;     // "IMAP", "POP3"
    QSpinBox* InboxPort;      // 0: the usual port
    QComboBox* InboxSecurity; // "None", "STARTTLS", "TLS"
    QGroupBox* SmtpGroup;
    QLineEdit* SmtpServer;
    QSpinBox* SmtpPort;
    QComboBox* SmtpSecurity;
    QCheckBox* SmtpAuthentication;
    QLineEdit* UserName;
    QLineEdit* Password;
    QLineEdit* DisplayName;
    QLineEdit* Address;
    QLineEdit* PostOfficeFolder;
    // "The other player enters this same folder: ...".
    QLabel* PostOfficePathText;
    // Why signing on with the account failed.
    QLabel* ProblemText;
    QPushButton* OkButton;
    QPushButton* CancelButton;

public slots:
    void OkButton_Click();
    void CancelButton_Click();

protected:
    void EnterPressed() override;
    void EscapePressed() override;

private:
    void ShowMode();
    void ShowReasons(const std::vector<std::pair<QWidget*, QString>>& problems);
    QWidget* WithReason(QWidget* field);
    // The post office folder exists or was made after the user agreed.
    bool PostOfficeFolderReady();
    MailAccount given_;
    std::vector<std::pair<QWidget*, QLabel*>> reasons_;
};

// Shows the dialog modally (mail polling paused meanwhile) with the fields
// filled from `current` and `failure` (why signing on with it failed) shown
// under them; the account the user confirmed, or nothing after Cancel.
std::optional<MailAccount> AskForMailAccount(const MailAccount& current, const QString& failure = {});

} // namespace MailSupport
