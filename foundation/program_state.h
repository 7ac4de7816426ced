#pragma once
// The program-wide variables every window shares, grouped by what they are
// about: where the files are, the start-up switches, the polling and busy
// flags, the hooks, and the mail state. One instance for the run, reached
// through Globals(); each group can also be handed on alone, as the part of
// ProgramState it is.
//
// Services that later layers provide (sound cues, the end of the program,
// the tray's mail timer) are held here as hooks, so that the foundation can
// call them without knowing who implements them; an empty hook does nothing.
//
// The state of an open game belongs to the board and the list's sorting and
// selection to the list: neither is kept here.

#include "store/data_folder.h"
#include "store/mail_support.h"
#include "store/sound_cue.h"

#include <QString>

#include <functional>

class QWidget;

namespace Support {

// Where the program's files are.
struct ProgramFolders {
    // Read-only shipped files: "UI Graphics/", "Graphics/", sound cues, icons.
    QString ProgramFolder;
    // Files the program writes (game database, move files), ending in "/".
    QString DataPath;
    QString DatabaseFileName = QStringLiteral("Mdgdb.dat"); // game database in DataPath
};

// Start-up switches and values set by SetupGlobalVariables (global_setup.h).
struct StartupSwitches {
    bool DPICheck = true;         // "-nodpi" absent: check the display DPI
    bool ResolutionCheck = true;  // "-nores" absent: check the screen width
    bool ColourDepthCheck = true; // "-nobpp" absent: check the colour depth
    bool SoundAllowed = true;     // "-nosound" absent: cues and notification sound play
    bool SimpleUIForced = false;  // a display check forced the plain-window mode this run
};

// Mail polling and what pauses it; where the run stands.
struct BusyFlags {
    // The tray's mail timer is switched on and off through SetCheckTimer.
    bool CheckTimerEnabled = false;
    // A modal window or a game start is in progress: no mail polling.
    bool ModalBusy = false;
    // The tray window's start-up has completed.
    bool StartupDone = false;
    // The program is ending after a fatal failure; unload handlers skip
    // their normal closing work.
    bool Quitting = false;
    // A skin with button pictures was loaded; toolbars repaint their faces.
    bool SkinRefreshPending = false;
    // The user (or the desktop) has asked the program to end; the exit
    // work is queued and runs once.
    bool ExitQueued = false;
};

// What the layers above put in place for the foundation to call.
struct ProgramHooks {
    // The running tray window (the one place it is held), owner of the help
    // windows closed at the end; null while there is none.
    QWidget* TrayForm = nullptr;
    // The tray window connects its mail timer here (see SetCheckTimer).
    std::function<void(bool enabled)> CheckTimerSwitched;
    // Plays sound cue n (the "Cs" + three digits + ".mds" file).
    std::function<void(SoundCue cue)> PlaySoundCue;
    // Ends the program without saving the settings after a fatal failure
    // (tray icon removed, mail signed off, every window unloaded). Without
    // it the Qt event loop is asked to exit.
    std::function<void()> EndProgram;
};

struct ProgramState : ProgramFolders, StartupSwitches, BusyFlags, ProgramHooks {
    // The mail state: off-line, the "-nonetwork" and "-testingmode"
    // switches, the pending moves. The mail transport works on it directly.
    MailSupport::MailState Mail;
    // The printer the last Print of the print options dialog selected, for
    // every printout after it in this run; "" for the system's default.
    QString CurrentPrinter;
};

ProgramState& Globals();

// Every program-wide variable back to its first value (for tests).
void ResetGlobals();

// The program's data folder, where the game database lives; messages go to
// the sink when one is given.
Database::DataFolder ProgramDataFolder(MessageSink* sink = nullptr);

// The tray mail timer's enabled state; sets it and tells the tray.
void SetCheckTimer(bool enabled);
bool CheckTimerEnabled();

// The shipped files' folder beside the executable: <bin>/../share/marrowdale.
QString DefaultProgramFolder();

} // namespace Support
