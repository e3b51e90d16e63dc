// Plays pieces of music through the game's sound layer and reports, per piece, how
// long after the channel's "Open" and "Play" the first audible sample reached the
// audio device and, optionally, how long the channel reported the piece as playing.
//
//   zirimbo_music_bench [--to-end] PIECE.mid...
//
// Run it with a real-time audio driver (SDL_AUDIODRIVER=disk writes what would be
// heard to SDL_DISKAUDIOFILE); the game's own music channel is used, so a rendered
// piece is chosen exactly as in the game.
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "frontend/sdl_audio.h"

namespace {

std::atomic<long long> framesMixed{0};
std::atomic<long long> firstAudible{-1};
std::atomic<bool> armed{false};

// Sees every buffer the device receives, after the mixer.
void countFrames(void*, Uint8* stream, int len) {
    const auto* s = reinterpret_cast<const Sint16*>(stream);
    int frames = len / 4;  // 16-bit stereo
    long long base = framesMixed.load();
    if (armed.load() && firstAudible.load() < 0) {
        for (int i = 0; i < frames; ++i) {
            if (std::abs(int(s[2 * i])) > 64 || std::abs(int(s[2 * i + 1])) > 64) {
                firstAudible.store(base + i);
                break;
            }
        }
    }
    framesMixed.store(base + frames);
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

int main(int argc, char** argv) {
    bool toEnd = false;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--to-end") == 0) {
        toEnd = true;
        first = 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--to-end] PIECE.mid...\n", argv[0]);
        return 2;
    }
    std::unique_ptr<tk::AudioBackend> audio = zirimbo::frontend::SdlAudio::openAudio();
    int freq = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&freq, &format, &channels) || format != AUDIO_S16SYS || channels != 2) {
        std::fprintf(stderr, "music_bench: no 16-bit stereo audio device\n");
        return 1;
    }
    Mix_SetPostMix(countFrames, nullptr);
    int ch = audio->addChannel("mmcMusiche");
    sleepMs(300);  // the device is running

    for (int i = first; i < argc; ++i) {
        firstAudible.store(-1);
        long long before = framesMixed.load();
        armed.store(true);
        auto t0 = std::chrono::steady_clock::now();
        audio->open(ch, argv[i], true);
        audio->play(ch);
        auto loaded = std::chrono::steady_clock::now();
        for (int waited = 0; firstAudible.load() < 0 && waited < 5000; waited += 2) sleepMs(2);
        armed.store(false);
        double openMs = std::chrono::duration<double, std::milli>(loaded - t0).count();
        long long at = firstAudible.load();
        std::printf("%s: Open and Play took %.0f ms; first sound %s", argv[i], openMs, at < 0 ? "never (5 s)" : "");
        if (at >= 0) std::printf("%.0f ms after Open", double(at - before) * 1000.0 / freq);
        if (toEnd) {
            while (audio->playing(ch)) sleepMs(5);
            double played = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::printf("; reported playing for %.2f s", played);
        }
        std::printf("\n");
        std::fflush(stdout);
        audio->close(ch);
    }
    Mix_SetPostMix(nullptr, nullptr);
    audio.reset();
    SDL_Quit();
    return 0;
}
