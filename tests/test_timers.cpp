#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace {

struct TimerWindow : tk::Window {
    explicit TimerWindow(tk::Runtime& rt) : tk::Window(rt, "w") {}
    tk::Timer a{*this, "a"};
    tk::Timer b{*this, "b"};
    tk::Timer c{*this, "c"};
};

struct TimerTest : ::testing::Test {
    tk::HeadlessRuntime h;
    TimerWindow w{h.rt};
    std::vector<std::string> fired;
    void SetUp() override {
        w.a.onTimer = [this](int) { fired.push_back("a@" + std::to_string(h.now())); };
        w.b.onTimer = [this](int) { fired.push_back("b@" + std::to_string(h.now())); };
        w.c.onTimer = [this](int) { fired.push_back("c@" + std::to_string(h.now())); };
    }
};

TEST_F(TimerTest, TimersAreOffAtDesignAndTickEveryIntervalOnceEnabled) {
    w.a.Interval = 100;
    h.advance(500);
    EXPECT_TRUE(fired.empty());
    w.a.Enabled = true;
    h.advance(350);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@600", "a@700", "a@800"}));
}

TEST_F(TimerTest, IntervalZeroNeverTicksEvenWhenEnabled) {
    w.a.Enabled = true;
    h.advance(10000);
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(h.rt.timers.nextDue().has_value());
}

TEST_F(TimerTest, SettingIntervalRestartsTheCountEvenWithTheSameValue) {
    w.a.Interval = 100;
    w.a.Enabled = true;
    h.advance(90);
    w.a.Interval = 100;  // count starts again at 90
    h.advance(90);
    EXPECT_TRUE(fired.empty());
    h.advance(10);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@190"}));
    w.a.Interval = 40;
    h.advance(45);
    EXPECT_EQ(fired.back(), "a@230");
}

TEST_F(TimerTest, EnablingAnEnabledTimerDoesNotRestartIt) {
    w.a.Interval = 100;
    w.a.Enabled = true;
    h.advance(60);
    w.a.Enabled = true;
    h.advance(40);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@100"}));
}

TEST_F(TimerTest, DisablingDropsATickThatWasDue) {
    w.a.Interval = 50;
    w.b.Interval = 50;
    w.a.Enabled = true;
    w.b.Enabled = true;
    // a fires first (created first) and switches b off before b's due tick runs.
    w.a.onTimer = [this](int) {
        fired.push_back("a@" + std::to_string(h.now()));
        w.b.Enabled = false;
        w.a.Enabled = false;
    };
    h.advance(200);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@50"}));
}

TEST_F(TimerTest, TimersDueTogetherFireInCreationOrder) {
    w.c.Interval = 30;
    w.b.Interval = 30;
    w.a.Interval = 30;
    w.c.Enabled = true;
    w.b.Enabled = true;
    w.a.Enabled = true;
    h.advance(30);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@30", "b@30", "c@30"}));
}

TEST_F(TimerTest, OneShotHandlerThatArmsTheNextTimerChainsThem) {
    // The game's hand-over pattern: disable yourself, arm the next.
    w.a.Interval = 100;
    w.a.onTimer = [this](int) {
        w.a.Enabled = false;
        fired.push_back("a@" + std::to_string(h.now()));
        w.b.Interval = 10;
        w.b.Enabled = true;
    };
    w.b.onTimer = [this](int) {
        w.b.Enabled = false;
        fired.push_back("b@" + std::to_string(h.now()));
    };
    w.a.Enabled = true;
    h.advance(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@100", "b@110"}));
}

TEST_F(TimerTest, HandlerThatReArmsItselfWithANewIntervalSlowsDown) {
    // Like the rolling die: each tick a little slower.
    int interval = 50;
    w.a.onTimer = [&](int) {
        fired.push_back(std::to_string(h.now()));
        interval += 10;
        w.a.Interval = interval;
        if (fired.size() == 4) w.a.Enabled = false;
    };
    w.a.Interval = interval;
    w.a.Enabled = true;
    h.advance(10000);
    EXPECT_EQ(fired, (std::vector<std::string>{"50", "110", "180", "260"}));
}

TEST_F(TimerTest, AHandlerIsNeverReEntered) {
    int depth = 0, maxDepth = 0;
    w.a.Interval = 10;
    w.a.Enabled = true;
    w.a.onTimer = [&](int) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        h.clock.set(h.now() + 100);           // the handler takes long
        EXPECT_FALSE(h.rt.timers.fireOne());  // nothing runs inside it
        --depth;
        w.a.Enabled = fired.size() < 2;
        fired.push_back("x");
    };
    h.advance(1000);
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(TimerTest, ATickThatFellBehindIsNotRepeated) {
    w.a.Interval = 100;
    w.a.Enabled = true;
    // Late by less than an interval: one tick, and the next still counts from the due moment.
    h.clock.set(130);
    EXPECT_EQ(h.rt.timers.fireDue(), 1);
    EXPECT_EQ(h.rt.timers.nextDue(), 200);
    // Late by several intervals (the program was held up): one tick only, the next one interval on.
    h.clock.set(560);
    EXPECT_EQ(h.rt.timers.fireDue(), 1);
    EXPECT_EQ(h.rt.timers.nextDue(), 660);
    h.advance(100);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@130", "a@560", "a@660"}));
}

TEST_F(TimerTest, RunUntilStopsWhenTheConditionHolds) {
    int ticks = 0;
    w.a.Interval = 25;
    w.a.Enabled = true;
    w.a.onTimer = [&](int) { ++ticks; };
    EXPECT_TRUE(h.runUntil([&] { return ticks == 4; }, 1000));
    EXPECT_EQ(h.now(), 100);
    EXPECT_FALSE(h.runUntil([&] { return ticks == 1000; }, 200));
    EXPECT_EQ(h.now(), 300);
}

}  // namespace
