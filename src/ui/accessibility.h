// What assistive technology says for each control of the window: the words a
// player reads on it, plus what colour and pictures tell a sighted player
// (a blue row is closed, a die with HOLD on it is held).
#pragma once

#include <array>
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

// The longer words a screen reader offers on request: Roll lists the faces on view,
// so that a roll can be heard without leaving it. Empty for every other control.
std::string accessibleDescription(const Control& control, const Form& form);

// The controls whose name or description a change to this one alters: a pip or a HOLD
// picture alters its die's square and Roll; any other control, only itself.
std::array<ControlId, 2> spokenBy(ControlId changed);

}  // namespace quorbel
