// The move payload: the exact bytes a mail carries, how they are cut back
// out of a body a mail system may have mangled, and the subject line.

#include "store/database.h"
#include "store/move_payload.h"
#include "store/payload_validation.h"
#include "store_test_support.h"

using namespace MailSupport;
using namespace StoreTest;

namespace {

GameRecord TwoMoveGame()
{
    GameRecord r;
    r.GAME_ID = 1;
    r.GAME_DATESTAMP = "150320241030";
    r.GAME_OPPONENTS_ID = 7;
    r.GAME_NAME = "Friendly game";
    r.GAME_DATE = "15/03/2024";
    r.GAME_OPPONENTS_EMAIL = "bob@example.org";
    r.GAME_WHITE_NAME = "Alice";
    r.GAME_BLACK_NAME = "Bob";
    r.GAME_HOST = true;
    r.GAME_OPPONENTS_NAME = "Bob";
    r.GAME_STATUS = StatusAwaitingOpponent;
    return r;
}

const MoveList kTwoMoves{{1, "5254", "e4", ""}, {2, "5755", "e5", "Your move"}};

const char* const kTwoMovePayloadAsRead =
    "7|1|150320241030|Friendly game|15/03/2024|Alice|Bob|False|;;;;;;;|1|5254|e4||2|5755|e5|Your move";

} // namespace

TEST(MovePayload, GoldenTwoMoveMail)
{
    const std::string golden = Fixture("move_mail_two_moves.txt");
    EXPECT_EQ(MoveMailText(TwoMoveGame(), kTwoMoves), golden);
    EXPECT_EQ(GetMoveMailBanner().size(), golden.find("<<MARROWDALE:"));
    EXPECT_EQ(Lines(GetMoveMailBanner()).size(), 24u);

    const std::string payload = Support::ExtractMovePayload(golden);
    EXPECT_EQ(payload, kTwoMovePayloadAsRead);
    const auto game = ReadMovePayload(payload);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->receiversGameId, 7);
    EXPECT_EQ(game->sendersGameId, 1);
    EXPECT_EQ(game->datestamp, "150320241030");
    EXPECT_EQ(game->name, "Friendly game");
    EXPECT_EQ(game->date, "15/03/2024");
    EXPECT_EQ(game->whiteName, "Alice");
    EXPECT_EQ(game->blackName, "Bob");
    EXPECT_FALSE(game->receiverIsHost); // the writer hosts the game
    EXPECT_EQ(game->startPosition, ""); // the standard start, not an empty board
    EXPECT_EQ(game->moves, kTwoMoves);
}

TEST(MovePayload, EveryFixtureGameTravelsAndPassesValidation)
{
    TempFolder folder;
    WriteBytes(folder / "Mdgdb.dat", Fixture("three_games.dat"));
    const Database::DataFolder data(folder.Path());
    std::vector<GameRecord> games;
    ASSERT_TRUE(Database::SelectGames(data, games, "", ""));
    ASSERT_EQ(games.size(), 3u);
    for (const auto& game : games) {
        MoveList moves;
        ASSERT_TRUE(Database::LoadGameMoves(data, moves, game.GAME_ID));
        const std::string body = MoveMailText(game, moves);
        const std::string payload = Support::ExtractMovePayload(body);
        EXPECT_TRUE(CheckMovePayload(payload).Passed()) << payload;
        RecordingSink sink;
        EXPECT_TRUE(ValidateMovePayload(payload, false, &sink));
        EXPECT_TRUE(sink.boxes.empty());
        const auto received = ReadMovePayload(payload);
        ASSERT_TRUE(received) << game.GAME_ID;
        EXPECT_EQ(received->moves, moves);
        EXPECT_EQ(received->startPosition, game.startPosition);
        EXPECT_EQ(received->receiverIsHost, !game.GAME_HOST);
        EXPECT_EQ(received->receiversGameId, game.GAME_OPPONENTS_ID);
        EXPECT_EQ(received->sendersGameId, game.GAME_ID);
    }
    // The set-up game's position travels on eight lines.
    MoveList moves;
    ASSERT_TRUE(Database::LoadGameMoves(data, moves, 2));
    const std::string written = MoveMailPayload(games[1], moves);
    EXPECT_NE(written.find("|\r\n0100000005000000;\r\n0000000000000000;\r\n"), std::string::npos);
    EXPECT_NE(written.find("0000000011000000|\r\n1|1117|Ra7|Set-up position|\r\n2|5848|Kd8|"),
              std::string::npos);
}

TEST(MovePayload, TextsCannotBreakThePayload)
{
    GameRecord game = TwoMoveGame();
    game.GAME_NAME = "Our<<MARROW\tDALE: game|two\r\nlines";
    game.GAME_BLACK_NAME = "B:MARROWDALE>>ob";
    MoveList moves = kTwoMoves;
    moves[1].comment = "see you|soon:MARROWDALE>>";
    const std::string payload = Support::ExtractMovePayload(MoveMailText(game, moves));
    const auto received = ReadMovePayload(payload);
    ASSERT_TRUE(received) << payload;
    EXPECT_EQ(received->name, "Our game two  lines");
    EXPECT_EQ(received->blackName, "Bob");
    EXPECT_EQ(received->moves[1].comment, "see you soon");
    EXPECT_EQ(MoveMailSubject(moves[1]), "Marrowdale : e5, see you soon");
}

TEST(MovePayload, Subject)
{
    EXPECT_EQ(MoveMailSubject({2, "5755", "e5", ""}), "Marrowdale : e5, No comment.");
    EXPECT_EQ(MoveMailSubject({2, "5755", "e5", "Your move"}), "Marrowdale : e5, Your move");
    EXPECT_EQ(MoveMailSubject({5, "5151", "Draw offer", "a\r\nb"}), "Marrowdale : Draw offer, a  b");
    EXPECT_TRUE(IsMoveMailSubject("Marrowdale : e4, No comment."));
    EXPECT_TRUE(IsMoveMailSubject("Marrowdale :x"));
    EXPECT_FALSE(IsMoveMailSubject("marrowdale : e4"));
    EXPECT_FALSE(IsMoveMailSubject("Re: Marrowdale : e4"));
}

TEST(MovePayload, Extraction)
{
    const std::string payload = "7|1|x";
    struct Row {
        const char* what;
        std::string body;
        std::string expected;
    };
    const Row rows[] = {
        {"intact markers", "Hi\r\n<<MARROWDALE:7|1|\r\nx:MARROWDALE>>\r\nbye", payload},
        {"CR LF inside the start marker", "<<MARROW\r\nDALE:7|1|x:MARROWDALE>>", payload},
        {"CR LF between the closing brackets", "<<MARROWDALE:7|1|x:MARROWDALE>\r\n>", payload},
        {"both markers broken", "<\r\n<MARROWDALE:7|1|x:MAR\nROWDALE>>", payload},
        {"noise before a broken marker", "<b>Re:</b> <<MA\r\nRROWDALE:7|1|x:MARROWDALE>>", payload},
        {"no marker at all", "Just some mail text that is long enough", ""},
        {"no '<' and no start marker", "MARROWDALE:7|1|x:MARROWDALE>> and more text", ""},
        {"no end marker", "<<MARROWDALE:7|1|x and then nothing at all", ""},
        {"exactly 26 characters", "<<MARROWDALE::MARROWDALE>>", ""},
        {"one-character payload", "<<MARROWDALE:X:MARROWDALE>>", ""},
        {"two characters are enough", "<<MARROWDALE:XY:MARROWDALE>>", "XY"},
        {"two move texts: the first wins",
         "<<MARROWDALE:first:MARROWDALE>><<MARROWDALE:second:MARROWDALE>>", "first"},
        {"markers are case-sensitive", "<<marrowdale:7|1|x:marrowdale>>", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Support::ExtractMovePayload(row.body), row.expected) << row.what;
}

TEST(MovePayload, StripMailMarkers)
{
    EXPECT_EQ(Support::StripMailMarkers("ab<<MARROWDALE:cd"), "abcd");
    EXPECT_EQ(Support::StripMailMarkers("x:MARROWDALE>>y<<MARROWDALE:"), "xy");
    EXPECT_EQ(Support::StripMailMarkers("a\tb\r\nc|d;e"), "abc|d;e");
    // A marker made by taking out a tab is left: the removal runs once.
    EXPECT_EQ(Support::StripMailMarkers("<<MARROW\tDALE:"), "<<MARROWDALE:");
    EXPECT_EQ(Support::StripMailMarkers("<<marrowdale:"), "<<marrowdale:");
    // What a payload field is cleaned to never holds one.
    EXPECT_EQ(CleanPayloadText("<<MARROW\tDALE:"), "");
    EXPECT_EQ(CleanPayloadText("<<MARROW<<MARROWDALE:DALE:x"), "x");
}
