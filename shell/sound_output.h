// The part of the sounds that needs Qt Multimedia, built as a module of its
// own (orbel-chess-sounds) and loaded at the first sound: the audio
// libraries and the audio device cost start-up nothing, and a window that
// never makes a sound never loads them.
#pragma once

namespace orbel {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a sound resource asynchronously, interrupting the one before.
    // Without an audio device it does nothing.
    virtual void play(int resource) = 0;
};

// The module's one entry point, found by this name.
using CreateSoundOutput = SoundOutput* (*)();
inline constexpr const char* CreateSoundOutputName = "orbelCreateSoundOutput";

}  // namespace orbel
