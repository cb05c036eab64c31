// Six dice on the form: rolling them, holding them, and finding one under the mouse.
#pragma once

#include <array>

#include "dice/random_source.h"
#include "ui/form.h"

namespace quorbel {

using Dice = std::array<int, 7>;  // die 1..6; 0 while a die has never been rolled

// The die whose square holds a window point, or 0 for none. Edges and gaps hit nothing.
int dieAt(double x, double y);

void toggleHold(Form& form, int die);  // dice outside 1..6 are left alone

// Draws every die that is not held, then shows all six faces afresh. The HOLD
// pictures take clicks again.
void rollDice(Form& form, Dice& dice, RandomSource& random);

// Takes every pip and HOLD picture off the dice; the pictures stop taking clicks.
void clearDice(Form& form);

}  // namespace quorbel
