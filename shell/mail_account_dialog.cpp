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

#include <algorithm>

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

const QString UnencryptedWarning =
    QStringLiteral("With \"None\" the password crosses the network unencrypted.");

QLineEdit* TextField(QWidget* parent, const QString& name, const std::string& text)
{
    auto* field = new QLineEdit(Q(text), parent);
    field->setObjectName(name);
    return field;
}

// The dialog's width: room for every field with its reason beside it.
constexpr int DialogWidth = 640;

// A wrapped text that keeps the room of `lines` lines from the start, empty
// or not, whatever it says: the controls round it never move as it changes.
// It stays shown (an empty text shows nothing), so no layout ever has to
// make room for it.
void KeepRoom(QLabel* label, int lines)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(lines * label->fontMetrics().lineSpacing() + 2);
}

// A warning or note under or beside a field, in room kept for its two
// lines; it says its text only while it applies, so nothing moves as it
// comes and goes.
QLabel* NoteLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("color: #a01010"));
    KeepRoom(label, 2);
    return label;
}

void SayNote(QLabel* label, bool applies, const QString& text)
{
    label->setText(applies ? text : QString());
}

const QString PasswordInFileNote =
    QStringLiteral("Kept in Marrowdale's own settings file: no keyring answered");

} // namespace

QWidget* MailAccountDialog::WithReason(QWidget* widget, AccountField field)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setParent(row);
    // The field stands at the top of its row, level with the row's name;
    // the reason's two lines reach below it.
    layout->addWidget(widget, 1, Qt::AlignTop);
    auto* reason = new QLabel(row);
    reason->setObjectName(widget->objectName() + QStringLiteral("Reason"));
    reason->setStyleSheet(QStringLiteral("color: #a01010"));
    // Two lines beside the field, kept whether a reason shows or not.
    KeepRoom(reason, 2);
    reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(reason, 1, Qt::AlignTop);
    reasons_.push_back({field, widget, reason, {}});
    return row;
}

QLabel* MailAccountDialog::GroupReason(QWidget* group,
                                       std::vector<std::pair<QWidget*, AccountField>> fields)
{
    auto* reason = new QLabel(group);
    reason->setObjectName(group->objectName() + QStringLiteral("Reason"));
    reason->setStyleSheet(QStringLiteral("color: #a01010"));
    KeepRoom(reason, 2);
    for (const auto& [widget, field] : fields)
        reasons_.push_back({field, widget, reason, {}});
    return reason;
}

MailAccountDialog::MailAccountDialog(const MailAccount& account)
    : AnsweringDialog(Support::DialogAnswer::Cancel), given_(account)
{
    setObjectName(QStringLiteral("MailAccountDialog"));
    setWindowTitle(QStringLiteral("Marrowdale - Mail log-on"));

    auto* intro = new QLabel(QStringLiteral("Marrowdale sends and receives moves by e-mail. "
                                            "Choose how to reach your mail."),
                             this);
    KeepRoom(intro, 2);

    InternetMail = new QRadioButton(QStringLiteral("&Internet mail account"), this);
    InternetMail->setObjectName(QStringLiteral("InternetMail"));
    PostOffice = new QRadioButton(QStringLiteral("&Local post office (players on this computer)"), this);
    PostOffice->setObjectName(QStringLiteral("PostOffice"));

    InboxGroup = new QGroupBox(QStringLiteral("Incoming mail"), this);
    InboxGroup->setObjectName(QStringLiteral("InboxGroup"));
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
    inboxForm->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    inboxForm->addRow(QStringLiteral("Server:"), InboxServer);
    inboxForm->addRow(QStringLiteral("Kind:"), InboxKind);
    inboxForm->addRow(QStringLiteral("Port:"), InboxPort);
    inboxForm->addRow(QStringLiteral("Security:"), InboxSecurity);
    InboxSecurityWarning = NoteLabel(InboxGroup, QStringLiteral("InboxSecurityWarning"));
    inboxForm->addRow(QString(), InboxSecurityWarning);
    inboxForm->addRow(GroupReason(
        InboxGroup, {{InboxServer, AccountField::InboxServer}, {InboxPort, AccountField::InboxPort}}));

    SmtpGroup = new QGroupBox(QStringLiteral("Outgoing mail (SMTP)"), this);
    SmtpGroup->setObjectName(QStringLiteral("SmtpGroup"));
    SmtpServer = TextField(SmtpGroup, QStringLiteral("SmtpServer"), account.SmtpServer);
    SmtpPort = PortField(SmtpGroup, QStringLiteral("SmtpPort"), account.SmtpPort);
    SmtpSecurity = SecurityChoice(SmtpGroup, QStringLiteral("SmtpSecurity"));
    SelectSecurity(SmtpSecurity, account.SmtpSecurity);
    SmtpAuthentication = new QCheckBox(QStringLiteral("Log on to send"), SmtpGroup);
    SmtpAuthentication->setObjectName(QStringLiteral("SmtpAuthentication"));
    SmtpAuthentication->setChecked(account.SmtpAuthentication);
    auto* smtpForm = new QFormLayout(SmtpGroup);
    smtpForm->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    smtpForm->addRow(QStringLiteral("Server:"), SmtpServer);
    smtpForm->addRow(QStringLiteral("Port:"), SmtpPort);
    smtpForm->addRow(QStringLiteral("Security:"), SmtpSecurity);
    smtpForm->addRow(QString(), SmtpAuthentication);
    SmtpSecurityWarning = NoteLabel(SmtpGroup, QStringLiteral("SmtpSecurityWarning"));
    smtpForm->addRow(QString(), SmtpSecurityWarning);
    smtpForm->addRow(GroupReason(
        SmtpGroup, {{SmtpServer, AccountField::SmtpServer}, {SmtpPort, AccountField::SmtpPort}}));

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
    person->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    person->addRow(QStringLiteral("User name:"), WithReason(UserName, AccountField::UserName));
    // The password's row has the same room beside it, for where the
    // password is kept when no keyring answers.
    auto* passwordRow = new QWidget(this);
    auto* passwordLayout = new QHBoxLayout(passwordRow);
    passwordLayout->setContentsMargins(0, 0, 0, 0);
    Password->setParent(passwordRow);
    passwordLayout->addWidget(Password, 1, Qt::AlignTop);
    PasswordPlaceText = NoteLabel(passwordRow, QStringLiteral("PasswordPlaceText"));
    PasswordPlaceText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    passwordLayout->addWidget(PasswordPlaceText, 1, Qt::AlignTop);
    person->addRow(QStringLiteral("Password:"), passwordRow);
    person->addRow(QStringLiteral("Your name:"), WithReason(DisplayName, AccountField::DisplayName));
    person->addRow(QStringLiteral("Your address:"), WithReason(Address, AccountField::Address));
    person->addRow(QStringLiteral("Post office folder:"),
                   WithReason(PostOfficeFolder, AccountField::PostOfficeFolder));
    PostOfficePathText = new QLabel(this);
    PostOfficePathText->setObjectName(QStringLiteral("PostOfficePathText"));
    KeepRoom(PostOfficePathText, 2);
    PostOfficePathText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    person->addRow(QString(), PostOfficePathText);

    ProblemText = new QLabel(this);
    ProblemText->setObjectName(QStringLiteral("ProblemText"));
    ProblemText->setStyleSheet(QStringLiteral("color: #a01010"));
    // A row of its own above the buttons, kept for why signing on failed
    // and for any other line the account calls for.
    KeepRoom(ProblemText, 2);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(InternetMail);
    layout->addWidget(PostOffice);
    layout->addLayout(servers);
    layout->addLayout(person);
    layout->addWidget(ProblemText);
    layout->addLayout(buttons);
    // Laid out once, at a size that holds everything: no text shown later
    // changes it, so nothing moves under the user's pointer.
    const int width = std::max(DialogWidth, layout->minimumSize().width());
    setFixedSize(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                    : layout->sizeHint().height());

    (OpensOnInternetMail(account) ? InternetMail : PostOffice)->setChecked(true);
    ShowMode();
    connect(InternetMail, &QRadioButton::toggled, this, &MailAccountDialog::ShowMode);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textEdited, this, [this] {
            ProblemText->clear();
            ShowReasons({});
        });
    connect(PostOfficeFolder, &QLineEdit::textChanged, this, &MailAccountDialog::ShowMode);
    for (QComboBox* security : {InboxSecurity, SmtpSecurity})
        connect(security, &QComboBox::currentIndexChanged, this,
                &MailAccountDialog::ShowSecurityWarnings);
    for (QLineEdit* server : {InboxServer, SmtpServer})
        connect(server, &QLineEdit::textChanged, this, &MailAccountDialog::ShowSecurityWarnings);
    connect(SmtpAuthentication, &QCheckBox::toggled, this, &MailAccountDialog::ShowSecurityWarnings);
    ConfirmUnencrypted = [] {
        return Support::ShowMessage(
            Support::MsgIcon::Information, QStringLiteral("Unencrypted log-on"),
            QStringLiteral("With security \"None\" your mail password crosses the network "
                           "unencrypted, where others on the way can read it.||Keep this account?"),
            QStringLiteral("Keep"), QStringLiteral("Cancel"), false);
    };
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
    // Its room stays while an internet account leaves it empty.
    PostOfficePathText->setText(internet ? QString()
                                         : QStringLiteral("The other player enters this same folder: ")
                                               + PostOfficePath());
    SayNote(PasswordPlaceText, internet && given_.NoKeyringAnswered, PasswordInFileNote);
    ShowSecurityWarnings();
    ShowReasons({});
}

void MailAccountDialog::ShowSecurityWarnings()
{
    const MailAccountFields fields = Fields();
    SayNote(InboxSecurityWarning, InboxLogOnUnencrypted(fields), UnencryptedWarning);
    SayNote(SmtpSecurityWarning, SmtpLogOnUnencrypted(fields), UnencryptedWarning);
}

QString MailAccountDialog::PostOfficePath() const
{
    return WholePostOfficePath(PostOfficeFolder->text());
}

void MailAccountDialog::ShowReasons(const std::vector<FieldReason>& reasons)
{
    for (ReasonLabel& shown : reasons_) {
        shown.Shown.clear();
        shown.Label->clear();
    }
    // A group's line tells its first field's reason.
    for (ReasonLabel& shown : reasons_) {
        for (const FieldReason& reason : reasons)
            if (reason.Field == shown.Field) {
                if (shown.Label->text().isEmpty()) {
                    shown.Label->setText(reason.Reason);
                    shown.Shown = reason.Reason;
                }
                break;
            }
    }
}

QString MailAccountDialog::ReasonBeside(const QWidget* field) const
{
    for (const ReasonLabel& shown : reasons_)
        if (shown.Widget == field)
            return shown.Shown;
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
    const MailAccountFields fields = Fields();
    const AccountOkResult result = ConfirmAccountFields(fields, folders);
    ShowReasons(result.Reasons);
    if (result.FocusFirstReason)
        for (const ReasonLabel& shown : reasons_)
            if (shown.Field == result.Reasons.front().Field) {
                shown.Widget->setFocus();
                break;
            }
    if (result.Outcome != AccountOkOutcome::Accepted)
        return;
    // One question for both servers, once nothing else stands in the way.
    if ((InboxLogOnUnencrypted(fields) || SmtpLogOnUnencrypted(fields))
        && !(ConfirmUnencrypted && ConfirmUnencrypted()))
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
