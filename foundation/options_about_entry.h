#pragma once
// The two ways into the options window and the about box, with mail polling
// paused while they are open, and bringing a window to the front.
//
// The windows live in layers above this one: at start-up they put in place
// what shows them modally (through CurrentModalHost()). A hook that is not
// set shows nothing.

#include <QString>

#include <functional>

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

// The options window, modal, with polling paused (PollingPause). A failure
// to open it (an exception) is reported as "Options error" with its text
// and the call returns; the window is not tried again.
void ShowOptions();

// The about box, modal: the mail timer gets its former state back
// afterwards and ModalBusy is cleared, whatever it was before.
void ShowAboutBox();

// Raises and activates the window; nullptr does nothing.
void BringToTop(QWidget* window);

} // namespace Support
