// Moves made through the game controller: the drop pipeline by table, and
// legality against the move generator over random games.
#include "game/game_controller.h"
#include "game/player_comment.h"
#include "rules/search_board.h"
#include "rules/search_move_list.h"
#include "store/drop_rules.h"
#include "store/move_entries.h"
#include "store/move_payload.h"
#include "store/replay_check.h"

#include "stored_game_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

// A stored game from a set-up position (pieces as "Ke1 ke8 ...", empty for
// the standard start) with its entries; the player hosts it (White) or not.
struct Game : ControllerOnFolder {
    Game(const char* pieces, MoveList moves, bool host = true)
    {
        EXPECT_TRUE(Store(data.Folder(), SetupGame(host, pieces), moves));
        const OpenResult opened = OpenStored();
        EXPECT_TRUE(opened.ok);
        EXPECT_FALSE(opened.message);
    }
    int On(const char* square) const
    {
        return game.History().Current().squares(At(square).column, At(square).row);
    }
    DropResult Drop(const char* from, const char* to, const std::string& comment = "")
    {
        return game.Drop(At(from), At(to), comment);
    }
};

TEST(Drop, LegalAndRefusedMovesByTable)
{
    struct Case {
        const char* name;
        const char* pieces;
        MoveList moves;
        bool host;
        const char* from;
        const char* to;
        DropResult::Outcome outcome;
        const char* notation; // made: the new row's notation
        const char* messageCaption;
        std::vector<std::pair<const char*, int>> after;
    };
    const MoveList none;
    const Case cases[] = {
        {"a pawn's first step",
         "",
         none,
         true,
         "e2",
         "e4",
         DropResult::Made,
         "e4",
         nullptr,
         {{"e4", WhitePawn}, {"e2", Empty}}},
        {"a knight",
         "",
         none,
         true,
         "g1",
         "f3",
         DropResult::Made,
         "Nf3",
         nullptr,
         {{"f3", WhiteKnight}}},
        {"too far",
         "",
         none,
         true,
         "e2",
         "e5",
         DropResult::Refused,
         nullptr,
         "Illegal move",
         {{"e2", WhitePawn}, {"e5", Empty}}},
        {"onto its own piece",
         "",
         none,
         true,
         "d1",
         "d2",
         DropResult::Refused,
         nullptr,
         "Illegal move",
         {{"d1", WhiteQueen}}},
        {"own square",
         "",
         none,
         true,
         "g1",
         "g1",
         DropResult::Nothing,
         nullptr,
         nullptr,
         {{"g1", WhiteKnight}}},
        {"pinned bishop",
         "Ke1 Be2 re8 ka8",
         none,
         true,
         "e2",
         "d3",
         DropResult::Refused,
         nullptr,
         "Illegal move",
         {{"e2", WhiteBishop}, {"d3", Empty}}},
        {"king side castling",
         "Ke1 Rh1 Ra1 ke8",
         none,
         true,
         "e1",
         "g1",
         DropResult::Made,
         "0-0",
         nullptr,
         {{"g1", WhiteKing}, {"f1", WhiteRook}, {"h1", Empty}}},
        {"queen side castling",
         "Ke1 Rh1 Ra1 ke8",
         none,
         true,
         "e1",
         "c1",
         DropResult::Made,
         "0-0-0",
         nullptr,
         {{"c1", WhiteKing}, {"d1", WhiteRook}, {"a1", Empty}}},
        {"black castles",
         "Ke1 ke8 rh8 ra8",
         Entries({{"5152", "Ke2"}}),
         false,
         "e8",
         "g8",
         DropResult::Made,
         "0-0",
         nullptr,
         {{"g8", BlackKing}, {"f8", BlackRook}}},
        {"a capture",
         "Ke1 Nf3 pe5 ke8 pa7",
         none,
         true,
         "f3",
         "e5",
         DropResult::Made,
         "Nxe5",
         nullptr,
         {{"e5", WhiteKnight}}},
        {"en passant",
         "Ke1 Pe5 ke8 pd7",
         Entries({{"5152", "Ke2"}, {"4745", "d5"}}),
         true,
         "e5",
         "d6",
         DropResult::Made,
         "exd6ep",
         nullptr,
         {{"d6", WhitePawn}, {"d5", Empty}, {"e5", Empty}}},
        // The pawn that gave check is taken en passant: the check ends.
        {"en passant out of check",
         "Kd3 Pb5 ke8 pc7",
         Entries({{"4344", "Kd4"}, {"3735", "c5+"}}),
         true,
         "b5",
         "c6",
         DropResult::Made,
         "bxc6ep",
         nullptr,
         {{"c6", WhitePawn}, {"c5", Empty}}},
        // Both pawns leave the rank between the king and the rook.
        {"en passant exposing the king",
         "Ka4 Pb5 ke8 pc7 rh5",
         Entries({{"1415", "Ka5"}, {"3735", "c5"}}),
         true,
         "b5",
         "c6",
         DropResult::Refused,
         nullptr,
         "Illegal move",
         {{"b5", WhitePawn}, {"c5", BlackPawn}}},
        {"mate",
         "",
         Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}}),
         false,
         "d8",
         "h4",
         DropResult::Made,
         "Qh4++",
         nullptr,
         {{"h4", BlackQueen}}},
        {"stalemate",
         "Kf7 Qg5 kh8",
         none,
         true,
         "g5",
         "g6",
         DropResult::Made,
         "Qg6 1/2-1/2",
         "Stalemate!",
         {{"g6", WhiteQueen}}},
        {"forced draw",
         "Ke1 Nb1 ke8 rc3",
         none,
         true,
         "b1",
         "c3",
         DropResult::Made,
         "Nxc3 1/2-1/2",
         "Forced draw",
         {{"c3", WhiteKnight}}},
        {"check",
         "Ke1 Ra1 ke8",
         none,
         true,
         "a1",
         "a8",
         DropResult::Made,
         "Ra8+",
         nullptr,
         {{"a8", WhiteRook}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g(c.pieces, c.moves, c.host);
        const Position before = g.game.History().Current();
        const int entries = g.game.History().Entries();
        const DropResult result = g.Drop(c.from, c.to);
        EXPECT_EQ(result.outcome, c.outcome);
        for (const auto& [square, piece] : c.after)
            EXPECT_EQ(g.On(square), piece) << square;
        if (c.messageCaption) {
            ASSERT_FALSE(result.messages.empty());
            EXPECT_EQ(result.messages.front().caption, c.messageCaption);
        } else {
            EXPECT_TRUE(result.messages.empty());
        }
        if (c.outcome == DropResult::Made) {
            EXPECT_EQ(result.notation, c.notation);
            ASSERT_EQ(g.game.History().Entries(), entries + 1);
            EXPECT_EQ(g.game.History().List().back().notation, c.notation);
            EXPECT_EQ(g.game.History().List().back().coordinates, (Move{At(c.from), At(c.to)}.Text()));
            EXPECT_FALSE(g.game.Status().playerMayMove);
            // The undo snapshot holds the board before the move.
            EXPECT_EQ(g.game.History().Snapshot().squares, before.squares);
        } else {
            EXPECT_EQ(g.game.History().Current(), before);
            EXPECT_EQ(g.game.History().Entries(), entries);
            EXPECT_TRUE(g.game.Status().playerMayMove);
        }
    }
}

TEST(Drop, SelfCheckBlinksTheKingAndStalemateTheOpponentsKing)
{
    Game pinned("Ke1 Be2 re8 ka8", {});
    const DropResult refused = pinned.Drop("e2", "d3");
    EXPECT_TRUE(refused.selfCheck);
    EXPECT_TRUE(refused.messages.front().verbose);
    EXPECT_EQ(refused.messages.front().text,
              "You cannot move the Bishop there because it will leave you in check.");
    EXPECT_EQ(pinned.game.Timer().SelfCheckBlinks(), 10);

    Game stalemate("Kf7 Qg5 kh8", {});
    const DropResult drawn = stalemate.Drop("g5", "g6");
    EXPECT_TRUE(drawn.stalemate);
    EXPECT_EQ(drawn.forcedDraw, NoForcedDraw);
    EXPECT_EQ(drawn.messages.size(), 1u);
    EXPECT_TRUE(stalemate.game.Status().gameDrawn);
    EXPECT_EQ(stalemate.game.Timer().StalemateBlinks(), 15);
    // Unsent, the move changes no caption: the stored game awaits the player.
    EXPECT_EQ(stalemate.game.Display().Captions().caption, "Marrowdale - Awaiting your move");

    Game mate("", Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}}), false);
    const DropResult mated = mate.Drop("d8", "h4");
    EXPECT_TRUE(mated.checkmated);
    EXPECT_FALSE(mated.checkSound);
    EXPECT_EQ(mated.checkedSide, White);
    EXPECT_EQ(mate.game.Display().CellAt(At("e1")), 15); // the fallen king on a dark square
    EXPECT_EQ(mate.game.Display().Captions().caption, "Marrowdale - Awaiting your move");

    Game check("Ke1 Ra1 ke8", {});
    EXPECT_TRUE(check.Drop("a1", "a8").checkSound);
}

TEST(Drop, PromotionWaitsForTheChosenPiece)
{
    Game white("Ke1 Pb7 kh6 ph5", {});
    DropResult result = white.Drop("b7", "b8");
    EXPECT_EQ(result.outcome, DropResult::NeedsPromotion);
    EXPECT_TRUE(white.game.PromotionPending());
    EXPECT_EQ(white.game.History().Entries(), 0);
    result = white.game.Promote(WhiteKnight);
    EXPECT_EQ(result.outcome, DropResult::Made);
    EXPECT_EQ(result.notation, "b8=N");
    EXPECT_EQ(white.On("b8"), WhiteKnight);
    EXPECT_EQ(white.On("b7"), Empty);

    Game black("Ke1 kh6 pc2 Nd1", Entries({{"5152", "Ke2"}}), false);
    EXPECT_EQ(black.Drop("c2", "d1").outcome, DropResult::NeedsPromotion);
    result = black.game.Promote(BlackQueen);
    EXPECT_EQ(result.notation, "cxd1=Q+");
    EXPECT_EQ(black.On("d1"), BlackQueen);
}

TEST(Drop, PickUpRefusalsAndTheirNotes)
{
    Game game("", {});
    EXPECT_TRUE(game.game.PickUp(At("e2"), false).allowed);
    EXPECT_EQ(game.game.PickUp(At("e2"), false).dragIcon, 6);
    const PickUpResult theirs = game.game.PickUp(At("e7"), false);
    EXPECT_FALSE(theirs.allowed);
    ASSERT_TRUE(theirs.note);
    EXPECT_EQ(theirs.note->text, "That is not one of your pieces!");
    EXPECT_FALSE(game.game.PickUp(At("e4"), false).note);
    EXPECT_FALSE(game.game.PickUp(At("e7"), true).note); // the press only cleared the marks
    game.Drop("e2", "e4");
    const PickUpResult afterMove = game.game.PickUp(At("d2"), false);
    EXPECT_FALSE(afterMove.allowed);
    ASSERT_TRUE(afterMove.note);
    EXPECT_EQ(afterMove.note->text, "You are not allowed to make a move right now.");
}

TEST(Drop, TheCommentIsCleanedWhenTheMoveIsMade)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"Good luck", "Good luck"},
        {"one|two", "one two"},
        {"tab\there", "tabhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Game game("", {});
        const DropResult result = game.Drop("e2", "e4", c.typed);
        EXPECT_EQ(game.game.History().List().back().comment, c.stored);
        EXPECT_EQ(result.cleanedComment.has_value(), std::string(c.typed) != c.stored);
    }
    // Whatever the typed text, no mail marker survives the cleaning.
    const std::string start(MailSupport::StartMarker);
    const std::string end(MailSupport::EndMarker);
    const std::string split = start.substr(0, 5) + start + start.substr(5);
    for (const std::string& typed : {start + "e4" + end, split, std::string("<<MARROW|DALE:")}) {
        const std::string cleaned = CleanPlayerComment(typed).value_or(typed);
        EXPECT_EQ(Support::StripMailMarkers(cleaned), cleaned) << typed;
    }
}

// The squares the board accepts a piece on are exactly the generator's
// legal moves, over the positions of a few hundred random games.
TEST(Drop, LegalityAgreesWithTheMoveGenerator)
{
    std::mt19937 random(20240517);
    int positions = 0;
    for (int game = 0; game < 300; ++game) {
        ComputerAI::SearchBoard board(StartPosition(), White);
        for (int ply = 0; ply < 60; ++ply) {
            ComputerAI::SearchMoveList legal;
            board.GenerateMoves(legal);
            if (legal.Count() == 0)
                break;
            if (ply % 3 == 0) {
                ++positions;
                std::set<std::pair<int, int>> generated;
                for (const ComputerAI::SearchMove& m : legal)
                    generated.insert({10 * m.fromColumn + m.fromRow, 10 * m.toColumn + m.toRow});
                const Position& position = board.GetPosition();
                const Colour mover = board.SideToMove();
                const Move previous = board.PreviousMove();
                for (int from = 0; from < 64; ++from) {
                    const Square f{from % 8 + 1, from / 8 + 1};
                    if (!IsPieceOfColour(position.squares(f.column, f.row), mover))
                        continue;
                    for (int to = 0; to < 64; ++to) {
                        const Square t{to % 8 + 1, to / 8 + 1};
                        if (f == t)
                            continue;
                        const bool accepted =
                            JudgeDrop(position, mover, Move{f, t}, previous).Accepted();
                        ASSERT_EQ(accepted, generated.count({f.Index(), t.Index()}) == 1)
                            << "game " << game << " ply " << ply << " " << Move{f, t}.Text();
                    }
                }
            }
            ASSERT_TRUE(board.MakeMove(legal[static_cast<int>(random() % legal.Count())]));
        }
    }
    EXPECT_GT(positions, 3000);
}

// An arriving game is stored with the notation its replay writes, so an
// honest game stays whole only if that is the board's own to the letter.
// Over random games that seek out promotions, castling and captures (and
// so mates and drawn ends), every move dropped on the board by the side to
// move reads the same when the replay writes it.
TEST(Drop, TheReplayWritesEveryMoveAsTheBoardDoes)
{
    std::mt19937 random(20251211);
    std::set<char> seen; // '=' promotion, '0' castling, 'x' capture, '+' check, '#' mate, 'd' draw
    for (int game = 0; game < 12; ++game) {
        ComputerAI::SearchBoard board(StartPosition(), White);
        EntryReplay replay(StartPosition());
        MoveList entries;
        for (int ply = 0; ply < 120; ++ply) {
            ComputerAI::SearchMoveList legal;
            board.GenerateMoves(legal);
            if (legal.Count() == 0)
                break;
            std::vector<ComputerAI::SearchMove> promotions, castlings, captures;
            for (const ComputerAI::SearchMove& m : legal) {
                const int piece = board.GetPosition().squares(m.fromColumn, m.fromRow);
                if (m.promotion != 0)
                    promotions.push_back(m);
                else if (IsKing(piece) && std::abs(m.toColumn - m.fromColumn) == 2)
                    castlings.push_back(m);
                else if (board.GetPosition().squares(m.toColumn, m.toRow) != Empty)
                    captures.push_back(m);
            }
            const auto pick = [&](const std::vector<ComputerAI::SearchMove>& from) {
                return from[random() % from.size()];
            };
            // The first game is the fool's mate, so that a mate is among them.
            const char* const foolsMate[] = {"6263", "5755", "7274", "4884"};
            std::vector<ComputerAI::SearchMove> scripted;
            for (const ComputerAI::SearchMove& m : legal)
                if (game == 0 && ply < 4
                    && Move{{m.fromColumn, m.fromRow}, {m.toColumn, m.toRow}}.Text() == foolsMate[ply])
                    scripted.push_back(m);
            const ComputerAI::SearchMove move = !scripted.empty()     ? scripted.front()
                                                : !promotions.empty() ? pick(promotions)
                                                : !castlings.empty()  ? pick(castlings)
                                                : !captures.empty() && random() % 2
                                                    ? pick(captures)
                                                    : legal[static_cast<int>(random() % legal.Count())];

            ControllerOnFolder table;
            ASSERT_TRUE(Store(table.data.Folder(), SetupGame(ply % 2 == 0, ""), entries));
            ASSERT_TRUE(table.OpenStored().ok);
            DropResult made =
                table.game.Drop({move.fromColumn, move.fromRow}, {move.toColumn, move.toRow}, "");
            if (made.outcome == DropResult::NeedsPromotion)
                made = table.game.Promote(static_cast<PieceCode>(move.promotion));
            ASSERT_EQ(made.outcome, DropResult::Made) << "game " << game << " ply " << ply;
            const std::string coordinates =
                Move{{move.fromColumn, move.fromRow}, {move.toColumn, move.toRow}}.Text();
            entries.push_back({ply + 1, coordinates, made.notation, ""});

            std::string written;
            ASSERT_EQ(replay.Play(entries, ply + 1, &written), EntryFault::None);
            ASSERT_EQ(written, made.notation) << "game " << game << " ply " << ply << " " << coordinates;
            for (const char mark : {'=', '0', 'x', '+'})
                if (made.notation.find(mark) != std::string::npos)
                    seen.insert(mark);
            if (NotationEndsInMate(made.notation))
                seen.insert('#');
            if (NotationEndsDrawn(made.notation))
                seen.insert('d');
            if (NotationEndsInMate(made.notation) || NotationEndsDrawn(made.notation))
                break;
            ASSERT_TRUE(board.MakeMove(move));
        }
    }
    EXPECT_EQ(seen, (std::set<char>{'=', '0', 'x', '+', '#', 'd'}));
}

} // namespace
