// Two players who are two users of this machine, in one group, play a game
// through one post office folder: each program runs as its own user with a
// umask that shares nothing, and each still reads and deletes what the
// other delivered. Needs root to create the users; skipped otherwise.
#include "platform/mail_post_office.h"
#include "tests/mail/transport_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailTesting {
namespace {

constexpr const char* AliceAddress = "alice@marrowdale.test";
constexpr const char* BobAddress = "bob@marrowdale.test";

bool Shell(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// A group of its own and two system users in it, removed at the end.
class SystemUsers {
public:
    SystemUsers() : group_("mdpo" + std::to_string(getpid()))
    {
        ready_ = Shell("groupadd " + group_);
        for (const char* who : {"a", "b"}) {
            const std::string user = group_ + who;
            ready_ = ready_
                     && Shell("useradd -r -M -N -g " + group_ + " -d /nonexistent -s /usr/sbin/nologin "
                              + user);
            if (const passwd* entry = getpwnam(user.c_str()))
                uids_.push_back(entry->pw_uid);
        }
        if (const group* entry = getgrnam(group_.c_str()))
            gid_ = entry->gr_gid;
        ready_ = ready_ && uids_.size() == 2 && gid_ != 0;
    }
    ~SystemUsers()
    {
        for (const char* who : {"a", "b"})
            Shell("userdel " + group_ + who);
        Shell("groupdel " + group_);
    }
    bool Ready() const { return ready_; }
    uid_t Uid(int player) const { return uids_[player]; }
    gid_t Gid() const { return gid_; }

private:
    std::string group_;
    std::vector<uid_t> uids_;
    gid_t gid_ = 0;
    bool ready_ = false;
};

class SharedPostOfficeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "creating two users needs root";
        if (!users.Ready())
            GTEST_SKIP() << "useradd/groupadd are not usable here";
        chmod(base.Path().c_str(), 0755);
        // What the README asks of whoever sets the two players up: one
        // folder, given to their group.
        post = base.Path() / "post";
        ASSERT_EQ(mkdir(post.c_str(), 0), 0);
        ASSERT_EQ(chown(post.c_str(), 0, users.Gid()), 0);
        ASSERT_EQ(chmod(post.c_str(), 02770), 0);
        for (int player : {0, 1}) {
            data.push_back(base.Path() / (player == 0 ? "alice" : "bob"));
            ASSERT_EQ(mkdir(data.back().c_str(), 0700), 0);
            ASSERT_EQ(chown(data.back().c_str(), users.Uid(player), users.Gid()), 0);
        }
    }

    // Runs `work` in a child process as the player's user; true when it
    // returned true.
    bool AsPlayer(int player, const std::function<bool(Player&)>& work)
    {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            umask(077);
            const gid_t gid = users.Gid();
            if (setgroups(1, &gid) != 0 || setgid(gid) != 0 || setuid(users.Uid(player)) != 0)
                _exit(2);
            bool done = false;
            {
                Player me(std::make_unique<MailSupport::PostOfficeMailService>(
                              post, player == 0 ? AliceAddress : BobAddress,
                              player == 0 ? "Alice Amber" : "Bob Birch"),
                          data[player]);
                done = work(me);
                for (const auto& call : me.sink.calls)
                    std::fprintf(stderr, "player %d was told: %s\n", player, call.text.c_str());
            }
            std::fflush(nullptr);
            _exit(done ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    SystemUsers users;
    TempFolder base;
    fs::path post;
    std::vector<fs::path> data;
};

TEST_F(SharedPostOfficeTest, TwoUsersInOneGroupExchangeAGame)
{
    ASSERT_TRUE(AsPlayer(0, [](Player& alice) {
        alice.Store(NewMailGame(1, "Bob Birch", BobAddress, "100120260830"), {Move(1, "5254", "e4")});
        MailSupport::SignOn(alice.transport, false);
        return MailSupport::SendMoveMail(alice.transport, 1);
    }));
    ASSERT_TRUE(AsPlayer(1, [](Player& bob) {
        MailSupport::ConnectAndRetrieve(bob.transport, false, false, true);
        if (bob.state.PendingMoveList != "1;" || !bob.sink.calls.empty())
            return false;
        bob.Reply(1, Move(2, "5755", "e5"));
        return MailSupport::SendMoveMail(bob.transport, 1);
    }));
    ASSERT_TRUE(AsPlayer(0, [](Player& alice) {
        MailSupport::ConnectAndRetrieve(alice.transport, false, false, true);
        return alice.state.PendingMoveList == "1;" && alice.Moves(1).size() == 2
               && alice.sink.calls.empty();
    }));
    // Each took the mail out of the inbox: nothing waits for either.
    for (const char* address : {AliceAddress, BobAddress}) {
        const fs::path inbox = post / address / "new";
        EXPECT_TRUE(fs::is_empty(inbox)) << inbox;
    }
}

} // namespace
} // namespace MailTesting
