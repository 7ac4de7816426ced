#pragma once
// What the options tests share: a program folder with the generated skin,
// icons and chess sets, a data folder, a hidden tray window with the button
// pictures, a port that records what the options window asks of the tray,
// a modal host that answers message boxes and the file chooser, and the
// options window over them.

#include "tests/foundation/widget_test_support.h"

#include "foundation/options_port.h"
#include "foundation/settings.h"
#include "options/options_page.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace OptionsSupport {
class SelectSound;
}

namespace OptionsTesting {

class OptionsFolders {
public:
    OptionsFolders();
    ~OptionsFolders();
    QString ProgramPath() const { return program_.Path(); }
    QString DataPath() const { return data_.path() + QStringLiteral("/"); }
    QString ChessSetPath(const QString& set) const;
    QString SkinPath(const QString& skin) const { return program_.SkinPath(skin); }
    void CopyChessSet(const QString& from, const QString& to) const;
    void CopySkin(const QString& from, const QString& to) const { program_.CopySkin(from, to); }

private:
    TestSupport::ProgramFolder program_;
    QTemporaryDir data_;
    QWidget tray_;
};

class RecordingPort : public Support::OptionsPort {
public:
    RecordingPort();
    QList<QPixmap> TrayIconImages() override { return icons; }
    void RedrawTrayIcon() override { calls.push_back("RedrawTrayIcon"); }
    void ChessSetChanged() override { calls.push_back("ChessSetChanged"); }
    bool ApplySkinToOpenWindows() override
    {
        calls.push_back("ApplySkinToOpenWindows");
        return skinSucceeds;
    }

    QList<QPixmap> icons; // six sets of three
    bool skinSucceeds = true;
    std::vector<std::string> calls;
};

struct ShownMessage {
    QString caption;
    QString text;
    bool operator==(const ShownMessage&) const = default;
};

// Answers every message box (OK unless an answer is queued) and hands the
// file chooser to its script.
class AnsweringHost : public TestSupport::ScriptedHost {
public:
    AnsweringHost();
    std::vector<ShownMessage> messages;
    std::deque<bool> answers; // True OK, False Cancel; empty: OK
    std::function<void(OptionsSupport::SelectSound&)> chooser;

    std::vector<QString> Captions() const;
};

// The options window over settings of the test's own, its port and its
// modal host recorded.
class OptionsPageFixture : public ::testing::Test {
protected:
    OptionsSupport::OptionsPage& Open()
    {
        page = std::make_unique<OptionsSupport::OptionsPage>(settings, port);
        EXPECT_TRUE(page->Form_Load());
        page->show();
        return *page;
    }

    TestSupport::QtApp app;
    OptionsFolders folders;
    AnsweringHost host;
    RecordingPort port;
    Support::Settings settings;
    std::unique_ptr<OptionsSupport::OptionsPage> page;
};

} // namespace OptionsTesting
