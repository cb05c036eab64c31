// How assistive technology sees the window: Roll, the dice and the rows of the sheet say
// what the game says of them, and a closed category reads as disabled.
#pragma once

namespace quorbel::qt {

// Registers the window's accessible interfaces with Qt.
void installAccessibility();

}  // namespace quorbel::qt
