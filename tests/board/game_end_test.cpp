// The end of a game on the board: insufficient material, surrender and the
// draw offer written by one player and read back by the other through the
// post office, the end notices, and the timer's ticks with a clock of the
// test's own.
#include "game/game_controller.h"
#include "platform/mail_post_office.h"
#include "store/move_payload.h"

#include "stored_game_support.h"

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

// A player's program: its own data folder holding game 9.
struct Player : ControllerOnFolder {
    bool host;

    Player(bool isHost, const char* pieces, MoveList moves, bool offline = false) : host(isHost)
    {
        EXPECT_TRUE(Store(data.Folder(), SetupGame(host, pieces), moves));
        Open(offline);
    }
    void Open(bool offline = false) { EXPECT_TRUE(OpenStored(9, offline).ok); }
    GameRecord Record() const
    {
        const Database::FoundGame found = Database::FindGame(data.Folder(), 9);
        EXPECT_TRUE(found.ok);
        return found.game.value();
    }
};

// Records the notices a tick shows; a tick arriving while one is open is
// run from inside it, as a timer fires inside a modal loop.
struct Notices : NoticeShower {
    GameController* game = nullptr;
    std::vector<std::string> captions;
    int nestedTicksThatShowed = 0;
    void ShowNotice(const BoardMessage& message) override
    {
        captions.push_back(message.caption);
        const std::size_t before = captions.size();
        if (game)
            game->Tick(true, *this);
        if (captions.size() != before)
            ++nestedTicksThatShowed;
    }
};

} // namespace

TEST(ForcedDraw, TypesByTable)
{
    struct Case {
        const char* pieces;
        ForcedDraw expected;
    } cases[] = {
        {"Ke1 ke8", KingsOnly},
        {"Ke1 Nb1 ke8", KingsAndOneMinorPiece},
        {"Ke1 ke8 bc8", KingsAndOneMinorPiece},
        {"Ke1 Rh1 ke8", NoForcedDraw},
        {"Ke1 Pe2 ke8", NoForcedDraw},
        {"Ke1 Qd1 ke8", NoForcedDraw},
        {"Ke1 Bf1 ke8 bc8", BishopsOnTheSameShade}, // both light
        {"Ke1 Bc1 ke8 bf8", BishopsOnTheSameShade}, // both dark
        {"Ke1 Bf1 ke8 bf8", NoForcedDraw},          // light and dark
        {"Ke1 Bc1 Bf1 ke8", NoForcedDraw},          // two bishops of one side
        {"Ke1 Bf1 Bh3 ke8", NoForcedDraw},          // same shade, one side
        {"Ke1 Nb1 ke8 nb8", NoForcedDraw},
        {"Ke1 Bf1 ke8 nb8", NoForcedDraw},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ForcedDrawType(TestBoards::Squares(c.pieces)), c.expected) << c.pieces;
}

TEST(ForcedDraw, ACaptureLeavingKingAndBishopDrawsTheGame)
{
    Player white(true, "Ke1 Bc1 ke8 rh6", {});
    const DropResult made = white.game.Drop(At("c1"), At("h6"), "");
    ASSERT_EQ(made.outcome, DropResult::Made);
    EXPECT_EQ(made.forcedDraw, KingsAndOneMinorPiece);
    ASSERT_FALSE(made.messages.empty());
    EXPECT_EQ(
        made.messages.back().text,
        "This move will force a draw because you cannot checkmate with only a knight or a bishop.");
    EXPECT_TRUE(white.game.Status().gameDrawn);
    EXPECT_EQ(DrawMessage(white.game)->text, "The game ended in a draw because you forced a draw.");
}

TEST(GameEnd, SurrenderByEachSideReadsTheSameOnBothBoards)
{
    struct Case {
        bool resignerIsHost;
        MoveList before;
        const char* entry;
        const char* coordinates;
    } cases[] = {
        {true, {}, "0-1", "5151"},
        {false, Entries({{"5254", "e4"}}), "1-0", "5858"},
    };
    for (const Case& c : cases) {
        Player resigner(c.resignerIsHost, "", c.before);
        resigner.game.SurrenderGame("Well played");
        const MoveRecord& row = resigner.game.History().List().back();
        EXPECT_EQ(row.notation, c.entry);
        EXPECT_EQ(row.coordinates, c.coordinates);
        EXPECT_EQ(row.comment, "Well played");
        EXPECT_TRUE(resigner.game.Status().surrendered);
        EXPECT_FALSE(resigner.game.Status().playerMayMove);
        EXPECT_FALSE(WonGame(resigner.game.Display().Facts()));
        EXPECT_EQ(resigner.game.History().SelectedRow(), resigner.game.History().Entries());

        Player winner(!c.resignerIsHost, "", resigner.game.History().List());
        EXPECT_TRUE(winner.game.Status().surrendered);
        EXPECT_TRUE(WonGame(winner.game.Display().Facts()));
        EXPECT_TRUE(ComputeCommandState(winner.game.Display().Commands()).closeMode);
        EXPECT_EQ(
            MateMessage(winner.game)->text,
            "Congratulations!||You have won because your opponent surrendered and had a parting comment: "
            "Well played");
        EXPECT_EQ(MateMessage(winner.game)->soundCue, Support::SoundCue::GameWon);
        EXPECT_EQ(MateMessage(resigner.game)->soundCue, Support::SoundCue::GameLost);
    }
}

TEST(GameEnd, MateMessagesByTable)
{
    const MoveList foolsMate =
        Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++", "Mate"}});
    struct Case {
        bool host;
        MoveList moves;
        const char* caption;
        const char* text;
    } cases[] = {
        {false, foolsMate, "CHECKMATE!",
         "Congratulations!||You have won by getting your opponent in checkmate."},
        {true, foolsMate, "CHECKMATE!",
         "You lost!||Bob got you in checkmate and had a parting comment: Mate"},
        {true, Entries({{"5254", "e4"}, {"5858", "1-0"}}), "SURRENDER!",
         "Congratulations!||You have won because your opponent surrendered."},
        {false, Entries({{"5254", "e4"}, {"5858", "1-0"}}), "SURRENDER!",
         "You lost!||Alice won the game because you surrendered."},
        {true, Entries({{"5151", "0-1", "Sorry"}}), "SURRENDER!",
         "You lost!||You surrendered to Bob and the last thing said was: Sorry"},
    };
    for (const Case& c : cases) {
        Player player(c.host, "", c.moves);
        const std::optional<BoardMessage> message = MateMessage(player.game);
        ASSERT_TRUE(message) << c.text;
        EXPECT_EQ(message->caption, c.caption);
        EXPECT_EQ(message->text, c.text);
        EXPECT_FALSE(DrawMessage(player.game));
    }
    Player ongoing(true, "", Entries({{"5254", "e4"}}));
    EXPECT_FALSE(MateMessage(ongoing.game));
}

TEST(GameEnd, CloseAsCloseByTable)
{
    struct Case {
        bool host;
        MoveList moves;
        bool offline;
        bool expected;
    } cases[] = {
        {true, Entries({{"5254", "e4"}}), false, true},   // awaiting the opponent
        {false, Entries({{"5254", "e4"}}), false, false}, // the player's turn
        {false, Entries({{"5254", "e4"}}), true, true},   // off-line
        {true, Entries({{"5254", "e4"}, {"5858", "Surrender"}}), false, true},
        {false, Entries({{"5254", "e4"}, {"5858", "Draw offer"}, {"5151", "1/2-1/2"}}), false, true},
        {true, {}, false, false},
    };
    for (const Case& c : cases) {
        Player player(c.host, "", c.moves, c.offline);
        EXPECT_EQ(ComputeCommandState(player.game.Display().Commands()).closeMode, c.expected)
            << c.moves.size() << " " << c.host;
    }
}

// One player's program sends its game to the other's through the post
// office; the other stores what arrived and opens it.
void Deliver(const Player& from, Player& to, MailSupport::PostOfficeMailService& sender,
             MailSupport::PostOfficeMailService& receiver, const std::string& address)
{
    GameRecord sent = from.Record();
    ASSERT_TRUE(Database::SaveGame(from.data.Folder(), sent, from.game.History().List()));
    ASSERT_TRUE(
        sender.Send({address, "", MailSupport::MoveMailSubject(from.game.History().List().back()),
                     MailSupport::MoveMailText(sent, from.game.History().List())}));
    std::vector<MailSupport::InboxMessage> inbox;
    ASSERT_TRUE(receiver.ListInbox(MailSupport::InboxScope::UnreadOnly, inbox));
    ASSERT_EQ(inbox.size(), 1u);
    std::string body;
    ASSERT_TRUE(receiver.ReadBody(inbox[0].Id, body));
    ASSERT_TRUE(receiver.Delete(inbox[0].Id));
    const std::optional<MailSupport::ReceivedGame> received =
        MailSupport::ReadMovePayload(Support::ExtractMovePayload(body));
    ASSERT_TRUE(received);
    EXPECT_EQ(received->receiverIsHost, to.host);
    GameRecord record = to.Record();
    ASSERT_TRUE(Database::SaveGame(to.data.Folder(), record, received->moves));
    to.Open();
}

TEST(GameEnd, DrawOffersAnsweredBothWaysThroughThePostOffice)
{
    StoreTest::TempFolder post;
    MailSupport::PostOfficeMailService aliceMail(post.Path(), "alice@example.org", "Alice");
    MailSupport::PostOfficeMailService bobMail(post.Path(), "bob@example.org", "Bob");
    ASSERT_TRUE(aliceMail.SignOn());
    ASSERT_TRUE(bobMail.SignOn());
    Player alice(true, "", {});
    Player bob(false, "", {});

    // Alice offers a draw in place of her first move; her own offer shows
    // no buttons.
    alice.game.OfferDraw("Shall we?");
    EXPECT_EQ(alice.game.History().List().back().notation, "Draw offer");
    EXPECT_EQ(alice.game.History().List().back().coordinates, "5151");
    EXPECT_TRUE(alice.game.Status().drawOffered);
    EXPECT_FALSE(alice.game.Status().drawAnswerPending);
    EXPECT_FALSE(alice.game.Status().playerMayMove);
    Deliver(alice, bob, aliceMail, bobMail, "bob@example.org");

    // Bob's board waits for his answer: buttons, frozen pieces, the notice.
    EXPECT_TRUE(bob.game.Status().drawAnswerPending);
    EXPECT_TRUE(bob.game.Timer().DrawOfferNoticePending());
    EXPECT_FALSE(bob.game.Status().playerMayMove);
    EXPECT_FALSE(bob.game.PickUp(At("e7"), false).allowed);
    bob.game.DecideDraw(false, "No thanks");
    EXPECT_EQ(bob.game.History().List().back().notation, "Decline");
    EXPECT_EQ(bob.game.History().List().back().coordinates, "5858");
    EXPECT_FALSE(bob.game.Status().gameDrawn);
    EXPECT_FALSE(bob.game.Status().drawAnswerPending);
    Deliver(bob, alice, bobMail, aliceMail, "alice@example.org");

    // Alice plays on; the refusal leaves no offer and no draw on either board.
    EXPECT_FALSE(alice.game.Status().drawOffered);
    EXPECT_FALSE(alice.game.Status().gameDrawn);
    EXPECT_FALSE(alice.game.Status().drawAnswerPending);
    EXPECT_TRUE(alice.game.Status().playerMayMove);
    EXPECT_EQ(bob.game.Status().drawOffered, alice.game.Status().drawOffered);
    bob.Open();
    EXPECT_EQ(bob.game.Status().drawOffered, alice.game.Status().drawOffered);
    EXPECT_EQ(bob.game.Status().gameDrawn, alice.game.Status().gameDrawn);

    // Now Bob offers in place of his move, and Alice accepts.
    ASSERT_EQ(alice.game.Drop(At("e2"), At("e4"), "").outcome, DropResult::Made);
    Deliver(alice, bob, aliceMail, bobMail, "bob@example.org");
    EXPECT_TRUE(bob.game.Status().playerMayMove);
    bob.game.OfferDraw("");
    Deliver(bob, alice, bobMail, aliceMail, "alice@example.org");
    EXPECT_TRUE(alice.game.Status().drawAnswerPending);
    alice.game.DecideDraw(true, "Agreed");
    EXPECT_EQ(alice.game.History().List().back().notation, "1/2-1/2");
    EXPECT_TRUE(alice.game.Status().gameDrawn);
    EXPECT_FALSE(alice.game.Status().playerMayMove);
    EXPECT_EQ(DrawMessage(alice.game)->text,
              "The game ended in a draw because you accepted your opponents offer of a draw.");
    Deliver(alice, bob, aliceMail, bobMail, "bob@example.org");
    EXPECT_TRUE(bob.game.Status().gameDrawn);
    EXPECT_FALSE(bob.game.Status().playerMayMove);
    EXPECT_FALSE(bob.game.Status().drawAnswerPending);
    EXPECT_EQ(DrawMessage(bob.game)->text,
              "The game ended in a draw because your opponent accepted your offer of a draw.");
    EXPECT_EQ(DrawMessage(bob.game)->caption, "DRAW!");
    alice.Open();
    EXPECT_EQ(alice.game.Status().gameDrawn, bob.game.Status().gameDrawn);
    EXPECT_EQ(alice.game.Status().drawOffered, bob.game.Status().drawOffered);
}

// ---- The timer ----

// Ticks until the clock reaches the end, writing down each tick's time
// and whether the square shows its empty picture then.
std::string Pattern(GameController& game, Square square, int untilMs, Notices& notices)
{
    std::string pattern;
    for (int clock = 0; clock < untilMs;) {
        const TickResult tick = game.Tick(true, notices);
        pattern += std::to_string(clock)
                   + (game.Display().CellAt(square) == EmptySquareCell(square) ? "-" : "K") + " ";
        clock += tick.interval;
    }
    return pattern;
}

TEST(BoardTimer, AMatedKingFlashesAndTheNoticeShowsOnce)
{
    Player white(true, "", Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++"}}));
    Notices notices;
    EXPECT_EQ(Pattern(white.game, At("e1"), 2000, notices), "0- 250K 900- 1150K 1800- ");
    EXPECT_EQ(notices.captions, std::vector<std::string>{"CHECKMATE!"});
}

TEST(BoardTimer, TheFlashStopsWhenTheCheckEnds)
{
    Player black(false, "Ke1 ke8 Qd1 ra8", Entries({{"4152", "Qe2+"}}));
    Notices notices;
    ASSERT_EQ(black.game.History().Current().checkedSide, Black);
    black.game.Tick(false, notices);
    EXPECT_EQ(black.game.Display().CellAt(At("e8")), EmptySquareCell(At("e8")));
    ASSERT_EQ(black.game.Drop(At("e8"), At("d8"), "").outcome, DropResult::Made);
    EXPECT_EQ(black.game.Tick(false, notices).interval, TickInterval);
    EXPECT_FALSE(black.game.Timer().State().kingMarkShown);
    EXPECT_TRUE(black.game.Timer().State().hidden.empty());
    EXPECT_NE(black.game.Display().CellAt(At("d8")), EmptySquareCell(At("d8")));
    EXPECT_TRUE(notices.captions.empty());
}

TEST(BoardTimer, BlinksAfterARefusedAndAStalematingMove)
{
    {
        Player white(true, "Ke1 ke8 rh2", {});
        ASSERT_EQ(white.game.Drop(At("e1"), At("e2"), "").outcome, DropResult::Refused);
        Notices notices;
        EXPECT_EQ(Pattern(white.game, At("e1"), 1250, notices),
                  "0- 100K 200- 300K 400- 500K 600- 700K 800- 900K 1150K ");
    }
    {
        Player white(true, "Kf7 Qd3 kh8", {});
        ASSERT_EQ(white.game.Drop(At("d3"), At("g6"), "").outcome, DropResult::Made);
        ASSERT_EQ(white.game.Timer().StalemateBlinks(), 15);
        Notices notices;
        EXPECT_EQ(
            Pattern(white.game, At("h8"), 1750, notices),
            "0K 100- 200K 300- 400K 500- 600K 700- 800K 900- 1000K 1100- 1200K 1300- 1400K 1650K ");
        EXPECT_EQ(notices.captions, std::vector<std::string>{"DRAW!"});
        EXPECT_EQ(DrawMessage(white.game)->text,
                  "The game ended in a forced draw because you put your opponent in stalemate.");
    }
}

TEST(BoardTimer, NoticesWaitForTheWindowAndForAnOpenMessage)
{
    // A custom start received as Black after White's first move, then an
    // offer of a draw: the set-up notice first, each once.
    Player black(false, "Ke1 Pe2 ke8 pe7", Entries({{"5254", "e4"}}));
    Notices notices;
    notices.game = &black.game;
    black.game.Tick(false, notices);
    EXPECT_TRUE(notices.captions.empty());
    black.game.Timer().SetMessageOpen(true);
    black.game.Tick(true, notices);
    EXPECT_TRUE(notices.captions.empty());
    black.game.Timer().SetMessageOpen(false);
    for (int i = 0; i < 4; ++i)
        black.game.Tick(true, notices);
    EXPECT_EQ(notices.captions, std::vector<std::string>{"Setup game"});
    EXPECT_EQ(notices.nestedTicksThatShowed, 0);

    Player offered(false, "", Entries({{"5151", "Draw offer"}}));
    notices.game = &offered.game;
    notices.captions.clear();
    for (int i = 0; i < 3; ++i)
        offered.game.Tick(true, notices);
    EXPECT_EQ(notices.captions, std::vector<std::string>{"Offer of a draw"});
    offered.Open();
    offered.game.Tick(true, notices);
    EXPECT_EQ(notices.captions, (std::vector<std::string>{"Offer of a draw", "Offer of a draw"}));
    EXPECT_EQ(notices.nestedTicksThatShowed, 0);
}

TEST(BoardTimer, AQuitRequestClosesOnTheFirstTickShowingNothing)
{
    Player white(true, "", Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++"}}));
    white.game.Timer().RequestQuit();
    Notices notices;
    EXPECT_TRUE(white.game.Tick(true, notices).close);
    EXPECT_TRUE(notices.captions.empty());
}
