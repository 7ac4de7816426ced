#pragma once
// The program's sounds: the numbered cues of game events and any WAV file
// the user chose (the new-move sound). Nothing plays when the program was
// started with "-nosound".

#include <QString>

namespace Support {

// The event cues: the files "Cs001.mds" to "Cs007.mds" in the program folder.
enum SoundCue : int {
    CueGameWon = 1,
    CueCheck = 2,
    CuePiecePickedUp = 3,
    CuePieceDropped = 4,
    CueRefused = 5,     // illegal move, refused action, mail and database errors
    CueInformation = 6, // information, warnings and questions
    CueGameLost = 7,
};

// Starts the WAV file and returns at once, unless sound is switched off; a
// new sound replaces one still playing; failures are ignored.
void PlaySound(const QString& filePath);

// The cue's file: the program folder, "Cs", the number in three digits, ".mds".
QString SoundCueFile(int cue);
void PlaySoundCue(int cue);

// Routes the foundation's cue hook (ProgramState::PlaySoundCue, used by the
// message box and the board) to PlaySoundCue.
void InstallSoundCueHook();

} // namespace Support
