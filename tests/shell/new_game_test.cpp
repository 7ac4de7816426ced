// Starting a new game: the entry's rules without a window, the name's
// resolution in the address book, and the dialog with its chooser and the
// board it opens.
#include "foundation/msg_form.h"
#include "foundation/options_about_entry.h"
#include "foundation/picture_clip.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "shell/new_game_form.h"
#include "shell/new_game_kind.h"
#include "shell/opponent_book.h"
#include "tests/shell/shell_test_support.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

using namespace Support;
using MailSupport::AddressEntry;

namespace {

class ListedBook : public MailSupport::AddressBook {
public:
    std::vector<AddressEntry> Entries = {{"Ann Ash", "ann@ash.test"},
                                         {"Joanna Birch", "joanna@birch.test"},
                                         {"Bob Cedar", "bob@cedar.test"},
                                         {"Annabel Dee", "annabel@dee.test"}};
    std::vector<AddressEntry> AllEntries() override { return Entries; }
    std::optional<AddressEntry> Resolve(const std::string& typed) override
    {
        ++Resolves;
        for (const AddressEntry& e : Entries)
            if (QString::fromStdString(e.Name).compare(QString::fromStdString(typed),
                                                       Qt::CaseInsensitive)
                    == 0
                || e.Address == typed)
                return e;
        if (typed.find('@') != std::string::npos)
            return AddressEntry{typed, typed};
        return std::nullopt;
    }
    bool AddContact(const AddressEntry& person) override
    {
        Added.push_back(person);
        return true;
    }
    std::vector<AddressEntry> Added;
    int Resolves = 0;
};

TEST(NewGameEntry, ComputerGamesFillTheOpponentAndOfferOkAtOnce)
{
    NewGameEntry entry(true, false);
    EXPECT_EQ(entry.Name(), QStringLiteral("The Computer"));
    EXPECT_EQ(entry.Email(), QStringLiteral("n/a"));
    EXPECT_FALSE(entry.NameEditable || entry.EmailEditable || entry.AddressBookEnabled);
    EXPECT_TRUE(entry.OkEnabled());
    entry.SetName(QStringLiteral("Someone"));
    EXPECT_EQ(entry.Name(), QStringLiteral("The Computer"));
    entry.SetTitle(QStringLiteral("x"));
    EXPECT_TRUE(entry.OkEnabled());
    entry.SetTitle(QString());
    EXPECT_FALSE(entry.OkEnabled());
    entry.NameLeft();
    EXPECT_FALSE(entry.ResolvePending());
}

TEST(NewGameEntry, OkNeedsATitleAndAnAddressAndANewNameEmptiesTheAddress)
{
    for (bool offline : {false, true}) {
        SCOPED_TRACE(offline);
        NewGameEntry entry(false, offline);
        EXPECT_EQ(entry.EmailEditable, offline);
        EXPECT_EQ(entry.AddressBookEnabled, !offline);
        EXPECT_FALSE(entry.OkEnabled());
        entry.SetTitle(QStringLiteral("Club match"));
        entry.SetName(QStringLiteral("Bob"));
        entry.SetEmail(QStringLiteral("bob@cedar.test"));
        EXPECT_TRUE(entry.OkEnabled());
        entry.SetName(QStringLiteral("Bob C"));
        EXPECT_TRUE(entry.Email().isEmpty());
        EXPECT_FALSE(entry.OkEnabled());
        entry.NameLeft();
        EXPECT_EQ(entry.ResolvePending(), !offline);
    }
}

TEST(NewGameEntry, SeparatorsBecomeSpacesAndLengthsAreCappedForThePayload)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Club|match;one", "Club match one"}, {"a;b", "a b"}, {"plain", "plain"}};
    NewGameEntry entry(false, true);
    for (const auto& [typed, kept] : cases) {
        entry.SetTitle(QString::fromLatin1(typed));
        entry.SetName(QString::fromLatin1(typed));
        entry.SetEmail(QString::fromLatin1(typed));
        EXPECT_EQ(entry.Title(), QString::fromLatin1(kept));
        EXPECT_EQ(entry.Name(), QString::fromLatin1(kept));
        EXPECT_EQ(entry.Email(), QString::fromLatin1(kept));
    }
    entry.SetTitle(QString(80, QLatin1Char('t')));
    entry.SetName(QString(80, QLatin1Char('n')));
    EXPECT_EQ(entry.Title().size(), 50);
    EXPECT_EQ(entry.Name().size(), 50);

    const std::pair<const char*, const char*> titles[] = {
        {"My <<MARROWDALE:game", "My game"}, {"game:MARROWDALE>>", "game"}, {"tab\there", "tabhere"}};
    for (const auto& [typed, kept] : titles) {
        entry.SetTitle(QString::fromLatin1(typed));
        EXPECT_TRUE(entry.ValidateTitle()) << typed;
        EXPECT_EQ(entry.Title(), QString::fromLatin1(kept));
        EXPECT_FALSE(entry.ValidateTitle());
    }
}

TEST(NewGameEntry, NamesResolveToOnePersonSeveralOrNone)
{
    ListedBook book;
    struct Case {
        const char* typed;
        NewGameEntry::Resolution result;
        const char* name;
        const char* email;
        std::vector<std::string> candidates;
    };
    using R = NewGameEntry::Resolution;
    const Case cases[] = {
        {"bob cedar", R::Filled, "Bob Cedar", "bob@cedar.test", {}},
        {"Birch", R::Filled, "Joanna Birch", "joanna@birch.test", {}},
        {"ann", R::Choose, "ann", "", {"Ann Ash", "Joanna Birch", "Annabel Dee"}},
        {"Zed", R::Unchanged, "Zed", "", {}},
        {"zed@zed.test", R::Filled, "zed@zed.test", "zed@zed.test", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        NewGameEntry entry(false, false);
        entry.SetName(QString::fromLatin1(c.typed));
        entry.NameLeft();
        std::vector<AddressEntry> candidates;
        EXPECT_EQ(entry.ResolveName(book, candidates), c.result);
        EXPECT_FALSE(entry.ResolvePending());
        EXPECT_EQ(entry.Name(), QString::fromLatin1(c.name));
        EXPECT_EQ(entry.Email(), QString::fromLatin1(c.email));
        std::vector<std::string> names;
        for (const AddressEntry& e : candidates)
            names.push_back(e.Name);
        EXPECT_EQ(names, c.candidates);
    }
}

TEST(NewGameEntry, ANameBoxTakesAnAddressOrNameAndAddressAndRefusesBadOnes)
{
    struct Case {
        const char* typed;
        const char* email;   // filled at once
        const char* name;    // the opponent's name at OK
        const char* problem; // a part of the reason told
    };
    const Case cases[] = {
        {"ann@ash.test", "ann@ash.test", "ann", ""},
        {"Ann Ash <ann@ash.test>", "ann@ash.test", "Ann Ash", ""},
        {"\"Ann A\" <ann@ash.test>", "ann@ash.test", "Ann A", ""},
        {"<ann@ash.test>", "ann@ash.test", "ann", ""},
        {"ann @ash.test", "", "ann @ash.test", "no spaces"},
        {"ann@ash@test", "", "ann@ash@test", "only one"},
        {"Ann <ann.ash.test>", "", "Ann <ann.ash.test>", "needs an \"@\""},
        {"Ann <ann@ash.test", "", "Ann <ann@ash.test", "Close the address"},
        {"ann\x01@ash.test", "", "ann\x01@ash.test", "control character"},
        {"@ash.test", "", "@ash.test", "before the"},
        {"Ann Ash", "", "Ann Ash", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        NewGameEntry entry(false, false);
        entry.SetTitle(QStringLiteral("Club"));
        entry.SetName(QString::fromLatin1(c.typed));
        EXPECT_EQ(entry.Email(), QString::fromLatin1(c.email));
        EXPECT_EQ(entry.OkEnabled(), *c.email != 0);
        if (*c.problem)
            EXPECT_TRUE(entry.Problem().contains(QString::fromLatin1(c.problem)))
                << qPrintable(entry.Problem());
        else
            EXPECT_TRUE(entry.Problem().isEmpty()) << qPrintable(entry.Problem());
        entry.TakeTypedPerson();
        EXPECT_EQ(entry.Name(), QString::fromLatin1(c.name));
        EXPECT_EQ(entry.Email(), QString::fromLatin1(c.email));
    }
    // Off-line the address box takes typing, checked the same way.
    NewGameEntry offline(false, true);
    offline.SetTitle(QStringLiteral("Club"));
    offline.SetName(QStringLiteral("Bob"));
    offline.SetEmail(QStringLiteral("bob at cedar"));
    EXPECT_FALSE(offline.OkEnabled());
    EXPECT_FALSE(offline.Problem().isEmpty());
    offline.SetEmail(QStringLiteral("bob@cedar.test"));
    EXPECT_TRUE(offline.OkEnabled());
    EXPECT_TRUE(offline.Problem().isEmpty());
}

TEST(NewGameEntry, ANameNobodyHasSaysWhatToTypeInstead)
{
    ListedBook book;
    NewGameEntry entry(false, false);
    entry.SetName(QStringLiteral("Zed"));
    std::vector<AddressEntry> candidates;
    EXPECT_EQ(entry.ResolveName(book, candidates), NewGameEntry::Resolution::Unchanged);
    EXPECT_TRUE(entry.Problem().contains(QStringLiteral("Nobody called \"Zed\"")));
    EXPECT_TRUE(entry.Problem().contains(QStringLiteral("e-mail address")));
    // Typing again takes the reason away.
    entry.SetName(QStringLiteral("Zed Z"));
    EXPECT_TRUE(entry.Problem().isEmpty());
}

class RecordingBoard : public SysTraySupport::BoardPort {
public:
    bool LoadChessSet() override { return true; }
    void OpenBoard(const GameToOpen& game, bool returnToGameList) override
    {
        Opened.push_back(game.GameId());
        Returns.push_back(returnToGameList);
        details = game.NewGame();
        Pause.emplace();
    }
    ~RecordingBoard() override
    {
        if (Pause)
            Pause->Abandon();
    }
    // As the program's board does, it holds the polling paused while open.
    std::optional<PollingHold> Pause;
    std::vector<int> Opened;
    std::vector<bool> Returns;
    std::optional<NewGameRequest> details;
};

class NewGameDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tray.setObjectName(QStringLiteral("SystemTray"));
        new PictureClip(&tray, QStringLiteral("ButtonImages"), 1, 2);
        ASSERT_TRUE(ApplySkin(tray));
        Globals().TrayForm = &tray;
        Globals().Mail.MailOffline = false;
        Globals().ModalBusy = false;
        Globals().CheckTimerEnabled = true;
        ProgramSettings().SimpleUI = false;
        ProgramSettings().ShowToolTips = true;
        host.Script = [this](QWidget& window) {
            if (auto* box = qobject_cast<MsgForm*>(&window)) {
                messages.push_back(box->FormCaption->text());
                box->hide();
            } else if (auto* chooser = qobject_cast<ChooseOpponent*>(&window)) {
                ASSERT_TRUE(Choose);
                Choose(*chooser);
            } else if (auto* people = qobject_cast<OpponentBook*>(&window)) {
                ASSERT_TRUE(Pick);
                Pick(*people);
            } else if (auto* dialog = qobject_cast<NewGameInfo*>(&window)) {
                timerWhileShown = CheckTimerEnabled();
                ASSERT_TRUE(Fill);
                Fill(*dialog);
            }
        };
    }
    void TearDown() override { Globals().TrayForm = nullptr; }

    static void Type(QLineEdit* field, const char* text)
    {
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    // The focus leaves the box for another control of the dialog.
    static void Leave(QLineEdit* field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &out);
    }

    ShellTesting::ShellFolders folders;
    QWidget tray;
    QWidget owner;
    TestSupport::ScriptedHost host;
    ListedBook book;
    RecordingBoard board;
    std::function<void(NewGameInfo&)> Fill;
    std::function<void(ChooseOpponent&)> Choose;
    std::function<void(OpponentBook&)> Pick;
    std::vector<QString> messages;
    bool timerWhileShown = true;
};

TEST_F(NewGameDialogTest, CancelOpensNoBoardAndGivesPollingBack)
{
    const std::function<void(NewGameInfo&)> cancels[] = {
        [](NewGameInfo& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](NewGameInfo& d) { d.close(); },
        [](NewGameInfo& d) { QTest::mouseClick(d.CancelButton->face, Qt::LeftButton); },
        // Enter does nothing while OK is disabled; the dialog then closes.
        [](NewGameInfo& d) {
            QTest::keyClick(d.Game_name, Qt::Key_Return);
            EXPECT_FALSE(d.isHidden());
            d.close();
        },
    };
    for (const auto& cancel : cancels) {
        Fill = cancel;
        StartNewGame(&owner, {}, board, &book);
        EXPECT_FALSE(timerWhileShown);
        EXPECT_TRUE(board.Opened.empty());
        EXPECT_TRUE(CheckTimerEnabled());
        EXPECT_FALSE(Globals().ModalBusy);
        EXPECT_FALSE(board.details);
    }
}

// Cancel gives polling back as the start found it: a timer that was off
// stays off.
TEST_F(NewGameDialogTest, CancelLeavesATimerThatWasOffOff)
{
    SetCheckTimer(false);
    Fill = [](NewGameInfo& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    StartNewGame(&owner, {}, board, &book);
    EXPECT_TRUE(board.Opened.empty());
    EXPECT_FALSE(CheckTimerEnabled());
    EXPECT_FALSE(Globals().ModalBusy);
}

TEST_F(NewGameDialogTest, TheAddressBookPicksAddsOrCancels)
{
    // Picked: the third person, kept as a contact.
    Pick = [](OpponentBook& b) {
        ASSERT_EQ(b.PeopleList->count(), 4);
        EXPECT_EQ(b.PeopleList->currentRow(), 0);
        EXPECT_EQ(b.PeopleList->item(2)->text(), QStringLiteral("Bob Cedar  <bob@cedar.test>"));
        b.PeopleList->setCurrentRow(2);
        QTest::keyClick(&b, Qt::Key_Return);
    };
    Fill = [](NewGameInfo& d) {
        Type(d.Game_name, "Spring | match");
        EXPECT_FALSE(d.OkButton->face->isEnabled());
        d.Resolve->click();
        EXPECT_EQ(d.Game_opponents_name->text(), QStringLiteral("Bob Cedar"));
        EXPECT_EQ(d.Game_opponents_email->text(), QStringLiteral("bob@cedar.test"));
        EXPECT_TRUE(d.OkButton->face->isEnabled());
        QTest::keyClick(d.Game_name, Qt::Key_Return);
    };
    StartNewGame(&owner, {}, board, &book);
    EXPECT_EQ(board.Opened, std::vector<int>{-1});
    // Started from the game list, the board goes back to it.
    EXPECT_EQ(board.Returns, std::vector<bool>{true});
    ASSERT_TRUE(board.details);
    EXPECT_EQ(board.details->Title, std::string("Spring   match"));
    EXPECT_EQ(board.details->OpponentsEmail, std::string("bob@cedar.test"));
    EXPECT_EQ(book.Added, (std::vector<AddressEntry>{{"Bob Cedar", "bob@cedar.test"}}));
    // The board's closing gives polling back; until then it stays paused.
    EXPECT_TRUE(Globals().ModalBusy);
    EXPECT_FALSE(CheckTimerEnabled());
    EXPECT_TRUE(owner.isHidden());
    EXPECT_TRUE(messages.empty());

    // Added: a bad address is refused with its reason, a good one taken.
    book.Entries.clear();
    book.Added.clear();
    Pick = [](OpponentBook& b) {
        EXPECT_EQ(b.PeopleList->count(), 0);
        EXPECT_FALSE(b.OkButton->isEnabled());
        Type(b.NewName, "Dora Elm");
        // Enter with a name alone asks for the address.
        QTest::keyClick(&b, Qt::Key_Return);
        EXPECT_TRUE(b.ProblemText->text().contains(QStringLiteral("e-mail address")));
        Type(b.NewAddress, "dora elm.test");
        QTest::keyClick(&b, Qt::Key_Return);
        EXPECT_TRUE(b.ProblemText->text().contains(QStringLiteral("no spaces")));
        EXPECT_EQ(b.PeopleList->count(), 0);
        b.NewAddress->clear();
        Type(b.NewAddress, "dora@elm.test");
        b.AddButton->click();
        EXPECT_TRUE(b.ProblemText->text().isEmpty());
        EXPECT_EQ(b.PeopleList->currentRow(), 0);
        QTest::keyClick(&b, Qt::Key_Return);
    };
    Fill = [](NewGameInfo& d) {
        Type(d.Game_name, "First");
        d.Resolve->click();
        EXPECT_EQ(d.Game_opponents_name->text(), QStringLiteral("Dora Elm"));
        EXPECT_EQ(d.Game_opponents_email->text(), QStringLiteral("dora@elm.test"));
        d.close();
    };
    StartNewGame(&owner, {}, board, &book);
    EXPECT_EQ(book.Added, (std::vector<AddressEntry>{{"Dora Elm", "dora@elm.test"}}));

    // Cancelled: nothing changes, nothing is kept.
    book.Added.clear();
    for (const auto& cancel : std::vector<std::function<void(OpponentBook&)>>{
             [](OpponentBook& b) { b.CancelButton->click(); },
             [](OpponentBook& b) { QTest::keyClick(&b, Qt::Key_Escape); },
             [](OpponentBook& b) { b.close(); }}) {
        Pick = [cancel](OpponentBook& b) {
            Type(b.NewAddress, "x@y.test");
            cancel(b);
        };
        Fill = [](NewGameInfo& d) {
            Type(d.Game_opponents_name, "Someone");
            d.Resolve->click();
            EXPECT_EQ(d.Game_opponents_name->text(), QStringLiteral("Someone"));
            EXPECT_TRUE(d.Game_opponents_email->text().isEmpty());
            d.close();
        };
        StartNewGame(&owner, {}, board, &book);
    }
    EXPECT_TRUE(book.Added.empty());
}

TEST_F(NewGameDialogTest, AnAddressTypedAsTheNameStartsTheGame)
{
    Fill = [](NewGameInfo& d) {
        Type(d.Game_name, "First game");
        Type(d.Game_opponents_name, "Ann <ann.ash.test>");
        EXPECT_TRUE(d.Opponent_problem->text().contains(QStringLiteral("\"@\"")));
        EXPECT_FALSE(d.OkButton->face->isEnabled());
        d.Game_opponents_name->clear();
        Type(d.Game_opponents_name, "Ann <ann@ash.test>");
        EXPECT_TRUE(d.Opponent_problem->text().isEmpty());
        EXPECT_EQ(d.Game_opponents_email->text(), QStringLiteral("ann@ash.test"));
        // The address box stays closed to typing while on-line.
        EXPECT_TRUE(d.Game_opponents_email->isReadOnly());
        QTest::keyClick(d.Game_opponents_name, Qt::Key_Return);
    };
    StartNewGame(nullptr, {}, board, &book);
    ASSERT_TRUE(board.details);
    EXPECT_EQ(board.details->OpponentsName, std::string("Ann"));
    EXPECT_EQ(board.details->OpponentsEmail, std::string("ann@ash.test"));
}

// The dialog goes with its session, before the address book it was handed:
// the name box's focus leaving as the dialog closes must start no
// resolution in it.
TEST_F(NewGameDialogTest, ClosingTheDialogLeavesNoResolutionBehind)
{
    Fill = [](NewGameInfo& d) {
        Type(d.Game_name, "Friendly");
        Type(d.Game_opponents_name, "Bob Birch <bob@birch.test>");
        d.OkButton->face->Click();
        Leave(d.Game_opponents_name);
    };
    StartNewGame(nullptr, {}, board, &book);
    ASSERT_TRUE(board.details);
    EXPECT_EQ(board.details->OpponentsEmail, std::string("bob@birch.test"));
    const int resolutions = book.Resolves;
    QTest::qWait(1700);
    EXPECT_EQ(book.Resolves, resolutions);
}

TEST_F(NewGameDialogTest, ATypedNameResolvesAfterTheNameBoxLosesTheFocus)
{
    Choose = [](ChooseOpponent& c) {
        EXPECT_EQ(c.OppList->count(), 3);
        c.OppList->setCurrentIndex(1);
        c.close();
    };
    Fill = [](NewGameInfo& d) {
        Type(d.Game_name, "Club");
        Type(d.Game_opponents_name, "ann");
        Leave(d.Game_opponents_name);
        EXPECT_TRUE(d.Entry.ResolvePending());
        EXPECT_EQ(d.Timer1.interval(), 1500);
        EXPECT_TRUE(d.Timer1.isActive());
        d.Timer1_Timer();
        EXPECT_EQ(d.Game_opponents_name->text(), QStringLiteral("Joanna Birch"));
        EXPECT_TRUE(d.OkButton->face->isEnabled());
        // A new name empties the address again.
        Type(d.Game_opponents_name, "x");
        EXPECT_TRUE(d.Game_opponents_email->text().isEmpty());
        EXPECT_FALSE(d.OkButton->face->isEnabled());
        d.close();
    };
    StartNewGame(&owner, {}, board, &book);
}

TEST_F(NewGameDialogTest, SetUpComputerAndOffLineGames)
{
    Fill = [](NewGameInfo& d) {
        EXPECT_EQ(d.Game_opponents_name->text(), QStringLiteral("The Computer"));
        EXPECT_FALSE(d.Game_opponents_name->isEnabled());
        EXPECT_TRUE(d.Game_opponents_email->isReadOnly());
        EXPECT_FALSE(d.Resolve->isEnabled());
        QTest::keyClick(d.Game_name, Qt::Key_Return);
    };
    StartNewGame(nullptr, {true, true}, board, &book);
    EXPECT_EQ(board.Opened, std::vector<int>{-1});
    ASSERT_TRUE(board.details);
    EXPECT_EQ(board.details->Kind, (NewGameKind{true, true}));
    EXPECT_EQ(board.Returns, std::vector<bool>{false});
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Board setup")});

    // Off-line, from the list: the address is typed, and the board takes
    // the list's place.
    messages.clear();
    board.details.reset();
    Globals().Mail.MailOffline = true;
    Fill = [](NewGameInfo& d) {
        EXPECT_FALSE(d.Game_opponents_email->isReadOnly());
        EXPECT_FALSE(d.Resolve->isEnabled());
        Type(d.Game_name, "Offline game");
        Type(d.Game_opponents_name, "Bob");
        Type(d.Game_opponents_email, "bob@cedar.test");
        QTest::keyClick(d.Game_name, Qt::Key_Return);
    };
    StartNewGame(&owner, {}, board, &book);
    EXPECT_EQ(board.Returns, (std::vector<bool>{false, true}));
    EXPECT_TRUE(messages.empty());
    // The board was handed the game as a value: no dialog is left to hold it.
    ASSERT_TRUE(board.details);
    EXPECT_EQ(board.details->Title, std::string("Offline game"));
}

TEST_F(NewGameDialogTest, ATitleWithMarkersIsCleanedAndTheUserTold)
{
    Fill = [this](NewGameInfo& d) {
        Type(d.Game_name, "Big <<MARROWDALE:match");
        Leave(d.Game_name);
        EXPECT_EQ(d.Game_name->text(), QStringLiteral("Big match"));
        EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Illegal characters")});
        d.close();
    };
    StartNewGame(&owner, {}, board, &book);
}

// Every reason the dialog gives stands whole inside it, in room of its own
// above the buttons, in both layouts: each refused address, and the longest,
// a name of the most letters a name may have that nobody in the book has.
TEST_F(NewGameDialogTest, EveryReasonStandsWholeAboveTheButtons)
{
    const char* addresses[] = {"ann <ann ash@x.test>", "ann <ann.ash.test>", "a@b@c.test", "@ash.test",
                               "ann@"};
    const std::string longest(EntryTextLength - 10, 'W');
    for (bool plain : {false, true}) {
        SCOPED_TRACE(plain ? "plain" : "skinned");
        ProgramSettings().SimpleUI = plain;
        std::vector<QString> reasons;
        std::optional<QString> shot;
        Fill = [&](NewGameInfo& d) {
            auto check = [&](const char* what) {
                SCOPED_TRACE(what);
                const QString reason = d.Opponent_problem->text();
                ASSERT_FALSE(reason.isEmpty());
                reasons.push_back(reason);
                const QRect where = d.Opponent_problem->geometry();
                EXPECT_TRUE(d.rect().contains(where));
                EXPECT_LE(d.Opponent_problem->heightForWidth(where.width()), where.height())
                    << reason.toStdString();
                for (QWidget* control : d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    if (control != d.Opponent_problem && control->isVisible()
                        && control->objectName().contains(QLatin1String("Button"))) {
                        EXPECT_FALSE(control->geometry().intersects(where))
                            << control->objectName().toStdString();
                    }
            };
            // An address typed as the name is told as it is typed.
            for (const char* address : addresses) {
                d.Game_opponents_name->clear();
                Type(d.Game_opponents_name, address);
                check(address);
            }
            for (const std::string& name : {std::string("Zed"), "Zebedee " + longest}) {
                d.Game_opponents_email->clear();
                d.Game_opponents_name->clear();
                Type(d.Game_opponents_name, name.c_str());
                d.Timer1.stop();
                d.ResolveName();
                check(name.c_str());
                if (!shot)
                    shot = ShellTesting::SaveScreenshot(
                        d, plain ? QStringLiteral("new-game-reason-plain")
                                 : QStringLiteral("new-game-reason-skinned"));
            }
            d.close();
        };
        StartNewGame(&owner, {}, board, &book);
        EXPECT_EQ(reasons.size(), std::size(addresses) + 2);
        ASSERT_TRUE(shot.has_value());
        std::printf("screenshot: %s\n", qPrintable(*shot));
    }
}

TEST_F(NewGameDialogTest, BothDialogsInBothLayouts)
{
    for (bool plain : {false, true}) {
        ProgramSettings().SimpleUI = plain;
        const QString look = plain ? QStringLiteral("plain") : QStringLiteral("skinned");
        Choose = [look, plain](ChooseOpponent& c) {
            EXPECT_EQ(c.OKButtonS->isVisible(), plain);
            EXPECT_EQ(c.OppList->toolTip(), QStringLiteral("Select an opponent from this list"));
            EXPECT_EQ(TestSupport::TitleCaptionFault(c),
                      plain ? QStringLiteral("no caption label") : QString());
            std::printf("screenshot: %s\n", qPrintable(ShellTesting::SaveScreenshot(
                                                c, QStringLiteral("choose-opponent-") + look)));
            c.close();
        };
        Fill = [look, plain](NewGameInfo& d) {
            EXPECT_EQ(d.Game_name_L->isVisible(), plain);
            EXPECT_EQ(d.HelpButton->isVisible(), !plain);
            EXPECT_EQ(TestSupport::TitleCaptionFault(d),
                      plain ? QStringLiteral("no caption label") : QString());
            Type(d.Game_name, "Autumn cup");
            Type(d.Game_opponents_name, "ann");
            d.Timer1.stop();
            d.ResolveName();
            std::printf("screenshot: %s\n",
                        qPrintable(ShellTesting::SaveScreenshot(d, QStringLiteral("new-game-") + look)));
            d.close();
        };
        StartNewGame(&owner, {}, board, &book);
    }
}

} // namespace
