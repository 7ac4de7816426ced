#pragma once
// What the window tests share: a QApplication on the offscreen platform,
// a program folder holding a copy of the generated artwork, and a modal
// host that answers each modal window with a script instead of waiting.

#include "foundation/modal_host.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <vector>

class QWidget;

namespace TestSupport {

// Creates the one QApplication of the test program (offscreen, with the
// user's folders pointed at a temporary place) the first time it is asked.
void EnsureQtApp();
// As a fixture's first member: the application exists before its widgets.
struct QtApp {
    QtApp() { EnsureQtApp(); }
};

// Copies the folder `from` with everything below it to `to`; false at the
// first file or folder that cannot be copied.
bool CopyTree(const QString& from, const QString& to);

// A temporary program folder with a copy of the generated "UI Graphics"
// and "Icons" folders; it becomes the program's folder while it lives and
// the settings get their defaults back.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString Path() const { return dir_.path(); }
    QString SkinPath(const QString& skin) const;
    // Copies a skin folder of this program folder under a new name.
    void CopySkin(const QString& from, const QString& to) const;
    void RemoveSkinFile(const QString& skin, const QString& file) const;
    // Adds a copy of the generated chess sets ("Graphics").
    void AddChessSets() const;
    QString ChessSetPath(const QString& set) const;
    // Copies a chess set of this program folder under a new name.
    void CopyChessSet(const QString& from, const QString& to) const;

private:
    QTemporaryDir dir_;
};

struct SystemMessageRecord {
    Support::SystemMessageIcon icon;
    QString title;
    QString text;
};

// Shows each modal window without blocking, runs the script on it (which
// answers it with keys, clicks or ticks) and returns.
class ScriptedHost : public Support::ModalHost {
public:
    ScriptedHost();
    ~ScriptedHost() override;

    std::function<void(QWidget& window)> Script;
    int ModalRuns = 0;
    // Whether the window was still shown after the script ran.
    bool LeftOpen = false;
    std::vector<SystemMessageRecord> SystemMessages;

    void RunModal(QWidget& window) override;
    void SystemMessage(Support::SystemMessageIcon icon, const QString& title,
                       const QString& text) override;
};

// What is wrong with a skinned window's caption on its title band: empty
// when the label shows the window's title, whole, inside the band and
// clear of every other control shown there.
QString TitleCaptionFault(const QWidget& window);

} // namespace TestSupport
