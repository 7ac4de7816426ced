#pragma once
// Plays one WAV file at a time without waiting for it: a new sound cuts off
// the one still playing. A missing file, an unreadable one or a machine
// without an audio device simply stays silent.

#include <QString>

namespace Platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file and returns at once.
    virtual void Play(const QString& filePath) = 0;
};

// The player in use: the program's own (on QSoundEffect) unless a test has
// put another in place.
SoundPlayer& CurrentSoundPlayer();
// nullptr puts the program's own player back. The caller keeps ownership.
void SetSoundPlayer(SoundPlayer* player);

// The file the program's own player was last asked to play ("" before the
// first sound, or after a file that does not exist).
QString LastEffectSource();

} // namespace Platform
