// The sound channels on the SDL2 mixer: each channel plays its effect or voice on
// a mixer channel of its own; pieces of music go through the mixer's single music
// stream, where a newer piece replaces the one playing. A MIDI piece plays from its
// recording when the build made one (see rendered_music.h).
//
// The audio device sleeps while nothing plays: an open device keeps SDL's audio
// thread awake about twenty times a second even when it only feeds it silence, and
// pausing it does not change that. So once every channel and the music have been
// silent for a little while, the main loop (restWhenIdle) closes the device, on a
// thread of its own as closing waits for SDL's audio thread to play out its last
// buffers; the next Open or Play opens it again at once, in the same format, so the
// loaded sounds still fit it. SDL's sound system stops and starts with it (a couple
// of milliseconds): with ALSA it would otherwise look for new devices ten times a
// second. The mixer closes its music decoders with the device, and the sounds
// loaded then are put away with the pieces: each is loaded again when it next plays.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/audio.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace zirimbo::frontend {

class SdlAudio final : public tk::AudioBackend {
public:
    // The mixer must already be open (see openAudio).
    SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio() override;

    int addChannel(const std::string& name) override;
    void open(int channel, const std::string& path, bool music) override;
    void rewind(int channel) override;
    void play(int channel) override;
    void close(int channel) override;
    bool playing(int channel) override;

    using Clock = std::chrono::steady_clock;
    // How long the device stays open after the last sound ends: successive sounds
    // (a roll, a move, a comment) and the pause between two pieces of music find it open.
    static constexpr std::chrono::milliseconds kRestAfter{4000};
    // Closes the device when everything has been silent for kRestAfter. Returns when
    // to look again (by then what plays now is expected to have ended); nothing while
    // the device sleeps, as the next sound wakes it by itself.
    std::optional<Clock::time_point> restWhenIdle(Clock::time_point now);
    bool asleep() const { return asleep_; }

    // Opens the audio device and the mixer (44100 Hz, stereo, 2048-frame buffers) and
    // returns the mixer's back end; without a device, says so once and returns one that
    // plays silently.
    static std::unique_ptr<tk::AudioBackend> openAudio();

private:
    struct Channel {
        std::string name;
        Mix_Chunk* chunk = nullptr;
        Mix_Music* music = nullptr;
        // The file the sound or piece was loaded from, to load it again after a sleep.
        std::string file;
        bool isMusic = false;
    };
    Channel* at(int channel);
    void stop(int channel);
    bool wake();
    void sleep();
    // Waits until the device closing aside has closed; the mixer is not touched before.
    void finishClosing();
    // Something starts playing now for `seconds` (unknown when not positive).
    void expectSilenceAfter(double seconds);

    std::vector<Channel> channels_;
    int musicOwner_ = -1;  // the channel whose piece holds the music stream
    int mixerChannels_ = 0;
    // The mixer's format, kept when the device opens again.
    int frequency_ = 0, outputChannels_ = 0;
    std::uint16_t format_ = 0;
    bool asleep_ = false;
    bool audioStarted_ = true;  // SDL's sound system is up (it stops while the device sleeps)
    bool wakeFailureReported_ = false;
    Clock::time_point silentFrom_;  // when all that plays is expected to have ended
    std::thread closing_;
};

}  // namespace zirimbo::frontend
