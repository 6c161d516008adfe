#include "shell/sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace orbel {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(int resource) {
    // The device list is asked for once, lazily: creating sound effects without
    // any output only fills the log with warnings.
    if (!checkedForDevice_) {
        checkedForDevice_ = true;
        haveDevice_ = !QMediaDevices::audioOutputs().isEmpty();
    }
    if (!haveDevice_) return;
    for (auto& [number, effect] : effects_) {
        if (effect->isPlaying()) effect->stop();
    }
    auto& effect = effects_[resource];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(resource)));
    }
    effect->play();
}

}  // namespace orbel
