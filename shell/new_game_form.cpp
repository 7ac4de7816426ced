#include "shell/new_game_form.h"

#include "foundation/cursor_guard.h"
#include "foundation/polling_pause.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"

#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/press_label.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/sound_cues.h"
#include "foundation/window_shape.h"
#include "shell/new_game_start.h"
#include "shell/opponent_book.h"

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Support {

namespace {

constexpr int HelpTopicNewGame = 4;
constexpr int ResolveDelayMilliseconds = 1500;

// The dialog's skinned layout, in pixels of its picture (420 x 250).
constexpr QSize NewGameSize(420, 250);
constexpr int FieldLeft = 140;
constexpr int FieldWidth = 256;
constexpr QRect NameRect(FieldLeft, 108, FieldWidth - 30, 22);
constexpr QRect ResolveRect(FieldLeft + FieldWidth - 26, 108, 26, 22);
// Why the opponent cannot be used yet: the whole width under the boxes,
// three lines deep, above the buttons, so the longest reason (a name nobody
// in the address book has) stands whole.
constexpr QRect ProblemRect(24, 163, 372, 44);
constexpr int ButtonTop = 212;
// The reason's text size; one too long for three lines (a long name quoted
// in it) is set a little smaller, down to the least, rather than cut.
constexpr qreal ProblemPointSize = 8;
constexpr qreal LeastProblemPointSize = 6;
// Plain: 150 twips left, 200 up; 750 narrower, and lower by as much as it
// moves up, so the buttons keep their room above the window's edge.
constexpr PlainLayoutShift NewGamePlain{10, 13, 50, 13};
// The chooser (380 x 320); plain: 200 twips left and up, 400 narrower and lower.
constexpr QSize ChooserSize(380, 320);
constexpr PlainLayoutShift ChooserPlain{13, 13, 27, 27};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeField(QWidget* parent, const QString& name, const QRect& geometry, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setMaxLength(maxLength);
    return field;
}

} // namespace

ChooseOpponent::ChooseOpponent(const std::vector<MailSupport::AddressEntry>& people,
                               const QString& instructions)
{
    setObjectName(QLatin1String(WindowNames::ChooseOpponent));
    setWindowTitle(QStringLiteral("Too many opponents!"));
    setFixedSize(ChooserSize);
    Instructions_L =
        MakeLabel(this, QStringLiteral("Instructions_L"), QRect(30, 56, 320, 90), instructions);
    Label1 =
        MakeLabel(this, QStringLiteral("Label1"), QRect(30, 168, 320, 18), QStringLiteral("Opponent"));
    OppList = new QComboBox(this);
    OppList->setObjectName(QStringLiteral("OppList"));
    OppList->setGeometry(30, 190, 320, 24);
    for (const MailSupport::AddressEntry& person : people)
        OppList->addItem(QString::fromStdString(person.Name));
    OppList->setCurrentIndex(0);
    OkButton =
        new SkinnedButton(*this, QStringLiteral("OkButton"), QRect(145, 262, 90, 26),
                          QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OKButtonS"));
    OKButtonS = OkButton->plainTwin;
    connect(OkButton, &SkinnedButton::Clicked, this, &ChooseOpponent::EnterPressed);
}

bool ChooseOpponent::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    OkButton->Show(simpleUI);
    Support::SetToolTip(OppList, "Select an opponent from this list", ProgramSettings().ShowToolTips);
    return true;
}

void ChooseOpponent::SetSimpleUI()
{
    ShiftIntoPlainLayout(*this, ChooserPlain);
}

void ChooseOpponent::EnterPressed()
{
    EndWithAnswer();
}

void ChooseOpponent::CloseRequested()
{
    // There is no Cancel: closing takes the selected person.
    EndWithAnswer();
}

NewGameInfo::NewGameInfo(bool computerGame, bool mailOffline, MailSupport::AddressBook* addressBook)
    : AnsweringDialog(DialogAnswer::Cancel), Entry(computerGame, mailOffline), addressBook_(addressBook)
{
    setObjectName(QLatin1String(WindowNames::NewGameInfo));
    setWindowTitle(QStringLiteral("New game..."));
    setFixedSize(NewGameSize);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QRect(24, 52, 372, 20),
                       QStringLiteral("Please enter your opponents details."));
    Game_name_L = MakeLabel(this, QStringLiteral("Game_name_L"), QRect(24, 80, 110, 20),
                            QStringLiteral("Game name"));
    Game_opponents_name_L = MakeLabel(this, QStringLiteral("Game_opponents_name_L"),
                                      QRect(24, 110, 110, 20), QStringLiteral("Opponents name"));
    Game_opponents_email_L = MakeLabel(this, QStringLiteral("Game_opponents_email_L"),
                                       QRect(24, 140, 110, 20), QStringLiteral("Opponents email"));
    for (QLabel* label : {Game_name_L, Game_opponents_name_L, Game_opponents_email_L})
        label->hide();
    Opponent_problem = MakeLabel(this, QStringLiteral("Opponent_problem"), ProblemRect, QString());
    Opponent_problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Opponent_problem->setStyleSheet(QStringLiteral("color: #a01010"));
    QFont small = Opponent_problem->font();
    small.setPointSizeF(ProblemPointSize);
    Opponent_problem->setFont(small);
    Game_name = MakeField(this, QStringLiteral("Game_name"), QRect(FieldLeft, 78, FieldWidth, 22),
                          EntryTextLength);
    Game_opponents_name =
        MakeField(this, QStringLiteral("Game_opponents_name"), NameRect, EntryTextLength);
    Game_opponents_email = MakeField(this, QStringLiteral("Game_opponents_email"),
                                     QRect(FieldLeft, 138, FieldWidth, 22), AddressLength);
    Resolve = new QPushButton(QStringLiteral("..."), this);
    Resolve->setObjectName(QStringLiteral("Resolve"));
    Resolve->setGeometry(ResolveRect);
    HelpButton =
        MakeLabel(this, QStringLiteral("HelpButton"), QRect(384, 9, 23, 23), QStringLiteral("?"));
    StyleWindowButton(*HelpButton);
    OkButton =
        new SkinnedButton(*this, QStringLiteral("OkButton"), QRect(110, ButtonTop, 90, 26),
                          QStringLiteral("OK"), QStringLiteral("&OK"), QStringLiteral("OKButtonS"));
    CancelButton =
        new SkinnedButton(*this, QStringLiteral("CancelButton"), QRect(220, ButtonTop, 90, 26),
                          QStringLiteral("Cancel"), QStringLiteral("&Cancel"));
    connect(OkButton, &SkinnedButton::Clicked, this, &NewGameInfo::AnswerOk);
    connect(CancelButton, &SkinnedButton::Clicked, this, [this] { AnswerWith(DialogAnswer::Cancel); });

    connect(Game_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        Entry.SetTitle(text);
        ShowEntry();
    });
    connect(Game_opponents_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        Entry.SetName(text);
        ShowEntry();
    });
    connect(Game_opponents_email, &QLineEdit::textEdited, this, [this](const QString& text) {
        Entry.SetEmail(text);
        ShowEntry();
    });
    connect(Resolve, &QPushButton::clicked, this, &NewGameInfo::ChooseName);
    Timer1.setInterval(ResolveDelayMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &NewGameInfo::Timer1_Timer);
    TakeKeysFirst();
}

bool NewGameInfo::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI)) {
        AnswerWith(DialogAnswer::Cancel);
        return false;
    }
    OkButton->Show(simpleUI);
    CancelButton->Show(simpleUI);
    Game_opponents_name->setReadOnly(!Entry.NameEditable);
    Game_opponents_name->setEnabled(Entry.NameEditable);
    Game_opponents_email->setReadOnly(!Entry.EmailEditable);
    Resolve->setEnabled(Entry.AddressBookEnabled);
    ShowEntry();
    const bool tips = ProgramSettings().ShowToolTips;
    auto tip = [tips](QWidget* w, const char* text) { Support::SetToolTip(w, text, tips); };
    tip(Game_name, "A title to identify the game");
    tip(Game_opponents_name, "Enter your opponents name, e-mail address, or Name <address>");
    tip(Resolve, "Click to select an opponent from your address book");
    tip(Game_opponents_email, "Your chosen opponents email address");
    Timer1.start();
    return true;
}

void NewGameInfo::SetSimpleUI()
{
    for (QLabel* label : {Game_name_L, Game_opponents_name_L, Game_opponents_email_L})
        label->show();
    HelpButton->hide();
    ShiftIntoPlainLayout(*this, NewGamePlain);
    // The boxes give up the width the window lost; the button follows.
    for (QWidget* field : std::initializer_list<QWidget*>{Game_name, Game_opponents_name,
                                                          Game_opponents_email, Opponent_problem})
        field->resize(field->width() - NewGamePlain.shrinkWidth, field->height());
    Resolve->setGeometry(Resolve->x() - NewGamePlain.shrinkWidth, Resolve->y(), Resolve->width(),
                         Resolve->height() + 1);
}

void NewGameInfo::ShowEntry()
{
    // Only what changed is written back, so the cursor stays where it was.
    for (const auto& [field, text] :
         {std::pair{Game_name, Entry.Title()}, std::pair{Game_opponents_name, Entry.Name()},
          std::pair{Game_opponents_email, Entry.Email()}})
        if (field->text() != text) {
            const int cursor = field->cursorPosition();
            field->setText(text);
            field->setCursorPosition(std::min(cursor, int(text.size())));
        }
    ButtonSet();
}

void NewGameInfo::ButtonSet()
{
    OkButton->SetEnabled(Entry.OkEnabled());
    Opponent_problem->setText(Entry.Problem());
    QFont font = Opponent_problem->font();
    for (qreal size = ProblemPointSize; size >= LeastProblemPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        Opponent_problem->setFont(font);
        if (Opponent_problem->heightForWidth(Opponent_problem->width()) <= Opponent_problem->height())
            break;
    }
}

void NewGameInfo::AnswerOk()
{
    if (!Entry.OkEnabled())
        return;
    Entry.TakeTypedPerson();
    ShowEntry();
    AnswerWith(DialogAnswer::Ok);
}

void NewGameInfo::Answering()
{
    Timer1.stop();
}

void NewGameInfo::Pick(const std::vector<MailSupport::AddressEntry>& people, const QString& instructions)
{
    if (people.empty())
        return;
    std::size_t chosen = 0;
    if (people.size() > 1) {
        ChooseOpponent chooser(people, instructions);
        if (!chooser.Form_Load(ProgramSettings().SimpleUI))
            return;
        CurrentModalHost().RunModal(chooser);
        chosen = std::size_t(std::max(0, chooser.OppList->currentIndex()));
    }
    Entry.Choose(people[chosen]);
    ShowEntry();
}

void NewGameInfo::ChooseName()
{
    Entry.CancelResolution();
    if (!addressBook_)
        return;
    OpponentBook book(addressBook_->AllEntries());
    CurrentModalHost().RunModal(book);
    const std::optional<MailSupport::AddressEntry>& person = book.Answer();
    if (!person)
        return;
    // Kept for the next game; a contacts file that cannot be written
    // costs only that.
    addressBook_->AddContact(*person);
    Entry.Choose(*person);
    ShowEntry();
}

void NewGameInfo::ResolveName()
{
    std::vector<MailSupport::AddressEntry> candidates;
    if (!addressBook_) {
        Entry.CancelResolution();
        return;
    }
    if (Entry.ResolveName(*addressBook_, candidates) == NewGameEntry::Resolution::Choose)
        Pick(
            candidates,
            QStringLiteral("You have chosen too many opponents.  You can only play chess with one other "
                           "person!  Please select an opponent from the list of those you chose."));
    ShowEntry();
}

void NewGameInfo::Timer1_Timer()
{
    if (Entry.ResolvePending())
        ResolveName();
}

void NewGameInfo::EnterPressed()
{
    AnswerOk();
}

void NewGameInfo::EscapePressed()
{
    AnswerWith(DialogAnswer::Cancel);
}

int NewGameInfo::HelpTopic() const
{
    return HelpTopicNewGame;
}

bool NewGameInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched == Game_name && Entry.ValidateTitle()) {
        ShowEntry();
        Game_name->setFocus();
        ShowMessage(
            Support::MsgIcon::Warning, QStringLiteral("Illegal characters"),
            QStringLiteral(
                "You are not permitted to use certain text in the game name as it is reserved by "
                "Marrowdale.||This text has have been removed or, where appropriate, replaced with "
                "spaces."),
            QStringLiteral("OK"), QString(), false, SoundCue::Information);
    }
    if (event->type() == QEvent::FocusOut && watched == Game_opponents_name) {
        Entry.NameLeft();
        if (Entry.ResolvePending())
            Timer1.start(); // the next tick 1500 ms from now
    }
    if (watched == HelpButton && event->type() == QEvent::MouseButtonRelease)
        ShowHelpContext(this, HelpTopicNewGame);
    return AnsweringDialog::eventFilter(watched, event);
}

namespace {

// The new game's start carried out by the windows: the dialog, the owner
// stepping aside, the board, the messages.
class WindowNewGameStart : public NewGameStartPort {
public:
    WindowNewGameStart(QWidget* owner, SysTraySupport::BoardPort& board,
                       MailSupport::AddressBook* addressBook)
        : owner_(owner), board_(board), addressBook_(addressBook)
    {
    }

    bool LoadChessSet() override { return board_.LoadChessSet(); }
    // Until the board has opened, which holds its own pause; Cancel gives
    // back what the start found.
    void PausePolling() override { pause_.emplace(); }
    void ResumePolling() override { pause_.reset(); }

    std::optional<NewGameRequest> AskForNewGame(const NewGameKind& kind) override
    {
        // The dialog and its address book go together as the session ends:
        // no resolution can start after it.
        NewGameInfo dialog(kind.ComputerGame, Globals().Mail.MailOffline, addressBook_);
        if (dialog.Form_Load(ProgramSettings().SimpleUI))
            CurrentModalHost().RunModal(dialog);
        if (dialog.Answer() != DialogAnswer::Ok)
            return std::nullopt;
        return NewGameRequest{kind, dialog.Entry.Title().toStdString(),
                              dialog.Entry.Name().toStdString(), dialog.Entry.Email().toStdString()};
    }

    void OpenBoard(const GameToOpen& game, bool inPlaceOfOwner) override
    {
        const CursorGuard hourglass;
        if (inPlaceOfOwner)
            owner_->hide();
        board_.OpenBoard(game, inPlaceOfOwner);
    }

    void ShowSetupHint() override
    {
        ShowMessage(
            Support::MsgIcon::Information, QStringLiteral("Board setup"),
            QStringLiteral(
                "Please setup the board then select the Play Current Setup option to begin play"),
            QStringLiteral("OK"), QString(), false);
    }

private:
    QWidget* owner_;
    SysTraySupport::BoardPort& board_;
    MailSupport::AddressBook* addressBook_;
    std::optional<PollingHold> pause_;
};

} // namespace

void StartNewGame(QWidget* owner, const NewGameKind& kind, SysTraySupport::BoardPort& board,
                  MailSupport::AddressBook* addressBook)
{
    WindowNewGameStart windows(owner, board, addressBook);
    StartNewGame(windows, kind, owner != nullptr);
}

} // namespace Support
