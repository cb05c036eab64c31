// Playing the real window through its widgets, the way a player's clicks would.
#pragma once

#include <QTest>
#include <QWidget>

#include "harness.h"
#include "qt_probe.h"

namespace quorbel::robustness {

// One turn: Roll, then a click on the first open category; after each click, then().
template <class Then>
void playTurn(const Quorbel& game, const test::WidgetMap& widgets, Then&& then) {
    QTest::mouseClick(widgets[{ControlName::press}], Qt::LeftButton);
    then();
    const std::vector<ControlId> open = test::openCategories(game.form);
    if (open.empty()) return;
    QTest::mouseClick(widgets[open.front()], Qt::LeftButton);
    then();
}

}  // namespace quorbel::robustness
