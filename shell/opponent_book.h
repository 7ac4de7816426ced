#pragma once
// The address book the new-game dialog's "..." opens: the contacts and the
// past opponents to pick from, two boxes to add someone new, OK and Cancel.
// What is picked or added is the answer; the caller keeps it as a contact.

#include "foundation/answering_dialog.h"
#include "store/mail_service.h"

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Support {

// Enter is Add while someone new is being typed, OK otherwise; Escape and
// closing are Cancel.
class OpponentBook : public AnsweringDialog<std::optional<MailSupport::AddressEntry>> {
    Q_OBJECT
public:
    explicit OpponentBook(std::vector<MailSupport::AddressEntry> people);

    const std::vector<MailSupport::AddressEntry>& People() const { return people_; }

    QListWidget* PeopleList;
    QLineEdit* NewName;
    QLineEdit* NewAddress;
    QPushButton* AddButton;
    QLabel* ProblemText;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // Adds the person of the two boxes and selects them; false, with the
    // reason shown, when the address is not one.
    bool AddButton_Click();
    void OkButton_Click();

protected:
    void EnterPressed() override;
    void EscapePressed() override;

private:
    void FollowSelection();

    std::vector<MailSupport::AddressEntry> people_;
};

} // namespace Support
