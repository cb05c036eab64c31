// Input the window must shrug off: closing it under the rating message, keys, every mouse
// button, and presses on the very edges of the dice.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "game/score_text.h"
#include "invariants.h"
#include "play.h"
#include "window_fixture.h"

namespace quorbel::robustness {
namespace {

using namespace quorbel::test;

class WindowInput : public qt::WindowTest {
  protected:
    void SetUp() override {
        open(&random);
        widgets = std::make_unique<WidgetMap>(*window, game());
    }
    Snapshot now() const { return Snapshot::of(game()); }
    void click(ControlId id) { QTest::mouseClick((*widgets)[id], Qt::LeftButton); }

    // Plays until one open category is left, then rolls: its click ends the game. None
    // if forty turns do not get there.
    std::optional<ControlId> playToTheLastClaim() {
        for (int turn = 0; turn < 40; ++turn) {
            const std::vector<ControlId> open = openCategories(game().form);
            if (open.size() == 1) {
                click({ControlName::press});
                return open.front();
            }
            playTurn(game(), *widgets, [] {});
        }
        ADD_FAILURE() << openCategories(game().form).size() << " categories open after 40 turns";
        return std::nullopt;
    }

    // A key press and release, delivered where the keyboard is: to the focused widget.
    void key(Qt::Key key) {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(focus, key);
    }

    RepeatableRandom random{5, RepeatableRandom::Sticky};
    std::unique_ptr<WidgetMap> widgets;
};

// A point in die n's square, above its HOLD picture.
QPoint aboveHold(int die) {
    return centreOf(die) - QPoint(0, 18);
}

TEST_F(WindowInput, ClosingTheWindowUnderTheRating) {
    open(&random, {}, Ratings::InTheMessageBox);
    widgets = std::make_unique<WidgetMap>(*window, game());
    const std::optional<ControlId> last = playToTheLastClaim();
    ASSERT_TRUE(last);
    std::string behindTheBox = "no box";
    Qt::WindowFlags frame;
    bool plainOk = false, closedUnderTheBox = false, boxStillOpen = false, closedByOk = false;
    // The box is up over the final sheet: close the main window now, and the box a little
    // later with its OK button.
    MessageBoxWatcher watcher([&](QMessageBox& box) {
        behindTheBox = widgets->mismatch();
        plainOk = box.icon() == QMessageBox::NoIcon && box.buttons().size() == 1 &&
                  box.button(QMessageBox::Ok);
        frame = box.windowFlags();
        QTimer::singleShot(0, window.get(), [&] {
            window->close();
            closedUnderTheBox = window->isHidden();
        });
        QPointer<QMessageBox> open(&box);
        QTimer::singleShot(50, &box, [&, open] { boxStillOpen = open && open->isVisible(); });
        QTest::qWait(100);
        if (open) QTest::mouseClick(open->button(QMessageBox::Ok), Qt::LeftButton);
        closedByOk = open && open->isHidden();
    });
    click(*last);

    EXPECT_EQ(watcher.seen(), 1);
    EXPECT_EQ(watcher.lastText(), ratingMessage(game().state.grandtotal).value_or("none"));
    EXPECT_TRUE(plainOk);
    // The box's frame offers close but no maximise, as the box cannot grow.
    EXPECT_FALSE(frame.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(behindTheBox, "");
    EXPECT_TRUE(closedUnderTheBox);
    EXPECT_TRUE(boxStillOpen);
    EXPECT_TRUE(closedByOk);
    EXPECT_EQ(h->exits, 1);  // closing the window ends the program, as Exit does
    EXPECT_TRUE(game().isOver());
    EXPECT_EQ(firstViolation(game()), "");
    EXPECT_EQ(widgets->mismatch(), "");
}

TEST_F(WindowInput, KeysOnTheFocusedRollButton) {
    const std::pair<Qt::Key, bool> keys[] = {
        {Qt::Key_Space, true},    {Qt::Key_Return, true},  {Qt::Key_Enter, true},
        {Qt::Key_R, true},        {Qt::Key_Escape, false}, {Qt::Key_Tab, false},
        {Qt::Key_Backtab, false}, {Qt::Key_Left, false},   {Qt::Key_Right, false},
        {Qt::Key_Up, false},      {Qt::Key_Down, false},   {Qt::Key_X, false},
        {Qt::Key_7, false},       {Qt::Key_F1, false},     {Qt::Key_Backspace, false},
        {Qt::Key_Delete, false},  {Qt::Key_Home, false},   {Qt::Key_PageDown, false},
        {Qt::Key_Menu, false}};
    for (const auto& [k, rolls] : keys) {
        SCOPED_TRACE(QKeySequence(k).toString().toStdString());
        SetUp();
        click({ControlName::press});
        pressAt(*window, aboveHold(3), Qt::LeftButton, Route::Topmost);  // a held die stays held
        QWidget* roll = (*widgets)[{ControlName::press}];
        roll->setFocus();
        ASSERT_EQ(window->focusWidget(), roll);
        const Snapshot before = now();
        InvariantChecker checker(game());

        key(k);
        EXPECT_EQ(checker.observe(game()), "");
        if (rolls) {
            EXPECT_EQ(game().state.rolls, before.state.rolls + 1);
            EXPECT_EQ(game().state.dice[3], before.state.dice[3]);
        } else {
            EXPECT_TRUE(now() == before);
            // The key may have moved the focus, but never off the controls a player can use.
            const QWidget* focus = window->focusWidget();
            EXPECT_TRUE(focus && focus->isVisible() && focus->isEnabled());
        }
    }
}

TEST_F(WindowInput, KeysOnAFinishedGame) {
    const std::pair<Qt::Key, bool> keys[] = {{Qt::Key_Space, true},   {Qt::Key_Return, true},
                                             {Qt::Key_Escape, false}, {Qt::Key_Q, false},
                                             {Qt::Key_Tab, false},    {Qt::Key_Down, false}};
    for (bool onExit : {false, true}) {
        for (const auto& [k, acts] : keys) {
            SCOPED_TRACE((onExit ? "Exit " : "Restart ") +
                         QKeySequence(k).toString().toStdString());
            SetUp();
            const std::optional<ControlId> last = playToTheLastClaim();
            ASSERT_TRUE(last);
            click(*last);
            ASSERT_TRUE(game().isOver());
            QWidget* button = (*widgets)[{onExit ? ControlName::exitgame : ControlName::restart}];
            button->setFocus();
            ASSERT_EQ(window->focusWidget(), button);
            const Snapshot finished = now();

            key(k);
            EXPECT_EQ(h->exits, acts && onExit ? 1 : 0);
            EXPECT_TRUE(now() == (acts && !onExit ? freshGame() : finished));
        }
    }
}

TEST_F(WindowInput, EveryMouseButtonOnADie) {
    click({ControlName::press});
    for (int die = 1; die <= 6; ++die) {
        bool held = false;
        for (int bit = 0; (1 << bit) <= static_cast<int>(Qt::MaxMouseButton); ++bit) {
            const auto button = static_cast<Qt::MouseButton>(1 << bit);
            pressAt(*window, aboveHold(die), button, Route::Topmost);
            held = !held;
            EXPECT_EQ(game().form.hold(die).visible, held) << "die " << die << ", button " << bit;
        }
    }
    EXPECT_EQ(firstViolation(game()), "");
}

// Presses as the window system sends them, on every pixel that is not strictly inside a die
// square, do nothing; on the window just inside each corner, they hold the die.
TEST_F(WindowInput, PressesOnEdgesAndGapsDoNothing) {
    click({ControlName::press});
    pressAt(*window, aboveHold(2), Qt::LeftButton, Route::Topmost);
    pressAt(*window, aboveHold(5), Qt::LeftButton, Route::Topmost);
    const Snapshot before = now();
    // Every pixel of the dice's area that is not strictly inside a square: the squares'
    // own edges and the gaps between them.
    int presses = 0;
    for (int x = 264; x <= 388; ++x) {
        for (int y = 8; y <= 196; ++y) {
            const bool inColumn = (x > 264 && x < 324) || (x > 328 && x < 388);
            const bool inRow = (y > 8 && y < 68) || (y > 72 && y < 132) || (y > 136 && y < 196);
            if (inColumn && inRow) continue;
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                pressAt(*window, {x, y}, button, Route::Topmost);
                ++presses;
                ASSERT_TRUE(now() == before)
                    << "a press at " << x << ", " << y << " changed the game";
            }
        }
    }
    EXPECT_GT(presses, 2 * (4 * 189 + 6 * 125));  // the edges alone, and then the gaps
    const std::pair<QPoint, int> inside[] = {
        {{265, 9}, 1}, {{323, 67}, 1}, {{329, 73}, 4}, {{387, 195}, 6}, {{200, 38}, 0}};
    for (const auto& [at, die] : inside) {
        pressAt(*window, at);
        for (int d = 1; d <= 6; ++d)
            EXPECT_EQ(game().form.hold(d).visible, d == die || d == 2 || d == 5) << "die " << d;
        if (die) pressAt(*window, at);
    }
}

}  // namespace
}  // namespace quorbel::robustness
