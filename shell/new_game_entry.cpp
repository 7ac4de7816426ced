#include "shell/new_game_entry.h"

#include "foundation/qt_text.h"
#include "store/mail_address.h"
#include "store/move_payload.h"

namespace Support {

QString CleanEntryText(const QString& text, int maxLength)
{
    QString clean = text;
    for (QChar& c : clean)
        if (c == QLatin1Char('|') || c == QLatin1Char(';'))
            c = QLatin1Char(' ');
    return clean.left(maxLength);
}

NewGameEntry::NewGameEntry(bool computerGame, bool mailOffline)
    : ComputerGame(computerGame), NameEditable(!computerGame),
      EmailEditable(!computerGame && mailOffline), AddressBookEnabled(!computerGame && !mailOffline),
      mailOffline_(mailOffline)
{
    if (computerGame) {
        name_ = QStringLiteral("The Computer");
        email_ = QStringLiteral("n/a");
        // OK at once, even before a title is typed.
        okEnabled_ = true;
    } else {
        ButtonSet();
    }
}

void NewGameEntry::ButtonSet()
{
    // The computer's "n/a" is no address, and needs none.
    okEnabled_ = !title_.isEmpty() && !email_.isEmpty()
                 && (ComputerGame || MailSupport::AddressProblem(email_.toStdString()).empty());
}

void NewGameEntry::SetTitle(const QString& text)
{
    title_ = CleanEntryText(text, EntryTextLength);
    ButtonSet();
}

void NewGameEntry::SetName(const QString& text)
{
    if (ComputerGame)
        return;
    name_ = CleanEntryText(text, EntryTextLength);
    email_.clear();
    const MailSupport::TypedOpponent typed = MailSupport::ReadTypedOpponent(text.toStdString());
    problem_ = Q(typed.Problem);
    if (typed.Person)
        email_ = CleanEntryText(Q(typed.Person->Address), AddressLength);
    ButtonSet();
}

void NewGameEntry::TakeTypedPerson()
{
    if (ComputerGame)
        return;
    const MailSupport::TypedOpponent typed = MailSupport::ReadTypedOpponent(name_.toStdString());
    if (typed.Person && Q(typed.Person->Address) == email_)
        name_ = CleanEntryText(Q(typed.Person->Name), EntryTextLength);
}

void NewGameEntry::SetEmail(const QString& text)
{
    if (ComputerGame)
        return;
    email_ = CleanEntryText(text, AddressLength);
    problem_ = email_.isEmpty() ? QString() : Q(MailSupport::AddressProblem(email_.toStdString()));
    ButtonSet();
}

bool NewGameEntry::ValidateTitle()
{
    const QString clean = QString::fromStdString(StripMailMarkers(title_.toStdString()));
    if (clean == title_)
        return false;
    SetTitle(clean);
    return true;
}

void NewGameEntry::NameLeft()
{
    if (!name_.isEmpty() && !mailOffline_ && !ComputerGame)
        resolvePending_ = true;
}

NewGameEntry::Resolution NewGameEntry::ResolveName(MailSupport::AddressBook& book,
                                                   std::vector<MailSupport::AddressEntry>& candidates)
{
    resolvePending_ = false;
    candidates.clear();
    const std::string typed = name_.toStdString();
    // An address typed wrongly is told as it is typed; no book holds it.
    if (!problem_.isEmpty())
        return Resolution::Unchanged;
    if (const std::optional<MailSupport::AddressEntry> exact = book.Resolve(typed)) {
        Choose(*exact);
        return Resolution::Filled;
    }
    // Close matches: every person whose name holds the typed text.
    const QString wanted = name_.trimmed();
    if (wanted.isEmpty())
        return Resolution::Unchanged;
    for (const MailSupport::AddressEntry& person : book.AllEntries())
        if (QString::fromStdString(person.Name).contains(wanted, Qt::CaseInsensitive))
            candidates.push_back(person);
    if (candidates.size() == 1) {
        Choose(candidates.front());
        candidates.clear();
        return Resolution::Filled;
    }
    if (candidates.empty())
        problem_ = QStringLiteral("Nobody called \"%1\" is in your address book. Type the e-mail "
                                  "address instead (or Name <address>), or click \"...\" to add them.")
                       .arg(wanted);
    return candidates.empty() ? Resolution::Unchanged : Resolution::Choose;
}

void NewGameEntry::Choose(const MailSupport::AddressEntry& person)
{
    resolvePending_ = false;
    SetName(QString::fromStdString(person.Name));
    SetEmail(QString::fromStdString(person.Address));
}

} // namespace Support
