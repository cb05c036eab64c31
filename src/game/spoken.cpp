#include "game/spoken.h"

#include <string_view>

#include "dice/dice.h"

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

// An open row that never scored reads without a score: "Chance, open", not a 0.
std::string categoryName(const Quorbel& game, const Category& category) {
    const Control& label = game.form.find(category.label);
    if (isClosed(label)) return spoken(label.caption) + ", closed";
    if (slotOf(game.state, category) != 0) return spoken(label.caption) + ", open";
    return std::string(category.name) + ", open";
}

// "4, 3 held, 5, 2, 5, 1": the faces in order, held dice named as held (a die's own name
// leaves that to its checked state).
std::string faces(const Quorbel& game) {
    std::string words;
    for (int die = 1; die <= kDieCount; ++die) {
        const int face = faceShown(game.state, die);
        words += die > 1 ? ", " : "";
        words += face > 0 ? std::to_string(face) : "blank";
        if (game.form.hold(die).visible) words += " held";
    }
    return words;
}

std::string rollsUsed(int rolls) {
    return std::to_string(rolls) + " of " + std::to_string(kRollsPerTurn) + " rolls used";
}

// What entering the dice would bring, said on an open row while it can be claimed, from
// the rule that would score it: six of a kind that has scored says what it would add.
std::string preview(const Quorbel& game, const Category& category) {
    const Control& label = game.form.find(category.label);
    if (!label.enabled || isClosed(label)) return {};
    const Outcome outcome = outcomeOf(game.state, category);
    const int before = slotOf(game.state, category);
    if (category.scoresWithoutClosing && before > 0)
        return outcome.qualifies ? "Would add " + std::to_string(outcome.score - before)
                                 : "Would close, keeping " + std::to_string(before);
    if (!outcome.qualifies || outcome.score == 0) return "Would close with 0";
    return "Would score " + std::to_string(outcome.score);
}

}  // namespace

std::string accessibleName(const Quorbel& game, ControlId id) {
    const Control& control = game.form.find(id);
    if (const Category* category = categoryLabelled(id)) return categoryName(game, *category);
    switch (id.name) {
        using enum ControlName;
        case totu:
            return "Upper total: " + std::to_string(game.state.uppertotal);
        case totl:
            return "Lower total: " + std::to_string(game.state.lowertotal);
        case tott:
            return "Grand total: " + std::to_string(game.state.grandtotal);
        case press:
            return control.caption + ", " + rollsUsed(game.state.rolls);
        case Rect: {
            const int face = faceShown(game.state, id.index);
            return "Die " + std::to_string(id.index) +
                   (face > 0 ? " shows " + std::to_string(face) : std::string(", blank"));
        }
        default:
            return spoken(control.caption);
    }
}

// Roll: "Dice: 3, 5 held, 1, 6, 2, 4", or nothing while no die shows a face.
std::string accessibleDescription(const Quorbel& game, ControlId id) {
    if (const Category* category = categoryLabelled(id)) return preview(game, *category);
    if (id.name != ControlName::press || game.state.rolls == 0) return {};
    for (int die = 1; die <= kDieCount; ++die)
        if (faceShown(game.state, die) > 0) return "Dice: " + faces(game);
    return {};
}

std::string rolledNews(const Quorbel& game) {
    const int rolls = game.state.rolls;
    return "Rolled " + faces(game) + "; " + rollsUsed(rolls) +
           (rolls < kRollsPerTurn ? "" : ", Roll is spent");
}

std::string claimedNews(const Quorbel& game, const Control& label) {
    const GameState& s = game.state;
    return spoken(label.caption) + ". Upper total " + std::to_string(s.uppertotal) +
           ", lower total " + std::to_string(s.lowertotal) + ", total " +
           std::to_string(s.grandtotal);
}

std::string heldNews(const Quorbel& game, int die) {
    return "Die " + std::to_string(die) + (game.form.hold(die).visible ? " held" : " released");
}

std::string diceNews(const Quorbel& game) {
    if (game.state.rolls == 0) return "Dice not rolled yet";
    return "Dice " + faces(game) + "; " + rollsUsed(game.state.rolls);
}

std::string totalsNews(const Quorbel& game) {
    const GameState& s = game.state;
    int upper = 0;
    bool upperOpen = false;
    for (const Category& category : kCategories) {
        if (category.face == 0) continue;
        upper += slotOf(s, category);
        upperOpen = upperOpen || !isClosed(game.form.find(category.label));
    }
    const std::string bonus =
        upper > kBonusThreshold ? " with the bonus"
        : upperOpen ? ", " + std::to_string(kBonusThreshold + 1 - upper) + " short of the bonus"
                    : ", no bonus";
    return "Upper total " + std::to_string(s.uppertotal) + bonus + "; lower total " +
           std::to_string(s.lowertotal) + "; total " + std::to_string(s.grandtotal);
}

}  // namespace quorbel
