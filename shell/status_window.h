#pragma once
// The small window with one line of progress text that shows while the
// program works without answering the user: signing on to mail, fetching
// moves, signing off, upgrading the settings. Support::ShowStatus opens and
// closes it; there is at most one.

#include <QWidget>

class QLabel;

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
};

// visible True: opens the window when it is not open, shows the text and
// paints it at once. visible False: closes it (the text is not used).
void ShowStatus(bool visible, const QString& statusText = QString());

// The open status window, or nullptr.
StatusWindow* OpenStatusWindow();

} // namespace Support
