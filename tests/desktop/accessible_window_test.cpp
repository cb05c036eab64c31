// The real window, under Qt's offscreen platform, as assistive technology reads it.
#include <QAccessible>
#include <map>

#include "game/spoken.h"
#include "window_fixture.h"

namespace quorbel::qt {
namespace {

using enum ControlName;

class AccessibleWindow : public WindowTest {
  protected:
    QString nameOf(ControlId id) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window->widgetFor(id));
        return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
    }

    // Every widget reads what the game says of it right now, its name and its description;
    // the words themselves are the core tests' to check.
    void expectAllCurrent() {
        game().form.forEachControl([&](const Control& control) {
            QWidget* widget = window->widgetFor(control.id);
            if (!widget) return;  // painted by its die
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            EXPECT_EQ(face->text(QAccessible::Name).toStdString(),
                      accessibleName(game(), control.id));
            if (!qobject_cast<QAbstractButton*>(widget)) return;
            EXPECT_EQ(face->text(QAccessible::Description).toStdString(),
                      accessibleDescription(game(), control.id));
        });
    }
};

TEST_F(AccessibleWindow, NamesFollowARollAHoldAndAClaim) {
    EXPECT_EQ(nameOf({Rect, 2}), "Die 2, blank");
    expectAllCurrent();
    roll({5, 2, 5, 5, 1, 6});
    EXPECT_EQ(nameOf({Rect, 1}), "Die 1 shows 5");
    expectAllCurrent();
    pressAt(*window, centreOf(3), Qt::LeftButton, Route::Window, nullptr, false);
    pressAt(*window, centreOf(6), Qt::LeftButton, Route::Window, nullptr, false);
    expectAllCurrent();
    pressAt(*window, centreOf(6), Qt::LeftButton, Route::Topmost);  // on the HOLD picture
    expectAllCurrent();
    QTest::mouseClick(window->widgetFor({chance}), Qt::LeftButton);
    EXPECT_EQ(nameOf({chance}), "Chance: 24, closed");
    expectAllCurrent();
}

// Roles and states say what colour and pictures show: a held die is a checked box, a
// closed or not yet rollable category a disabled button; pips and HOLD are no objects.
TEST_F(AccessibleWindow, RolesAndStatesTellWhatTheWindowShows) {
    const auto face = [&](ControlId id) {
        return QAccessible::queryAccessibleInterface(window->widgetFor(id));
    };
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Quorbel!");
    std::map<QAccessible::Role, int> roles;
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface* child = frame->child(i);
        ++roles[child->role()];
        EXPECT_EQ(frame->indexOfChild(child), i);
    }
    EXPECT_EQ(roles[QAccessible::CheckBox], 6);
    EXPECT_EQ(roles[QAccessible::Button], 16 + 3);
    EXPECT_EQ(roles[QAccessible::StaticText], 5) << "two headings and three totals";
    EXPECT_EQ(roles[QAccessible::Notification], 1) << "what each event brought";
    EXPECT_EQ(frame->childCount(), 6 + 19 + 5 + 1) << "no pips or HOLD pictures";

    EXPECT_EQ(face({Rect, 2})->role(), QAccessible::CheckBox);
    EXPECT_TRUE(face({chance})->state().disabled) << "nothing to claim before a roll";
    roll({4, 4, 1, 2, 3, 6});
    EXPECT_FALSE(face({chance})->state().disabled);
    EXPECT_TRUE(face({chance})->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_FALSE(face({Rect, 2})->state().checked);
    face({Rect, 2})->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(face({Rect, 2})->state().checked);
    EXPECT_TRUE(game().form.hold(2).visible) << "the same as a press on the die";

    face({fvkind})->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(isClosed(game().form.fvkind));
    EXPECT_FALSE(face({Rect, 2})->state().checked) << "the turn is over";
    roll({1, 1, 1, 1, 1, 1});
    EXPECT_TRUE(face({fvkind})->state().disabled) << "closed";
    EXPECT_FALSE(face({chance})->state().disabled);
}

}  // namespace
}  // namespace quorbel::qt
