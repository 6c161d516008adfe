// The sounds: 173 when a move is made, 174 when a game begins, 180 for a
// capture, 181 for a check, 182 when a game ends and 183 when a clock runs
// low. Played asynchronously, a new one interrupting the last. Without an
// audio device, or without the sound module, the program is simply silent.
#pragma once

#include <QLibrary>
#include <QStringList>
#include <memory>

#include "shell/sound_output.h"

namespace orbel {

class SoundPlayer {
public:
    // The module is looked for in `folders`, in order: by default beside the
    // program (the build folder), then in libexec/orbel-chess next to the
    // program's folder (installed, in bin or games alike).
    explicit SoundPlayer(QStringList folders = programFolders());
    ~SoundPlayer();
    static QStringList programFolders();
    void play(int resource);
    // Whether the sound module was found and started (after the first play).
    bool hasOutput() const { return output_ != nullptr; }

private:
    QStringList folders_;
    QLibrary module_;
    std::unique_ptr<SoundOutput> output_;
    bool triedModule_ = false;
};

}  // namespace orbel
