// Dice the test chooses: each draw lands in the middle of its face's sixth of [0, 1).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "dice/random_source.h"

class ScriptedRandom final : public quorbel::RandomSource {
  public:
    void seedFromClock() override { ++seeds; }

    double next() override {
        if (faces_.empty()) {
            ADD_FAILURE() << "the game drew a die that the test did not script";
            return 0.0;
        }
        const int face = faces_.front();
        faces_.pop_front();
        return (face - 0.5) / 6.0;
    }

    void queue(const std::vector<int>& faces) {
        faces_.insert(faces_.end(), faces.begin(), faces.end());
    }
    std::size_t left() const { return faces_.size(); }

    int seeds = 0;

  private:
    std::deque<int> faces_;
};
