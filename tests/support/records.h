// The game's controls as tests list and name them.
#pragma once

#include <array>
#include <string>

#include "game/categories.h"
#include "ui/form.h"

namespace quorbel::test {

// The sixteen category labels in the table's order: Aces..Sixes, then the lower sheet.
inline const std::array<ControlId, kCategoryCount>& categoryLabels() {
    return categoryLabelIds();
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

}  // namespace quorbel::test
