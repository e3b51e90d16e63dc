#include <cstdint>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/clock.h"
#include "toolkit/random.h"

using tk::randomDraw;
using tk::randomFor;

TEST(RandomDraw, FollowsTheFormula) {
    EXPECT_EQ(randomDraw(0.5, 0, 0, 6), 4);       // 3
    EXPECT_EQ(randomDraw(0.1, 30, 0, 4), 3);      // 2.4
    EXPECT_EQ(randomDraw(0.0, 0, 59, 5), 1);      // -4.84: floor -5, mod 0
    EXPECT_EQ(randomDraw(0.2, 0, 30, 6), 5);      // -1.75: floor -2, mod 4
    EXPECT_EQ(randomDraw(0.0, 0, 59, 80), 3);     // -77.4: floor -78, mod 2
    EXPECT_EQ(randomDraw(0.999, 59, 0, 80), 79);  // 158.6
}

TEST(RandomFor, InvertsTheDraw) {
    for (int k : {1, 4, 5, 6, 80})
        for (int minute = 0; minute < 60; minute += 7)
            for (int second = 0; second < 60; second += 3)
                for (int value = 1; value <= k; ++value) {
                    const double r = randomFor(value, minute, second, k);
                    ASSERT_TRUE(r >= 0.0 && r < 1.0);
                    for (double nudge : {0.0, 1e-9, -1e-9})
                        ASSERT_EQ(randomDraw(r + nudge, minute, second, k), value)
                            << "k=" << k << " minute=" << minute << " second=" << second;
                }
}

TEST(RandomDraw, UsesTheGeneratorAndTheClock) {
    tk::VirtualClock clock({2026, 12, 7, 10, 30, 0});
    tk::ScriptedRandom rng;
    rng.push(0.1);
    EXPECT_EQ(randomDraw(rng, clock, 4), 3);  // (0.1 + 0.5) * 4
    clock.set(30'000);                        // 10:30:30
    rng.push(0.2);
    EXPECT_EQ(randomDraw(rng, clock, 6), 2);  // (0.2 + 0.5 - 30/61) * 6 = 1.25
    EXPECT_EQ(rng.draws(), 2);
    // A draw past the end of the script is a fault of the test, not a quiet 0.
    EXPECT_THROW(randomDraw(rng, clock, 6), std::logic_error);
}

TEST(RandomDraw, AnUnscriptedSourceGivesZeros) {
    tk::VirtualClock clock({2026, 12, 7, 10, 0, 0});
    tk::ScriptedRandom rng;
    EXPECT_EQ(randomDraw(rng, clock, 6), 1);
    EXPECT_EQ(randomDraw(rng, clock, 6), 1);
    EXPECT_EQ(rng.draws(), 2);
}

TEST(DefaultRandom, IsUniformAndSeeded) {
    tk::DefaultRandom a, b;
    a.seed(12345);
    b.seed(12345);
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double r = a.next();
        ASSERT_EQ(r, b.next());
        ASSERT_TRUE(r >= 0.0 && r < 1.0);
        ++buckets[static_cast<int>(r * 10)];
    }
    for (int count : buckets) EXPECT_NEAR(count, 10000, 500);
}

TEST(VirtualClock, CarriesOverEveryField) {
    const auto at = [](tk::LocalTime start, std::int64_t ms) {
        tk::VirtualClock c(start);
        c.set(ms);
        const tk::LocalTime t = c.localTime();
        return std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second};
    };
    EXPECT_EQ(at({2026, 12, 31, 23, 59, 59}, 999), (std::vector<int>{2026, 12, 31, 23, 59, 59}));
    EXPECT_EQ(at({2026, 12, 31, 23, 59, 59}, 2000), (std::vector<int>{2027, 1, 1, 0, 0, 1}));
    EXPECT_EQ(at({2028, 2, 28, 23, 59, 59}, 1000), (std::vector<int>{2028, 2, 29, 0, 0, 0}));
    EXPECT_EQ(at({2026, 2, 28, 23, 59, 59}, 1000), (std::vector<int>{2026, 3, 1, 0, 0, 0}));
    EXPECT_EQ(at({2026, 12, 7, 10, 0, 0}, (3 * 3600 + 61 * 60 + 5) * 1000LL),
              (std::vector<int>{2026, 12, 7, 14, 1, 5}));
}

TEST(Clock, ShortDate) {
    EXPECT_EQ(tk::shortDate(tk::VirtualClock().localTime()), "07/12/2026");
    EXPECT_EQ(tk::shortDate({2027, 1, 31, 0, 0, 0}), "31/01/2027");
}
