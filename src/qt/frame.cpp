#include "qt/frame.h"

namespace quorbel::qt {

void withoutMaximise(QWidget& window) {
    // Qt fills in the usual buttons unless told the flags are customised.
    window.setWindowFlags((window.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) &
                          ~(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint));
}

}  // namespace quorbel::qt
