// The game's controls as tests list and name them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/categories.h"
#include "ui/form.h"

namespace quorbel::test {

// The sixteen category labels in the table's order: Aces..Sixes, then the lower sheet.
inline const std::array<ControlId, kCategoryCount>& categoryLabels() {
    static const auto ids = [] {
        std::array<ControlId, kCategoryCount> out{};
        for (std::size_t i = 0; i < kCategoryCount; ++i) out[i] = kCategories[i].label;
        return out;
    }();
    return ids;
}

// The categories not yet closed, in the table's order.
inline std::vector<ControlId> openCategories(const Form& form) {
    std::vector<ControlId> open;
    for (const Category& category : kCategories)
        if (!isClosed(form.find(category.label))) open.push_back(category.label);
    return open;
}

// A control as a message names it, with its index if it is in an array: "numbers(3)".
inline std::string nameOf(ControlId id) {
    std::string name(quorbel::nameOf(id.name));
    switch (id.name) {
        case ControlName::numbers:
        case ControlName::Rect:
        case ControlName::hold:
        case ControlName::pip:
            return name + "(" + std::to_string(id.index) + ")";
        default:
            return name;
    }
}

// The pips that show a face (0 is a blank die) as positions 1..7 in its die: 1 upper left,
// 4 centre, 7 lower right.
inline const std::vector<int>& pipsOfFace(int face) {
    static const std::vector<int> kPips[] = {
        {}, {4}, {1, 7}, {1, 4, 7}, {1, 2, 6, 7}, {1, 2, 4, 6, 7}, {1, 2, 3, 5, 6, 7}};
    return kPips[face];
}

// Where pip position 1..7 sits in its die's square: the offsets of the pip's corner.
inline constexpr std::array<int, 7> kPipLeft = {8, 40, 8, 24, 40, 8, 40};
inline constexpr std::array<int, 7> kPipTop = {8, 8, 24, 24, 24, 40, 40};

}  // namespace quorbel::test
