// Where the dice get their luck: a uniform draw in [0, 1).
#pragma once

#include <cstdint>
#include <random>

namespace quorbel {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

class ClockRandom final : public RandomSource {
  public:
    void seedFromClock() override;
    double next() override {
        // 53 random bits scaled into [0, 1): never 1.0, unlike some generate_canonical builds.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

  private:
    std::mt19937_64 engine_{};
};

// Int(r * 6) + 1, kept to 1..6 even if a source strays outside [0, 1).
int faceFromDraw(double r);

}  // namespace quorbel
