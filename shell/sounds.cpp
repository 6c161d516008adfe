#include "shell/sounds.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <mutex>
#include <utility>

namespace orbel {
namespace {

QtMessageHandler previousHandler = nullptr;

// Without a sound server (a console login, a container) the audio library
// says so once, though the program is simply silent then, as meant: that
// one message is dropped, everything else goes where it always went.
void withoutAudioWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService: pa_context_connect() failed"))) return;
    if (previousHandler) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

// Once per process, however many players: a second install would find this
// handler as the one before it.
void dropAudioWarning() {
    static std::once_flag once;
    std::call_once(once, [] { previousHandler = qInstallMessageHandler(withoutAudioWarning); });
}

}  // namespace

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
        dropAudioWarning();
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
