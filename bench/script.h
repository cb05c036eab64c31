// What the benchmarks play: a repeatable random source and a scripted game.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "dice/random_source.h"
#include "game/categories.h"
#include "game/quorbel.h"

namespace quorbel::bench {

// The game's own generator, but every "clock seed" is the same, so every game is the same.
class RepeatableRandom final : public RandomSource {
  public:
    void seedFromClock() override { engine_.seed(20261208); }
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_{};
};

inline constexpr ControlId kRoll{ControlName::press, 0};

// The middle of die 1..6 in window pixels, where a mouse press holds or releases it.
struct Point {
    float x;
    float y;
};
inline constexpr Point dieCentre(int die) {
    return {264.0f + 64.0f * static_cast<float>((die - 1) % 2) + 30.0f,
            8.0f + 64.0f * static_cast<float>((die - 1) / 2) + 30.0f};
}

// Any object with roll(), press(die) and claim(id) plays; returns the turns played.
// Each turn: roll, hold dice 1 and 4, roll, swap the hold of die 4 for die 2, roll,
// then claim. Six of a kind stays open while it scores, so it may take extra turns.
template <class Player>
int playScriptedGame(Player& player, Quorbel& game) {
    int turns = 0;
    for (const ControlId id : categoryLabelIds()) {
        do {
            player.roll();
            player.press(1);
            player.press(4);
            player.roll();
            player.press(4);
            player.press(2);
            player.roll();
            player.claim(id);
            ++turns;
        } while (!game.isOver() && game.form.find(id).foreColor != kBlue);
    }
    return turns;
}

}  // namespace quorbel::bench
