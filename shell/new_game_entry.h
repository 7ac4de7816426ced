#pragma once
// What the new-game dialog holds, without the window: the game's title and
// the opponent's name and address, which boxes may be typed into, when OK
// may be pressed, and what a typed name resolves to in the address book.

#include "store/mail_service.h"

#include <QString>

#include <vector>

namespace Support {

// What a title, name or address may hold: "|" and ";" separate the fields
// of the stored and mailed game, so they become spaces; the payload takes
// at most 50 characters of a title or a name.
inline constexpr int EntryTextLength = 50;
inline constexpr int AddressLength = 254;
QString CleanEntryText(const QString& text, int maxLength);

class NewGameEntry {
public:
    NewGameEntry(bool computerGame, bool mailOffline);

    void SetTitle(const QString& text);
    // A new name empties the address (it belonged to the old name). A name
    // typed as an address or "Name <address>" gives the address at once.
    void SetName(const QString& text);
    // An address that is not one keeps OK off, with the reason told.
    void SetEmail(const QString& text);
    // Before OK: a name typed as an address becomes the person's name.
    void TakeTypedPerson();
    // The title without the move-mail markers and control characters; True
    // when something was taken out (the user is told).
    bool ValidateTitle();
    // The name box lost the focus: a resolution is due, on-line, for a name.
    void NameLeft();

    // What a typed name stands for: one person fills both boxes, several
    // are offered in the chooser, none leaves the boxes as they are.
    enum class Resolution { Unchanged, Filled, Choose };
    Resolution ResolveName(MailSupport::AddressBook& book,
                           std::vector<MailSupport::AddressEntry>& candidates);
    // The person picked: name first, then the address.
    void Choose(const MailSupport::AddressEntry& person);

    const QString& Title() const { return title_; }
    const QString& Name() const { return name_; }
    const QString& Email() const { return email_; }
    bool OkEnabled() const { return okEnabled_; }
    // Why the opponent cannot be used yet, told beside the boxes; empty
    // when nothing is wrong.
    const QString& Problem() const { return problem_; }
    bool ResolvePending() const { return resolvePending_; }
    void CancelResolution() { resolvePending_ = false; }

    const bool ComputerGame;
    // Boxes the user may type into, and the address book button.
    const bool NameEditable;
    const bool EmailEditable;
    const bool AddressBookEnabled;

private:
    void ButtonSet();

    QString title_;
    QString name_;
    QString email_;
    QString problem_;
    bool okEnabled_ = false;
    bool resolvePending_ = false;
    bool mailOffline_;
};

} // namespace Support
