// What assistive technology says for each control of the window: the words a
// player reads on it, plus what colour and pictures tell a sighted player
// (a blue row is closed, a die with HOLD on it is held).
#pragma once

#include <span>
#include <string>

#include "ui/form.h"

namespace quorbel {

// What the names need to know beyond the controls themselves.
struct SpokenFacts {
    int rollsUsed = 0;
    int rollsPerTurn = 0;
    std::span<const ControlId> categories;  // the labels that score a category
};

// The accessible name of control, one of form's controls.
std::string accessibleName(const Control& control, const Form& form, const SpokenFacts& facts);

// The control whose name a change to this one alters: a die's square for its pips and
// its HOLD picture, the control itself for every other.
ControlId namedBy(ControlId changed);

}  // namespace quorbel
