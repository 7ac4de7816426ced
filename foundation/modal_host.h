#pragma once
// Every modal window of the program is shown through the current ModalHost.
// The program's host runs a local event loop until the window hides; a test
// installs its own host that answers the window (keys, clicks, timer ticks)
// and returns, so no test ever waits on a modal loop.

#include <QString>

class QWidget;

namespace Support {

enum class SystemMessageIcon { Information, Warning, Critical };

class ModalHost {
public:
    virtual ~ModalHost() = default;
    // Shows the window modally; returns once it has been hidden (or, in a
    // test, once the test has answered it).
    virtual void RunModal(QWidget& window) = 0;
    // The platform's own message box with an OK button: for the reports
    // made before any skin is loaded and for the fatal skin failure.
    virtual void SystemMessage(SystemMessageIcon icon, const QString& title, const QString& text) = 0;
};

// The host in use; the program's own unless a test has put another in place.
ModalHost& CurrentModalHost();
// nullptr puts the program's own host back. The caller keeps ownership.
void SetModalHost(ModalHost* host);

} // namespace Support
