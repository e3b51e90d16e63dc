#include "toolkit/random.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "toolkit/clock.h"

namespace tk {

namespace {

long long floorMod(long long a, long long k) {
    const long long m = a % k;
    return m < 0 ? m + k : m;
}

double minuteSecondShift(int minute, int second) { return minute / 60.0 - second / 61.0; }

}  // namespace

double DefaultRandom::next() {
    // splitmix64; the top 53 bits make the double.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double ScriptedRandom::next() {
    ++draws_;
    if (values_.empty()) {
        if (pushed_) throw std::logic_error("ScriptedRandom: the script ran out at draw " + std::to_string(draws_));
        return 0.0;
    }
    const double r = values_.front();
    values_.pop_front();
    return r;
}

int randomDraw(double r, int minute, int second, int k) {
    if (k < 1) return 1;
    const double inner = std::floor((r + minuteSecondShift(minute, second)) * k);
    return static_cast<int>(floorMod(static_cast<long long>(inner), k)) + 1;
}

int randomDraw(RandomSource& rng, const Clock& clock, int k) {
    const double r = rng.next();
    const LocalTime t = clock.localTime();
    return randomDraw(r, t.minute, t.second, k);
}

double randomFor(int value, int minute, int second, int k) {
    if (k < 1) return 0.5;
    // As r runs over [0, 1), the scaled value x = (r + shift) * k runs over [lo, lo + k).
    // The whole numbers of the wanted class cut that range in one piece, or in two
    // when the range begins inside one of them: take the middle of the longest piece.
    const double shift = minuteSecondShift(minute, second);
    const double lo = shift * k;
    const double hi = lo + k;
    const long long base = static_cast<long long>(std::floor(lo));
    const long long n = base + floorMod(value - 1 - base, k);
    double bestMid = 0.0, bestLength = -1.0;
    for (long long start : {n, n + k}) {
        const double a = std::max(lo, static_cast<double>(start));
        const double b = std::min(hi, static_cast<double>(start + 1));
        if (b - a > bestLength) {
            bestLength = b - a;
            bestMid = (a + b) / 2;
        }
    }
    return std::clamp(bestMid / k - shift, 0.0, std::nextafter(1.0, 0.0));
}

}  // namespace tk
