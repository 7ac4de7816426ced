// The board's set-up mode through the game controller, without a window:
// the palette, checked drops, remove-all, the check before play, and play
// from the set-up position up to the game the opponent receives.
#include "game/game_controller.h"
#include "game/setup_checks.h"
#include "store/move_payload.h"
#include "store/payload_validation.h"

#include "../rules/board_builder.h"
#include "board_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

Square At(const std::string& name)
{
    return Square{name[0] - 'a' + 1, name[1] - '0'};
}

class RecordedNotices : public NoticeShower {
public:
    void ShowNotice(const BoardMessage& message) override { captions.push_back(message.caption); }
    std::vector<std::string> captions;
};

// A new game opened in set-up mode.
struct SettingUp {
    TempDataFolder data;
    GameController game{data.Folder()};

    SettingUp()
    {
        OpenRequest request;
        request.gameId = -1;
        request.newGame = NewGameRequest{{false, true}, "", "Bob", ""};
        game.Open(request);
    }

    // An empty board, then the pieces ("Ke1 ke8 Qe4") from the palette in
    // the order given; each must be accepted.
    void Build(const std::string& pieces)
    {
        game.Setup().Clear();
        std::istringstream in(pieces);
        for (std::string token; in >> token;) {
            const SetupChange change = game.Setup().Place(
                SetupSource::Palette(TestBoards::CodeForLetter(token[0])), At(token.substr(1)));
            ASSERT_TRUE(change.changed && !change.message) << "placing " << token;
        }
    }

    const BoardSquares& Squares() const { return game.History().Current().squares; }
};

const char* const CheckmateText =
    "Checkmate.  Placing that piece there will result in checkmate which is not a valid starting state.";
const char* const StalemateText =
    "Stalemate.  Placing that piece there will result in a stalemate which is not a valid starting state.";
const char* const BothKingsText =
    "Putting that piece there will result in both kings being in check, which is impossible in chess.";

TEST(SetupMode, OpensOnTheStandardStartAndThePaletteFollowsTheKings)
{
    SettingUp s;
    ASSERT_TRUE(s.game.Setup().Active());
    EXPECT_TRUE(s.game.Info().newGameSetup);
    EXPECT_EQ(s.Squares(), StartPosition().squares);
    EXPECT_EQ(s.game.Display().Captions().caption, "Marrowdale - Setting up board...");
    EXPECT_EQ(s.game.Display().Captions().playersTag, "Please setup the board state.");
    EXPECT_EQ(s.game.Display().Comment().text,
              "Drag pieces on and off the board until you are happy with the setup.");

    struct Step {
        const char* what;
        std::function<void(GameController&)> act;
        bool whiteKingItem, blackKingItem, play;
    };
    const Step steps[] = {
        {"the start position", [](GameController&) {}, false, false, true},
        {"the White king to the trash",
         [](GameController& g) { g.Setup().Place(SetupSource::Board(At("e1")), std::nullopt); }, true,
         false, false},
        {"the White king back from the palette",
         [](GameController& g) { g.Setup().Place(SetupSource::Palette(WhiteKing), At("e1")); }, false,
         false, true},
        {"a second White king is not taken",
         [](GameController& g) { g.Setup().Place(SetupSource::Palette(WhiteKing), At("e4")); }, false,
         false, true},
        {"cleared", [](GameController& g) { g.Setup().Clear(); }, true, true, false},
        {"the two kings alone",
         [](GameController& g) {
             g.Setup().Place(SetupSource::Palette(WhiteKing), At("e1"));
             g.Setup().Place(SetupSource::Palette(BlackKing), At("e8"));
         },
         false, false, false},
        {"a third piece",
         [](GameController& g) { g.Setup().Place(SetupSource::Palette(BlackPawn), At("a7")); }, false,
         false, true},
        {"reset", [](GameController& g) { g.Setup().Reset(); }, false, false, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(s.game);
        const SetupPalette palette = s.game.Setup().UpdatePiecePalette();
        EXPECT_EQ(palette.ItemEnabled(WhiteKing), step.whiteKingItem);
        EXPECT_EQ(palette.ItemEnabled(BlackKing), step.blackKingItem);
        EXPECT_EQ(palette.playEnabled, step.play);
        EXPECT_TRUE(palette.ItemEnabled(WhiteQueen) && palette.ItemEnabled(BlackPawn));
    }
    EXPECT_EQ(s.Squares(), StartPosition().squares);
}

TEST(SetupMode, EveryDropIsJudgedAtOnce)
{
    struct Case {
        const char* what;
        const char* board;
        SetupSource source;
        std::optional<Square> target;
        const char* refusal; // null: accepted
        int checkedSide;
        std::vector<std::pair<const char*, int>> squares; // after the drop
    };
    const Case cases[] = {
        {"a queen gives check",
         "Ke1 ke8",
         SetupSource::Palette(WhiteQueen),
         At("e5"),
         nullptr,
         Black,
         {{"e5", WhiteQueen}}},
        {"a queen that mates",
         "Ke6 ke8",
         SetupSource::Palette(WhiteQueen),
         At("e7"),
         CheckmateText,
         NoSideChecked,
         {{"e7", Empty}}},
        {"a queen that stalemates",
         "Kf7 kh8",
         SetupSource::Palette(WhiteQueen),
         At("g6"),
         StalemateText,
         NoSideChecked,
         {{"g6", Empty}}},
        {"both kings in check",
         "Ke1 ke8 Qe4",
         SetupSource::Palette(BlackRook),
         At("a1"),
         BothKingsText,
         Black,
         {{"a1", Empty}}},
        {"a checking queen moved away",
         "Ke1 ke8 Qe4",
         SetupSource::Board(At("e4")),
         At("h4"),
         nullptr,
         NoSideChecked,
         {{"e4", Empty}, {"h4", WhiteQueen}}},
        {"a palette piece replaces a piece",
         "Ke1 ke8 pe7",
         SetupSource::Palette(WhiteQueen),
         At("e7"),
         nullptr,
         Black,
         {{"e7", WhiteQueen}}},
        {"a piece to the trash",
         "Ke1 ke8 Qe4",
         SetupSource::Board(At("e4")),
         std::nullopt,
         nullptr,
         NoSideChecked,
         {{"e4", Empty}}},
        {"the mated side's own move refused",
         "Kh1 Pg2 Ph2 ke8 ra8",
         SetupSource::Board(At("a8")),
         At("a1"),
         CheckmateText,
         NoSideChecked,
         {{"a8", BlackRook}, {"a1", Empty}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingUp s;
        s.Build(c.board);
        const BoardSquares before = s.Squares();
        const SetupChange change = s.game.Setup().Place(c.source, c.target);
        if (c.refusal) {
            EXPECT_FALSE(change.changed);
            ASSERT_TRUE(change.message);
            EXPECT_EQ(change.message->text, c.refusal);
            EXPECT_EQ(change.message->caption, "Invalid setup");
            EXPECT_EQ(change.message->icon, Support::MsgIcon::SetupRefusal);
            EXPECT_EQ(change.message->soundCue, Support::SoundCue::Information);
            EXPECT_EQ(s.Squares(), before);
        } else {
            EXPECT_TRUE(change.changed);
            EXPECT_FALSE(change.message);
        }
        EXPECT_EQ(s.game.History().Current().checkedSide, c.checkedSide);
        for (const auto& [square, piece] : c.squares)
            EXPECT_EQ(s.Squares()(At(square).column, At(square).row), piece) << square;
    }
}

// The check mark moving from one king to the other: the king the timer had
// hidden is drawn again by the drop itself, and the timer flashes the new
// one from its next tick.
TEST(SetupMode, TheOldKingMarkIsTakenDownByTheDropItself)
{
    SettingUp s;
    s.Build("Kd1 ke8 Qa4");
    ASSERT_EQ(s.game.History().Current().checkedSide, Black);
    RecordedNotices notices;
    s.game.Tick(true, notices);
    ASSERT_EQ(s.game.Display().CellAt(At("e8")), EmptySquareCell(At("e8")));

    // A Black rook blocks the queen's check and gives check itself.
    const SetupChange change = s.game.Setup().Place(SetupSource::Palette(BlackRook), At("d7"));
    ASSERT_TRUE(change.changed);
    EXPECT_EQ(s.game.History().Current().checkedSide, White);
    EXPECT_NE(s.game.Display().CellAt(At("e8")), EmptySquareCell(At("e8")));
    EXPECT_FALSE(s.game.Timer().State().kingMarkShown);
    s.game.Tick(true, notices);
    EXPECT_EQ(s.game.Display().CellAt(At("d1")), EmptySquareCell(At("d1")));
    EXPECT_NE(s.game.Display().CellAt(At("e8")), EmptySquareCell(At("e8")));
}

TEST(SetupMode, RemoveEveryPieceLeavesOnlyTheRefusedOnes)
{
    SettingUp s;
    // Without the pawn on e2 the rook would check the White king while the
    // queen checks the Black one.
    s.Build("Ke1 ke8 Pe2 Pa2 Ph3 re7 Qa4");
    const SetupChange change = s.game.Setup().RemovePieces(WhitePawn);
    EXPECT_TRUE(change.changed);
    ASSERT_TRUE(change.message);
    EXPECT_EQ(change.message->text,
              "Some of the pieces you asked to be removed would have left the board in an "
              "illegal state so they have been left on the board.");
    EXPECT_EQ(s.Squares()(1, 2), Empty);
    EXPECT_EQ(s.Squares()(8, 3), Empty);
    EXPECT_EQ(s.Squares()(5, 2), WhitePawn);

    // The last minor piece would leave a forced draw; kings are never removed.
    s.Build("Ke1 ke8 Nb1 Ng1 Nc3");
    EXPECT_TRUE(s.game.Setup().RemovePieces(WhiteKnight).message);
    EXPECT_EQ(s.Squares(), TestBoards::Squares("Ke1 ke8 Ng1 Nc3"));
    EXPECT_FALSE(s.game.Setup().RemovePieces(WhiteKing).changed);
    EXPECT_EQ(s.Squares()(5, 1), WhiteKing);
}

TEST(SetupMode, PlayIsRefusedForWhatNoGameMayStartFrom)
{
    struct Case {
        const char* what;
        const char* board;
        const char* refusal;
    };
    const Case cases[] = {
        {"no White king", "ke8 Qd1 Pa2",
         "The White king must stand on the board before the game can begin."},
        {"no Black king", "Ke1 qd8 pa7",
         "The Black king must stand on the board before the game can begin."},
        {"a pawn on the last row", "Ke1 ke6 Pa8",
         "A pawn stands on the first or the last row of the board, where no pawn can be.  "
         "Move it before the game can begin."},
        {"Black in check with White to move", "Ke1 ke8 Qe4",
         "The Black king is in check, but White moves first.  A game cannot begin with the king of the side "
         "not to move in check."},
        {"the kings alone", "Ke1 ke8",
         "Forced draw.  Placing that piece there will force a draw because you cannot checkmate with only a "
         "king each."},
        {"one knight", "Ke1 ke8 Nb1",
         "Forced draw.  Placing that piece there will force a draw because you cannot checkmate with only a "
         "knight or a bishop."},
        {"bishops of one shade", "Ke1 ke8 Bc1 ba7",
         "Forced draw.  Placing that piece there will force a draw because you cannot checkmate with only two "
         "bishops on the same colour."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingUp s;
        s.Build(c.board);
        const SetupCheck check = s.game.Setup().Valid();
        ASSERT_TRUE(check.refusal);
        EXPECT_EQ(check.refusal->text, c.refusal);
        EXPECT_EQ(check.refusal->caption, "Invalid setup");
    }
    SettingUp s;
    s.Build("Ke1 ke8 Qe4");
    s.game.Setup().Place(SetupSource::Board(At("e4")), At("d4"));
    EXPECT_FALSE(s.game.Setup().Valid().refusal) << "White in check moves first: that may start";
}

TEST(SetupWarnings, CountWhatNoGameCouldReach)
{
    const std::string eightWhitePawns = "Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 Ph2";
    const std::string whiteArmy = "Ke1 Ra1 Nb1 Bc1 Qd1 Bf1 Ng1 Rh1 " + eightWhitePawns;
    const std::string blackArmy = "ke8 ra8 nb8 bc8 qd8 bf8 ng8 rh8 pa7 pb7 pc7 pd7 pe7 pf7 pg7 ph7";
    struct Case {
        const char* what;
        std::string pieces;
        const char* warnings;
    };
    const Case cases[] = {
        {"the start position", whiteArmy + " " + blackArmy, ""},
        {"nine pawns", "Ke1 ke8 Pa3 " + eightWhitePawns, "White warnings\n      To many pawns"},
        {"a second queen with every pawn", whiteArmy + " Qd4 " + blackArmy,
         "White warnings\n      Not exchanged enough pawns to pay for the court pieces\n"
         "      More than 16 pieces on the board"},
        {"three queens paid for by two missing pawns", "Ke1 Qd1 Qd3 Qd4 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 ke8",
         ""},
        {"three queens and only one pawn missing", "Ke1 Qd1 Qd3 Qd4 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 ke8",
         "White warnings\n      Not exchanged enough pawns to pay for the court pieces"},
        {"two bishops on dark squares, a pawn missing", "Ke1 Bc1 Bd2 Pa2 Pb2 Pc2 Pe2 Pf2 Pg2 Ph2 ke8",
         "White warnings\n      No bishops on a white board square"},
        {"one bishop alone", "Ke1 Bc1 ke8 bc8", ""},
        {"both colours", "Ke1 Pa3 " + eightWhitePawns + " ke8 bc8 bd7",
         "White warnings\n      To many pawns\n\nBlack warnings\n      No bishops on a black board square"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SetupWarnings(TestBoards::Squares(c.pieces)), c.warnings);
    }
}

// Play takes the set-up position as the start position; the first move is
// made from it, and the game as sent passes the opponent's checks and
// opens there on the same position.
TEST(SetupMode, PlayBeginsFromTheSetUpPositionAndTheGameTravels)
{
    SettingUp s;
    s.Build("Ke1 Ra1 Pb2 ke8 pb7 ng8");
    const BoardSquares setUp = s.Squares();
    ASSERT_FALSE(s.game.Setup().Valid().refusal);
    s.game.BeginSetupGame();
    EXPECT_FALSE(s.game.Setup().Active());
    EXPECT_EQ(s.game.Info().initialBoardState, FormatPositionString(setUp));
    EXPECT_EQ(s.game.Info().playerColour, White);
    EXPECT_TRUE(s.game.Status().playerMayMove);
    EXPECT_EQ(s.game.Display().Captions().caption, "Marrowdale - Awaiting your move");

    // Castling from the set-up position: king and rook stand at home.
    const DropResult castled = s.game.Drop(At("e1"), At("c1"), "Your move");
    ASSERT_EQ(castled.outcome, DropResult::Made);
    EXPECT_EQ(castled.notation, "0-0-0");
    EXPECT_EQ(s.game.History().Current().squares(4, 1), WhiteRook);

    GameRecord record = Game(7, true, "", "Bob", StatusAwaitingOpponent, "");
    record.startPosition = s.game.Info().initialBoardState;
    const std::string payload =
        Support::ExtractMovePayload(MailSupport::MoveMailText(record, s.game.History().List()));
    ASSERT_TRUE(MailSupport::CheckMovePayload(payload).Passed())
        << "step " << MailSupport::CheckMovePayload(payload).failedStep << " of " << payload;
    const std::optional<MailSupport::ReceivedGame> received = MailSupport::ReadMovePayload(payload);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->startPosition, FormatPositionString(setUp));

    TempDataFolder theirs;
    GameRecord stored = Game(1, false, "", "Bob", StatusPlayersMove, "");
    stored.startPosition = received->startPosition;
    ASSERT_TRUE(Store(theirs.Folder(), stored, received->moves));
    GameController opponent(theirs.Folder());
    OpenRequest request;
    request.gameId = 1;
    ASSERT_TRUE(opponent.Open(request).ok);
    EXPECT_EQ(opponent.History().Current().squares, s.game.History().Current().squares);
    EXPECT_TRUE(opponent.Status().playerMayMove);
    RecordedNotices notices;
    opponent.Tick(true, notices);
    EXPECT_EQ(notices.captions, std::vector<std::string>{"Setup game"});
}

} // namespace
