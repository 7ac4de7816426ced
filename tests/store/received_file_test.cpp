// Reading a file that came from outside: bounded by a limit, never through
// a link, never waiting on a FIFO, and judged on what was opened.

#include "store/file_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace Database;

namespace {

class ReceivedFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("md_received_" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& name, const std::string& text)
    {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return folder_ / name;
    }

    fs::path folder_;
};

TEST_F(ReceivedFileTest, ReadsARegularFileWithinTheLimitWhole)
{
    const fs::path file = Write("mail", "0123456789");
    const BoundedRead exact = ReadReceivedFile(file, 10);
    EXPECT_EQ(exact.Outcome, ReadOutcome::Read);
    EXPECT_EQ(exact.Text, "0123456789");
    EXPECT_EQ(exact.Size, 10u);

    const BoundedRead over = ReadReceivedFile(file, 9);
    EXPECT_EQ(over.Outcome, ReadOutcome::TooLarge);
    EXPECT_TRUE(over.Text.empty());
    EXPECT_EQ(over.Size, 10u);

    const BoundedRead head = ReadReceivedFile(file, 4, ReadExtent::Head);
    EXPECT_EQ(head.Outcome, ReadOutcome::Read);
    EXPECT_EQ(head.Text, "0123");
    EXPECT_EQ(head.Size, 10u);

    EXPECT_EQ(ReadReceivedFile(folder_ / "gone", 10).Outcome, ReadOutcome::Missing);
}

TEST_F(ReceivedFileTest, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    const fs::path target = Write("target", "secret");
    fs::create_symlink(target, folder_ / "link");
    ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder");
    // A FIFO nobody writes to would block a plain open for good.
    for (const char* name : {"link", "fifo", "folder"}) {
        SCOPED_TRACE(name);
        for (ReadExtent extent : {ReadExtent::Whole, ReadExtent::Head}) {
            const BoundedRead read = ReadReceivedFile(folder_ / name, ReceivedInputLimit, extent);
            EXPECT_EQ(read.Outcome, ReadOutcome::NotRegularFile);
            EXPECT_TRUE(read.Text.empty());
        }
    }
}

TEST_F(ReceivedFileTest, AHugeSparseFileCostsNoMoreThanTheLimit)
{
    const fs::path big = folder_ / "big";
    std::ofstream(big) << "From: a@b\r\nSubject: x\r\n\r\n";
    ASSERT_EQ(truncate(big.c_str(), off_t{64} << 30), 0);
    const BoundedRead whole = ReadReceivedFile(big, ReceivedInputLimit);
    EXPECT_EQ(whole.Outcome, ReadOutcome::TooLarge);
    EXPECT_EQ(whole.Size, std::uint64_t{64} << 30);
    const BoundedRead head = ReadReceivedFile(big, HeaderBlockLimit, ReadExtent::Head);
    EXPECT_EQ(head.Outcome, ReadOutcome::Read);
    EXPECT_EQ(head.Text.size(), HeaderBlockLimit);
    EXPECT_EQ(head.Text.substr(0, 9), "From: a@b");
}

} // namespace
