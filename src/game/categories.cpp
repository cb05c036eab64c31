#include "game/categories.h"

#include <algorithm>

namespace quorbel {

Outcome outcomeOf(const GameState& state, const Category& category) {
    if (category.recount == Recount::Never) return category.rule(state);
    GameState recounted = state;
    recounted.facecount = countFaces(state.dice);
    return category.rule(recounted);
}

int& slotOf(GameState& state, const Category& category) {
    return category.face > 0 ? state.facescore[static_cast<std::size_t>(category.face)]
                             : state.*category.slot;
}

int slotOf(const GameState& state, const Category& category) {
    return slotOf(const_cast<GameState&>(state), category);
}

const Category* categoryLabelled(ControlId id) {
    const auto found = std::find_if(kCategories.begin(), kCategories.end(),
                                    [&](const Category& c) { return c.label == id; });
    return found == kCategories.end() ? nullptr : &*found;
}

}  // namespace quorbel
