#pragma once
// The program-wide variables as every run starts with them, and the
// command-line switches:
//   "-testingmode"  moves travel as numbered move files instead of mail
//   "-nonetwork"    no mail sign-on; the program stays off-line
//   "-nodpi", "-nores", "-nobpp"  no display DPI, screen width or colour
//                   depth check
//   "-nosound"      no sound at all
// A switch counts wherever it stands in the command line and in any letter
// case, even inside a longer word.

#include <QString>

namespace Support {

// Runs first at start-up. Sets the start values of ProgramState, the data
// folder (created when missing) and the switches from the command line (the
// arguments after the program's name, joined by spaces); fills in the
// program folder when it is not set yet; and routes the sound-cue hook to
// the sound player.
void SetupGlobalVariables(const QString& commandLine);
// The same with this process's own command line.
void SetupGlobalVariables();

// Whether the switch stands anywhere in the command line, any letter case.
bool HasSwitch(const QString& commandLine, const QString& name);

// The folder the program writes its files to: the user's data location for
// organisation "Tallowmere" and application "Marrowdale", then "Data/".
QString DefaultDataPath();

} // namespace Support
