// The two sounds: 173 when a move is made, 174 when a game begins. Played
// asynchronously, a new one interrupting the last. Without an audio device
// the program is simply silent.
#pragma once

#include <map>
#include <memory>

class QSoundEffect;

namespace orbel {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    void play(int resource);

private:
    std::map<int, std::unique_ptr<QSoundEffect>> effects_;
    bool checkedForDevice_ = false;
    bool haveDevice_ = false;
};

}  // namespace orbel
