// The whole game by keys alone: Tab, arrows, Space and Enter on the real widgets.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QToolTip>
#include <QTreeWidget>
#include <functional>

#include "qt/widgets.h"
#include "window_fixture.h"

namespace quorbel::qt {
namespace {

using enum ControlName;

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    bool focused(ControlId control) const { return focus() == widget(control); }

    // A key on whatever has focus; focus never lands on a control a player can't use.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), k, modifiers);
        ASSERT_NE(focus(), nullptr);
        EXPECT_TRUE(focus()->isVisible() && focus()->isEnabled())
            << focus()->accessibleName().toStdString();
    }
    // One press of a key held down until it repeats, each event sent where the focus is
    // by then, as a keyboard sends it.
    void holdDown(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        const auto send = [&](bool press, bool repeat) {
            QTest::simulateEvent(focus(), press, k, modifiers, QString(), repeat);
        };
        send(true, false);
        for (int n = 0; n < 3; ++n) send(false, true), send(true, true);
        send(false, false);
    }
    void rollByKey(const std::vector<int>& faces) {
        ASSERT_TRUE(focused(id(press)));
        h->random.queueFaces(faces);
        key(Qt::Key_Space);
        EXPECT_EQ(h->random.left(), 0u);
    }
    // Tabs forward until the control has focus; the number of Tab presses it took.
    int tabTo(ControlId control) {
        for (int tabs = 0; tabs < 30; ++tabs, key(Qt::Key_Tab))
            if (focused(control)) return tabs;
        ADD_FAILURE() << "Tab never reaches " << nameOf(control);
        return -1;
    }
    // The Tab stops, Roll's own included, until focus comes back to where it started.
    std::vector<QWidget*> tabStops(Qt::KeyboardModifiers modifiers = {}) {
        std::vector<QWidget*> stops{focus()};
        for (int n = 0; n < 30; ++n) {
            key(Qt::Key_Tab, modifiers);
            if (focus() == stops.front()) break;
            stops.push_back(focus());
        }
        return stops;
    }
};

// The game's own keys act wherever the focus is; each key acts once, however long it is
// held, and only as a plain key of the main block.
TEST_F(KeyboardTest, KeysActOnceAPressWhereverTheFocusIs) {
    struct Row {
        ControlId from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        ControlId to;
        std::vector<int> held;
        int rolls, claimed;
    };
    const auto none = Qt::KeyboardModifiers{};
    // clang-format off
    const Row rows[] = {
        {id(Rect, 5), Qt::Key_3, none, id(Rect, 5), {3}, 1, 0},
        {id(chance), Qt::Key_6, none, id(chance), {6}, 1, 0},
        {id(press), Qt::Key_3, Qt::KeypadModifier, id(press), {}, 1, 0},
        {id(press), Qt::Key_3, Qt::ControlModifier, id(press), {}, 1, 0},
        {id(Rect, 2), Qt::Key_R, none, id(Rect, 2), {}, 2, 0},
        {id(Rect, 2), Qt::Key_R, Qt::AltModifier, id(Rect, 2), {}, 1, 0},
        {id(chance), Qt::Key_R, Qt::ControlModifier, id(chance), {}, 2, 0},
        {id(Rect, 1), Qt::Key_Enter, none, id(Rect, 1), {1}, 1, 0},
        {id(Rect, 1), Qt::Key_Space, none, id(Rect, 1), {1}, 1, 0},
        {id(press), Qt::Key_K, Qt::ShiftModifier, id(fvkind), {}, 1, 0},
        {id(press), Qt::Key_K, Qt::ControlModifier, id(press), {}, 1, 0},
        {id(Rect, 4), Qt::Key_Q, none, id(sxkind), {}, 1, 0},
        {id(Rect, 2), Qt::Key_Left, Qt::ShiftModifier, id(numbers, 1), {}, 1, 0},
        {id(Rect, 2), Qt::Key_Left, Qt::KeypadModifier, id(numbers, 1), {}, 1, 0},
        {id(chance), Qt::Key_Return, none, id(press), {}, 0, 1},
        {id(chance), Qt::Key_Space, none, id(press), {}, 0, 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(nameOf(row.from) + " key " + std::to_string(row.key));
        SetUp();
        roll({1, 2, 3, 4, 5, 6});
        h->random.queueFaces({6, 6, 6, 6, 6, 6});  // for a roll by key
        tabTo(row.from);
        holdDown(row.key, row.modifiers);
        EXPECT_TRUE(focused(row.to));
        EXPECT_EQ(heldDice(), row.held);
        EXPECT_EQ(game().state.rolls, row.rolls);
        EXPECT_EQ(game().state.claimed, row.claimed);
    }
}

// What the window says without a key: on Qt 6.8 and later an announcement, before that
// the words of a notification as it is shown.
std::vector<QString> heard;
void listen(QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        heard.push_back(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
#endif
    if (event->type() == QAccessible::ObjectShow && qobject_cast<Notice*>(event->object()))
        heard.push_back(static_cast<QWidget*>(event->object())->accessibleName());
}

// The list that F1 shows, row by row: each key on it pressed, from a new game, and what it
// did checked, so that the list and the keys cannot drift apart. A game's key is held down
// till it repeats, and acts once.
TEST_F(KeyboardTest, EveryKeyOnTheListDoesWhatItSays) {
    tabTo(id(Rect, 2));
    key(Qt::Key_F1);
    auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(list, nullptr);
    const auto* table = list->findChild<QTreeWidget*>();
    ASSERT_NE(table, nullptr);
    std::vector<QString> rows;
    for (int row = 0; row < table->topLevelItemCount(); ++row)
        rows.push_back(table->topLevelItem(row)->text(0));
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));

    const auto none = Qt::KeyboardModifiers{};
    const auto goesTo = [this](Qt::Key k, Qt::KeyboardModifiers m, ControlId to) {
        key(k, m);
        EXPECT_TRUE(focused(to)) << nameOf(to);
    };
    const auto says = [this](Qt::Key k, const QString& words) {
        roll({1, 2, 3, 4, 5, 6});
        heard.clear();
        key(k);
        EXPECT_EQ(heard, std::vector<QString>{words});
    };
    const auto letter = [&](Qt::Key k, Qt::KeyboardModifiers m, ControlId to) {
        return [=, this] {
            roll({1, 2, 3, 4, 5, 6});
            holdDown(k, m);
            EXPECT_TRUE(focused(to)) << nameOf(to);
        };
    };
    const std::vector<std::pair<QString, std::function<void()>>> checks = {
        {"1 to 6",
         [&] {
             for (int die = 1; die <= 6; ++die) holdDown(Qt::Key(Qt::Key_0 + die));
             EXPECT_EQ(heldDice(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
         }},
        {"R or Ctrl+R",
         [&] {
             rollByKey({1, 2, 3, 4, 5, 6});
             h->random.queueFaces({1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6});
             holdDown(Qt::Key_R);
             holdDown(Qt::Key_R, Qt::ControlModifier);
             EXPECT_EQ(game().state.rolls, 3);
         }},
        {"A", letter(Qt::Key_A, none, id(numbers, 1))},
        {"T", letter(Qt::Key_T, none, id(numbers, 2))},
        {"F", letter(Qt::Key_F, none, id(numbers, 4))},
        {"S", letter(Qt::Key_S, none, id(numbers, 6))},
        {"P", letter(Qt::Key_P, none, id(thpair))},
        {"K", letter(Qt::Key_K, none, id(thrkind))},
        {"L", letter(Qt::Key_L, none, id(lstr))},
        {"G", letter(Qt::Key_G, none, id(gstr))},
        {"Q", letter(Qt::Key_Q, none, id(sxkind))},
        {"C", letter(Qt::Key_C, none, id(chance))},
        {"Shift with a letter", letter(Qt::Key_S, Qt::ShiftModifier, id(sstr))},
        // On Roll, each rolls and the dice show their faces; on a die, each does what a
        // press does, before any roll and after one; other keys leave the die alone.
        {"Space or Enter",
         [&] {
             for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
                 h->random.queueFaces({1, 2, 3, 4, 5, 6});
                 holdDown(k);
             }
             EXPECT_EQ(game().state.rolls, 3);
             EXPECT_EQ(h->random.left(), 0u);
             for (int die = 1; die <= 6; ++die) EXPECT_EQ(paintedPips(die), pipsOfFace(die));
             for (ControlId c : categoryLabels())
                 EXPECT_TRUE(static_cast<SheetButton*>(widget(c))->claimable());
             for (bool rolled : {false, true}) {
                 SetUp();
                 if (rolled) rollByKey({1, 2, 3, 4, 5, 6});
                 tabTo(id(Rect, 3));
                 for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
                     const bool before = held(3);
                     key(k);
                     EXPECT_NE(held(3), before) << "key " << k;
                     EXPECT_EQ(heldDice().size(), held(3) ? 1u : 0u);
                 }
                 for (Qt::Key k : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_1}) {
                     const bool before = held(3);
                     key(k);
                     EXPECT_EQ(held(3), before) << "key " << k;
                 }
             }
         }},
        // Roll, the dice, then the open sheet once it can be claimed; Shift goes back.
        {"Tab, Shift+Tab",
         [&] {
             std::vector<QWidget*> expected{widget(id(press))};
             for (int die = 1; die <= 6; ++die) expected.push_back(widget(id(Rect, die)));
             EXPECT_EQ(tabStops(), expected) << "the sheet takes no focus before a roll";
             rollByKey({1, 2, 3, 4, 5, 6});
             for (ControlId c : categoryLabels()) expected.push_back(widget(c));
             EXPECT_EQ(tabStops(), expected);
             std::vector<QWidget*> backwards{expected.front()};
             backwards.insert(backwards.end(), expected.rbegin(), expected.rend() - 1);
             EXPECT_EQ(tabStops(Qt::ShiftModifier), backwards);
         }},
        // Through the dice, and left of them onto the sheet, before any roll too.
        {"Arrow keys",
         [&] {
             tabTo(id(Rect, 3));
             goesTo(Qt::Key_Left, none, id(numbers, 1));
             tabTo(id(press));
             rollByKey({1, 2, 3, 4, 5, 6});
             tabTo(id(Rect, 1));
             // clang-format off
             const std::pair<Qt::Key, ControlId> steps[] = {
                 {Qt::Key_Right, id(Rect, 2)}, {Qt::Key_Down, id(Rect, 4)},
                 {Qt::Key_Down, id(Rect, 6)}, {Qt::Key_Left, id(Rect, 5)},
                 {Qt::Key_Down, id(totu)}, {Qt::Key_Down, id(thpair)}, {Qt::Key_Up, id(totu)},
                 {Qt::Key_Up, id(numbers, 6)}};
             // clang-format on
             for (std::size_t n = 0; n < std::size(steps); ++n) {
                 if (n == 4) tabTo(id(numbers, 6));  // from the dice to the sheet
                 goesTo(steps[n].first, none, steps[n].second);
             }
         }},
        {"W", [&] { says(Qt::Key_W, "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used"); }},
        {"D", [&] { says(Qt::Key_D, "Dice 1, 2, 3, 4, 5, 6; 1 of 5 rolls used"); }},
        {"O",
         [&] { says(Qt::Key_O, "Upper total 0, 76 short of the bonus; lower total 0; total 0"); }},
        // The list, whose Escape closes it; a category's row tells the mouse, as a tool tip,
        // what entering would bring.
        {"F1",
         [&] {
             roll({1, 2, 3, 4, 5, 6});
             QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5),
                            widget(id(chance))->mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(widget(id(chance)), &tip);
             EXPECT_EQ(QToolTip::text(), "Would score 21");
             QToolTip::hideText();
             key(Qt::Key_F1);
             EXPECT_NE(qobject_cast<QDialog*>(QApplication::activeModalWidget()), nullptr);
         }},
        {"Ctrl+Q",
         [&] {
             QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
             EXPECT_EQ(h->exits, 1);
         }},
    };
    std::vector<QString> checked;
    for (const auto& [keys, check] : checks) checked.push_back(keys);
    EXPECT_EQ(rows, checked) << "every key the list shows, and no other, is checked here";
    // A screen reader listens, switched on through the platform as it would be.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(platform, nullptr);
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(listen);
    platform->setActive(true);
    for (const auto& [keys, check] : checks) {
        SCOPED_TRACE(keys.toStdString());
        SetUp();
        check();
    }
    platform->setActive(false);
    QAccessible::installUpdateHandler(before);
}

// Each turn: roll, hold die 1, roll again, then claim the first open category.
TEST_F(KeyboardTest, AWholeGameToItsRatingAndARestart) {
    int turns = 0;
    while (!game().isOver() && turns < 40) {
        SCOPED_TRACE("turn " + std::to_string(++turns));
        rollByKey({6, 6, 6, 6, 6, 5});
        tabTo(id(Rect, 1));
        key(Qt::Key_Space);
        ASSERT_EQ(heldDice(), std::vector<int>{1});
        key(Qt::Key_Tab, Qt::ShiftModifier);
        rollByKey({6, 6, 6, 6, 5});
        const std::vector<ControlId> open = openCategories(game().form);
        ASSERT_FALSE(open.empty());
        tabTo(open.front());
        key(Qt::Key_Return);
        if (!game().isOver()) {
            EXPECT_TRUE(focused(id(press))) << "back to Roll";
        }
    }
    ASSERT_TRUE(game().isOver()) << game().state.claimed << " closed";
    ASSERT_EQ(h->messages.size(), 1u);
    const int total = game().state.grandtotal;
    EXPECT_NE(h->messages[0].find(" " + std::to_string(total) + " "), std::string::npos)
        << h->messages[0];
    EXPECT_TRUE(focused(id(restart))) << "Restart has focus at the end";
    EXPECT_EQ(tabStops(), (std::vector<QWidget*>{widget(id(restart)), widget(id(exitgame))}))
        << "the blank dice leave the Tab chain";
    const GameState over = game().state;
    h->random.queueFaces({6, 6, 6, 6, 6, 6});
    key(Qt::Key_R);
    EXPECT_EQ(game().state, over) << "R does not roll once Roll is hidden";
    h->random.restart({});

    key(Qt::Key_Return);
    EXPECT_FALSE(game().isOver());
    EXPECT_EQ(game().state.grandtotal, 0);
    EXPECT_TRUE(focused(id(press))) << "a new game starts on Roll";
}

// Roll is spent after the fifth roll: the focus moves to die 1, and R rolls no more.
TEST_F(KeyboardTest, FocusMovesToDieOneWhenRollIsSpent) {
    for (int roll = 1; roll <= 5; ++roll) {
        rollByKey({1, 2, 3, 4, 5, 6});
        if (roll < 5) {
            EXPECT_TRUE(focused(id(press)));
        }
    }
    EXPECT_TRUE(focused(id(Rect, 1)));
    h->random.queueFaces({6, 6, 6, 6, 6, 6});
    key(Qt::Key_R);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(game().state.rolls, 5);
    EXPECT_EQ(h->random.left(), 6u);
    h->random.restart({});
    tabTo(id(chance));
    key(Qt::Key_Space);
    EXPECT_TRUE(focused(id(press)));
    EXPECT_EQ(caption(id(chance)), "Chance:  21");
    // A closed category and a total take the arrows, and no key claims anything there.
    rollByKey({1, 1, 1, 1, 1, 1});
    tabTo(id(sxkind));
    for (ControlId c : {id(chance), id(totl)}) {
        key(Qt::Key_Right);
        ASSERT_TRUE(focused(c));
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) key(k);
        EXPECT_TRUE(focused(c));
    }
    EXPECT_EQ(caption(id(chance)), "Chance:  21");
    EXPECT_EQ(game().state.claimed, 1);
}

// Only a keyboard player sees the mark, and only on the control with focus. The window
// to compare with has never had a key.
TEST_F(KeyboardTest, TheFocusMarkShowsOnlyAfterAKey) {
    roll({1, 2, 3, 4, 5, 6});
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(200, 370));
    const QImage mouse = window->grab().toImage();
    tabTo(id(Rect, 1));
    tabTo(id(press));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(200, 370));  // back to the mouse
    EXPECT_EQ(window->grab().toImage(), mouse) << "no mark once the mouse is back";

    const auto marked = [&](ControlId c) {
        const QImage shot = widget(c)->grab().toImage();
        return shot.pixelColor(shot.width() / 2, shot.height() - 1) == QColor(Qt::black);
    };
    for (ControlId c : {id(Rect, 2), id(thpair), id(press)}) {
        tabTo(c);
        EXPECT_TRUE(marked(c)) << nameOf(c);
    }
    // A game's own key, which a shortcut takes, shows it as well.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(200, 370));
    key(Qt::Key_K);
    EXPECT_TRUE(marked(id(thrkind)));
}

}  // namespace
}  // namespace quorbel::qt
