// Mail off the window thread. Servers that accept a connection and never
// answer, or answer a byte a second, neither freeze the windows (a 100 ms
// timer keeps firing throughout) nor outlast the stall time and the
// deadline; the start shows the list or the icon without waiting for one;
// Exit while an operation hangs ends the program at once, and Cancel in the
// status window leaves it off-line at once. A closed port, an
// unknown server and a silent one each fail in their own words.
#include "dialogs/splash_hand_over.h"
#include "foundation/msg_form.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "platform/mail_internet.h"
#include "platform/registry.h"
#include "shell/game_interface.h"
#include "shell/program_mail.h"
#include "shell/program_services.h"
#include "shell/status_window.h"
#include "shell/system_tray.h"
#include "tests/shell/shell_test_support.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <cctype>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace SysTraySupport;
using namespace std::chrono_literals;

namespace {

enum class Answer { Never, ByteASecond };

// A mail server on a loopback port that takes every connection and then
// says nothing, or its greeting one byte a second, until stopped.
class LoopbackServer {
public:
    explicit LoopbackServer(Answer answer)
    {
        listen_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(listen_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listen_, 8) != 0
            || getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            ADD_FAILURE() << "no loopback port";
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, answer] { Serve(answer); });
    }
    ~LoopbackServer() { Stop(); }
    void Stop()
    {
        if (stop_.exchange(true))
            return;
        thread_.join();
        for (int client : clients_)
            close(client);
        close(listen_);
    }
    int Port() const { return port_; }

private:
    void Serve(Answer answer)
    {
        const std::string greeting = "* OK the greeting that never ends ";
        std::size_t sent = 0;
        auto last = std::chrono::steady_clock::now();
        while (!stop_) {
            pollfd waiting{listen_, POLLIN, 0};
            if (poll(&waiting, 1, 50) > 0)
                clients_.push_back(accept(listen_, nullptr, nullptr));
            if (answer == Answer::ByteASecond && std::chrono::steady_clock::now() - last >= 1s) {
                last = std::chrono::steady_clock::now();
                for (int client : clients_)
                    (void)!send(client, &greeting[sent % greeting.size()], 1, MSG_NOSIGNAL);
                ++sent;
            }
        }
    }

    int listen_ = -1;
    int port_ = 0;
    std::vector<int> clients_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

enum class Dialect { Imap, Pop3, Smtp };

// A mail server on a loopback port that speaks its protocol in plain text
// and offers no STARTTLS: the capabilities leave it out and the command is
// refused. It notes whether the password ever reached it.
class NoStartTlsServer {
public:
    explicit NoStartTlsServer(Dialect dialect) : dialect_(dialect)
    {
        listen_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(listen_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listen_, 8) != 0
            || getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            ADD_FAILURE() << "no loopback port";
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~NoStartTlsServer()
    {
        stop_ = true;
        thread_.join();
        close(listen_);
    }
    int Port() const { return port_; }
    bool PasswordSeen() const { return passwordSeen_; }

private:
    void Serve()
    {
        while (!stop_) {
            pollfd waiting{listen_, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0)
                continue;
            const int client = accept(listen_, nullptr, nullptr);
            Talk(client);
            close(client);
        }
    }
    void Say(int client, const std::string& text)
    {
        (void)!send(client, text.data(), text.size(), MSG_NOSIGNAL);
    }
    void Talk(int client)
    {
        Say(client, dialect_ == Dialect::Imap   ? "* OK [CAPABILITY IMAP4rev1 AUTH=PLAIN] ready\r\n"
                    : dialect_ == Dialect::Pop3 ? "+OK ready\r\n"
                                                : "220 test ESMTP ready\r\n");
        std::string pending;
        char buffer[512];
        while (!stop_) {
            pollfd readable{client, POLLIN, 0};
            if (poll(&readable, 1, 50) <= 0)
                continue;
            const ssize_t got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0)
                return;
            pending.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending.find("\r\n")) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 2);
                if (line.find("chess") != std::string::npos)
                    passwordSeen_ = true;
                if (!Answer(client, line))
                    return;
            }
        }
    }
    // False once the conversation is over.
    bool Answer(int client, const std::string& line)
    {
        const std::string upper = [&] {
            std::string u = line;
            for (char& c : u)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return u;
        }();
        if (dialect_ == Dialect::Imap) {
            const std::string tag = line.substr(0, line.find(' '));
            if (upper.find(" CAPABILITY") != std::string::npos)
                Say(client, "* CAPABILITY IMAP4rev1 AUTH=PLAIN\r\n" + tag + " OK done\r\n");
            else if (upper.find(" LOGOUT") != std::string::npos) {
                Say(client, "* BYE\r\n" + tag + " OK bye\r\n");
                return false;
            } else
                Say(client, tag + " BAD not offered here\r\n");
        } else if (dialect_ == Dialect::Pop3) {
            if (upper.rfind("CAPA", 0) == 0)
                Say(client, "+OK\r\nUSER\r\nUIDL\r\n.\r\n");
            else if (upper.rfind("QUIT", 0) == 0) {
                Say(client, "+OK bye\r\n");
                return false;
            } else
                Say(client, "-ERR not offered here\r\n");
        } else {
            if (upper.rfind("EHLO", 0) == 0)
                Say(client, "250-test\r\n250 AUTH PLAIN LOGIN\r\n");
            else if (upper.rfind("HELO", 0) == 0)
                Say(client, "250 test\r\n");
            else if (upper.rfind("QUIT", 0) == 0) {
                Say(client, "221 bye\r\n");
                return false;
            } else
                Say(client, "502 not offered here\r\n");
        }
        return true;
    }

    Dialect dialect_;
    int listen_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> passwordSeen_{false};
    std::thread thread_;
};

MailSupport::MailAccount AccountAt(int port)
{
    MailSupport::MailAccount account;
    account.Protocol = MailSupport::InboxProtocol::Imap;
    account.InboxServer = account.SmtpServer = "127.0.0.1";
    account.InboxPort = account.SmtpPort = port;
    account.InboxSecurity = account.SmtpSecurity = MailSupport::ConnectionSecurity::None;
    account.SmtpAuthentication = false;
    account.UserName = account.Address = "alice@marrowdale.test";
    account.Password = "chess";
    account.DisplayName = "Alice Amber";
    return account;
}

// A port nothing listens on.
int ClosedPort()
{
    const LoopbackServer server(Answer::Never);
    return server.Port();
}

// The longest wait between two ticks of a 100 ms timer while it runs.
class Ticker {
public:
    Ticker()
    {
        timer_.setInterval(100);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            LongestGapMs = std::max(LongestGapMs, clock_.restart());
            ++Ticks;
        });
        clock_.start();
        timer_.start();
    }
    qint64 LongestGapMs = 0;
    int Ticks = 0;

private:
    QTimer timer_;
    QElapsedTimer clock_;
};

class MailThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureQtApp();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
        Support::Globals().DataPath = folders.DataPath();
        Support::Globals().Mail = MailSupport::MailState{};
        Support::SetLogonStatus(false);
        host.Script = [this](QWidget& window) {
            if (auto* box = qobject_cast<Support::MsgForm*>(&window))
                captions.push_back(box->FormCaption->text());
            else
                captions.push_back(window.metaObject()->className());
            window.hide();
        };
    }

    QTemporaryDir home;
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    std::vector<QString> captions;
};

TEST_F(MailThreadTest, HungServerNeitherFreezesTheWindowsNorOutlastsTheDeadline)
{
    const MailSupport::MailTimeouts timeouts{1500ms, 4000ms};
    for (Answer answer : {Answer::Never, Answer::ByteASecond}) {
        SCOPED_TRACE(answer == Answer::Never ? "never answers" : "a byte a second");
        captions.clear();
        Support::Globals().Mail.MailOffline = true;
        LoopbackServer server(answer);
        ProgramMail mail(
            std::make_unique<MailSupport::InternetMailService>(AccountAt(server.Port()), timeouts), {});
        Ticker ticker;
        QElapsedTimer clock;
        clock.start();
        mail.ConnectAndRetrieve(false, true, true);
        const qint64 took = clock.elapsed();

        EXPECT_LT(ticker.LongestGapMs, 500);
        EXPECT_GE(ticker.Ticks, 10);
        EXPECT_LT(took, timeouts.Deadline.count() + 1500);
        EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Network error.")}));
        EXPECT_TRUE(Support::Globals().Mail.MailOffline);
        EXPECT_FALSE(Support::GetLogonStatus());
        EXPECT_FALSE(mail.Busy());
    }
}

TEST_F(MailThreadTest, EachFailureToConnectIsToldInItsOwnWordsWithinItsTime)
{
    // Short times stand in for the 15 s connect time and the 30 s stall.
    const MailSupport::MailTimeouts timeouts{1000ms, 4000ms, 2000ms};
    LoopbackServer silent(Answer::Never);
    struct Case {
        const char* what;
        std::string server;
        int port;
        MailSupport::MailFailure failure;
        const char* words;
    };
    const Case cases[] = {
        {"closed port", "127.0.0.1", ClosedPort(), MailSupport::MailFailure::Refused,
         "refused the connection"},
        {"unknown server", "no-such-server.invalid", 143, MailSupport::MailFailure::NotFound,
         "was not found"},
        {"silent server", "127.0.0.1", silent.Port(), MailSupport::MailFailure::TimedOut,
         "did not answer in time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MailSupport::MailAccount account = AccountAt(c.port);
        account.InboxServer = c.server;
        MailSupport::InternetMailService mail(account, timeouts);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(mail.SignOn());
        EXPECT_LT(clock.elapsed(), timeouts.Connect.count() + timeouts.Stall.count() + 500);
        EXPECT_EQ(mail.LastFailure(), c.failure);
        EXPECT_NE(mail.LastError().find(c.words), std::string::npos) << mail.LastError();
        EXPECT_NE(mail.LastError().find(c.server), std::string::npos) << mail.LastError();
        EXPECT_FALSE(mail.Cancelled());
    }
}

// An account that asks for STARTTLS at a server that does not offer it: the
// log-on (or the sending) stops before the password goes out, and the user
// is told so in the program's words, with the server's name.
TEST_F(MailThreadTest, AServerWithoutStartTlsIsToldInTheProgramsWords)
{
    const MailSupport::MailTimeouts timeouts{2000ms, 6000ms, 3000ms};
    const std::string words =
        "The mail server 127.0.0.1 does not offer an encrypted connection (STARTTLS), "
        "so Marrowdale did not send your password.";
    for (Dialect dialect : {Dialect::Imap, Dialect::Pop3, Dialect::Smtp}) {
        SCOPED_TRACE(dialect == Dialect::Imap ? "IMAP" : dialect == Dialect::Pop3 ? "POP3" : "SMTP");
        NoStartTlsServer server(dialect);
        MailSupport::MailAccount account = AccountAt(server.Port());
        account.InboxSecurity = account.SmtpSecurity = MailSupport::ConnectionSecurity::StartTls;
        account.Protocol = dialect == Dialect::Pop3 ? MailSupport::InboxProtocol::Pop3
                                                    : MailSupport::InboxProtocol::Imap;
        account.SmtpAuthentication = true;
        MailSupport::InternetMailService mail(account, timeouts);
        if (dialect == Dialect::Smtp)
            EXPECT_FALSE(mail.Send({"bob@marrowdale.test", "Bob", "Marrowdale move", "e2e4"}));
        else
            EXPECT_FALSE(mail.SignOn());
        EXPECT_EQ(mail.LastError(), words);
        EXPECT_FALSE(server.PasswordSeen());
    }
}

// The status window while the program waits for a silent server: it says
// so, and its Cancel ends the retrieval off-line at once, with no message.
TEST_F(MailThreadTest, CancelInTheStatusWindowLeavesTheProgramOffLineAtOnce)
{
    Support::ProgramSettings().SimpleUI = true;
    LoopbackServer server(Answer::Never);
    auto wait = std::make_shared<MailSupport::MailWait>();
    // The times of the program itself: only Cancel can end this in time.
    ProgramMail mail(std::make_unique<MailSupport::InternetMailService>(
                         AccountAt(server.Port()), MailSupport::MailTimeouts{}, wait),
                     {}, wait);
    Support::Globals().Mail.MailOffline = true;
    Ticker ticker;
    QString waiting;
    bool cancelShown = false;
    QElapsedTimer sinceCancel;
    QTimer::singleShot(600, [&] {
        Support::StatusWindow* status = Support::OpenStatusWindow();
        ASSERT_NE(status, nullptr);
        status->RefreshWait();
        waiting = status->WaitText->text();
        cancelShown = status->CancelButton->isVisible();
        sinceCancel.start();
        status->CancelButton->click();
    });
    mail.ConnectAndRetrieve(false, true, true);

    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 1000);
    EXPECT_EQ(waiting, QStringLiteral("Waiting for 127.0.0.1 to answer..."));
    EXPECT_TRUE(cancelShown);
    EXPECT_LT(ticker.LongestGapMs, 500);
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_TRUE(captions.empty());
    EXPECT_EQ(Support::OpenStatusWindow(), nullptr);
    EXPECT_FALSE(Support::GetLogonStatus());
    EXPECT_FALSE(mail.Busy());
    Support::ProgramSettings().SimpleUI = false;
}

class MemoryAccountStore : public MailSupport::MailAccountStore {
public:
    std::optional<MailSupport::MailAccount> Load() override { return kept; }
    bool Save(const MailSupport::MailAccount& account) override
    {
        kept = account;
        return true;
    }
    std::optional<MailSupport::MailAccount> kept;
};

// The start never waits for the mail: against a server that takes the
// connection and never answers, the list (or the tray icon) is up within
// the splash's own time and a little, the sign-on goes on behind it with
// the status window, and its Cancel leaves the program off-line at once.
// The windows answer throughout.
TEST_F(MailThreadTest, TheStartNeverWaitsForASilentServer)
{
    for (const bool desktopTray : {false, true}) {
        SCOPED_TRACE(desktopTray ? "tray icon" : "game list");
        TrayIcon::PretendDesktopHasTray(desktopTray);
        Support::SetLogonStatus(false);
        LoopbackServer server(Answer::Never);
        MemoryAccountStore accounts;
        accounts.kept = AccountAt(server.Port());
        ProgramServices services(&accounts, QStringLiteral("-nodpi -nores -nobpp -nosound"));
        SystemTray tray(services.Services());
        services.Attach(tray);
        const auto shown = [&] {
            if (desktopTray)
                return tray.TrayIcon.IsShown();
            return services.GameList.Window() && services.GameList.Window()->isVisible();
        };

        // The pass runs inside the program's loop: it is watched from there.
        Ticker ticker;
        QElapsedTimer sinceStart, statusSeen, sinceCancel;
        qint64 shownAt = -1;
        QString statusText;
        bool cancelShown = false, busyBehind = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (shownAt < 0 && shown())
                shownAt = sinceStart.elapsed();
            Support::StatusWindow* status = Support::OpenStatusWindow();
            if (!status || shownAt < 0 || sinceCancel.isValid())
                return;
            if (!statusSeen.isValid())
                statusSeen.start();
            // Cancel once it has stood a moment.
            if (statusSeen.elapsed() < 300)
                return;
            status->RefreshWait();
            statusText = status->StatusText->text();
            cancelShown = status->CancelButton->isVisible();
            busyBehind = Support::Globals().ModalBusy && !tray.FirstRetrievalOver();
            captions.clear();
            sinceCancel.start();
            status->CancelButton->click();
        });
        watch.start(20);
        sinceStart.start();
        ASSERT_TRUE(tray.Form_Load());
        ASSERT_NE(services.Splash.Window(), nullptr);
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray, 40000));
        watch.stop();

        ASSERT_GE(shownAt, 0);
        EXPECT_LT(shownAt, SplashSupport::MinimumShowMilliseconds + 2000);
        // Behind it: "Logging on..." with Cancel, and the program busy.
        ASSERT_TRUE(sinceCancel.isValid());
        EXPECT_LT(sinceCancel.elapsed(), 1000);
        EXPECT_EQ(statusText, QStringLiteral("Logging on..."));
        EXPECT_TRUE(cancelShown);
        EXPECT_TRUE(busyBehind);
        // Off-line, with nothing to report, and the program running.
        EXPECT_TRUE(Support::Globals().Mail.MailOffline);
        EXPECT_FALSE(Support::Globals().ModalBusy);
        EXPECT_EQ(Support::OpenStatusWindow(), nullptr);
        EXPECT_TRUE(captions.empty());
        if (desktopTray)
            EXPECT_EQ(tray.TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
        else
            EXPECT_EQ(services.GameList.Window()->windowTitle(),
                      QStringLiteral("Marrowdale : Not connected"));
        EXPECT_EQ(services.Menu.mnuPopupRetrieve->text(), QStringLiteral("Logon / Retrieve games"));
        EXPECT_LT(ticker.LongestGapMs, 500);
        EXPECT_GE(ticker.Ticks, 20);
        tray.mnuPopupExit_Click();
        // The list's own closing queued the end of its program: it ends
        // that one, not the next.
        QTest::qWait(50);
        server.Stop();
    }
    TrayIcon::PretendDesktopHasTray(std::nullopt);
}

TEST_F(MailThreadTest, ExitWhileARetrievalHangsEndsTheProgramAtOnce)
{
    TrayIcon::PretendDesktopHasTray(true);
    LoopbackServer server(Answer::Never);
    MemoryAccountStore accounts;
    accounts.kept = AccountAt(ClosedPort());
    {
        ProgramServices services(&accounts, QStringLiteral("-nodpi -nores -nobpp -nosound"));
        SystemTray tray(services.Services());
        services.Attach(tray);
        // Started off-line: nothing listens where the account points.
        ASSERT_TRUE(tray.Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
        EXPECT_TRUE(Support::Globals().Mail.MailOffline);

        // Now the server is there but never answers; Exit half a second
        // into the retrieval.
        accounts.kept = AccountAt(server.Port());
        Support::ProgramSettings().SearchDepth = 5;
        QElapsedTimer sinceExit;
        QTimer::singleShot(500, [&] {
            sinceExit.start();
            tray.mnuPopupExit_Click();
        });
        tray.mnuPopupRetrieve_Click();
        ASSERT_TRUE(sinceExit.isValid());
        EXPECT_LT(sinceExit.elapsed(), 2000);
        EXPECT_FALSE(tray.TrayIcon.IsShown());
        EXPECT_TRUE(services.Mail->LeftRunning());
        // Nothing lost: the settings are saved, the database backed up, and
        // the next start speaks of no crash.
        EXPECT_EQ(
            Registry::QueryValue(Registry::SettingsSubkey, QStringLiteral("SearchDepth")).ToNumber(), 5);
        EXPECT_FALSE(Support::GetLogonStatus());
        server.Stop();
    }
    TrayIcon::PretendDesktopHasTray(std::nullopt);
}

} // namespace
