#pragma once
// The program-wide variables every window shares: where the shipped files
// are, the tray window and its mail timer, and the busy flags that pause
// mail polling. One instance for the run, reached through Globals().
//
// Services that later layers provide (sound cues, the end of the program)
// are held here as hooks, so that the foundation can call them without
// knowing who implements them; an empty hook does nothing.

#include "store/mail_support.h"

#include <QString>

#include <functional>

class QWidget;

namespace Support {

struct ProgramState {
    // Read-only shipped files: "UI Graphics/", "Graphics/", sound cues, icons.
    QString ProgramFolder;
    // Files the program writes (game database, move files), ending in "/".
    QString DataPath;

    // The hidden tray window; other windows reach its picture stores
    // ("ButtonImages", "ChessSet", "IconSet") by name through it.
    QWidget* TrayForm = nullptr;

    // The tray's mail timer is switched on and off through SetCheckTimer;
    // the tray window connects its QTimer to CheckTimerSwitched.
    bool CheckTimerEnabled = false;
    std::function<void(bool enabled)> CheckTimerSwitched;

    // A modal window or a game start is in progress: no mail polling.
    bool ModalBusy = false;
    // The tray window's start-up has completed.
    bool StartupDone = false;
    // The program is ending after a fatal failure; unload handlers skip
    // their normal closing work.
    bool Quitting = false;
    // A skin with button pictures was loaded; toolbars repaint their faces.
    bool SkinRefreshPending = false;

    // Plays sound cue n (the "Cs" + three digits + ".mds" file).
    std::function<void(int cue)> PlaySoundCue;
    // Ends the program without saving the settings after a fatal failure
    // (tray icon removed, mail signed off, every window unloaded). Without
    // it the Qt event loop is asked to exit.
    std::function<void()> EndProgram;

    // The mail state: off-line, the "-nonetwork" and "-testingmode"
    // switches, the pending moves. The mail transport works on it directly.
    MailSupport::MailState Mail;

    // Start-up switches and values set by SetupGlobalVariables (global_setup.h).
    bool DPICheck = true;              // "-nodpi" absent: check the display DPI
    bool ResolutionCheck = true;       // "-nores" absent: check the screen width
    bool ColourDepthCheck = true;      // "-nobpp" absent: check the colour depth
    bool SoundAllowed = true;          // "-nosound" absent: cues and notification sound play
    bool SimpleUIForced = false;       // a display check forced the plain-window mode this run
    QString DatabaseFileName = QStringLiteral("Mdgdb.dat");  // game database in DataPath
    bool Checkmated = false;           // the game on the board has ended in mate
    int CurrentGameID = -1;            // the game the board opens or shows; -1 a new game
    bool ReturnToGameList = true;      // the board returns to the game list when it closes
    bool GameListShown = false;        // the game list window is loaded
};

ProgramState& Globals();

// The tray mail timer's enabled state; sets it and tells the tray.
void SetCheckTimer(bool enabled);
bool CheckTimerEnabled();

// The shipped files' folder beside the executable: <bin>/../share/marrowdale.
QString DefaultProgramFolder();

} // namespace Support
