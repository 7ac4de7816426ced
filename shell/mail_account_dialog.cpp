#include "shell/mail_account_dialog.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/polling_pause.h"
#include "foundation/qt_text.h"
#include "platform/mail_account_settings.h"


#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace MailSupport {

namespace {

using Support::Q;

QComboBox* SecurityChoice(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem(QStringLiteral("None"), int(ConnectionSecurity::None));
    box->addItem(QStringLiteral("STARTTLS"), int(ConnectionSecurity::StartTls));
    box->addItem(QStringLiteral("TLS"), int(ConnectionSecurity::Tls));
    return box;
}

void SelectSecurity(QComboBox* box, ConnectionSecurity security)
{
    box->setCurrentIndex(box->findData(int(security)));
}

ConnectionSecurity SelectedSecurity(const QComboBox* box)
{
    return ConnectionSecurity(box->currentData().toInt());
}

QSpinBox* PortField(QWidget* parent, const QString& name, int port)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    // Wider than a port can be, so that a mistyped one is told, not clipped.
    spin->setRange(0, 99999);
    spin->setSpecialValueText(QStringLiteral("Usual"));
    spin->setValue(port);
    return spin;
}

QLineEdit* TextField(QWidget* parent, const QString& name, const std::string& text)
{
    auto* field = new QLineEdit(Q(text), parent);
    field->setObjectName(name);
    return field;
}

} // namespace

QWidget* MailAccountDialog::WithReason(QWidget* widget, AccountField field)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setParent(row);
    layout->addWidget(widget, 1);
    auto* reason = new QLabel(row);
    reason->setObjectName(widget->objectName() + QStringLiteral("Reason"));
    reason->setStyleSheet(QStringLiteral("color: #a01010"));
    reason->setWordWrap(true);
    reason->hide();
    layout->addWidget(reason, 1);
    reasons_.push_back({field, widget, reason});
    return row;
}

MailAccountDialog::MailAccountDialog(const MailAccount& account)
    : AnsweringDialog(Support::DialogAnswer::Cancel), given_(account)
{
    setObjectName(QStringLiteral("MailAccountDialog"));
    setWindowTitle(QStringLiteral("Marrowdale - Mail log-on"));

    auto* intro = new QLabel(QStringLiteral("Marrowdale sends and receives moves by e-mail. "
                                            "Choose how to reach your mail."),
                             this);
    intro->setWordWrap(true);

    InternetMail = new QRadioButton(QStringLiteral("&Internet mail account"), this);
    InternetMail->setObjectName(QStringLiteral("InternetMail"));
    PostOffice = new QRadioButton(QStringLiteral("&Local post office (players on this computer)"), this);
    PostOffice->setObjectName(QStringLiteral("PostOffice"));

    InboxGroup = new QGroupBox(QStringLiteral("Incoming mail"), this);
    InboxServer = TextField(InboxGroup, QStringLiteral("InboxServer"), account.InboxServer);
    InboxKind = new QComboBox(InboxGroup);
    InboxKind->setObjectName(QStringLiteral("InboxKind"));
    InboxKind->addItem(QStringLiteral("IMAP"), int(InboxProtocol::Imap));
    InboxKind->addItem(QStringLiteral("POP3"), int(InboxProtocol::Pop3));
    InboxKind->setCurrentIndex(InboxKind->findData(int(account.Protocol)));
    InboxPort = PortField(InboxGroup, QStringLiteral("InboxPort"), account.InboxPort);
    InboxSecurity = SecurityChoice(InboxGroup, QStringLiteral("InboxSecurity"));
    SelectSecurity(InboxSecurity, account.InboxSecurity);
    auto* inboxForm = new QFormLayout(InboxGroup);
    inboxForm->addRow(QStringLiteral("Server:"), WithReason(InboxServer, AccountField::InboxServer));
    inboxForm->addRow(QStringLiteral("Kind:"), InboxKind);
    inboxForm->addRow(QStringLiteral("Port:"), WithReason(InboxPort, AccountField::InboxPort));
    inboxForm->addRow(QStringLiteral("Security:"), InboxSecurity);

    SmtpGroup = new QGroupBox(QStringLiteral("Outgoing mail (SMTP)"), this);
    SmtpServer = TextField(SmtpGroup, QStringLiteral("SmtpServer"), account.SmtpServer);
    SmtpPort = PortField(SmtpGroup, QStringLiteral("SmtpPort"), account.SmtpPort);
    SmtpSecurity = SecurityChoice(SmtpGroup, QStringLiteral("SmtpSecurity"));
    SelectSecurity(SmtpSecurity, account.SmtpSecurity);
    SmtpAuthentication = new QCheckBox(QStringLiteral("Log on to send"), SmtpGroup);
    SmtpAuthentication->setObjectName(QStringLiteral("SmtpAuthentication"));
    SmtpAuthentication->setChecked(account.SmtpAuthentication);
    auto* smtpForm = new QFormLayout(SmtpGroup);
    smtpForm->addRow(QStringLiteral("Server:"), WithReason(SmtpServer, AccountField::SmtpServer));
    smtpForm->addRow(QStringLiteral("Port:"), WithReason(SmtpPort, AccountField::SmtpPort));
    smtpForm->addRow(QStringLiteral("Security:"), SmtpSecurity);
    smtpForm->addRow(QString(), SmtpAuthentication);

    auto* servers = new QHBoxLayout;
    servers->addWidget(InboxGroup);
    servers->addWidget(SmtpGroup);

    UserName = TextField(this, QStringLiteral("UserName"), account.UserName);
    Password = TextField(this, QStringLiteral("Password"), account.Password);
    Password->setEchoMode(QLineEdit::Password);
    DisplayName = TextField(this, QStringLiteral("DisplayName"), account.DisplayName);
    Address = TextField(this, QStringLiteral("Address"), account.Address);
    PostOfficeFolder = TextField(this, QStringLiteral("PostOfficeFolder"), account.PostOfficeFolder);
    PostOfficeFolder->setPlaceholderText(QString::fromStdString(DefaultPostOfficeFolder().string()));
    auto* person = new QFormLayout;
    person->addRow(QStringLiteral("User name:"), WithReason(UserName, AccountField::UserName));
    person->addRow(QStringLiteral("Password:"), Password);
    person->addRow(QStringLiteral("Your name:"), WithReason(DisplayName, AccountField::DisplayName));
    person->addRow(QStringLiteral("Your address:"), WithReason(Address, AccountField::Address));
    person->addRow(QStringLiteral("Post office folder:"), WithReason(PostOfficeFolder, AccountField::PostOfficeFolder));
    PostOfficePathText = new QLabel(this);
    PostOfficePathText->setObjectName(QStringLiteral("PostOfficePathText"));
    PostOfficePathText->setWordWrap(true);
    PostOfficePathText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    person->addRow(QString(), PostOfficePathText);

    ProblemText = new QLabel(this);
    ProblemText->setObjectName(QStringLiteral("ProblemText"));
    ProblemText->setStyleSheet(QStringLiteral("color: #a01010"));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ProblemText, 1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(InternetMail);
    layout->addWidget(PostOffice);
    layout->addLayout(servers);
    layout->addLayout(person);
    layout->addLayout(buttons);

    (OpensOnInternetMail(account) ? InternetMail : PostOffice)->setChecked(true);
    ShowMode();
    connect(InternetMail, &QRadioButton::toggled, this, &MailAccountDialog::ShowMode);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textEdited, this, [this] {
            ProblemText->clear();
            ShowReasons({});
        });
    connect(PostOfficeFolder, &QLineEdit::textChanged, this, &MailAccountDialog::ShowMode);
    ConfirmCreateFolder = [](const QString& folder) {
        return Support::ShowMessage(
            Support::MsgIcon::Information, QStringLiteral("New post office"),
            QStringLiteral("The post office folder||") + folder
                + QStringLiteral("||does not exist yet. Create it? The other player must enter "
                                 "this same folder."),
            QStringLiteral("Create"), QStringLiteral("Cancel"), false);
    };
    connect(OkButton, &QPushButton::clicked, this, &MailAccountDialog::OkButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &MailAccountDialog::CancelButton_Click);
}

void MailAccountDialog::ShowMode()
{
    const bool internet = InternetMail->isChecked();
    // The post office knows the user by the login name unless told otherwise.
    Address->setPlaceholderText(internet ? QString()
                                         : QString::fromStdString(DefaultPostOfficeAddress()));
    InboxGroup->setEnabled(internet);
    SmtpGroup->setEnabled(internet);
    UserName->setEnabled(internet);
    Password->setEnabled(internet);
    PostOfficeFolder->setEnabled(!internet);
    PostOfficePathText->setVisible(!internet);
    PostOfficePathText->setText(QStringLiteral("The other player enters this same folder: ")
                                + PostOfficePath());
    ShowReasons({});
}

QString MailAccountDialog::PostOfficePath() const
{
    return WholePostOfficePath(PostOfficeFolder->text());
}

void MailAccountDialog::ShowReasons(const std::vector<FieldReason>& reasons)
{
    for (const ReasonLabel& shown : reasons_) {
        QString text;
        for (const FieldReason& reason : reasons)
            if (reason.Field == shown.Field && text.isEmpty())
                text = reason.Reason;
        shown.Label->setText(text);
        shown.Label->setVisible(!text.isEmpty());
    }
}

QString MailAccountDialog::ReasonBeside(const QWidget* field) const
{
    for (const ReasonLabel& shown : reasons_)
        if (shown.Widget == field)
            return shown.Label->isHidden() ? QString() : shown.Label->text();
    return {};
}

MailAccountFields MailAccountDialog::Fields() const
{
    MailAccountFields fields;
    fields.Internet = InternetMail->isChecked();
    fields.Protocol = InboxProtocol(InboxKind->currentData().toInt());
    fields.InboxServer = InboxServer->text();
    fields.InboxPort = InboxPort->value();
    fields.InboxSecurity = SelectedSecurity(InboxSecurity);
    fields.SmtpServer = SmtpServer->text();
    fields.SmtpPort = SmtpPort->value();
    fields.SmtpSecurity = SelectedSecurity(SmtpSecurity);
    fields.SmtpAuthentication = SmtpAuthentication->isChecked();
    fields.UserName = UserName->text();
    fields.Password = Password->text();
    fields.DisplayName = DisplayName->text();
    fields.Address = Address->text();
    fields.PostOfficeFolder = PostOfficeFolder->text();
    return fields;
}

MailAccount MailAccountDialog::Account() const
{
    return AccountFrom(Fields(), given_);
}

QString MailAccountDialog::Problem() const
{
    const auto problems = AccountProblems(Fields(), DiskPostOfficeFolders());
    return problems.empty() ? QString() : problems.front().Reason;
}

void MailAccountDialog::OkButton_Click()
{
    DiskPostOfficeFolders folders([this](const QString& path) {
        // No field is refused while the question is up.
        ShowReasons({});
        return ConfirmCreateFolder && ConfirmCreateFolder(path);
    });
    const AccountOkResult result = ConfirmAccountFields(Fields(), folders);
    ShowReasons(result.Reasons);
    if (result.FocusFirstReason)
        for (const ReasonLabel& shown : reasons_)
            if (shown.Field == result.Reasons.front().Field) {
                shown.Widget->setFocus();
                break;
            }
    if (result.Outcome == AccountOkOutcome::Accepted)
        AnswerWith(Support::DialogAnswer::Ok);
}

void MailAccountDialog::CancelButton_Click()
{
    AnswerWith(Support::DialogAnswer::Cancel);
}

void MailAccountDialog::EnterPressed()
{
    OkButton_Click();
}

void MailAccountDialog::EscapePressed()
{
    CancelButton_Click();
}

std::optional<MailAccount> AskForMailAccount(const MailAccount& current, const QString& failure)
{
    Support::PollingPause guard;
    MailAccountDialog dialog(current);
    dialog.ProblemText->setText(failure);
    Support::CurrentModalHost().RunModal(dialog);
    if (dialog.Answer() != Support::DialogAnswer::Ok)
        return std::nullopt;
    return dialog.Account();
}

} // namespace MailSupport
