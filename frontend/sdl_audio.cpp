#include "frontend/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "frontend/media_loader.h"
#include "frontend/rendered_music.h"
#include "toolkit/log.h"

namespace zirimbo::frontend {

namespace {
constexpr int kMinMixerChannels = 16;
constexpr int kBufferFrames = 2048;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
}  // namespace

SdlAudio::SdlAudio() : mixerChannels_(kMinMixerChannels), silentFrom_(Clock::now()) {
    Mix_AllocateChannels(mixerChannels_);
    Mix_QuerySpec(&frequency_, &format_, &outputChannels_);
}

SdlAudio::~SdlAudio() {
    finishClosing();
    for (int i = 0; i < int(channels_.size()); ++i) close(i);
    Mix_CloseAudio();
    Mix_Quit();
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0) return std::make_unique<SdlAudio>();
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
    channels_.push_back(Channel{name, nullptr, nullptr, {}, false});
    int n = int(channels_.size());
    if (n > mixerChannels_) {
        mixerChannels_ = std::max(n, 2 * mixerChannels_);
        // A sleeping device gets its channels when it wakes.
        if (!asleep_) Mix_AllocateChannels(mixerChannels_);
    }
    return n - 1;
}

bool SdlAudio::wake() {
    if (!asleep_) return true;
    finishClosing();
    if (!audioStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            if (!wakeFailureReported_) tk::logLine(std::string("cannot start the sound again: ") + SDL_GetError());
            wakeFailureReported_ = true;
            return false;
        }
        audioStarted_ = true;
    }
    // The format the mixer had, whatever the device now prefers (SDL converts): the
    // loaded sounds were converted to it.
    if (Mix_OpenAudioDevice(frequency_, format_, outputChannels_, kBufferFrames, nullptr, 0) != 0) {
        if (!wakeFailureReported_) tk::logLine(std::string("cannot open the audio device again: ") + Mix_GetError());
        wakeFailureReported_ = true;
        return false;
    }
    Mix_AllocateChannels(mixerChannels_);
    asleep_ = false;
    silentFrom_ = Clock::now();
    return true;
}

void SdlAudio::sleep() {
    // Closing the device closes the mixer's music decoders, the synthesiser's
    // instruments with them: no piece may outlive them. The sounds go too, as
    // nothing plays them meanwhile (a voice or an effect loads again in a few
    // milliseconds).
    for (Channel& ch : channels_) {
        if (ch.music) Mix_FreeMusic(ch.music);
        if (ch.chunk) Mix_FreeChunk(ch.chunk);
        ch.music = nullptr;
        ch.chunk = nullptr;
    }
    musicOwner_ = -1;
    asleep_ = true;
    // Closing waits a tenth of a second for SDL's audio thread to end: done aside, so
    // that the main loop goes on meanwhile. Until it is over only a sleeping device's
    // answers are given (nothing plays), and whatever needs the mixer waits for it.
    // The sound system stops too: with ALSA, SDL otherwise goes on looking for new
    // devices ten times a second.
    audioStarted_ = false;
    const auto closeAll = [] {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    };
    try {
        closing_ = std::thread(closeAll);
    } catch (const std::system_error&) {
        closeAll();
    }
}

void SdlAudio::finishClosing() {
    if (closing_.joinable()) closing_.join();
}

void SdlAudio::expectSilenceAfter(double seconds) {
    const Clock::time_point now = Clock::now();
    const std::chrono::duration<double> length(std::max(0.0, seconds));
    silentFrom_ = std::max(silentFrom_, now + std::chrono::duration_cast<Clock::duration>(length));
}

std::optional<SdlAudio::Clock::time_point> SdlAudio::restWhenIdle(Clock::time_point now) {
    if (asleep_) return std::nullopt;
    const Clock::time_point due = silentFrom_ + kRestAfter;
    if (now < due) return due;
    if (Mix_Playing(-1) > 0 || Mix_PlayingMusic()) {
        // Still playing (a piece of unknown length, or one that started late): look again later.
        silentFrom_ = now;
        return now + kRestAfter;
    }
    sleep();
    return std::nullopt;
}

void SdlAudio::open(int channel, const std::string& path, bool music) {
    Channel* ch = at(channel);
    if (!ch) return;
    close(channel);
    if (path.empty()) return;  // no file named: nothing to play
    // Sounds are loaded in the mixer's format, by an open mixer; a Play follows.
    if (!wake()) return;
    // A missing or damaged file is logged by the loader and leaves the channel silent.
    if (music) {
        // A piece's recording plays in its place; a recording that cannot be played
        // leaves the piece to the synthesiser.
        std::string file = musicFileFor(path);
        ch->music = loadMusic(file);
        if (!ch->music && file != path) ch->music = loadMusic(file = path);
        if (ch->music) ch->file = file;
        ch->isMusic = true;
    } else {
        // A voice named as a WAV file plays the Ogg Vorbis file beside it.
        const std::string file = soundFileFor(path);
        ch->chunk = loadSound(file);
        if (ch->chunk) ch->file = file;
        ch->isMusic = false;
    }
}

void SdlAudio::stop(int channel) {
    Channel* ch = at(channel);
    if (!ch || asleep_) return;  // a sleeping device plays nothing
    if (ch->chunk) Mix_HaltChannel(channel);
    if (ch->music && musicOwner_ == channel) {
        Mix_HaltMusic();
        musicOwner_ = -1;
    }
}

void SdlAudio::rewind(int channel) { stop(channel); }

void SdlAudio::play(int channel) {
    Channel* ch = at(channel);
    if (!ch || ch->file.empty() || !wake()) return;
    if (!ch->isMusic) {
        // A sound put away while the device slept is loaded again.
        if (!ch->chunk) ch->chunk = loadSound(ch->file);
        if (!ch->chunk) return;
        if (Mix_PlayChannel(channel, ch->chunk, 0) < 0) return;
        const double bytesPerSecond = double(frequency_) * outputChannels_ * (SDL_AUDIO_BITSIZE(format_) / 8);
        expectSilenceAfter(ch->chunk->alen / bytesPerSecond);
        return;
    }
    // A piece put away while the device slept is loaded again.
    if (!ch->music) ch->music = loadMusic(ch->file);
    if (!ch->music) return;
    // One music stream: this piece replaces whichever was playing.
    if (Mix_PlayMusic(ch->music, 0) == 0) {
        musicOwner_ = channel;
        expectSilenceAfter(Mix_MusicDuration(ch->music));
    } else {
        musicOwner_ = -1;
    }
}

void SdlAudio::close(int channel) {
    Channel* ch = at(channel);
    if (!ch) return;
    finishClosing();  // freeing a sound looks into the mixer
    stop(channel);
    if (ch->chunk) Mix_FreeChunk(ch->chunk);
    if (ch->music) Mix_FreeMusic(ch->music);
    ch->chunk = nullptr;
    ch->music = nullptr;
    ch->file.clear();
}

bool SdlAudio::playing(int channel) {
    Channel* ch = at(channel);
    if (!ch || asleep_) return false;
    if (ch->chunk) return Mix_Playing(channel) != 0;
    if (ch->music) return musicOwner_ == channel && Mix_PlayingMusic() != 0;
    return false;
}

}  // namespace zirimbo::frontend
