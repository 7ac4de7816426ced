#include "shell/opponent_book.h"

#include "store/mail_address.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Support {

namespace {

QString RowText(const MailSupport::AddressEntry& person)
{
    return QString::fromStdString(person.Name) + QStringLiteral("  <")
           + QString::fromStdString(person.Address) + QLatin1Char('>');
}

} // namespace

OpponentBook::OpponentBook(std::vector<MailSupport::AddressEntry> people)
    : AnsweringDialog(std::nullopt), people_(std::move(people))
{
    setObjectName(QStringLiteral("OpponentBook"));
    setWindowTitle(QStringLiteral("Choose an opponent"));

    auto* intro = new QLabel(QStringLiteral("Pick your opponent, or add someone new by name and "
                                            "e-mail address."),
                             this);
    intro->setWordWrap(true);
    PeopleList = new QListWidget(this);
    PeopleList->setObjectName(QStringLiteral("PeopleList"));
    for (const MailSupport::AddressEntry& person : people_)
        PeopleList->addItem(RowText(person));
    if (!people_.empty())
        PeopleList->setCurrentRow(0);

    NewName = new QLineEdit(this);
    NewName->setObjectName(QStringLiteral("NewName"));
    NewName->setMaxLength(50);
    NewAddress = new QLineEdit(this);
    NewAddress->setObjectName(QStringLiteral("NewAddress"));
    NewAddress->setMaxLength(254);
    NewAddress->setPlaceholderText(QStringLiteral("name@example.org"));
    AddButton = new QPushButton(QStringLiteral("&Add"), this);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(NewAddress, 1);
    addRow->addWidget(AddButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), NewName);
    form->addRow(QStringLiteral("E-mail address:"), addRow);

    ProblemText = new QLabel(this);
    ProblemText->setObjectName(QStringLiteral("ProblemText"));
    ProblemText->setWordWrap(true);
    ProblemText->setStyleSheet(QStringLiteral("color: #a01010"));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(PeopleList, 1);
    layout->addLayout(form);
    layout->addWidget(ProblemText);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(AddButton, &QPushButton::clicked, this, [this] { AddButton_Click(); });
    connect(OkButton, &QPushButton::clicked, this, &OpponentBook::OkButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, [this] { AnswerWith(std::nullopt); });
    connect(PeopleList, &QListWidget::currentRowChanged, this, &OpponentBook::FollowSelection);
    connect(PeopleList, &QListWidget::itemDoubleClicked, this, &OpponentBook::OkButton_Click);
    for (QLineEdit* field : {NewName, NewAddress})
        connect(field, &QLineEdit::textEdited, ProblemText, &QLabel::clear);
    FollowSelection();
    TakeKeysFirst();
    // An empty book: straight to typing someone new.
    if (people_.empty())
        NewName->setFocus();
}

void OpponentBook::FollowSelection()
{
    OkButton->setEnabled(PeopleList->currentRow() >= 0);
}

bool OpponentBook::AddButton_Click()
{
    const std::string address = NewAddress->text().trimmed().toStdString();
    if (const std::string problem = MailSupport::AddressProblem(address); !problem.empty()) {
        ProblemText->setText(QString::fromStdString(problem));
        NewAddress->setFocus();
        return false;
    }
    std::string name = NewName->text().trimmed().toStdString();
    // "<" and ">" would not read back from the contacts file.
    if (name.find_first_of("<>|;") != std::string::npos) {
        ProblemText->setText(QStringLiteral("A name has no \"<\", \">\", \"|\" or \";\"."));
        NewName->setFocus();
        return false;
    }
    if (name.empty())
        name = address.substr(0, address.find('@'));
    people_.push_back({name, address});
    PeopleList->addItem(RowText(people_.back()));
    PeopleList->setCurrentRow(PeopleList->count() - 1);
    NewName->clear();
    NewAddress->clear();
    ProblemText->clear();
    return true;
}

void OpponentBook::OkButton_Click()
{
    const int row = PeopleList->currentRow();
    if (row < 0 || std::size_t(row) >= people_.size()) {
        ProblemText->setText(QStringLiteral("Pick an opponent, or add one."));
        return;
    }
    AnswerWith(people_[std::size_t(row)]);
}

void OpponentBook::EnterPressed()
{
    // Someone new being typed is added first; the next Enter takes them.
    if (!NewAddress->text().trimmed().isEmpty() || !NewName->text().trimmed().isEmpty())
        AddButton_Click();
    else
        OkButton_Click();
}

void OpponentBook::EscapePressed()
{
    AnswerWith(std::nullopt);
}

} // namespace Support
