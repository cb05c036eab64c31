// Dice chosen by the test, face by face, for a game driven through its handlers.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

#include "dice/random_source.h"

class DiceScript final : public quorbel::RandomSource {
  public:
    void seedFromClock() override {}
    double next() override {
        if (faces_.empty()) {
            ADD_FAILURE() << "a die was rolled that the test did not choose";
            return 0.0;
        }
        const int face = faces_.front();
        faces_.pop_front();
        return (face - 0.5) / 6.0;  // the middle of that face's sixth of [0, 1)
    }
    void then(std::initializer_list<int> faces) { faces_.insert(faces_.end(), faces); }

  private:
    std::deque<int> faces_;
};
