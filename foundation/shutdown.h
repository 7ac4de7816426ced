#pragma once
// The end of a run. Each of the program's windows is a single instance that
// registers itself here while it is loaded, with what unloads it and what
// releases its instance, so that CloseDown can take every window down in a
// fixed order whichever of them happen to be loaded.

#include <QString>
#include <QStringList>

#include <functional>

namespace Support {

struct WindowInstance {
    // Unloads the window (its own unload handler runs); called once.
    std::function<void()> Unload;
    // Drops the program's reference to the instance, so a later use makes a
    // fresh one. May be empty.
    std::function<void()> Release;
};

// The windows CloseDown unloads, in its order. The print options dialog and
// the set-up warnings dialog are not among them: their callers unload them.
const QStringList& CloseDownOrder();

// A window registers as it loads and forgets itself when it unloads on its
// own; registering a name again replaces the earlier entry.
void RegisterWindow(const QString& name, WindowInstance instance);
void ForgetWindow(const QString& name);
bool IsWindowLoaded(const QString& name);

// Unloads and releases one registered window; nothing when it is not loaded.
// The entry is taken out first, so an unload handler that ends up here again
// (the tray window's unload calls CloseDown) does not unload it twice.
void UnloadWindow(const QString& name);

// Saves the settings when `save` (only after a completed start-up), then
// unloads every loaded window in CloseDownOrder and afterwards releases
// their instances in the same order.
void CloseDown(bool save);

// Runs the work from the program's own event loop once every handler on the
// stack has returned: never inside a menu's or a modal window's own loop.
// The exit deletes the tray icon and the windows, and a handler of theirs
// still running would be left on freed memory.
// While it waits for a nested loop, unwind (when given) is run at each look,
// to end that loop.
void RunWhenUnwound(std::function<void()> work, std::function<void()> unwind = {});

// Closes the open popup menu and hides the open modal window, which ends
// their loops; their callers go on as after Escape.
void CloseOpenLoops();

// Queues the exit work (RunWhenUnwound) unless an exit is queued already:
// the first request wins, a second one (a key pressed twice, the list's
// Exit while the tray's is on its way) does nothing and returns False.
// With closeOpenLoops the exit does not wait for the user: open menus and
// modal windows are closed (the desktop asking the program to end).
bool QueueExit(std::function<void()> work, bool closeOpenLoops = false);

// The game list's exit command: a silent backup of the game database, the
// game list unloaded, then the tray window, whose unload finishes the
// shut-down. Without a tray window loaded (early start-up) the tray's part
// is done here: help closed and, unless Quitting, CloseDown(StartupDone).
// Finally the event loop is asked to end.
void ExitProgram();
// The same, queued (QueueExit): what the game list's "Exit Marrowdale" and
// its closing as the main window ask for.
void RequestExitProgram();

} // namespace Support
