// How the design's colours, fonts and window frame become Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include "ui/controls.h"

namespace quorbel::qt {

// 0x00BBGGRR to Qt's red, green, blue.
QColor toQColor(Color color);

QString toQString(std::string_view text);

// Design points are meant at 96 dpi: Qt gets pixels, so a screen's own dpi
// setting cannot make a caption outgrow its fixed label.
QFont toQFont(const Font& font);

// The family of Anton, the free face that stands in for Impact (a condensed heavy sans
// of the same build). Registered with Qt the first time it is asked for.
QString impactStandIn();

// Takes the maximise (and full screen) buttons off the window's frame: its size is
// fixed, so they would do nothing. Title, menu, minimise and close stay. Call it before
// the window is shown.
void withoutMaximise(QWidget& window);

}  // namespace quorbel::qt
