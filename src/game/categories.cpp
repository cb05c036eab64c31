#include "game/categories.h"

#include <algorithm>

#include "game/score_text.h"

namespace quorbel {

Outcome outcomeOf(const GameState& state, const Category& category) {
    Outcome outcome = category.rule(state, countFaces(state.dice));
    if (outcome.qualifies && category.points > 0) outcome.score = category.points;
    return outcome;
}

std::string claimedCaption(const Category& category, int score) {
    if (category.claimedPrefix.empty())
        return std::string(category.name) + ": " + std::to_string(score);
    return std::string(category.claimedPrefix) + formatScore(score);
}

int& slotOf(GameState& state, const Category& category) {
    return category.face > 0 ? state.facescore[static_cast<std::size_t>(category.face)]
                             : state.*category.slot;
}

int slotOf(const GameState& state, const Category& category) {
    return slotOf(const_cast<GameState&>(state), category);
}

const Category* categoryLabelled(ControlId id) {
    const auto* found = std::find_if(kCategories.begin(), kCategories.end(),
                                     [&](const Category& c) { return c.label == id; });
    return found == kCategories.end() ? nullptr : &*found;
}

}  // namespace quorbel
