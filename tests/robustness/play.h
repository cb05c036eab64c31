// Playing the real window through its widgets, the way a player's clicks would.
#pragma once

#include <QTest>
#include <QWidget>

#include "qt/main_window.h"
#include "qt_probe.h"

namespace quorbel::robustness {

// The category labels, Aces first.
inline std::vector<ControlId> categoryIds() {
    using enum ControlName;
    std::vector<ControlId> ids;
    for (int i = 1; i <= 6; ++i) ids.push_back({numbers, i});
    for (ControlName name :
         {thpair, thrkind, ttkind, frkind, fvkind, sstr, lstr, gstr, sxkind, chance})
        ids.push_back({name, 0});
    return ids;
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
