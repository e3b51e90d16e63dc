#include "frontend/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "frontend/media_loader.h"
#include "frontend/rendered_music.h"
#include "toolkit/log.h"

namespace zirimbo::frontend {

namespace {
constexpr int kMinMixerChannels = 16;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
}  // namespace

SdlAudio::SdlAudio() { Mix_AllocateChannels(kMinMixerChannels); }

SdlAudio::~SdlAudio() {
    for (int i = 0; i < int(channels_.size()); ++i) close(i);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<tk::AudioBackend> SdlAudio::openAudio() {
    // MIDI needs a sound font (the system's General MIDI one when none was chosen); it is
    // loaded only for a piece that has no recording.
    std::error_code ec;
    if (!std::getenv("SDL_SOUNDFONTS") && std::filesystem::exists(kSoundFont, ec))
        setenv("SDL_SOUNDFONTS", kSoundFont, 0);

    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        Mix_Init(MIX_INIT_MID | MIX_INIT_OGG);
        // 2048 frames (46 ms) a buffer: the mixer wakes half as often as with 1024,
        // which matters most while music plays, and a sound still starts in time.
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0) return std::make_unique<SdlAudio>();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    tk::logLine("no audio device: playing silently");
    return std::make_unique<tk::SilentAudio>();
}

SdlAudio::Channel* SdlAudio::at(int channel) {
    if (channel < 0 || channel >= int(channels_.size())) return nullptr;
    return &channels_[std::size_t(channel)];
}

int SdlAudio::addChannel(const std::string& name) {
    channels_.push_back(Channel{name});
    int n = int(channels_.size());
    if (n > Mix_AllocateChannels(-1)) Mix_AllocateChannels(std::max(n, 2 * Mix_AllocateChannels(-1)));
    return n - 1;
}

void SdlAudio::open(int channel, const std::string& path, bool music) {
    Channel* ch = at(channel);
    if (!ch) return;
    close(channel);
    if (path.empty()) return;  // no file named: nothing to play
    // A missing or damaged file is logged by the loader and leaves the channel silent.
    if (music) {
        // A piece's recording plays in its place; a recording that cannot be played
        // leaves the piece to the synthesiser.
        std::string file = musicFileFor(path);
        ch->music = loadMusic(file);
        if (!ch->music && file != path) ch->music = loadMusic(path);
    } else {
        ch->chunk = loadSound(path);
    }
}

void SdlAudio::stop(int channel) {
    Channel* ch = at(channel);
    if (!ch) return;
    if (ch->chunk) Mix_HaltChannel(channel);
    if (ch->music && musicOwner_ == channel) {
        Mix_HaltMusic();
        musicOwner_ = -1;
    }
}

void SdlAudio::rewind(int channel) { stop(channel); }

void SdlAudio::play(int channel) {
    Channel* ch = at(channel);
    if (!ch) return;
    if (ch->chunk) {
        Mix_PlayChannel(channel, ch->chunk, 0);
    } else if (ch->music) {
        // One music stream: this piece replaces whichever was playing.
        if (Mix_PlayMusic(ch->music, 0) == 0) musicOwner_ = channel;
        else musicOwner_ = -1;
    }
}

void SdlAudio::close(int channel) {
    Channel* ch = at(channel);
    if (!ch) return;
    stop(channel);
    if (ch->chunk) Mix_FreeChunk(ch->chunk);
    if (ch->music) Mix_FreeMusic(ch->music);
    ch->chunk = nullptr;
    ch->music = nullptr;
}

bool SdlAudio::playing(int channel) {
    Channel* ch = at(channel);
    if (!ch) return false;
    if (ch->chunk) return Mix_Playing(channel) != 0;
    if (ch->music) return musicOwner_ == channel && Mix_PlayingMusic() != 0;
    return false;
}

}  // namespace zirimbo::frontend
