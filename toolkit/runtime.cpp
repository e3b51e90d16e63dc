#include "toolkit/runtime.h"

#include "toolkit/window.h"

namespace tk {

void Runtime::Randomize() {
    LocalTime t = clock.localTime();
    std::uint64_t s = static_cast<std::uint64_t>(clock.nowMs());
    s = s * 1000003u + static_cast<std::uint64_t>(t.hour * 3600 + t.minute * 60 + t.second);
    rng.seed(s);
}

Window* Runtime::activeWindow() const {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->visible()) return *it;
    return nullptr;
}

HeadlessRuntime::HeadlessRuntime(LocalTime start) : clock(start), rt(clock, switch_, audio) {
    switch_.target = &scripted;
}

void HeadlessRuntime::useSeededRandom(std::uint64_t seed) {
    seeded.seed(seed);
    switch_.target = &seeded;
}

void HeadlessRuntime::advance(std::int64_t ms) {
    const std::int64_t target = clock.nowMs() + ms;
    for (;;) {
        auto due = rt.timers.nextDue();
        if (!due || *due > target) break;
        if (*due > clock.nowMs()) clock.set(*due);
        rt.timers.fireOne();
    }
    clock.set(target);
}

bool HeadlessRuntime::runUntil(const std::function<bool()>& done, std::int64_t limitMs,
                               const std::function<void()>& afterTick) {
    const std::int64_t limit = clock.nowMs() + limitMs;
    while (!done()) {
        auto due = rt.timers.nextDue();
        if (!due || *due > limit) {
            clock.set(limit);
            return done();
        }
        if (*due > clock.nowMs()) clock.set(*due);
        rt.timers.fireOne();
        if (afterTick) afterTick();
    }
    return true;
}

}  // namespace tk
