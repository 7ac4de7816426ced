#pragma once
// What the shell tests share: a program folder with the generated artwork
// (skin, icons and the chess sets) and a data folder of their own.

#include "tests/foundation/widget_test_support.h"

#include <QString>
#include <QTemporaryDir>

class QWidget;

namespace SysTraySupport {
class SystemTray;
}

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ShellTesting {

class ShellFolders {
public:
    ShellFolders();
    ~ShellFolders();
    QString ProgramPath() const { return program_.Path(); }
    QString DataPath() const { return data_.path() + QStringLiteral("/"); }
    QString ChessSetPath(const QString& set) const;
    // Copies the generated chess set under another name.
    void CopyChessSet(const QString& from, const QString& to) const;

private:
    TestSupport::ProgramFolder program_;
    QTemporaryDir data_;
};

// Saves the widget's picture as <name>.png in this run's own temporary folder; the path.
QString SaveScreenshot(QWidget& widget, const QString& name);

// The program as the tray window finds it before its start-up: not quitting,
// not started, no modal window open, no poll timer, mail off-line, and a
// desktop with a notification area; every box the tray itself shows through
// the real message box is hidden at once.
void ResetBeforeTrayStartup(TestSupport::ScriptedHost& host);

// Lets the event loop run until the started tray's first mail pass (queued
// behind the start-up) has ended; false when it did not within the time.
bool FinishFirstRetrieval(SysTraySupport::SystemTray& tray, int timeoutMs = 60000);

// Stores a game with the given id and status in the data folder.
void StoreGame(const QString& dataPath, int id, int status);

} // namespace ShellTesting
