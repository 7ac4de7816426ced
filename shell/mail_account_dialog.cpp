#include "shell/mail_account_dialog.h"

#include "foundation/modal_host.h"
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

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string S(const QLineEdit* field)
{
    return field->text().trimmed().toStdString();
}

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
    spin->setRange(0, 65535);
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
    inboxForm->addRow(QStringLiteral("Server:"), InboxServer);
    inboxForm->addRow(QStringLiteral("Kind:"), InboxKind);
    inboxForm->addRow(QStringLiteral("Port:"), InboxPort);
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
    smtpForm->addRow(QStringLiteral("Server:"), SmtpServer);
    smtpForm->addRow(QStringLiteral("Port:"), SmtpPort);
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
    person->addRow(QStringLiteral("User name:"), UserName);
    person->addRow(QStringLiteral("Password:"), Password);
    person->addRow(QStringLiteral("Your name:"), DisplayName);
    person->addRow(QStringLiteral("Your address:"), Address);
    person->addRow(QStringLiteral("Post office folder:"), PostOfficeFolder);

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

    const bool internet = account.IsInternetAccountSet() || !account.InboxServer.empty();
    (internet ? InternetMail : PostOffice)->setChecked(true);
    ShowMode();
    connect(InternetMail, &QRadioButton::toggled, this, &MailAccountDialog::ShowMode);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textEdited, ProblemText, &QLabel::clear);
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
    ProblemText->clear();
}

MailAccount MailAccountDialog::Account() const
{
    MailAccount account;
    account.TrustedCertificateFile = given_.TrustedCertificateFile;
    account.TrustedServerCertificates = given_.TrustedServerCertificates;
    account.DisplayName = S(DisplayName);
    account.Address = S(Address);
    if (!InternetMail->isChecked()) {
        account.PostOfficeFolder = S(PostOfficeFolder);
        return account;
    }
    account.Protocol = InboxProtocol(InboxKind->currentData().toInt());
    account.InboxServer = S(InboxServer);
    account.InboxPort = InboxPort->value();
    account.InboxSecurity = SelectedSecurity(InboxSecurity);
    account.SmtpServer = S(SmtpServer);
    account.SmtpPort = SmtpPort->value();
    account.SmtpSecurity = SelectedSecurity(SmtpSecurity);
    account.SmtpAuthentication = SmtpAuthentication->isChecked();
    account.UserName = S(UserName);
    // A password may begin or end with a space.
    account.Password = Password->text().toStdString();
    return account;
}

QString MailAccountDialog::Problem() const
{
    const MailAccount account = Account();
    // The opponent stores and shows the name with every move.
    if (account.DisplayName.empty())
        return QStringLiteral("Enter your name.");
    const bool addressGiven = !account.Address.empty();
    if (addressGiven && account.Address.find('@') == std::string::npos)
        return QStringLiteral("Enter your own mail address.");
    if (!InternetMail->isChecked())
        return {};
    if (!addressGiven)
        return QStringLiteral("Enter your own mail address.");
    if (account.InboxServer.empty())
        return QStringLiteral("Enter the incoming mail server.");
    if (account.SmtpServer.empty())
        return QStringLiteral("Enter the outgoing mail server.");
    if (account.UserName.empty())
        return QStringLiteral("Enter the user name of your mail account.");
    return {};
}

void MailAccountDialog::OkButton_Click()
{
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        ProblemText->setText(problem);
        return;
    }
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
    Support::ModalGuard guard;
    MailAccountDialog dialog(current);
    dialog.ProblemText->setText(failure);
    Support::CurrentModalHost().RunModal(dialog);
    if (dialog.Answer() != Support::DialogAnswer::Ok)
        return std::nullopt;
    return dialog.Account();
}

} // namespace MailSupport
