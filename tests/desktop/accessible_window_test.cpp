// The real window, under Qt's offscreen platform, as assistive technology reads it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "qt/main_window.h"
#include "qt_probe.h"
#include "random_sources.h"
#include "ui/accessibility.h"

namespace quorbel::qt {
namespace {

using enum ControlName;
using namespace quorbel::test;

class AccessibleWindow : public ::testing::Test {
  protected:
    QString nameOf(ControlId id) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window.widgetFor(id));
        return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
    }
    void roll(std::initializer_list<int> faces) {
        dice.queueFaces(faces);
        QTest::mouseClick(window.widgetFor({press}), Qt::LeftButton);
    }

    // Every widget reads what the game's records say it shows, right now.
    void expectAllCurrent() {
        Quorbel& game = window.game();
        game.form.forEachControl([&](const Control& control) {
            const auto expected =
                QString::fromStdString(accessibleName(control, game.form, game.spokenFacts()));
            EXPECT_EQ(nameOf(control.id), expected);
        });
    }

    ScriptedRandom dice;
    MainWindow window{dice, Services{{}, [] {}}};
};

TEST_F(AccessibleWindow, NamesFollowARollAHoldAndAClaim) {
    EXPECT_EQ(nameOf({press}), "Roll, 0 of 5 rolls used");
    EXPECT_EQ(nameOf({Rect, 2}), "Die 2, blank");

    roll({5, 2, 5, 5, 1, 6});
    EXPECT_EQ(nameOf({press}), "Roll, 1 of 5 rolls used");
    EXPECT_EQ(nameOf({Rect, 1}), "Die 1 shows 5");
    EXPECT_EQ(nameOf({Rect, 5}), "Die 5 shows 1");
    expectAllCurrent();

    pressAt(window, centreOf(3), Qt::LeftButton, Route::Window, nullptr, false);
    pressAt(window, centreOf(6), Qt::LeftButton, Route::Window, nullptr, false);
    EXPECT_EQ(nameOf({Rect, 3}), "Die 3 shows 5, held");
    EXPECT_EQ(nameOf({Rect, 6}), "Die 6 shows 6, held");
    expectAllCurrent();

    QTest::mouseClick(window.widgetFor({hold, 6}), Qt::LeftButton);  // HOLD lets the die go
    EXPECT_EQ(nameOf({Rect, 6}), "Die 6 shows 6");
    expectAllCurrent();

    QTest::mouseClick(window.widgetFor({chance}), Qt::LeftButton);
    EXPECT_EQ(nameOf({chance}), "Chance: 24, closed");
    EXPECT_EQ(nameOf({tott}), "Grand total: 24");
    EXPECT_EQ(nameOf({Rect, 3}), "Die 3, blank");
    EXPECT_EQ(nameOf({press}), "Roll, 0 of 5 rolls used");
    expectAllCurrent();
}

}  // namespace
}  // namespace quorbel::qt
