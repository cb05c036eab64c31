// What assistive technology says for each control of the window: the words a
// player reads on it, plus what colour and pictures tell a sighted player
// (a blue row is closed, a die with HOLD on it is held).
#pragma once

#include <string>

#include "game/game_state.h"
#include "ui/form.h"

namespace quorbel {

// The accessible name of control, one of form's controls, while the game is in state.
std::string accessibleName(const Control& control, const Form& form, const GameState& state);

}  // namespace quorbel
