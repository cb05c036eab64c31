// Playing the real window through its widgets, the way a player's clicks would.
#pragma once

#include <QTest>
#include <QWidget>

#include "qt/main_window.h"
#include "qt_probe.h"
#include "walk.h"

namespace quorbel::robustness {

// The category labels, Aces first.
inline std::vector<ControlId> categoryIds() {
    return {categoryLabelIds().begin(), categoryLabelIds().end()};
}

inline bool isClosed(qt::MainWindow& window, ControlId id) {
    return window.game().form.find(id).foreColor == kBlue;
}

// One turn: Roll, then a click on the first open category; after each click, then().
template <class Then>
void playTurn(qt::MainWindow& window, const WidgetMap& widgets, Then&& then) {
    QTest::mouseClick(widgets[{ControlName::press, 0}], Qt::LeftButton);
    then();
    for (ControlId id : categoryIds()) {
        if (isClosed(window, id)) continue;
        QTest::mouseClick(widgets[id], Qt::LeftButton);
        then();
        return;
    }
}

inline void playTurn(qt::MainWindow& window, const WidgetMap& widgets) {
    playTurn(window, widgets, [] {});
}

}  // namespace quorbel::robustness
