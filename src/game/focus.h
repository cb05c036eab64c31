// Where keyboard focus goes: the order Tab walks, and the arrow keys' neighbours.
#pragma once

#include <vector>

#include "ui/controls.h"

namespace quorbel {

enum class Arrow { Left, Right, Up, Down };

// Roll, dice 1 to 6 row by row, the sixteen categories in sheet order, Restart, Exit.
const std::vector<ControlId>& focusChain();

// Where an arrow key moves from a die (in the 2 x 3 grid) or a category (along the
// sheet); the control itself at an edge, and for every other control.
ControlId arrowNeighbour(ControlId from, Arrow arrow);

}  // namespace quorbel
