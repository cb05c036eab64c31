// Dice for tests and benchmarks: draws a test writes down, and draws that come out the
// same on every run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>
#include <span>
#include <stdexcept>
#include <vector>

#include "dice/random_source.h"

namespace quorbel::test {

// 53 random bits scaled into [0, 1): never 1.0.
inline double uniform01(std::mt19937_64& engine) {
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

// One element of c, each as likely.
template <class C>
const auto& oneOf(const C& c, std::mt19937_64& engine) {
    return c[static_cast<std::size_t>(
        std::uniform_int_distribution<int>(0, static_cast<int>(c.size()) - 1)(engine))];
}

// Hands out the scripted draws in order, and counts the draws taken and the clock seeds.
// A draw past the end of the script throws.
class ScriptedRandom final : public RandomSource {
  public:
    void seedFromClock() override { ++seeds; }
    double next() override {
        if (next_ == script_.size())
            throw std::logic_error("the dice drew more numbers than were scripted");
        ++taken;
        return script_[next_++];
    }

    void queueDraws(std::initializer_list<double> draws) {
        for (double draw : draws) queue(draw);
    }
    // One draw per face, in the middle of the face's sixth of [0, 1).
    void queueFaces(const std::vector<int>& faces) {
        for (int face : faces) queue((face - 0.5) / 6.0);
    }
    // Drops what is left and starts again on these draws.
    void restart(std::span<const double> draws) {
        script_.assign(draws.begin(), draws.end());
        next_ = 0;
    }
    std::size_t left() const { return script_.size() - next_; }

    int seeds = 0;
    int taken = 0;

  private:
    void queue(double draw) {
        if (next_ == script_.size()) {  // all taken: start afresh
            script_.clear();
            next_ = 0;
        }
        script_.push_back(draw);
    }

    std::vector<double> script_;
    std::size_t next_ = 0;
};

// The game's own generator on a fixed seed. Each clock seed starts it again from that seed,
// so that every game is the same. A sticky one is seeded once, and half of its draws repeat
// the one before, so that six of a kind comes up often.
class RepeatableRandom final : public RandomSource {
  public:
    enum Kind { EveryGameAlike, Sticky };
    explicit RepeatableRandom(std::uint64_t seed = 20261208, Kind kind = EveryGameAlike)
        : seed_(seed), kind_(kind), engine_(seed) {}

    void seedFromClock() override {
        if (kind_ == EveryGameAlike) engine_.seed(seed_);
    }
    double next() override {
        if (kind_ == Sticky && std::bernoulli_distribution(0.5)(engine_)) return last_;
        last_ = uniform01(engine_);
        return last_;
    }

  private:
    std::uint64_t seed_;
    Kind kind_;
    std::mt19937_64 engine_;
    double last_ = 0.5;
};

}  // namespace quorbel::test
