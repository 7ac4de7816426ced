#include "shell/mail_account_dialog.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/polling_pause.h"
#include "foundation/qt_text.h"
#include "platform/mail_account_settings.h"
#include "store/mail_address.h"

#include <QDir>
#include <QFileInfo>

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

constexpr int HighestPort = 65535;

QString ServerProblem(const std::string& server, const QString& missing)
{
    if (server.empty())
        return missing;
    if (server.find_first_of(" \t/@") != std::string::npos)
        return QStringLiteral("A server name has no spaces, \"/\" or \"@\".");
    return {};
}

QString PortProblem(int port)
{
    return port > HighestPort ? QStringLiteral("A port is 1 to 65535 (0 for the usual one).")
                              : QString();
}

} // namespace

QWidget* MailAccountDialog::WithReason(QWidget* field)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    field->setParent(row);
    layout->addWidget(field, 1);
    auto* reason = new QLabel(row);
    reason->setObjectName(field->objectName() + QStringLiteral("Reason"));
    reason->setStyleSheet(QStringLiteral("color: #a01010"));
    reason->setWordWrap(true);
    reason->hide();
    layout->addWidget(reason, 1);
    reasons_.emplace_back(field, reason);
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
    inboxForm->addRow(QStringLiteral("Server:"), WithReason(InboxServer));
    inboxForm->addRow(QStringLiteral("Kind:"), InboxKind);
    inboxForm->addRow(QStringLiteral("Port:"), WithReason(InboxPort));
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
    smtpForm->addRow(QStringLiteral("Server:"), WithReason(SmtpServer));
    smtpForm->addRow(QStringLiteral("Port:"), WithReason(SmtpPort));
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
    person->addRow(QStringLiteral("User name:"), WithReason(UserName));
    person->addRow(QStringLiteral("Password:"), Password);
    person->addRow(QStringLiteral("Your name:"), WithReason(DisplayName));
    person->addRow(QStringLiteral("Your address:"), WithReason(Address));
    person->addRow(QStringLiteral("Post office folder:"), WithReason(PostOfficeFolder));
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

    const bool internet = account.IsInternetAccountSet() || !account.InboxServer.empty();
    (internet ? InternetMail : PostOffice)->setChecked(true);
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
            1, QStringLiteral("New post office"),
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
    const QString typed = PostOfficeFolder->text().trimmed();
    const QString folder =
        typed.isEmpty() ? QString::fromStdString(DefaultPostOfficeFolder().string()) : typed;
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

void MailAccountDialog::ShowReasons(const std::vector<std::pair<QWidget*, QString>>& problems)
{
    for (const auto& [field, reason] : reasons_) {
        QString text;
        for (const auto& [problemField, problem] : problems)
            if (problemField == field && text.isEmpty())
                text = problem;
        reason->setText(text);
        reason->setVisible(!text.isEmpty());
    }
}

QString MailAccountDialog::ReasonBeside(const QWidget* field) const
{
    for (const auto& [shown, reason] : reasons_)
        if (shown == field)
            return reason->isHidden() ? QString() : reason->text();
    return {};
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

std::vector<std::pair<QWidget*, QString>> MailAccountDialog::Problems() const
{
    std::vector<std::pair<QWidget*, QString>> problems;
    const MailAccount account = Account();
    const bool internet = InternetMail->isChecked();
    auto add = [&problems](QWidget* field, const QString& problem) {
        if (!problem.isEmpty())
            problems.emplace_back(field, problem);
    };
    if (internet) {
        add(InboxServer, ServerProblem(account.InboxServer,
                                       QStringLiteral("Enter the incoming mail server.")));
        add(InboxPort, PortProblem(account.InboxPort));
        add(SmtpServer, ServerProblem(account.SmtpServer,
                                      QStringLiteral("Enter the outgoing mail server.")));
        add(SmtpPort, PortProblem(account.SmtpPort));
        if (account.UserName.empty())
            add(UserName, QStringLiteral("Enter the user name of your mail account."));
    }
    // The opponent stores and shows the name with every move.
    if (account.DisplayName.empty())
        add(DisplayName, QStringLiteral("Enter your name."));
    if (internet && account.Address.empty())
        add(Address, QStringLiteral("Enter your own mail address."));
    else if (!account.Address.empty())
        add(Address, QString::fromStdString(AddressProblem(account.Address)));
    if (!internet) {
        const QFileInfo folder(PostOfficePath());
        if (!QDir::isAbsolutePath(PostOfficeFolder->text().trimmed())
            && !PostOfficeFolder->text().trimmed().isEmpty())
            add(PostOfficeFolder, QStringLiteral("Enter the whole path, from \"/\"."));
        else if (folder.exists() && !folder.isDir())
            add(PostOfficeFolder, QStringLiteral("This is a file, not a folder."));
        else if (folder.exists() && !(folder.isReadable() && folder.isWritable() && folder.isExecutable()))
            add(PostOfficeFolder, QStringLiteral("Marrowdale cannot read and write this folder."));
    }
    return problems;
}

QString MailAccountDialog::Problem() const
{
    const auto problems = Problems();
    return problems.empty() ? QString() : problems.front().second;
}

bool MailAccountDialog::PostOfficeFolderReady()
{
    const QString path = PostOfficePath();
    if (QFileInfo::exists(path))
        return true;
    if (!ConfirmCreateFolder || !ConfirmCreateFolder(path))
        return false;
    if (!QDir().mkpath(path)) {
        ShowReasons({{PostOfficeFolder, QStringLiteral("The folder could not be made here.")}});
        return false;
    }
    return true;
}

void MailAccountDialog::OkButton_Click()
{
    const auto problems = Problems();
    ShowReasons(problems);
    if (!problems.empty()) {
        problems.front().first->setFocus();
        return;
    }
    if (!InternetMail->isChecked() && !PostOfficeFolderReady())
        return;
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
