#include "foundation/sound_cues.h"

#include "foundation/program_state.h"
#include "platform/sound_player.h"

#include <QDir>

namespace Support {

void PlaySound(const QString& filePath)
{
    if (!Globals().SoundAllowed)
        return;
    Platform::CurrentSoundPlayer().Play(filePath);
}

QString SoundCueFile(SoundCue cue)
{
    const QString name = QStringLiteral("Cs%1.mds").arg(static_cast<int>(cue), 3, 10, QLatin1Char('0'));
    return QDir(Globals().ProgramFolder).filePath(name);
}

void PlaySoundCue(SoundCue cue)
{
    PlaySound(SoundCueFile(cue));
}

void InstallSoundCueHook()
{
    Globals().PlaySoundCue = [](SoundCue cue) { PlaySoundCue(cue); };
}

} // namespace Support
