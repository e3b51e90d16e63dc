// The clock: milliseconds for the timers, the local time and date for the random
// draw and the scoreboard. The game runs on the real clock; tests on a virtual one.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

struct LocalTime {
    int year = 2026, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;   // monotonic milliseconds
    virtual LocalTime localTime() const = 0;  // the wall clock
};

class RealClock final : public Clock {
public:
    std::int64_t nowMs() const override;
    LocalTime localTime() const override;
};

// A clock that moves only when told to. Its wall time is a start time plus the
// milliseconds that have passed.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(LocalTime start = {2026, 12, 7, 10, 0, 0}) : start_(start) {}
    std::int64_t nowMs() const override { return now_; }
    LocalTime localTime() const override;
    void set(std::int64_t ms) { now_ = ms; }

private:
    LocalTime start_;
    std::int64_t now_ = 0;
};

// Today's date as short-date text, day/month/year ("07/12/2026").
std::string shortDate(const LocalTime& t);

}  // namespace tk
