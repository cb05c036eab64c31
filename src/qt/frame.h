// What the window manager's frame offers around the game's fixed-size windows.
#pragma once

#include <QWidget>

namespace quorbel::qt {

// Takes the maximise (and full screen) buttons off the window's frame: its size is
// fixed, so they would do nothing. Title, menu, minimise and close stay. Call it before
// the window is shown.
void withoutMaximise(QWidget& window);

}  // namespace quorbel::qt
