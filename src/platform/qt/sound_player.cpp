#include "platform/qt/sound_player.h"

#include "forms/plain_file.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <dlfcn.h>
#include <memory>

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

// SDL and its mixer bring some forty libraries with them (decoders, sound servers). They are
// loaded when the first sound plays, not at start-up, so that the game window comes up as
// quickly and as small as a plain window.
struct Mixer {
    decltype(&SDL_LogSetOutputFunction) logSetOutputFunction;
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_RWFromFP) rwFromFp;
    decltype(&SDL_RWclose) rwClose;
    decltype(&Mix_OpenAudio) openAudio;
    decltype(&Mix_CloseAudio) closeAudio;
    decltype(&Mix_AllocateChannels) allocateChannels;
    decltype(&Mix_LoadWAV_RW) loadWavRw;
    decltype(&Mix_FreeChunk) freeChunk;
    decltype(&Mix_PlayChannelTimed) playChannelTimed;
    decltype(&Mix_HaltChannel) haltChannel;
    decltype(&Mix_Playing) channelPlaying;
};

template <class Function>
bool bind(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const Mixer* loadMixer() {
    static const Mixer* loaded = []() -> const Mixer* {
        void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
        void* mixer = sdl ? dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_GLOBAL) : nullptr;
        if (!mixer) return nullptr;
        static Mixer m;
        const bool complete = bind(sdl, "SDL_LogSetOutputFunction", m.logSetOutputFunction) &&
                              bind(sdl, "SDL_SetHint", m.setHint) &&
                              bind(sdl, "SDL_InitSubSystem", m.initSubSystem) &&
                              bind(sdl, "SDL_QuitSubSystem", m.quitSubSystem) &&
                              bind(sdl, "SDL_RWFromFP", m.rwFromFp) &&
                              bind(sdl, "SDL_RWclose", m.rwClose) &&
                              bind(mixer, "Mix_OpenAudio", m.openAudio) &&
                              bind(mixer, "Mix_CloseAudio", m.closeAudio) &&
                              bind(mixer, "Mix_AllocateChannels", m.allocateChannels) &&
                              bind(mixer, "Mix_LoadWAV_RW", m.loadWavRw) &&
                              bind(mixer, "Mix_FreeChunk", m.freeChunk) &&
                              bind(mixer, "Mix_PlayChannelTimed", m.playChannelTimed) &&
                              bind(mixer, "Mix_HaltChannel", m.haltChannel) &&
                              bind(mixer, "Mix_Playing", m.channelPlaying);
        return complete ? &m : nullptr;
    }();
    return loaded;
}

struct CloseFile {
    void operator()(FILE* stream) const { std::fclose(stream); }
};
using SoundFile = std::unique_ptr<FILE, CloseFile>;

// The program's sounds are cues of a second or less (under 30 kB each), and each is cut short by
// the next. 16 MiB is a minute and a half of CD-quality stereo, far more than any cue a person
// makes, and the mixer holds a sound whole in memory.
constexpr off_t LongestSoundFile = off_t{16} << 20;

// Sounds are read on the window thread: a pipe or a device would block it, a huge file stall it.
// Null when the file is missing, unreadable, not a plain file or too long.
SoundFile openSoundFile(const std::filesystem::path& file) {
    forms::PlainFile opened(file, LongestSoundFile);
    if (!opened) return nullptr;
    SoundFile stream(fdopen(opened.descriptor(), "rb"));
    if (stream) opened.release();  // the stream closes it now
    return stream;
}

}  // namespace

SoundPlayer::~SoundPlayer() {
    if (state_ != State::Open) return;
    stopCurrent();
    const Mixer* mix = loadMixer();
    mix->closeAudio();
    mix->quitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::openDevice() {
    if (state_ == State::Closed) {
        state_ = State::Unavailable;
        const Mixer* mix = loadMixer();
        if (!mix) return false;
        mix->logSetOutputFunction(discardSdlLog, nullptr);
        mix->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        silenceAlsa();
        if (mix->initSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (mix->openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            mix->quitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        mix->allocateChannels(1);
        state_ = State::Open;
    }
    return state_ == State::Open;
}

bool SoundPlayer::playing() const {
    return state_ == State::Open && loadMixer()->channelPlaying(Channel) != 0;
}

void SoundPlayer::stopCurrent() {
    const Mixer* mix = loadMixer();
    mix->haltChannel(Channel);
    if (current_) mix->freeChunk(current_);
    current_ = nullptr;
}

void SoundPlayer::play(const std::filesystem::path& file) {
    // Whatever comes of the new request, the sound before it ends here: a file that cannot play
    // means silence, not the rest of a long sound.
    if (state_ == State::Open) stopCurrent();
    // The file is read afresh each time: a skin or a sound may be replaced while the program runs.
    SoundFile sound = openSoundFile(file);
    if (!sound || !openDevice()) return;
    const Mixer* mix = loadMixer();
    SDL_RWops* source = mix->rwFromFp(sound.get(), SDL_FALSE);
    if (!source) return;
    // Closed here, not by the mixer: asked to, it leaves open a file it finds no sound in.
    current_ = mix->loadWavRw(source, 0);
    mix->rwClose(source);
    if (current_) mix->playChannelTimed(Channel, current_, 0, -1);
}

}  // namespace qtui
