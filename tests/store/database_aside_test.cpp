// Damage found at start: every readable game stays listed, the lines that
// cannot be read are kept in a dated file beside the database, and the
// backup is not touched before the user has answered.
#include "store/database.h"
#include "store/database_aside.h"
#include "store_test_support.h"

#include <sys/stat.h>

using namespace Database;
using namespace StoreTest;

namespace {

constexpr const char* Date = "2026-01-10";

// Answers the restore question and notes what the files held meanwhile.
class AnsweringSink : public RecordingSink {
public:
    AnsweringSink(const TempFolder& folder, bool answer) : folder_(folder), answer_(answer) { }
    bool ShowMessage(const Support::MessageBoxCall& call) override
    {
        RecordingSink::ShowMessage(call);
        if (call.cancelCaption.empty())
            return true;
        backupWhileAsked = ReadBytes(folder_ / "mdgdb.bak");
        asideWhileAsked = std::filesystem::exists(folder_.Path() / "Mdgdb.unreadable-2026-01-10.txt");
        return answer_;
    }
    std::string backupWhileAsked;
    bool asideWhileAsked = false;

private:
    const TempFolder& folder_;
    bool answer_;
};

int ModeOf(const std::filesystem::path& file)
{
    struct stat info { };
    return ::stat(file.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

} // namespace

TEST(DamageAtStart, ReadableGamesStayListedAndTheRestIsKeptAside)
{
    const std::string good = Fixture("three_games.dat");
    const auto lines = Lines(good);
    const std::string one = lines[0] + "\r\n", two = lines[1] + "\r\n", three = lines[2] + "\r\n";
    std::string brokenTwo = two;
    brokenTwo.replace(brokenTwo.find("|Carol|2|"), 9, "|Carol|x|");
    const std::string cut = lines[2].substr(0, 40);
    const std::string garbage = "\x01\xff\xfe\x80 MZ\x90\x03|\x7f\xc3(\r\n";
    using namespace std::string_literals;
    const std::string allGarbage = "\xde\xad\xbe\xef\x00\x13\x37\r\n\xff\xfe\xfd"s;
    struct Row {
        const char* what;
        std::string live;
        std::string backup; // "" for none
        bool answer;
        bool asked;
        std::vector<std::int32_t> listed;
        std::string keptAside;
        std::string told;
    };
    const Row rows[] = {
        {"a broken header line",
         one + brokenTwo + three,
         "",
         false,
         false,
         {1, 3},
         brokenTwo,
         "could not read 1 line of the game database"},
        {"a cut-off last line", one + two + cut, "", false, false, {1, 2}, cut + "\r\n", "kept in"},
        {"a binary garbage line",
         one + garbage + two + three,
         "",
         false,
         false,
         {1, 2, 3},
         garbage,
         "the 3 readable games are still listed"},
        {"a file of only garbage, backup kept",
         allGarbage,
         good,
         false,
         true,
         {},
         allGarbage + "\r\n",
         "could not read 2 lines"},
        {"a file of only garbage, backup restored",
         allGarbage,
         good,
         true,
         true,
         {1, 2, 3},
         allGarbage,
         "has been restored from the backup"},
        {"a broken line the backup also lacks",
         one + brokenTwo + three,
         one + three,
         false,
         false,
         {1, 3},
         brokenTwo,
         "could not read 1 line"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        WriteBytes(folder / "Mdgdb.dat", row.live);
        if (!row.backup.empty())
            WriteBytes(folder / "mdgdb.bak", row.backup);
        AnsweringSink sink(folder, row.answer);
        const DataFolder data(folder.Path(), nullptr, &sink);

        // Before the start-up step nothing backs damage up.
        EXPECT_FALSE(BackupDatabase(data, false));
        EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), row.backup);

        CheckDatabaseAtStart(data, Date);
        ASSERT_EQ(sink.boxes.size(), row.asked ? 2u : 1u);
        if (row.asked) {
            EXPECT_EQ(sink.backupWhileAsked, row.backup) << "the backup waits for the answer";
            EXPECT_FALSE(sink.asideWhileAsked) << "nothing is written before the answer";
            EXPECT_NE(sink.boxes[0].text.find("holds 3 games that the readable lines do not"),
                      std::string::npos)
                << sink.boxes[0].text;
            EXPECT_NE(sink.boxes[0].text.find("Yes: the backup becomes the game database"),
                      std::string::npos);
        }
        EXPECT_NE(sink.boxes.back().text.find(row.told), std::string::npos) << sink.boxes.back().text;
        EXPECT_EQ(sink.boxes.back().text.find("File menu"), std::string::npos);

        std::vector<GameRecord> games;
        ASSERT_TRUE(SelectGames(data, games, "", "Game_ID;A"));
        std::vector<std::int32_t> ids;
        for (const auto& g : games)
            ids.push_back(g.GAME_ID);
        EXPECT_EQ(ids, row.listed);
        const auto aside = folder / "Mdgdb.unreadable-2026-01-10.txt";
        EXPECT_EQ(ReadBytes(aside), row.keptAside);
        EXPECT_EQ(ModeOf(aside), 0600);
        EXPECT_NE(sink.boxes.back().text.find(aside.string()), std::string::npos);
        EXPECT_EQ(ReadBytes(folder / "mdgdb.bak"), row.backup) << "only a later backup replaces it";

        // Told once: the next start finds a sound file.
        CheckDatabaseAtStart(data, Date);
        EXPECT_EQ(sink.boxes.size(), row.asked ? 2u : 1u);
        EXPECT_TRUE(BackupDatabase(data, false));
    }
}

TEST(DamageAtStart, ASecondDamageOnTheSameDayGetsAFileOfItsOwn)
{
    TempFolder folder;
    const std::string good = Fixture("three_games.dat");
    WriteBytes(folder / "Mdgdb.unreadable-2026-01-10.txt", "earlier");
    WriteBytes(folder / "Mdgdb.dat", good + "junk\r\n");
    RecordingSink sink;
    CheckDatabaseAtStart(DataFolder(folder.Path(), nullptr, &sink), Date);
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.unreadable-2026-01-10.txt"), "earlier");
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.unreadable-2026-01-10-2.txt"), "junk\r\n");
    EXPECT_EQ(ReadBytes(folder / "Mdgdb.dat"), good);
}

TEST(OwnerOnlyFiles, TheDatabaseAndItsBackupAfterASaveAndABackup)
{
    TempFolder folder;
    const DataFolder data(folder.Path());
    GameRecord game;
    game.GAME_ID = 1;
    game.GAME_DATESTAMP = "100120260830";
    game.GAME_DATE = "10/01/2026";
    ASSERT_TRUE(SaveGame(data, game, {MoveRecord{1, "5254", "e4", ""}}));
    EXPECT_EQ(ModeOf(folder / "Mdgdb.dat"), 0600);
    ASSERT_TRUE(BackupDatabase(data, false));
    ASSERT_TRUE(SaveGame(data, game, {MoveRecord{2, "5755", "e5", ""}}));
    EXPECT_EQ(ModeOf(folder / "Mdgdb.dat"), 0600);
    EXPECT_EQ(ModeOf(folder / "mdgdb.bak"), 0600);
}
