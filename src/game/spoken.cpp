#include "game/spoken.h"

#include <string_view>

#include "dice/geometry.h"

namespace quorbel {

namespace {

// Captions pad their numbers with a blank ("Chance:  21"); a reader needs only one.
std::string spoken(std::string_view caption) {
    std::string words;
    for (char c : caption) {
        if (c == ' ' && (words.empty() || words.back() == ' ')) continue;
        words += c;
    }
    if (!words.empty() && words.back() == ' ') words.pop_back();
    return words;
}

// The face on view: none between turns, nor on a die never rolled.
int faceShown(const GameState& state, int die) {
    return state.rolls > 0 ? state.dice[static_cast<std::size_t>(die)] : 0;
}

std::string dieName(const Quorbel& game, int die) {
    const int face = faceShown(game.state, die);
    return "Die " + std::to_string(die) +
           (face > 0 ? " shows " + std::to_string(face) : std::string(", blank")) +
           (game.form.hold(die).visible ? ", held" : "");
}

}  // namespace

std::string accessibleName(const Quorbel& game, ControlId id) {
    const Control& control = game.form.find(id);
    if (categoryLabelled(id))
        return spoken(control.caption) + (isClosed(control) ? ", closed" : ", open");
    switch (id.name) {
        using enum ControlName;
        case totu:
            return "Upper total: " + std::to_string(game.state.uppertotal);
        case totl:
            return "Lower total: " + std::to_string(game.state.lowertotal);
        case tott:
            return "Grand total: " + std::to_string(game.state.grandtotal);
        case press:
            return control.caption + ", " + std::to_string(game.state.rolls) + " of " +
                   std::to_string(kRollsPerTurn) + " rolls used";
        case Rect:
            return dieName(game, id.index);
        case hold:
        case pip:
            return {};
        default:
            return spoken(control.caption);
    }
}

// "Dice: 3, 5 held, 1, 6, 2, 4", or nothing while no die shows a face.
std::string accessibleDescription(const Quorbel& game, ControlId id) {
    if (id.name != ControlName::press) return {};
    std::string words = "Dice:";
    bool anyShown = false;
    for (int die = 1; die <= kDieCount; ++die) {
        const int face = faceShown(game.state, die);
        anyShown = anyShown || face > 0;
        words += die > 1 ? ", " : " ";
        words += face > 0 ? std::to_string(face) : "blank";
        if (game.form.hold(die).visible) words += " held";
    }
    return anyShown ? words : std::string();
}

}  // namespace quorbel
