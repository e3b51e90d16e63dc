#include "toolkit/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace tk {

std::int64_t RealClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

LocalTime RealClock::localTime() const {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocalTime VirtualClock::localTime() const {
    using namespace std::chrono;
    // Calendar arithmetic on a day count: a start day past the end of its month
    // simply runs on into the next one.
    const sys_days startDay{year{start_.year} / month{static_cast<unsigned>(start_.month)} / 1};
    const sys_seconds when = startDay + days{start_.day - 1} + hours{start_.hour} + minutes{start_.minute} +
                             seconds{start_.second} + floor<seconds>(milliseconds{now_});
    const sys_days day = floor<days>(when);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> hms{when - day};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(hms.hours().count()),
            static_cast<int>(hms.minutes().count()),
            static_cast<int>(hms.seconds().count())};
}

std::string shortDate(const LocalTime& t) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", t.day, t.month, t.year);
    return buffer;
}

}  // namespace tk
