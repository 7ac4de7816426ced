#pragma once
// The new-game dialog (the title and the opponent) and the chooser that
// asks which one of several people is meant, over the window-free
// NewGameEntry. Support::StartNewGame runs them and opens the board.

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"
#include "shell/new_game_entry.h"
#include "shell/tray_services.h"

#include <QTimer>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Support {

// Answers only OK: Enter and closing take the selected person; Escape does
// nothing.
class ChooseOpponent : public DialogWindow {
    Q_OBJECT
public:
    // The people in the order given, the first selected.
    ChooseOpponent(const std::vector<MailSupport::AddressEntry>& people, const QString& instructions);
    bool Form_Load(bool simpleUI);

    QComboBox* OppList;
    QLabel* Instructions_L;
    QLabel* Label1;
    SkinnedButton* OkButton;
    QPushButton* OKButtonS;

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void CloseRequested() override;
};

// Enter answers OK while OK is enabled; Escape and closing are Cancel.
class NewGameInfo : public AnsweringDialog<DialogAnswer> {
    Q_OBJECT
public:
    NewGameInfo(bool computerGame, bool mailOffline, MailSupport::AddressBook* addressBook);
    // False when the skin failed: the dialog has answered Cancel.
    bool Form_Load(bool simpleUI);

    NewGameEntry Entry;

    QLineEdit* Game_name;
    QLineEdit* Game_opponents_name;
    QLineEdit* Game_opponents_email;
    QPushButton* Resolve;
    QLabel* Label3;
    // Why the opponent typed cannot be used, beside the boxes.
    QLabel* Opponent_problem;
    QLabel* Game_name_L;
    QLabel* Game_opponents_name_L;
    QLabel* Game_opponents_email_L;
    QLabel* HelpButton;
    SkinnedButton* OkButton;
    SkinnedButton* CancelButton;
    QTimer Timer1;

    // The address book: a contact or past opponent picked, or someone new
    // added; whoever it is is kept as a contact.
    void ChooseName();
    // The typed name, resolved in the address book.
    void ResolveName();
    void Timer1_Timer();

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowEntry();
    void ButtonSet();
    void AnswerOk();
    void Pick(const std::vector<MailSupport::AddressEntry>& people, const QString& instructions);

    MailSupport::AddressBook* addressBook_;
};

// Asks for the new game's title and opponent, then opens the board on a
// new game of the kind given, its answers handed to the board as a value
// (new_game_start.h has the steps); the owner (when given) hides while the
// board is open. Cancel gives polling back at once; OK keeps it paused
// until the board closes.
void StartNewGame(QWidget* owner, const NewGameKind& kind, SysTraySupport::BoardPort& board,
                  MailSupport::AddressBook* addressBook);

} // namespace Support
