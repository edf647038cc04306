#include "platform/qt/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

namespace qtui {
namespace {

void discardSdlLog(void*, int, SDL_LogPriority, const char*) {}
extern "C" void discardAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card the ALSA library prints its complaints on stderr by itself. It is loaded
// by SDL at run time, so it is silenced the same way: found by name, told to say nothing.
void silenceAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa) alsa = dlopen("libasound.so.2", RTLD_NOW);
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(discardAlsaError);
    }
}

constexpr int Channel = 0;

}  // namespace

SoundPlayer::~SoundPlayer() {
    if (state_ != State::Open) return;
    stopCurrent();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::openDevice() {
    if (state_ == State::Closed) {
        state_ = State::Unavailable;
        SDL_LogSetOutputFunction(discardSdlLog, nullptr);
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        silenceAlsa();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        state_ = State::Open;
    }
    return state_ == State::Open;
}

void SoundPlayer::stopCurrent() {
    Mix_HaltChannel(Channel);
    if (current_) Mix_FreeChunk(current_);
    current_ = nullptr;
}

void SoundPlayer::play(const std::filesystem::path& file) {
    if (!openDevice()) return;
    stopCurrent();
    // The file is read afresh each time: a skin or a sound may be replaced while the program runs.
    current_ = Mix_LoadWAV(file.c_str());
    if (current_) Mix_PlayChannel(Channel, current_, 0);
}

}  // namespace qtui
