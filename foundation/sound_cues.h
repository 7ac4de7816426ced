#pragma once
// The program's sounds: the numbered cues of game events and any WAV file
// the user chose (the new-move sound). Nothing plays when the program was
// started with "-nosound".

#include "store/sound_cue.h"

#include <QString>

namespace Support {

// Starts the WAV file and returns at once, unless sound is switched off; a
// new sound replaces one still playing; failures are ignored.
void PlaySound(const QString& filePath);

// The cue's file: the program folder, "Cs", the number in three digits, ".mds".
QString SoundCueFile(SoundCue cue);
void PlaySoundCue(SoundCue cue);

// Routes the foundation's cue hook (ProgramState::PlaySoundCue, used by the
// message box and the board) to PlaySoundCue.
void InstallSoundCueHook();

} // namespace Support
