// Where keyboard focus goes: the order Tab walks, and the arrow keys' neighbours.
#pragma once

#include <vector>

#include "ui/form.h"

namespace quorbel {

enum class Arrow { Left, Right, Up, Down };

// Roll, dice 1 to 6 row by row, the sixteen categories in sheet order, Restart, Exit.
const std::vector<ControlId>& focusChain();

// Where an arrow key moves from a die (in the 2 x 3 grid) or a row of the sheet (along it);
// Left from Roll, Restart, Exit or the dice' left column goes to the sheet's first row. The
// control itself at an edge, and for every other control.
ControlId arrowNeighbour(ControlId from, Arrow arrow);

// Where a category's letter moves from a control: the next open category with that key
// in sheet order, round to the first, or with backwards the one before. The control itself
// when no open category has the key.
ControlId categoryByKey(const Form& form, ControlId from, char key, bool backwards);

}  // namespace quorbel
