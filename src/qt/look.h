// How the design's colours and fonts become Qt's.
#pragma once

#include <QColor>
#include <QFont>

#include "ui/controls.h"

namespace quorbel::qt {

// 0x00BBGGRR to Qt's red, green, blue.
QColor toQColor(Color color);

// Design points are meant at 96 dpi: Qt gets pixels, so a screen's own dpi
// setting cannot make a caption outgrow its fixed label.
QFont toQFont(const Font& font);

}  // namespace quorbel::qt
