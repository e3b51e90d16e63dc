// The sound back end beneath the sound channels: the SDL2 mixer in the game, a
// recording fake in tests, silence when no audio device can be opened.
#pragma once

#include <string>
#include <vector>

namespace tk {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    // Called once per channel when the window is built; returns the channel's number.
    virtual int addChannel(const std::string& name) = 0;
    // `path` is the real file (looked up without regard to case); `music` says it is MIDI.
    virtual void open(int channel, const std::string& path, bool music) = 0;
    virtual void rewind(int channel) = 0;
    virtual void play(int channel) = 0;
    virtual void close(int channel) = 0;
    // True while the channel's piece is still playing.
    virtual bool playing(int channel) = 0;
};

// Plays nothing; every piece ends at once.
class SilentAudio : public AudioBackend {
public:
    int addChannel(const std::string&) override { return next_++; }
    void open(int, const std::string&, bool) override {}
    void rewind(int) override {}
    void play(int) override {}
    void close(int) override {}
    bool playing(int) override { return false; }

private:
    int next_ = 0;
};

// Records every command as "<channel> <command>[ <file>]"; a piece plays until
// the test says it ended.
class RecordingAudio : public AudioBackend {
public:
    int addChannel(const std::string& name) override;
    void open(int channel, const std::string& path, bool music) override;
    void rewind(int channel) override;
    void play(int channel) override;
    void close(int channel) override;
    bool playing(int channel) override;

    void finish(const std::string& channelName);  // the piece on that channel ends
    std::vector<std::string> log;                 // every command, in order
    std::vector<std::string> plays() const;       // only the "Play" lines
    // The commands one channel received, without its name or file ("Open", "Prev", ...).
    std::vector<std::string> commands(const std::string& channelName) const;
    void clear() { log.clear(); }

private:
    struct Ch {
        std::string name;
        std::string file;
        bool playing = false;
    };
    std::vector<Ch> channels_;
};

}  // namespace tk
