// Playing the real window through its widgets, the way a player's clicks would.
#pragma once

#include <QTest>
#include <QWidget>

#include "qt/main_window.h"
#include "qt_probe.h"
#include "records.h"

namespace quorbel::robustness {

// One turn: Roll, then a click on the first open category; after each click, then().
template <class Then>
void playTurn(qt::MainWindow& window, const test::WidgetMap& widgets, Then&& then) {
    QTest::mouseClick(widgets[{ControlName::press, 0}], Qt::LeftButton);
    then();
    const std::vector<ControlId> open = test::openCategories(window.game().form);
    if (open.empty()) return;
    QTest::mouseClick(widgets[open.front()], Qt::LeftButton);
    then();
}

inline void playTurn(qt::MainWindow& window, const test::WidgetMap& widgets) {
    playTurn(window, widgets, [] {});
}

}  // namespace quorbel::robustness
