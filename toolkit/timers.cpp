#include "toolkit/timers.h"

#include <algorithm>

#include "toolkit/clock.h"
#include "toolkit/controls.h"

namespace tk {

void TimerScheduler::add(Timer* t) { timers_.push_back(t); }

void TimerScheduler::remove(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

void TimerScheduler::rearm(Timer* t) { t->due = clock_.nowMs() + t->Interval; }

namespace {
bool active(const Timer* t) { return t->Enabled && t->Interval > 0; }
}  // namespace

std::optional<std::int64_t> TimerScheduler::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Timer* t : timers_)
        if (active(t) && (!best || t->due < *best)) best = t->due;
    return best;
}

bool TimerScheduler::fireOne(const std::function<void(const Timer&)>& fired) {
    if (firing_) return false;  // a handler never runs inside another
    std::int64_t now = clock_.nowMs();
    Timer* next = nullptr;
    for (Timer* t : timers_)
        if (active(t) && t->due <= now && (!next || t->due < next->due)) next = t;
    if (!next) return false;
    // The next tick counts from this one; a timer that fell behind counts from now.
    next->due += next->Interval;
    if (next->due <= now) next->due = now + next->Interval;
    if (fired) fired(*next);
    firing_ = true;
    if (next->onTimer) next->onTimer(next->Index());
    firing_ = false;
    return true;
}

int TimerScheduler::fireDue(const std::function<void(const Timer&)>& fired) {
    int n = 0;
    while (fireOne(fired)) ++n;
    return n;
}

}  // namespace tk
