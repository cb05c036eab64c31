// Test helpers for driving a game without a toolkit: a random source that hands out
// scripted draws, a game harness that records what the window asked of its services,
// and small readers of the form. Header only; needs nothing but quorbel_core.
#pragma once

#include <array>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "dice/random_source.h"
#include "game/quorbel.h"
#include "ui/form.h"

namespace quorbel::test {

// Hands out the queued draws in order and counts how often it was seeded.
class ScriptedRandom final : public RandomSource {
  public:
    void seedFromClock() override { ++seeds; }
    double next() override {
        if (draws.empty()) throw std::logic_error("the dice drew more numbers than were scripted");
        const double r = draws.front();
        draws.pop_front();
        ++taken;
        return r;
    }

    void queue(std::initializer_list<double> rs) { draws.insert(draws.end(), rs); }
    // A draw in the middle of the face's sixth of [0, 1).
    void queueFace(int face) { draws.push_back((face - 0.5) / 6.0); }

    std::deque<double> draws;
    int seeds = 0;
    int taken = 0;
};

// The six dice as a test writes them: die 1 first. A 0 is a blank die.
using Faces = std::array<int, 6>;

// The centre of die n's square, in window pixels.
inline std::array<float, 2> dieCentre(int die) {
    const int row = (die - 1) / 2;
    const int column = (die - 1) % 2;
    return {294.0f + 64.0f * static_cast<float>(column), 38.0f + 64.0f * static_cast<float>(row)};
}

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
            if (!held(die)) random.queueFace(face);
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
