// Plays pieces of music through the game's sound layer and reports, per piece, how
// long after the channel's "Open" and "Play" the first audible sample reached the
// audio device and, optionally, how long the channel reported the piece as playing.
//
//   zirimbo_music_bench [--to-end] [--after-sleep] PIECE.mid...
//
// With --after-sleep the audio device is put to sleep before each piece, as the
// game does when nothing has played for a while, so that Play has to wake it.
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
#include <random>
#include <string>
#include <thread>

#include "frontend/sdl_audio.h"

namespace {

std::atomic<long long> framesMixed{0};
std::atomic<long long> firstAudible{-1};
std::atomic<bool> armed{false};
std::atomic<int> frequency{44100};
// When the first audible sample was mixed, on the steady clock (nanoseconds).
std::atomic<long long> firstAudibleAt{-1};

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Sees every buffer the device receives, after the mixer.
void countFrames(void*, Uint8* stream, int len) {
    const auto* s = reinterpret_cast<const Sint16*>(stream);
    int frames = len / 4;  // 16-bit stereo
    long long base = framesMixed.load();
    if (armed.load() && firstAudible.load() < 0) {
        for (int i = 0; i < frames; ++i) {
            if (std::abs(int(s[2 * i])) > 64 || std::abs(int(s[2 * i + 1])) > 64) {
                firstAudibleAt.store(nowNs() + i * 1000000000LL / frequency.load());
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
    bool toEnd = false, afterSleep = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--to-end") == 0) {
            toEnd = true;
        } else if (std::strcmp(argv[first], "--after-sleep") == 0) {
            afterSleep = true;
        } else {
            break;
        }
    }
    if (first >= argc || argv[first][0] == '-') {
        std::fprintf(stderr, "usage: %s [--to-end] [--after-sleep] PIECE.mid...\n", argv[0]);
        return 2;
    }
    std::unique_ptr<tk::AudioBackend> audio = zirimbo::frontend::SdlAudio::openAudio();
    int freq = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&freq, &format, &channels) || format != AUDIO_S16SYS || channels != 2) {
        std::fprintf(stderr, "music_bench: no 16-bit stereo audio device\n");
        return 1;
    }
    frequency.store(freq);
    auto* mixer = dynamic_cast<zirimbo::frontend::SdlAudio*>(audio.get());
    Mix_SetPostMix(countFrames, nullptr);  // kept by the mixer across a sleep
    int ch = audio->addChannel("mmcMusiche");
    sleepMs(300);  // the device is running
    std::mt19937 random(1);

    for (int i = first; i < argc; ++i) {
        double sleepMsTaken = 0;
        if (afterSleep) {
            const auto s0 = std::chrono::steady_clock::now();
            mixer->restWhenIdle(zirimbo::frontend::SdlAudio::Clock::now() + std::chrono::hours(1));
            sleepMsTaken = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - s0).count();
            if (!mixer->asleep()) std::fprintf(stderr, "music_bench: the device did not sleep\n");
            sleepMs(500);  // closed by now, as it is long before the next sound in the game
        }
        // Play comes at any moment of the device's buffer, as a player's click does.
        sleepMs(std::uniform_int_distribution<int>(0, 2048 * 1000 / freq)(random));
        firstAudible.store(-1);
        firstAudibleAt.store(-1);
        long long before = framesMixed.load();
        armed.store(true);
        const long long t0Ns = nowNs();
        auto t0 = std::chrono::steady_clock::now();
        audio->open(ch, argv[i], true);
        audio->play(ch);
        auto loaded = std::chrono::steady_clock::now();
        for (int waited = 0; firstAudible.load() < 0 && waited < 5000; waited += 2) sleepMs(2);
        armed.store(false);
        double openMs = std::chrono::duration<double, std::milli>(loaded - t0).count();
        long long at = firstAudible.load();
        std::printf("%s: ", argv[i]);
        if (afterSleep) std::printf("putting the device to sleep took %.0f ms; ", sleepMsTaken);
        std::printf("Open and Play took %.0f ms; first sound %s", openMs, at < 0 ? "never (5 s)" : "");
        if (at >= 0) {
            // In frames the device received since Open (while a sleeping device opens
            // none pass), and on the clock.
            std::printf("%.0f ms after Open (%.0f ms on the clock)", double(at - before) * 1000.0 / freq,
                        double(firstAudibleAt.load() - t0Ns) / 1e6);
        }
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
