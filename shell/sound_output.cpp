// The sound module: QSoundEffect playing the WAVE resources.
#include "shell/sound_output.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

namespace orbel {
namespace {

class EffectOutput : public SoundOutput {
public:
    // Creating sound effects without any output only fills the log with
    // warnings: without a device nothing is made.
    EffectOutput() : haveDevice_(!QMediaDevices::audioOutputs().isEmpty()) {}

    void play(int resource) override {
        if (!haveDevice_) return;
        for (auto& [number, effect] : effects_)
            if (effect->isPlaying()) effect->stop();
        auto& effect = effects_[resource];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(resource)));
        }
        effect->play();
    }

private:
    bool haveDevice_;
    std::map<int, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace
}  // namespace orbel

extern "C" Q_DECL_EXPORT orbel::SoundOutput* orbelCreateSoundOutput() { return new orbel::EffectOutput; }
