// The timer scheduler. Semantics the game relies on:
// - an enabled timer with Interval > 0 ticks every Interval ms until disabled;
// - setting Interval on an enabled timer restarts its count from that moment;
// - Interval 0 never ticks, even when enabled;
// - disabling a timer drops a tick that was due;
// - handlers run to their end, one at a time, never re-entered;
// - timers due at the same moment fire in the order they were created.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tk {

class Clock;
class Timer;

class TimerScheduler {
public:
    explicit TimerScheduler(const Clock& clock) : clock_(clock) {}

    void add(Timer* t);
    void remove(Timer* t);
    // Called by a timer whose Interval or Enabled was set: its count starts again now.
    void rearm(Timer* t);

    // The moment of the next tick, if any timer will tick.
    std::optional<std::int64_t> nextDue() const;
    // Fires the earliest timer that is due now, if any; true when one fired.
    // `fired`, when given, hears of the timer just before its handler runs.
    bool fireOne(const std::function<void(const Timer&)>& fired = {});
    // Fires every timer that is due now, in order (a tick that falls behind the
    // clock is not repeated: the timer then counts from now).
    int fireDue(const std::function<void(const Timer&)>& fired = {});

private:
    const Clock& clock_;
    std::vector<Timer*> timers_;  // in creation order
    bool firing_ = false;
};

}  // namespace tk
