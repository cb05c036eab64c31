// The game's controls as tests name and find them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/categories.h"
#include "ui/form.h"

namespace quorbel::test {

// The sixteen category labels in the table's order: Aces..Sixes, then the lower sheet.
inline const std::array<ControlId, kCategoryCount>& categoryLabels() {
    return kCategoryLabelIds;
}

// A control's name as its handlers write it: "numbers", "press", "Rect", ...
std::string_view controlName(ControlName name);

// A control as a message names it, with its index if it is in an array: "numbers(3)".
std::string nameOf(ControlId id);

// The record of a control, in a form that may not change.
const Control& recordOf(const Form& form, ControlId id);

}  // namespace quorbel::test
