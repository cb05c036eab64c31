#include "game/categories.h"

#include <algorithm>

namespace quorbel {

Control& labelOf(Form& form, const Category& category) {
    return category.face > 0 ? form.numbers(category.face) : form.*category.label;
}

const Control& labelOf(const Form& form, const Category& category) {
    return category.face > 0 ? form.numbers(category.face) : form.*category.label;
}

int& slotOf(GameState& state, const Category& category) {
    return category.face > 0 ? state.facescore[static_cast<std::size_t>(category.face)]
                             : state.*category.slot;
}

int slotOf(const GameState& state, const Category& category) {
    return category.face > 0 ? state.facescore[static_cast<std::size_t>(category.face)]
                             : state.*category.slot;
}

const std::array<ControlId, kCategoryCount>& categoryLabelIds() {
    static const auto ids = [] {
        const Form design = Form::design();
        std::array<ControlId, kCategoryCount> out{};
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const Category& c = kCategories[i];
            out[i] = c.face > 0 ? ControlId{ControlName::numbers, c.face} : (design.*c.label).id;
        }
        return out;
    }();
    return ids;
}

const Category* categoryLabelled(ControlId id) {
    const auto& ids = categoryLabelIds();
    const auto found = std::find(ids.begin(), ids.end(), id);
    if (found == ids.end()) return nullptr;
    return &kCategories[static_cast<std::size_t>(found - ids.begin())];
}

}  // namespace quorbel
