#include "platform/qt_keychain_passwords.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <qt6keychain/keychain.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace MailSupport {

namespace {

const QString Service = QStringLiteral("Marrowdale");

// The library hands its jobs, one after the other, to the thread that
// asked first, and answers them there; so every question of the process
// is asked on this one thread, which lives until the application ends.
class KeyringThread {
public:
    static QObject* Context()
    {
        static KeyringThread* instance = [] {
            auto* made = new KeyringThread;
            qAddPostRoutine(&KeyringThread::Stop);
            return made;
        }();
        return instance->context_;
    }

private:
    KeyringThread()
    {
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("Keyring"));
        context_ = new QObject;
        context_->moveToThread(thread_);
        thread_->start();
    }
    // A question that never came back must not hold the end of the
    // program: the thread is left to the end of the process then.
    static void Stop()
    {
        QThread* thread = Context()->thread();
        thread->quit();
        thread->wait(1000);
    }
    QThread* thread_ = nullptr;
    QObject* context_ = nullptr;
};

struct Reply {
    std::mutex lock;
    std::condition_variable answered;
    bool done = false;
    QKeychain::Error error = QKeychain::NoError;
    QString text;
};

// Questions asked and not yet answered by the library.
std::atomic<int> unanswered{0};

KeyringAnswer Ask(const std::function<QKeychain::Job*()>& make, std::chrono::milliseconds deadline,
                  QString* text = nullptr)
{
    // One question at a time, so that a slow one is seen by the next.
    static std::mutex asking;
    std::lock_guard one(asking);
    if (unanswered.load() > 0)
        return KeyringAnswer::NoAnswer;
    if (!QCoreApplication::instance())
        return KeyringAnswer::NoAnswer;
    auto reply = std::make_shared<Reply>();
    ++unanswered;
    QMetaObject::invokeMethod(
        KeyringThread::Context(),
        [make, reply] {
            QKeychain::Job* job = make();
            // Deleted by the library once it has answered, however late.
            job->setAutoDelete(true);
            job->setInsecureFallback(false);
            QObject::connect(job, &QKeychain::Job::finished, [reply](QKeychain::Job* finished) {
                std::lock_guard guard(reply->lock);
                reply->error = finished->error();
                if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished))
                    reply->text = read->textData();
                reply->done = true;
                --unanswered;
                reply->answered.notify_all();
            });
            job->start();
        },
        Qt::QueuedConnection);
    std::unique_lock wait(reply->lock);
    if (!reply->answered.wait_for(wait, deadline, [&reply] { return reply->done; }))
        return KeyringAnswer::NoAnswer;
    switch (reply->error) {
    case QKeychain::NoError:
        if (text)
            *text = reply->text;
        return KeyringAnswer::Done;
    case QKeychain::EntryNotFound:
        return KeyringAnswer::NotFound;
    default:
        return KeyringAnswer::NoAnswer;
    }
}

} // namespace

QtKeychainPasswords::QtKeychainPasswords(std::chrono::milliseconds deadline) : deadline_(deadline) { }

KeyringAnswer QtKeychainPasswords::Read(const std::string& key, std::string& password)
{
    const QString name = QString::fromStdString(key);
    QString text;
    const KeyringAnswer answer = Ask(
        [name] {
            auto* job = new QKeychain::ReadPasswordJob(Service);
            job->setKey(name);
            return job;
        },
        deadline_, &text);
    if (answer == KeyringAnswer::Done)
        password = text.toStdString();
    return answer;
}

KeyringAnswer QtKeychainPasswords::Write(const std::string& key, const std::string& password)
{
    const QString name = QString::fromStdString(key);
    const QString text = QString::fromStdString(password);
    return Ask(
        [name, text] {
            auto* job = new QKeychain::WritePasswordJob(Service);
            job->setKey(name);
            job->setTextData(text);
            return job;
        },
        deadline_);
}

KeyringAnswer QtKeychainPasswords::Remove(const std::string& key)
{
    const QString name = QString::fromStdString(key);
    const KeyringAnswer answer = Ask(
        [name] {
            auto* job = new QKeychain::DeletePasswordJob(Service);
            job->setKey(name);
            return job;
        },
        deadline_);
    return answer == KeyringAnswer::NotFound ? KeyringAnswer::Done : answer;
}

PasswordKeyring& DesktopKeyring()
{
    static QtKeychainPasswords keyring;
    return keyring;
}

} // namespace MailSupport
