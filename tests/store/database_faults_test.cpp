// What a failing disk, a crash or a damaged file can do to the database:
// never a mixed file, never a damaged file over the last good backup.

#include "store/database.h"
#include "store/database_damage.h"
#include "store_test_support.h"

#include <cerrno>
#include <functional>

using namespace Database;
using namespace StoreTest;

namespace {

// Fails the write of one chosen file after half of its bytes, as a full
// disk would, a given number of times. When the chosen file is the backup's
// temporary, the disk gives no file a second name either, so that a
// rewrite's backup is a copy that can fail.
class DiskFullHalfWay : public FileSystem {
public:
    DiskFullHalfWay(std::string fileName, int failures)
        : fileName_(std::move(fileName)), failures_(failures)
    {
    }

    int writes = 0; // of the chosen file

    bool Link(const std::filesystem::path& existing, const std::filesystem::path& link) override
    {
        return link.filename() != fileName_ && FileSystem::Link(existing, link);
    }

    bool WriteAndFlush(const std::filesystem::path& file, std::string_view bytes) override
    {
        if (file.filename() == fileName_)
            ++writes;
        budget_ = (file.filename() == fileName_ && failures_-- > 0) ? bytes.size() / 2 : SIZE_MAX;
        return FileSystem::WriteAndFlush(file, bytes);
    }

protected:
    ssize_t WriteChunk(int fd, const char* data, std::size_t size) override
    {
        if (budget_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const auto n = FileSystem::WriteChunk(fd, data, std::min(size, budget_));
        if (n > 0 && budget_ != SIZE_MAX)
            budget_ -= static_cast<std::size_t>(n);
        return n;
    }

private:
    std::string fileName_;
    int failures_;
    std::size_t budget_ = SIZE_MAX;
};

// Stops dead at the n-th change it makes to the disk, as a power cut would:
// the exception is no std::exception, so no recovery code runs.
struct PowerCut { };
class CutsPowerAt : public FileSystem {
public:
    explicit CutsPowerAt(int step) : step_(step) { }
    int Steps() const { return count_; }

    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        Tick();
        return FileSystem::Rename(from, to);
    }
    bool Remove(const std::filesystem::path& file) override
    {
        Tick();
        return FileSystem::Remove(file);
    }
    bool Link(const std::filesystem::path& existing, const std::filesystem::path& link) override
    {
        Tick();
        return FileSystem::Link(existing, link);
    }

protected:
    ssize_t WriteChunk(int fd, const char* data, std::size_t size) override
    {
        Tick();
        // Half a chunk lands before the cut.
        return FileSystem::WriteChunk(fd, data, count_ == step_ - 1 ? size / 2 + 1 : size);
    }
    bool Flush(int fd) override
    {
        Tick();
        return FileSystem::Flush(fd);
    }

private:
    void Tick()
    {
        if (++count_ == step_)
            throw PowerCut{};
    }
    int step_;
    int count_ = 0;
};

// Reads fail: the file is there but cannot be read.
class UnreadableDisk : public FileSystem {
public:
    std::optional<std::string> ReadAll(const std::filesystem::path&) override { return std::nullopt; }
};

GameRecord NewGame(std::int32_t id)
{
    GameRecord r;
    r.GAME_ID = id;
    r.GAME_DATESTAMP = "050620241415";
    r.GAME_NAME = "Fresh";
    r.GAME_DATE = "05/06/2024";
    r.GAME_STATUS = StatusAwaitingOpponent;
    r.GAME_HOST = true;
    return r;
}

const MoveList kMoves{{1, "5254", "e4", ""}, {2, "5755", "e5", "ok"}};

class DatabaseFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        live = Fixture("three_games.dat");
        oldBackup = live.substr(0, live.find("\r\n") + 2);
        WriteBytes(folder / "Mdgdb.dat", live);
        WriteBytes(folder / "mdgdb.bak", oldBackup);
    }
    std::string Live() const { return ReadBytes(folder / "Mdgdb.dat"); }
    std::string Backup() const { return ReadBytes(folder / "mdgdb.bak"); }

    TempFolder folder;
    std::string live;
    std::string oldBackup;
};

} // namespace

TEST_F(DatabaseFaults, WriteFailingHalfWayLeavesTheFileAndRestores)
{
    for (const char* failing : {"mdgdb.new", "mdgdb.bak.tmp"}) {
        SetUp();
        DiskFullHalfWay disk(failing, 1);
        const DataFolder data(folder.Path(), &disk);
        GameRecord game = NewGame(4);
        EXPECT_FALSE(SaveGame(data, game, kMoves)) << failing;
        // A failed rewrite is followed by the restore, which writes the same file.
        EXPECT_EQ(disk.writes, std::string(failing) == "mdgdb.new" ? 2 : 1) << failing;
        DiskFullHalfWay deleteDisk(failing, 1);
        EXPECT_FALSE(DeleteGame(DataFolder(folder.Path(), &deleteDisk), 1)) << failing;
        EXPECT_EQ(Live(), live) << failing;
        EXPECT_FALSE(std::filesystem::exists(folder / "mdgdb.new")) << failing;
        EXPECT_FALSE(std::filesystem::exists(folder / "mdgdb.bak.tmp")) << failing;
        // The backup is the fresh one when it got written, else the old one.
        EXPECT_EQ(Backup(), std::string(failing) == "mdgdb.bak.tmp" ? oldBackup : live) << failing;
    }
    // Once the disk has room again the same save goes through.
    GameRecord game = NewGame(4);
    ASSERT_TRUE(SaveGame(DataFolder(folder.Path()), game, kMoves));
    EXPECT_EQ(Live().substr(0, live.size()), live);
    EXPECT_EQ(Backup(), live);
}

TEST_F(DatabaseFaults, PowerCutAtAnyMomentLeavesOldOrNewWhole)
{
    GameRecord game = NewGame(4);
    std::string expectedNew;
    {
        TempFolder scratch;
        WriteBytes(scratch / "Mdgdb.dat", live);
        ASSERT_TRUE(SaveGame(DataFolder(scratch.Path()), game, kMoves));
        expectedNew = ReadBytes(scratch / "Mdgdb.dat");
    }
    bool sawOld = false, sawNew = false;
    int step = 1;
    for (;; ++step) {
        SetUp();
        CutsPowerAt disk(step);
        bool finished = false;
        try {
            GameRecord copy = game;
            finished = SaveGame(DataFolder(folder.Path(), &disk), copy, kMoves);
        } catch (const PowerCut&) {
        }
        const std::string after = Live();
        EXPECT_TRUE(after == live || after == expectedNew) << "cut at step " << step;
        sawOld = sawOld || after == live;
        sawNew = sawNew || after == expectedNew;
        EXPECT_TRUE(Backup() == oldBackup || Backup() == live) << "cut at step " << step;

        // Started again, the program reads every game and saves on.
        const DataFolder data(folder.Path());
        std::vector<GameRecord> games;
        ASSERT_TRUE(SelectGames(data, games, "", "")) << step;
        GameRecord next = NewGame(*GetNextGameID(data));
        ASSERT_TRUE(SaveGame(data, next, {})) << step;
        if (finished)
            break;
    }
    EXPECT_GE(step, 6); // backup link, rename; rewrite write, flush, rename
    EXPECT_TRUE(sawOld && sawNew);
}

TEST_F(DatabaseFaults, DamagedLiveFileNeverReplacesTheBackup)
{
    // A crash's zeros, a last line cut inside a move, a line that is no game.
    for (const std::string& damaged :
         {live + std::string(64, '\0'), live.substr(0, live.size() - 6), live + "not a game\r\n"}) {
        SetUp();
        WriteBytes(folder / "mdgdb.bak", live);
        WriteBytes(folder / "Mdgdb.dat", damaged);
        RecordingSink sink;
        const DataFolder data(folder.Path(), nullptr, &sink);
        EXPECT_FALSE(BackupDatabase(data, true));
        GameRecord game = NewGame(4);
        EXPECT_FALSE(SaveGame(data, game, kMoves));
        EXPECT_FALSE(DeleteGame(data, 1));
        EXPECT_EQ(Backup(), live);
        EXPECT_EQ(Live(), damaged);

        int refreshed = 0;
        EXPECT_TRUE(RestoreDatabase(data, true, [&] { ++refreshed; }));
        EXPECT_EQ(Live(), live);
        EXPECT_EQ(refreshed, 1);
        ASSERT_EQ(sink.boxes.size(), 2u);
        EXPECT_EQ(
            sink.boxes[0],
            (Support::MessageBoxCall{
                Support::MsgIcon::Database, "File system error.",
                "A general file system error has prevented Marrowdale from backing up the database.||Please try again.",
                "OK", "", false, std::nullopt}));
        EXPECT_EQ(sink.boxes[1],
                  (Support::MessageBoxCall{Support::MsgIcon::Information, "Restore complete.",
                                           "The database has been restored successfully.", "OK", "",
                                           false, std::nullopt}));
    }
    // A damaged backup is not restored either.
    WriteBytes(folder / "mdgdb.bak", std::string("1|x\r\n") + '\0');
    EXPECT_FALSE(RestoreDatabase(DataFolder(folder.Path()), false));
    EXPECT_EQ(Live(), live);
}

TEST_F(DatabaseFaults, HarmlessEndIsMendedOnTheRewrite)
{
    const std::string unended = live.substr(0, live.size() - 2);
    const std::string fourth =
        "4|050620241415|0|Fresh|05/06/2024||||-1||2|0||1|5254|e4||2|5755|e5|ok\r\n";
    for (const std::string& text : {unended, unended + "\r"}) {
        WriteBytes(folder / "Mdgdb.dat", text);
        const DataFolder data(folder.Path());
        GameRecord game = NewGame(4);
        ASSERT_TRUE(SaveGame(data, game, kMoves));
        EXPECT_EQ(Live(), live + fourth);
        EXPECT_EQ(Backup(), live);
        EXPECT_EQ(FindDatabaseDamage(data), std::nullopt);

        WriteBytes(folder / "Mdgdb.dat", text);
        EXPECT_TRUE(BackupDatabase(data, false));
        EXPECT_EQ(Backup(), live);
        EXPECT_TRUE(DeleteGame(data, 3));
        EXPECT_EQ(Lines(Live()), (std::vector<std::string>{Lines(live)[0], Lines(live)[1]}));
    }
}

TEST_F(DatabaseFaults, DamageIsNamedWithFileAndLine)
{
    using Kind = DatabaseDamage::Kind;
    struct Row {
        const char* what;
        std::string text;
        Kind kind;
        int line;
        const char* said;
    };
    const Row rows[] = {
        {"zeros of a crash", live + std::string(64, '\0'), Kind::HalfWritten, 4,
         "line 4 holds the remains of an interrupted write"},
        {"last line cut inside a move", live.substr(0, live.size() - 6), Kind::CutShort, 3,
         "its last line, line 3, is cut short"},
        {"a line that is no game", Lines(live)[0] + "\r\nnot a game\r\n" + Lines(live)[2] + "\r\n",
         Kind::BadLine, 2, "line 2 is not a game Marrowdale can read"},
    };
    for (const auto& row : rows) {
        WriteBytes(folder / "Mdgdb.dat", row.text);
        const DataFolder data(folder.Path());
        GameRecord game = NewGame(4);
        EXPECT_FALSE(SaveGame(data, game, kMoves)) << row.what;
        EXPECT_EQ(Live(), row.text) << row.what;
        const auto damage = FindDatabaseDamage(data);
        ASSERT_TRUE(damage) << row.what;
        EXPECT_EQ(*damage, (DatabaseDamage{row.kind, folder / "Mdgdb.dat", row.line})) << row.what;
        const auto message = DatabaseDamageMessage(*damage);
        EXPECT_EQ(message.caption, "Game database damaged");
        EXPECT_NE(message.text.find((folder / "Mdgdb.dat").string() + " because " + row.said + "."),
                  std::string::npos)
            << message.text;
        EXPECT_EQ(message.text.find("Restore database"), std::string::npos);
    }
    UnreadableDisk disk;
    EXPECT_EQ(FindDatabaseDamage(DataFolder(folder.Path(), &disk)),
              (DatabaseDamage{Kind::Unreadable, folder / "Mdgdb.dat", 0}));
    WriteBytes(folder / "Mdgdb.dat", live);
    EXPECT_EQ(FindDatabaseDamage(DataFolder(folder.Path())), std::nullopt);
}

TEST_F(DatabaseFaults, CorruptLineDoesNotCostGameOne)
{
    const std::string gameOne = Lines(live)[0];
    // A line whose id reads but whose status does not: every selection
    // fails and a new game would get a fresh id, but no rewrite starts, as
    // its backup would carry the damage over the good one; game 1 stays.
    const std::string corrupt = "5|d|0|n|01/01/2024|e|w|b|0|o|lost|0|\r\n";
    WriteBytes(folder / "Mdgdb.dat", live + corrupt);
    WriteBytes(folder / "mdgdb.bak", live);
    const DataFolder data(folder.Path());
    std::vector<GameRecord> games;
    EXPECT_FALSE(SelectGames(data, games, "", "Game_ID;A"));
    const auto id = GetNextGameID(data);
    ASSERT_EQ(id, 6);
    GameRecord game = NewGame(*id);
    EXPECT_FALSE(SaveGame(data, game, kMoves));
    EXPECT_FALSE(BackupDatabase(data, false));
    EXPECT_EQ(Lines(Live())[0], gameOne);
    EXPECT_EQ(Live(), live + corrupt);
    EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), live);

    // A line whose id does not read stops the rewrite: nothing changes.
    const std::string unreadable = live + "garbage|line\r\n";
    WriteBytes(folder / "Mdgdb.dat", unreadable);
    EXPECT_EQ(GetNextGameID(data), 4);
    GameRecord other = NewGame(4);
    EXPECT_FALSE(SaveGame(data, other, kMoves));
    EXPECT_FALSE(DeleteGame(data, 2));
    EXPECT_EQ(Live(), unreadable);
    EXPECT_FALSE(std::filesystem::exists(folder / "mdgdb.new"));
}

TEST_F(DatabaseFaults, UnreadableFileHandsOutNoId)
{
    UnreadableDisk disk;
    const DataFolder data(folder.Path(), &disk);
    EXPECT_EQ(GetNextGameID(data), std::nullopt);
    GameRecord game = NewGame(1);
    EXPECT_FALSE(SaveGame(data, game, kMoves));
    MoveList moves;
    EXPECT_FALSE(LoadGameMoves(data, moves, 1));
    std::vector<GameRecord> games;
    EXPECT_FALSE(SelectGames(data, games, "", ""));
    EXPECT_EQ(Live(), live);
}

TEST(BackupRestore, WithoutFilesAndWithMessages)
{
    TempFolder folder;
    RecordingSink sink;
    const DataFolder data(folder.Path(), nullptr, &sink);
    int refreshed = 0;
    EXPECT_TRUE(BackupDatabase(data, false));
    EXPECT_FALSE(std::filesystem::exists(folder / "mdgdb.bak"));
    EXPECT_TRUE(RestoreDatabase(data, false));
    EXPECT_FALSE(std::filesystem::exists(folder / "Mdgdb.dat"));
    EXPECT_TRUE(sink.boxes.empty());

    WriteBytes(folder / "Mdgdb.dat", Fixture("three_games.dat"));
    EXPECT_TRUE(BackupDatabase(data, true));
    EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), Fixture("three_games.dat"));
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].caption, "Backup complete.");
    EXPECT_EQ(
        sink.boxes[0].text,
        "The database has been backed up and can be restored by selected Restore database from the File menu");
    EXPECT_EQ(sink.boxes[0].icon, Support::MsgIcon::Information);

    WriteBytes(folder / "Mdgdb.dat", "");
    EXPECT_TRUE(RestoreDatabase(data, false));
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.dat"), Fixture("three_games.dat"));
    EXPECT_EQ(refreshed, 0);
    EXPECT_EQ(sink.boxes.size(), 1u);
}

namespace {

// Every write fails, as on a full disk.
class FullDisk : public FileSystem {
protected:
    ssize_t WriteChunk(int, const char*, std::size_t) override
    {
        errno = ENOSPC;
        return -1;
    }
};

} // namespace

TEST(CreateAndFlush, MakesOnlyNewFilesAndLeavesNothingOfAFailedOne)
{
    TempFolder folder;
    WriteBytes(folder / "taken", "theirs");
    FileSystem& disk = RealFileSystem();

    errno = 0;
    EXPECT_FALSE(disk.CreateAndFlush(folder / "taken", "mine", 0600));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(folder / "taken"), "theirs");

    ASSERT_TRUE(disk.CreateAndFlush(folder / "fresh", "mine", 0600));
    EXPECT_EQ(ReadBytes(folder / "fresh"), "mine");
    EXPECT_EQ(std::filesystem::status(folder / "fresh").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    FullDisk full;
    errno = 0;
    EXPECT_FALSE(full.CreateAndFlush(folder / "half", "mine", 0600));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_FALSE(std::filesystem::exists(folder / "half"));
}
