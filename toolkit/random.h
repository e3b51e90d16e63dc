// The random generator and the game's shared random draw.
#pragma once

#include <cstdint>
#include <deque>

namespace tk {

class Clock;

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint64_t s) = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

// The game's generator (a 64-bit mixing generator; any uniform source would do).
class DefaultRandom final : public RandomSource {
public:
    void seed(std::uint64_t s) override { state_ = s; }
    double next() override;

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

// Gives the numbers a test scripted, in order, and counts its draws. A draw past
// the end of a script throws std::logic_error; a source never scripted gives 0.
class ScriptedRandom final : public RandomSource {
public:
    void seed(std::uint64_t) override {}
    double next() override;
    void push(double r) {
        values_.push_back(r);
        pushed_ = true;
    }
    int draws() const { return draws_; }
    std::size_t remaining() const { return values_.size(); }

private:
    std::deque<double> values_;
    int draws_ = 0;
    bool pushed_ = false;
};

// The shared draw of a value from 1 to k: floor((r + minute/60 - second/61) * k),
// taken modulo k with a floored modulo (the inner value is often negative), plus 1.
int randomDraw(double r, int minute, int second, int k);

// The same with the generator's next number and the clock's current minute and second.
int randomDraw(RandomSource& rng, const Clock& clock, int k);

// The r that makes randomDraw give `value` at this minute and second (tests script draws with it).
double randomFor(int value, int minute, int second, int k);

}  // namespace tk
