// Games travelling as move files: the export takes the lowest free number
// and appears whole, the stand-alone polling imports every move file in
// number order and mirrors the game but leaves the copy's own files for the
// player to carry, a bad file is reported once, and a picked file is
// imported and kept.
#include "store/move_files.h"
#include "tests/mail/fake_mail_service.h"
#include "tests/mail/transport_harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailTesting {
namespace {

constexpr const char* BobAddress = "bob@marrowdale.test";

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A stand-alone program: no network, games travel as files.
class StandAlone : public Player {
public:
    explicit StandAlone(FakeMailSystem& system, fs::path folder = {})
        : Player(std::make_unique<FakeMailService>(system, "nobody@marrowdale.test", "Nobody"), folder)
    {
        state.NoNetwork = true;
        state.StandAloneMode = true;
    }
};

class MoveFilesTest : public ::testing::Test {
protected:
    // Moves every move file of one player's folder into the other's, as a
    // user carrying them over would.
    static void Carry(const Player& from, const Player& to)
    {
        for (const fs::path& file : MailSupport::ListMoveFiles(from.transport.Folder.path))
            fs::rename(file, to.transport.Folder.path / file.filename());
    }

    FakeMailSystem system;
};

TEST_F(MoveFilesTest, ExportTakesTheLowestFreeNumberAndAppearsWhole)
{
    StandAlone alice(system);
    alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"), {Move(1, "5254", "e4")});
    const fs::path folder = alice.transport.Folder.path;
    WriteAll(folder / "Cmove1.txt", "someone else's");
    ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, 1));
    ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, 1));
    EXPECT_EQ(ReadAll(folder / "Cmove1.txt"), "someone else's");
    GameRecord record;
    MoveList moves;
    std::string text;
    ASSERT_TRUE(MailSupport::ComposeMoveText(alice.transport.Folder, 1, record, moves, text));
    EXPECT_EQ(ReadAll(folder / "Cmove2.txt"), text);
    EXPECT_EQ(ReadAll(folder / "Cmove3.txt"), text);
    // Nothing half-written or temporary is left beside them.
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"Cmove1.txt", "Cmove2.txt", "Cmove3.txt",
                                                       "Mdgdb.dat", "mdgdb.bak"}));
    // Each send names the file written and its folder, and closes by itself.
    ASSERT_EQ(alice.sink.Captions(),
              (std::vector<std::string>{"Move file written", "Move file written"}));
    EXPECT_EQ(alice.sink.calls[1].text,
              "Your move has been written to the file Cmove3.txt in the folder " + folder.string()
                  + ".||Carry this file into your opponent's Marrowdale data folder, or let your "
                    "opponent pick it with File > Import game.");
    EXPECT_TRUE(alice.sink.calls[1].timeoutOn);
    alice.sink.calls.clear();

    EXPECT_FALSE(MailSupport::ExportMoveFile(alice.transport, 5));
    EXPECT_EQ(alice.sink.Captions(), (std::vector<std::string>{"Transmission error."}));
}

TEST_F(MoveFilesTest, StandAloneGameIsMirroredAndTheReplyMergesBack)
{
    StandAlone alice(system);
    // A folder whose path holds a ";" must not split the list of files.
    TempFolder bobsRoot;
    const fs::path bobsFolder = bobsRoot.Path() / "Bob;s data";
    fs::create_directories(bobsFolder);
    StandAlone bob(system, bobsFolder);
    bob.Store(NewMailGame(1, "Computer", "", "010120260900"), {Move(1, "5254", "e4")});

    // Alice's game was begun by mail; its opponent is known.
    alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"),
                {Move(1, "5254", "e4", "By file")});
    ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, 1));
    alice.sink.calls.clear();
    Carry(alice, bob);

    MailSupport::ConnectAndRetrieve(bob.transport, false, true, false);
    EXPECT_TRUE(bob.sink.calls.empty());
    EXPECT_EQ(bob.state.PendingMoveList, "2;");
    EXPECT_TRUE(bob.state.NewMovesArrived);
    EXPECT_TRUE(MailSupport::ListMoveFiles(bobsFolder).empty());
    // No sign-on in stand-alone mode, so no "Logging on..." either.
    EXPECT_EQ(bob.windows.statuses, (std::vector<std::string>{"Retrieving games...", "(hidden)"}));
    const GameRecord mirrored = bob.Game(2);
    EXPECT_FALSE(mirrored.GAME_HOST);
    EXPECT_EQ(mirrored.GAME_STATUS, StatusPlayersMove);
    EXPECT_EQ(mirrored.GAME_OPPONENTS_ID, 1);
    EXPECT_EQ(mirrored.GAME_WHITE_NAME, "Unknown");
    EXPECT_EQ(mirrored.GAME_BLACK_NAME, "Bob Birch");
    EXPECT_EQ(mirrored.GAME_OPPONENTS_NAME, "Unknown");
    EXPECT_EQ(mirrored.GAME_OPPONENTS_EMAIL, MailSupport::UnknownOpponentAddress);
    EXPECT_EQ(bob.Moves(2), (MoveList{Move(1, "5254", "e4", "By file")}));

    bob.Reply(2, Move(2, "5755", "e5"));
    ASSERT_TRUE(MailSupport::ExportMoveFile(bob.transport, 2));
    bob.sink.calls.clear();
    Carry(bob, alice);
    MailSupport::ImportMoveFiles(alice.transport, false, false);
    EXPECT_TRUE(alice.sink.calls.empty());
    EXPECT_EQ(alice.state.PendingMoveList, "1;");
    const GameRecord back = alice.Game(1);
    EXPECT_EQ(back.GAME_STATUS, StatusPlayersMove);
    EXPECT_EQ(back.GAME_OPPONENTS_ID, 2);
    EXPECT_EQ(alice.Moves(1).size(), 2u);
    // A file never replaces the opponent a known game was played with.
    EXPECT_EQ(back.GAME_OPPONENTS_NAME, "Bob Birch");
    EXPECT_EQ(back.GAME_OPPONENTS_EMAIL, BobAddress);
}

// Each copy polls right after it wrote its move, before the player carries
// the file: its own file stays where it is and its games stay as they were,
// whether both copies store the game under one number or under two. No
// game appears that the player would have to answer himself.
TEST_F(MoveFilesTest, SendersPollLeavesItsOwnFileUntilItIsCarried)
{
    for (const bool sameNumbers : {true, false}) {
        SCOPED_TRACE(sameNumbers ? "same numbers" : "different numbers");
        StandAlone alice(system);
        StandAlone bob(system);
        if (!sameNumbers)
            bob.Store(NewMailGame(1, "Computer", "", "010120260900"), {Move(1, "5254", "e4")});
        const std::int32_t bobsId = sameNumbers ? 1 : 2;
        alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"), {Move(1, "5254", "e4")});

        // The sender polls: its own file and game are left alone.
        auto sendAndPoll = [](StandAlone& sender, std::int32_t id) {
            ASSERT_TRUE(MailSupport::ExportMoveFile(sender.transport, id));
            ASSERT_EQ(sender.sink.Captions(), (std::vector<std::string>{"Move file written"}));
            sender.sink.calls.clear();
            const std::vector<fs::path> written =
                MailSupport::ListMoveFiles(sender.transport.Folder.path);
            ASSERT_EQ(written.size(), 1u);
            const std::string text = ReadAll(written[0]);
            const std::vector<GameRecord> games = sender.Games();
            const MoveList moves = sender.Moves(id);
            for (int poll = 0; poll < 2; ++poll)
                MailSupport::ImportMoveFiles(sender.transport, false, false);
            EXPECT_EQ(MailSupport::ListMoveFiles(sender.transport.Folder.path), written);
            EXPECT_EQ(ReadAll(written[0]), text);
            EXPECT_EQ(sender.Games(), games);
            EXPECT_EQ(sender.Moves(id), moves);
            EXPECT_EQ(sender.state.PendingMoveList, "");
            EXPECT_FALSE(sender.state.NewMovesArrived);
            EXPECT_TRUE(sender.sink.calls.empty());
        };
        ASSERT_NO_FATAL_FAILURE(sendAndPoll(alice, 1));
        Carry(alice, bob);
        MailSupport::ImportMoveFiles(bob.transport, false, false);
        EXPECT_EQ(bob.state.PendingMoveList, std::to_string(bobsId) + ";");
        ASSERT_EQ(bob.Games().size(), std::size_t(bobsId));
        EXPECT_FALSE(bob.Game(bobsId).GAME_HOST);

        bob.Reply(bobsId, Move(2, "5755", "e5"));
        ASSERT_NO_FATAL_FAILURE(sendAndPoll(bob, bobsId));
        Carry(bob, alice);
        MailSupport::ImportMoveFiles(alice.transport, false, false);
        EXPECT_EQ(alice.state.PendingMoveList, "1;");
        ASSERT_EQ(alice.Games().size(), 1u);
        EXPECT_EQ(alice.Moves(1), bob.Moves(bobsId));
        EXPECT_EQ(alice.Game(1).GAME_OPPONENTS_ID, bobsId);
        EXPECT_TRUE(MailSupport::ListMoveFiles(alice.transport.Folder.path).empty());
        EXPECT_EQ(bob.Games().size(), std::size_t(bobsId));
    }
}

// A player who picks his own move file is told what to do with it instead.
TEST_F(MoveFilesTest, PickingOnesOwnMoveFileImportsNothing)
{
    StandAlone alice(system);
    alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"), {Move(1, "5254", "e4")});
    ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, 1));
    alice.sink.calls.clear();
    const GameRecord before = alice.Game(1);
    alice.chooser.picked = (alice.transport.Folder.path / "Cmove1.txt").string();
    MailSupport::ConnectAndRetrieve(alice.transport, true, false, true);
    ASSERT_EQ(alice.sink.Captions(), (std::vector<std::string>{"Game import"}));
    EXPECT_EQ(alice.sink.calls[0].text.substr(0, 48),
              "This file holds your own move, written for your ");
    EXPECT_EQ(alice.Games(), (std::vector<GameRecord>{before}));
    EXPECT_EQ(alice.state.PendingMoveList, "");
    EXPECT_TRUE(fs::exists(alice.chooser.picked));
}

TEST_F(MoveFilesTest, PollingImportsInNumberOrderAndReportsABadFileOnce)
{
    StandAlone alice(system);
    StandAlone bob(system);
    const char* const stamps[] = {"010220261000", "020220261000", "030220261000"};
    for (int id = 1; id <= 3; ++id) {
        alice.Store(NewMailGame(id, "Bob", BobAddress, stamps[id - 1]), {Move(1, "5254", "e4")});
        ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, id));
    }
    // Games 1, 2, 3 as files 10, 2 and 1: they arrive as 3, 2, 1.
    const fs::path to = bob.transport.Folder.path;
    fs::rename(alice.transport.Folder.path / "Cmove1.txt", to / "Cmove10.txt");
    fs::rename(alice.transport.Folder.path / "Cmove2.txt", to / "Cmove2.txt");
    fs::rename(alice.transport.Folder.path / "Cmove3.txt", to / "Cmove1.txt");
    WriteAll(to / "Cmove5.txt", "<<MARROWDALE:broken:MARROWDALE>>");
    WriteAll(to / "cmove7.txt", "not listed");
    EXPECT_EQ(MailSupport::ListMoveFiles(to),
              (std::vector<fs::path>{to / "Cmove1.txt", to / "Cmove2.txt", to / "Cmove5.txt",
                                     to / "Cmove10.txt"}));

    MailSupport::ImportMoveFiles(bob.transport, false, false);
    EXPECT_EQ(bob.state.PendingMoveList, "1;2;3;");
    EXPECT_EQ(bob.Game(1).GAME_OPPONENTS_ID, 3);
    EXPECT_EQ(bob.Game(2).GAME_OPPONENTS_ID, 2);
    EXPECT_EQ(bob.Game(3).GAME_OPPONENTS_ID, 1);
    ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Message retrival error"}));
    EXPECT_EQ(bob.sink.calls[0].text.substr(0, 40), "Marrowdale found what appeared to be a c");
    EXPECT_EQ(Names(to),
              (std::vector<std::string>{"Cmove5.txt", "Mdgdb.dat", "cmove7.txt", "mdgdb.bak"}));

    // The next polls leave it be until it changes, or the program restarts.
    MailSupport::ImportMoveFiles(bob.transport, false, false);
    EXPECT_EQ(bob.sink.calls.size(), 1u);
    EXPECT_EQ(bob.state.PendingMoveList, "");
    WriteAll(to / "Cmove5.txt", "<<MARROWDALE:still broken:MARROWDALE>>");
    MailSupport::ImportMoveFiles(bob.transport, false, false);
    EXPECT_EQ(bob.sink.calls.size(), 2u);
    StandAlone restarted(system, to);
    MailSupport::ImportMoveFiles(restarted.transport, false, false);
    EXPECT_EQ(restarted.sink.calls.size(), 1u);
}

TEST_F(MoveFilesTest, PickedFileIsImportedAndKept)
{
    StandAlone alice(system);
    alice.Store(NewMailGame(1, "Bob", BobAddress, "100120260830"), {Move(1, "5254", "e4")});
    ASSERT_TRUE(MailSupport::ExportMoveFile(alice.transport, 1));
    const fs::path picked = alice.transport.Folder.path / "Cmove1.txt";

    Player bob(std::make_unique<FakeMailService>(system, BobAddress, "Bob"));
    bob.state.NoNetwork = true;
    bob.chooser.picked = picked.string();
    MailSupport::ConnectAndRetrieve(bob.transport, true, true, true);
    ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Game import"}));
    EXPECT_EQ(bob.sink.calls[0].text, "The game has been successfully imported.");
    EXPECT_EQ(bob.sink.calls[0].sound, Support::SoundCue::Information);
    // The pass's status window has gone before its result shows.
    EXPECT_TRUE(bob.sink.underStatus.empty());
    EXPECT_EQ(bob.state.PendingMoveList, "1;");
    EXPECT_TRUE(fs::exists(picked));

    // A picked file that fails is reported in the wording for a chosen file.
    WriteAll(picked, "<<MARROWDALE:0|1:MARROWDALE>>");
    bob.sink.calls.clear();
    MailSupport::ImportMoveFiles(bob.transport, false, true);
    ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Message retrival error"}));
    EXPECT_EQ(bob.sink.calls[0].text.substr(0, 40), "The file you selected failed validation.");

    // Cancelling the chooser ends the import without a word.
    bob.chooser.picked.clear();
    bob.sink.calls.clear();
    bob.windows.statuses.clear();
    MailSupport::ImportMoveFiles(bob.transport, true, true);
    EXPECT_TRUE(bob.sink.calls.empty());
    EXPECT_EQ(bob.windows.statuses, (std::vector<std::string>{"Retrieving games...", "(hidden)"}));
}

// A FIFO (which no one writes to: reading it would wait for good), a huge
// sparse file and a link: refused at once with their own words, left where
// they are; picked and polled alike, the poll telling each once.
TEST_F(MoveFilesTest, WhatIsNoMoveFileIsRefusedAtOnceAndLeftWhereItIs)
{
    StandAlone bob(system);
    const fs::path folder = bob.transport.Folder.path;
    const fs::path fifo = folder / "Cmove1.txt";
    const fs::path big = folder / "Cmove2.txt";
    const fs::path link = folder / "Cmove3.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    WriteAll(big, "<<MARROWDALE:");
    ASSERT_EQ(truncate(big.c_str(), off_t{3} << 30), 0);
    WriteAll(folder / "elsewhere", "<<MARROWDALE:broken:MARROWDALE>>");
    fs::create_symlink(folder / "elsewhere", link);
    const std::string notRegular = " is not a regular file (a link, a FIFO or a device), so Marrowdale "
                                   "left it where it is.";
    const std::string tooLarge = " is larger than any game, so Marrowdale left it where it is.";

    for (const auto& [file, why] : {std::pair{fifo, notRegular}, {big, tooLarge}, {link, notRegular}}) {
        SCOPED_TRACE(file.filename().string());
        bob.sink.calls.clear();
        bob.chooser.picked = file.string();
        MailSupport::ImportMoveFiles(bob.transport, true, true);
        ASSERT_EQ(bob.sink.Captions(), (std::vector<std::string>{"Game import"}));
        EXPECT_EQ(bob.sink.calls[0].text, "The move file " + file.string() + why);
        EXPECT_TRUE(bob.sink.underStatus.empty());
    }

    bob.sink.calls.clear();
    MailSupport::ImportMoveFiles(bob.transport, false, false);
    ASSERT_EQ(bob.sink.calls.size(), 3u);
    EXPECT_EQ(bob.sink.calls[0].text, "The move file " + fifo.string() + notRegular);
    EXPECT_EQ(bob.sink.calls[1].text, "The move file " + big.string() + tooLarge);
    EXPECT_EQ(bob.sink.calls[2].text, "The move file " + link.string() + notRegular);
    MailSupport::ImportMoveFiles(bob.transport, false, false);
    EXPECT_EQ(bob.sink.calls.size(), 3u);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(fs::file_size(big), std::uintmax_t{3} << 30);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bob.state.PendingMoveList, "");
}

} // namespace
} // namespace MailTesting
