// The sound channels on the SDL2 mixer: each channel plays its effect or voice on
// a mixer channel of its own; pieces of music go through the mixer's single music
// stream, where a newer piece replaces the one playing. A MIDI piece plays from its
// recording when the build made one (see rendered_music.h).
#pragma once

#include <memory>
#include <string>
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

    // Opens the audio device and the mixer (44100 Hz, stereo, 2048-frame buffers) and
    // returns the mixer's back end; without a device, says so once and returns one that
    // plays silently.
    static std::unique_ptr<tk::AudioBackend> openAudio();

private:
    struct Channel {
        std::string name;
        Mix_Chunk* chunk = nullptr;
        Mix_Music* music = nullptr;
    };
    Channel* at(int channel);
    void stop(int channel);

    std::vector<Channel> channels_;
    int musicOwner_ = -1;  // the channel whose piece holds the music stream
};

}  // namespace zirimbo::frontend
