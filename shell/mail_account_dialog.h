#pragma once
// The mail log-on dialog: what the mail system asks when the program signs
// on and no account is set. Either an internet account (inbox server over
// IMAP or POP3, outgoing SMTP server, ports, security, log-on, own name and
// address) or the local post office that two players on one machine share.
// Cancel leaves the program off-line, as a refused log-on does.

#include "foundation/answering_dialog.h"
#include "platform/mail_account.h"
#include "shell/mail_account_fields.h"

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

    // The fields as values.
    MailAccountFields Fields() const;
    // The account as the fields now describe it; what the dialog does not
    // show stays as it was given.
    MailAccount Account() const;
    // The first reason the fields cannot be used yet; empty when there is
    // none.
    QString Problem() const;
    // The reason shown beside a field; empty when none is shown.
    QString ReasonBeside(const QWidget* field) const;
    // The post office folder the fields name, whole: what the other
    // player must enter too.
    QString PostOfficePath() const;

    // Asked before a post office folder that does not exist is made;
    // true: make it. The program's message box unless a test answers.
    std::function<bool(const QString& folder)> ConfirmCreateFolder;
    // Asked once before OK keeps an account whose password would cross
    // the network unencrypted; true: keep it. The program's message box
    // unless a test answers.
    std::function<bool()> ConfirmUnencrypted;

    QRadioButton* InternetMail;
    QRadioButton* PostOffice;
    QGroupBox* InboxGroup;
    QLineEdit* InboxServer;
    QComboBox* InboxKind;     // "IMAP", "POP3"
    QSpinBox* InboxPort;      // 0: the usual port
    QComboBox* InboxSecurity; // "None", "STARTTLS", "TLS"
    // Beside a security "None" that would send the password in clear.
    QLabel* InboxSecurityWarning;
    QGroupBox* SmtpGroup;
    QLineEdit* SmtpServer;
    QSpinBox* SmtpPort;
    QComboBox* SmtpSecurity;
    QLabel* SmtpSecurityWarning;
    QCheckBox* SmtpAuthentication;
    QLineEdit* UserName;
    QLineEdit* Password;
    // Beside the password while no keyring answers.
    QLabel* PasswordPlaceText;
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
    // A field and the label its reason shows in: beside it, or the line
    // kept at the foot of its group of server fields.
    struct ReasonLabel {
        AccountField Field;
        QWidget* Widget;
        QLabel* Label;
        QString Shown; // the field's own reason shown there
    };
    void ShowMode();
    void ShowSecurityWarnings();
    void ShowReasons(const std::vector<FieldReason>& reasons);
    QWidget* WithReason(QWidget* widget, AccountField field);
    // The line at the foot of a server group for its fields' reasons.
    QLabel* GroupReason(QWidget* group, std::vector<std::pair<QWidget*, AccountField>> fields);
    MailAccount given_;
    std::vector<ReasonLabel> reasons_;
};

// Shows the dialog modally (mail polling paused meanwhile) with the fields
// filled from `current` and `failure` (why signing on with it failed) shown
// under them; the account the user confirmed, or nothing after Cancel.
std::optional<MailAccount> AskForMailAccount(const MailAccount& current, const QString& failure = {});

} // namespace MailSupport
