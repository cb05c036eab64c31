// How assistive technology sees the window: a closed category reads as disabled, and the
// window has no pips or HOLD pictures of its own.
#pragma once

namespace quorbel::qt {

// Registers the window's accessible interfaces with Qt.
void installAccessibility();

}  // namespace quorbel::qt
