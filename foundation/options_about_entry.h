#pragma once
// The two ways into the options window and the about box, with mail polling
// paused while they are open, and bringing a window to the front.
//
// The windows live in layers above this one: at start-up they put in place
// what shows them modally (through CurrentModalHost()). A hook that is not
// set shows nothing.

#include <QString>

#include <functional>
#include <stdexcept>

class QWidget;

namespace Support {

struct EntryWindowHooks {
    std::function<void()> RunOptionsPage;
    std::function<void()> RunAboutBox;
    // The file chooser in its import mode: the picked move file's full
    // path, or "" when the user cancelled.
    std::function<QString()> PickMoveFile;
};
EntryWindowHooks& EntryWindows();

// What a window throws when it cannot be opened: an error number and its
// description, as the failure messages show them.
class WindowOpenError : public std::runtime_error {
public:
    WindowOpenError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), Number(number)
    {
    }
    int Number;
};
// The error number of a failure in the desktop's automation support.
inline constexpr int AutomationErrorNumber = 440;

// The options window, modal, with polling paused (PollingPause). A failure
// to open it is reported (the automation message for error 440, otherwise
// "Options error" with the error) and the call returns; the window is not
// tried again.
void ShowOptions();

// The about box, modal: the mail timer gets its former state back
// afterwards and ModalBusy is cleared, whatever it was before.
void ShowAboutBox();

// The warning for a failure of the desktop's automation support.
void ShowAutomationError();
extern const QString AutomationErrorText;

// Raises and activates the window; nullptr does nothing.
void BringToTop(QWidget* window);

} // namespace Support
