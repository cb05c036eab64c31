// How assistive technology sees the window: dice as check boxes held or not, categories
// as buttons, and no pips or HOLD pictures of their own.
#pragma once

namespace quorbel::qt {

// Registers the window's accessible interfaces with Qt, once.
void installAccessibility();

}  // namespace quorbel::qt
