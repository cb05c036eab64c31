#include "game/focus.h"

#include "dice/geometry.h"
#include "game/categories.h"

namespace quorbel {

const std::vector<ControlId>& focusChain() {
    static const std::vector<ControlId> chain = [] {
        std::vector<ControlId> ids{{ControlName::press, 0}};
        for (int die = 1; die <= kDieCount; ++die) ids.push_back({ControlName::Rect, die});
        for (const Category& category : kCategories) ids.push_back(category.label);
        ids.push_back({ControlName::restart, 0});
        ids.push_back({ControlName::exitgame, 0});
        return ids;
    }();
    return chain;
}

ControlId arrowNeighbour(ControlId from, Arrow arrow) {
    const bool sideways = arrow == Arrow::Left || arrow == Arrow::Right;
    const int step = arrow == Arrow::Left || arrow == Arrow::Up ? -1 : 1;
    if (from.name == ControlName::Rect && from.index >= 1 && from.index <= kDieCount) {
        // Two dice a row: left and right stay in the row, up and down in the column.
        const int die = from.index + (sideways ? step : 2 * step);
        const bool inGrid = die >= 1 && die <= kDieCount;
        if (!inGrid || (sideways && (die - 1) / 2 != (from.index - 1) / 2)) return from;
        return {ControlName::Rect, die};
    }
    const Category* category = categoryLabelled(from);
    if (!category) return from;
    const auto next = category - kCategories.data() + step;
    return next < 0 || next >= kCategoryCount ? from
                                              : kCategories[static_cast<std::size_t>(next)].label;
}

}  // namespace quorbel
