// Test helpers for driving a game without a toolkit: a game harness with scripted dice
// that records what the window asked of its services, and small readers of the form.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "dice/geometry.h"
#include "game/quorbel.h"
#include "random_sources.h"
#include "records.h"
#include "ui/form.h"

namespace quorbel::test {

// The six dice as a test writes them: die 1 first. A 0 is a blank die.
using Faces = std::array<int, 6>;

// A started game whose services record every message and exit request.
class Harness {
  public:
    Harness()
        : game(random, Services{[this](const std::string& text) { messages.push_back(text); },
                                [this] { ++exits; }}) {
        game.Form_Load();
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    bool held(int die) const { return game.form.hold(die).visible; }
    void press(int die) {
        const auto [x, y] = dieCentre(die);
        game.Form_MouseDown(1, 0, x, y);
    }

    // Rolls so that the dice read `faces`. Dice already held must show their face
    // already; a 0 holds a die that has never been rolled, so that it stays blank.
    void rollTo(const Faces& faces) {
        for (int die = 1; die <= 6; ++die) {
            const int face = faces[static_cast<std::size_t>(die - 1)];
            if (face == 0 && !held(die)) press(die);
            if (!held(die)) random.queueFaces({face});
        }
        game.click({ControlName::press, 0});
    }

    // One turn: roll to `faces`, then click the label.
    void enter(const Faces& faces, ControlId label) {
        rollTo(faces);
        game.click(label);
    }

    ScriptedRandom random;
    std::vector<std::string> messages;
    int exits = 0;
    Quorbel game;
};

// Every control in stacking order, bottom first.
inline std::vector<Control> snapshot(const Form& form) {
    std::vector<Control> all;
    form.forEachControl([&](const Control& control) { all.push_back(control); });
    return all;
}

// Indices of the pips that are visible.
inline std::vector<int> visiblePips(const Form& form) {
    std::vector<int> shown;
    for (int k = 1; k <= form.pip.upper(); ++k)
        if (form.pip(k).visible) shown.push_back(k);
    return shown;
}

}  // namespace quorbel::test
