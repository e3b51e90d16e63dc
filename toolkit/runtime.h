// What a window needs of the machine: the clock and its timers, the random
// generator, the sound back end and the screen. The game builds one on the real
// clock; tests build a HeadlessRuntime on a virtual clock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/audio.h"
#include "toolkit/clock.h"
#include "toolkit/random.h"
#include "toolkit/timers.h"

namespace tk {

class Window;

// The screen in twips: the window's client area (15 twips to a pixel).
struct Screen {
    int Width = 15360;
    int Height = 11520;
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
};

class Runtime {
public:
    Runtime(Clock& clock, RandomSource& rng, AudioBackend& audio)
        : clock(clock), rng(rng), audio(audio), timers(clock) {}
    Runtime(const Runtime&) = delete;

    Clock& clock;
    RandomSource& rng;
    AudioBackend& audio;
    TimerScheduler timers;
    Screen screen;
    // The process's current directory at start: what the directory list shows.
    std::string startDirectory;
    // The text on the system's clipboard (UTF-8), when the front end provides one.
    std::function<std::string()> clipboardText;

    // Seeds the generator from the clock.
    void Randomize();
    // The generator's next number in [0, 1).
    double Rnd() { return rng.next(); }
    // The shared draw of a value from 1 to k with the clock's minute and second.
    int draw(int k) { return randomDraw(rng, clock, k); }
    // Today's date as short-date text.
    std::string today() const { return shortDate(clock.localTime()); }

    // Windows that are loaded, in the order they were loaded.
    std::vector<Window*> windows;
    // The window shown in front (the last shown of the loaded ones), or none.
    Window* activeWindow() const;
    // Set to end the program at once.
    bool quit = false;
    // The program ends when it was told to or no window is loaded any more (checked
    // between events, so a handler may unload one window and then show the next).
    bool finished() const { return quit || windows.empty(); }
};

// A runtime for tests: virtual clock, scripted or seeded generator, recording sound.
class HeadlessRuntime {
    // Forwards to the scripted numbers or to the seeded generator.
    struct SwitchRandom final : RandomSource {
        RandomSource* target = nullptr;
        void seed(std::uint64_t s) override { target->seed(s); }
        double next() override { return target->next(); }
    };

public:
    explicit HeadlessRuntime(LocalTime start = {2026, 12, 7, 10, 0, 0});
    HeadlessRuntime(const HeadlessRuntime&) = delete;
    VirtualClock clock;
    ScriptedRandom scripted;
    DefaultRandom seeded;
    RecordingAudio audio;

private:
    SwitchRandom switch_;

public:
    Runtime rt;

    // Use the seeded generator instead of the scripted numbers.
    void useSeededRandom(std::uint64_t seed);
    // Moves the clock on by ms, firing every timer that falls due on the way at its own moment.
    void advance(std::int64_t ms);
    // Runs the timers until `done` holds or `limitMs` of virtual time have passed;
    // `afterTick` runs after every timer tick. True when `done` held.
    bool runUntil(const std::function<bool()>& done, std::int64_t limitMs, const std::function<void()>& afterTick = {});
    std::int64_t now() const { return clock.nowMs(); }
};

}  // namespace tk
