#include "shell/sounds.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace orbel {

SoundPlayer::SoundPlayer(QStringList folders) : folders_(std::move(folders)) {}

QStringList SoundPlayer::programFolders() {
    const QDir here(QCoreApplication::applicationDirPath());
    return {here.path(), here.filePath(QStringLiteral("../libexec/orbel-chess"))};
}

// The module's objects go before the module could: it is never unloaded.
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(int resource) {
    if (!triedModule_) {
        triedModule_ = true;
        for (const QString& folder : folders_) {
            module_.setFileName(QDir(folder).filePath(QStringLiteral("orbel-chess-sounds")));
            const auto create = reinterpret_cast<CreateSoundOutput>(module_.resolve(CreateSoundOutputName));
            if (create) {
                output_.reset(create());
                break;
            }
        }
    }
    if (output_) output_->play(resource);
}

}  // namespace orbel
