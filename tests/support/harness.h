// A game for tests, benchmarks and the fuzzer: scripted dice, services that record each
// rating and exit, the ways a player touches it, and the controls as tests name them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "dice/dice.h"
#include "game/quorbel.h"
#include "random_sources.h"

namespace quorbel::test {

// The six dice as a test writes them: die 1 first. A 0 is a blank die.
using Faces = std::array<int, 6>;

// The middle of die 1..6's square, in window pixels.
struct Point {
    float x, y;
};
constexpr Point dieCentre(int die) {
    const Geometry g = dieSquare(die);
    return {static_cast<float>(g.left) + g.width / 2.0f,
            static_cast<float>(g.top) + g.height / 2.0f};
}

class Harness {
  public:
    enum class Start { Loaded, ByTheWindow };

    // A started game on scripted dice, or on `dice` where given; a window starts it itself.
    explicit Harness(Start start = Start::Loaded, RandomSource* dice = nullptr)
        : game(dice ? *dice : random, recorder()) {
        if (start == Start::Loaded) game.Form_Load();
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // Services that record what the game asks of the toolkit.
    Services recorder() {
        return {[this](const std::string& text) { messages.push_back(text); }, [this] { ++exits; }};
    }

    bool held(int die) const { return game.form.hold(die).visible; }
    // A mouse press in the middle of the die.
    void press(int die) { game.Form_MouseDown(1, 0, dieCentre(die).x, dieCentre(die).y); }

    // Rolls so that the dice read `faces`. Dice already held must show their face
    // already; a 0 holds a die that has never been rolled, so that it stays blank.
    void rollTo(const Faces& faces) {
        for (int die = 1; die <= 6; ++die) {
            const int face = faces[static_cast<std::size_t>(die - 1)];
            if (face == 0 && !held(die)) press(die);
            if (!held(die)) random.queueFaces({face});
        }
        game.click({ControlName::press});
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

// The sixteen category labels in the table's order: Aces..Sixes, then the lower sheet.
inline const std::vector<ControlId>& categoryLabels() {
    static const auto ids = [] {
        std::vector<ControlId> out;
        for (const Category& category : kCategories) out.push_back(category.label);
        return out;
    }();
    return ids;
}

// The categories not yet closed, in the table's order.
inline std::vector<ControlId> openCategories(const Form& form) {
    std::vector<ControlId> open;
    for (ControlId id : categoryLabels())
        if (!isClosed(form.find(id))) open.push_back(id);
    return open;
}

// A control as a message names it, with its index if it is in an array: "numbers(3)".
inline std::string nameOf(ControlId id) {
    switch (id.name) {
#define QUORBEL_ONE(name)   \
    case ControlName::name: \
        return #name;
#define QUORBEL_MANY(name)  \
    case ControlName::name: \
        return #name "(" + std::to_string(id.index) + ")";
        QUORBEL_CONTROLS(QUORBEL_ONE, QUORBEL_MANY)
#undef QUORBEL_ONE
#undef QUORBEL_MANY
    }
    return "control";
}

// Every control of a started game in stacking order, headings, pips and the template too.
inline std::vector<Control> snapshot(const Form& form) {
    std::vector<Control> all;
    form.forEachControl([&](const Control& control) { all.push_back(control); });
    return all;
}

// The pip places (1 upper left, 4 centre, 7 lower right) a face shows; none for a blank die.
inline const std::vector<int>& pipsOfFace(int face) {
    static const std::vector<int> kPips[] = {
        {}, {4}, {1, 7}, {1, 4, 7}, {1, 2, 6, 7}, {1, 2, 4, 6, 7}, {1, 2, 3, 5, 6, 7}};
    return kPips[face];
}

// Where pip place 1..7 sits in its die's square: the offsets of the pip's corner.
inline constexpr std::array<int, 7> kPipLeft = {8, 40, 8, 24, 40, 8, 40};
inline constexpr std::array<int, 7> kPipTop = {8, 8, 24, 24, 24, 40, 40};

// The places of die 1..6 whose pips are shown.
inline std::vector<int> shownPips(const Form& form, int die) {
    std::vector<int> places;
    for (int place = 1; place <= kPipsPerDie; ++place)
        if (form.pip(pipOf(die, place)).visible) places.push_back(place);
    return places;
}

inline int shownPipCount(const Form& form) {
    int shown = 0;
    for (int k = 1; k <= form.pip.upper(); ++k) shown += form.pip(k).visible;
    return shown;
}

}  // namespace quorbel::test
