// What the benchmarks play: a scripted game on repeatable dice.
#pragma once

#include "game/quorbel.h"
#include "harness.h"

namespace quorbel::bench {

using test::RepeatableRandom;

inline constexpr ControlId kRoll{ControlName::press, 0};

// Any object with roll(), press(die) and claim(id) plays; returns the turns played.
// Each turn: roll, hold dice 1 and 4, roll, swap the hold of die 4 for die 2, roll,
// then claim. Six of a kind stays open while it scores, so it may take extra turns; after
// a hundred the game is left unfinished.
template <class Player>
int playScriptedGame(Player& player, Quorbel& game) {
    int turns = 0;
    for (const ControlId id : test::categoryLabels()) {
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
        } while (!game.isOver() && !isClosed(game.form.find(id)) && turns < 100);
    }
    return turns;
}

}  // namespace quorbel::bench
