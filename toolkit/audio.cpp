#include "toolkit/audio.h"

namespace tk {

int RecordingAudio::addChannel(const std::string& name) {
    channels_.push_back({name, {}, false});
    return static_cast<int>(channels_.size()) - 1;
}

void RecordingAudio::open(int channel, const std::string& path, bool) {
    auto& c = channels_.at(channel);
    c.file = path;
    log.push_back(c.name + " Open " + path);
}

void RecordingAudio::rewind(int channel) {
    auto& c = channels_.at(channel);
    c.playing = false;
    log.push_back(c.name + " Prev");
}

void RecordingAudio::play(int channel) {
    auto& c = channels_.at(channel);
    c.playing = true;
    log.push_back(c.name + " Play " + c.file);
}

void RecordingAudio::close(int channel) {
    auto& c = channels_.at(channel);
    c.playing = false;
    log.push_back(c.name + " Close");
}

bool RecordingAudio::playing(int channel) { return channels_.at(channel).playing; }

void RecordingAudio::finish(const std::string& channelName) {
    for (auto& c : channels_)
        if (c.name == channelName) c.playing = false;
}

std::vector<std::string> RecordingAudio::plays() const {
    std::vector<std::string> out;
    for (const auto& l : log)
        if (l.find(" Play ") != std::string::npos) out.push_back(l);
    return out;
}

std::vector<std::string> RecordingAudio::commands(const std::string& channelName) const {
    std::vector<std::string> out;
    const std::string prefix = channelName + " ";
    for (const auto& l : log)
        if (l.rfind(prefix, 0) == 0) {
            const std::string rest = l.substr(prefix.size());
            out.push_back(rest.substr(0, rest.find(' ')));
        }
    return out;
}

}  // namespace tk
