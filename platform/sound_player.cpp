#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace Platform {

namespace {

// One effect for the whole run, so that starting a sound stops the last.
// It is made on first use and belongs to the application object, which
// must exist by then; without one nothing plays.
class EffectSoundPlayer : public SoundPlayer {
public:
    void Play(const QString& filePath) override
    {
        QSoundEffect* effect = Effect();
        if (!effect)
            return;
        effect->stop();
        if (!QFileInfo(filePath).isFile()) {
            lastSource_.clear();
            return;
        }
        lastSource_ = filePath;
        effect->setSource(QUrl::fromLocalFile(filePath));
        // Plays as soon as the file is loaded; a load or device failure
        // only sets the effect's error status.
        effect->play();
    }

    QString LastSource() const { return lastSource_; }

private:
    QSoundEffect* Effect()
    {
        if (!effect_) {
            QCoreApplication* app = QCoreApplication::instance();
            if (!app)
                return nullptr;
            effect_ = new QSoundEffect(app);
        }
        return effect_;
    }

    QPointer<QSoundEffect> effect_;
    QString lastSource_;
};

EffectSoundPlayer& ProgramPlayer()
{
    static EffectSoundPlayer player;
    return player;
}

SoundPlayer* installedPlayer = nullptr;

} // namespace

SoundPlayer& CurrentSoundPlayer()
{
    return installedPlayer ? *installedPlayer : ProgramPlayer();
}

void SetSoundPlayer(SoundPlayer* player)
{
    installedPlayer = player;
}

QString LastEffectSource()
{
    return ProgramPlayer().LastSource();
}

} // namespace Platform
