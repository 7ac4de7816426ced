#pragma once
// The small window with one line of progress text that shows while the
// program works without answering the user: signing on to mail, fetching
// moves, signing off, upgrading the settings. Support::ShowStatus opens and
// closes it; there is at most one. While a mail operation runs it also
// says what the mail is waiting for and offers Cancel.

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace Support {

class StatusWindow : public QWidget {
    Q_OBJECT
public:
    StatusWindow();

    // Shapes and skins the window, or lays it out plain. False when the
    // skin failed: the window must not be shown.
    bool Form_Load(bool simpleUI);
    // The plain layout: the standard frame, controls moved into the space
    // of the absent picture edge, the window shrunk to match.
    void SetSimpleUI();

    QLabel* StatusText;
    QLabel* StatusIcon;
    // What the mail waits for, and the Cancel of the mail operation; shown
    // only while one runs.
    QLabel* WaitText;
    QPushButton* CancelButton;

    // Shows what the mail hooks say now.
    void RefreshWait();
    void CancelButton_Click();

private:
    QTimer waitTimer_;
};

// How the status window reaches the mail: whether an operation runs, what
// it waits for, and its Cancel. Set by the program's mail, once.
struct StatusMailHooks {
    std::function<bool()> Busy;
    std::function<QString()> Waiting;
    std::function<void()> Cancel;
};
void SetStatusMailHooks(StatusMailHooks hooks);

// visible True: opens the window when it is not open, shows the text and
// paints it at once. visible False: closes it (the text is not used).
void ShowStatus(bool visible, const QString& statusText = QString());

// The open status window, or nullptr.
StatusWindow* OpenStatusWindow();

// Keeps the status window out of the way of a window that must be seen (a
// message of the pass): hides it for the guard's life and shows it again
// afterwards when it is still open.
class StatusStepsAside {
public:
    StatusStepsAside();
    ~StatusStepsAside();
    StatusStepsAside(const StatusStepsAside&) = delete;
    StatusStepsAside& operator=(const StatusStepsAside&) = delete;

private:
    StatusWindow* hidden_ = nullptr;
};

} // namespace Support
