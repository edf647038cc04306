#pragma once
// Wave files played on one channel: every request cuts the sound playing, even one for a file
// that cannot play, and a call returns as soon as playback has started. The audio device opens on
// the first sound; no device, a missing file or a file that is no sound means silence, with
// nothing printed.
#include <filesystem>

struct Mix_Chunk;

namespace qtui {

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const std::filesystem::path& file);

    // False until a sound has opened the device, and for good once opening it failed.
    bool deviceOpen() const { return state_ == State::Open; }
    // True while a sound is still playing.
    bool playing() const;

private:
    enum class State { Closed, Open, Unavailable };
    bool openDevice();
    void stopCurrent();

    State state_ = State::Closed;
    Mix_Chunk* current_ = nullptr;
};

}  // namespace qtui
