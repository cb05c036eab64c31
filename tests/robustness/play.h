// Playing the real window through its widgets, the way a player's clicks would.
#pragma once

#include <QTest>
#include <QWidget>

#include "qt/main_window.h"
#include "qt_probe.h"
#include "records.h"

namespace quorbel::robustness {

inline bool isClosed(qt::MainWindow& window, ControlId id) {
    return window.game().form.find(id).foreColor == kBlue;
}

// One turn: Roll, then a click on the first open category; after each click, then().
template <class Then>
void playTurn(qt::MainWindow& window, const test::WidgetMap& widgets, Then&& then) {
    QTest::mouseClick(widgets[{ControlName::press, 0}], Qt::LeftButton);
    then();
    for (ControlId id : test::categoryLabels()) {
        if (isClosed(window, id)) continue;
        QTest::mouseClick(widgets[id], Qt::LeftButton);
        then();
        return;
    }
}

inline void playTurn(qt::MainWindow& window, const test::WidgetMap& widgets) {
    playTurn(window, widgets, [] {});
}

}  // namespace quorbel::robustness
