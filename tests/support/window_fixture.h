// A shown game window with scripted dice, and the ways a player touches it.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qt/main_window.h"
#include "qt_probe.h"
#include "random_sources.h"
#include "records.h"

namespace quorbel::qt {

using namespace quorbel::test;

inline ControlId id(ControlName name, int index = 0) {
    return {name, index};
}

// Pip position p (1..7) of die d (1..6).
inline ControlId pipOf(int die, int position) {
    return id(ControlName::pip, 7 * (die - 1) + position);
}

inline const QColor kBlueText(0, 0, 255);

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }

    // A new window, as the program opens it; the old one goes.
    void open() {
        window = std::make_unique<MainWindow>(
            dice, Services{[this](const std::string& text) { messages.push_back(text); },
                           [this] { ++exits; }});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* widget(ControlId control) const {
        QWidget* found = window->widgetFor(control);
        EXPECT_NE(found, nullptr);
        return found;
    }
    QLabel* label(ControlId control) const { return qobject_cast<QLabel*>(widget(control)); }
    QPushButton* button(ControlName name) const {
        return qobject_cast<QPushButton*>(widget(id(name)));
    }
    QString text(ControlId control) const { return captionOf(*widget(control)); }

    void click(ControlId control) { QTest::mouseClick(widget(control), Qt::LeftButton); }
    void roll(const std::vector<int>& faces) {
        dice.queueFaces(faces);
        QTest::mouseClick(button(ControlName::press), Qt::LeftButton);
        EXPECT_EQ(dice.left(), 0u) << "every die that is not held takes one draw";
    }

    bool held(int die) const { return widget(id(ControlName::hold, die))->isVisible(); }
    std::vector<int> heldDice() const {
        std::vector<int> out;
        for (int die = 1; die <= 6; ++die)
            if (held(die)) out.push_back(die);
        return out;
    }
    int visiblePips() const {
        int shown = 0;
        for (int k = 1; k <= 42; ++k) shown += widget(id(ControlName::pip, k))->isVisible();
        return shown;
    }

    ScriptedRandom dice;
    std::vector<std::string> messages;  // what the game asked the message box to show
    int exits = 0;
    std::unique_ptr<MainWindow> window;
};

}  // namespace quorbel::qt
