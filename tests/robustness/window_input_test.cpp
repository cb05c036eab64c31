// Input the window must shrug off: closing it under the rating message, keys, every mouse
// button, and presses on the very edges of the dice.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>
#include <tuple>

#include "game/rating.h"
#include "invariants.h"
#include "play.h"
#include "qt_probe.h"
#include "random_sources.h"

using namespace quorbel;
using namespace quorbel::robustness;
using namespace quorbel::test;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

struct Window {
    RepeatableRandom random{5, RepeatableRandom::Sticky};
    int exits = 0;
    qt::MainWindow window;
    WidgetMap widgets{window};

    // Ratings go to showMessage: by default nowhere, and to the real message box if empty.
    explicit Window(std::function<void(const std::string&)> showMessage = [](const std::string&) {})
        : window(random, Services{std::move(showMessage), [this] { ++exits; }}) {
        window.show();
    }
    QWidget* operator[](ControlId id) const { return widgets[id]; }
    Snapshot now() { return Snapshot::of(window.game()); }
    void click(ControlId id) { QTest::mouseClick(widgets[id], Qt::LeftButton); }

    // Plays until one open category is left, then rolls: its click ends the game. None,
    // and a warning of what is left, if forty turns do not get there.
    std::optional<ControlId> playToTheLastClaim() {
        std::vector<ControlId> open;
        for (int turn = 0; turn < 40; ++turn) {
            open = openCategories(window.game().form);
            if (open.size() == 1) {
                click({ControlName::press, 0});
                return open.front();
            }
            playTurn(window, widgets);
        }
        qWarning("%zu categories still open after 40 turns", open.size());
        return std::nullopt;
    }

    // A key press and release, delivered where the keyboard is: to the focused widget.
    void key(Qt::Key key) {
        QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focus, key);
    }
};

// A point in die n's square, above its HOLD picture.
QPoint aboveHold(int die) {
    return centreOf(die) - QPoint(0, 18);
}

}  // namespace

class WindowInput : public QObject {
    Q_OBJECT

  private slots:
    void closingTheWindowUnderTheRating();
    void keysOnTheFocusedButton_data();
    void keysOnTheFocusedButton();
    void keysOnAFinishedGame_data();
    void keysOnAFinishedGame();
    void everyMouseButtonOnADie();
    void pressesOnEdgesAndGapsDoNothing();
};

void WindowInput::closingTheWindowUnderTheRating() {
    Window w{nullptr};  // the real message box
    const std::optional<ControlId> last = w.playToTheLastClaim();
    QVERIFY(last);
    std::string behindTheBox = "no box";
    Qt::WindowFlags frame;
    bool plainOk = false, closedUnderTheBox = false, boxStillOpen = false, closedByOk = false;
    // The box is up over the final sheet: close the main window now, and the box a little
    // later with its OK button.
    MessageBoxWatcher watcher([&](QMessageBox& box) {
        behindTheBox = w.widgets.mismatch();
        plainOk = box.icon() == QMessageBox::NoIcon && box.buttons().size() == 1 &&
                  box.button(QMessageBox::Ok);
        frame = box.windowFlags();
        QTimer::singleShot(0, &w.window, [&] {
            w.window.close();
            closedUnderTheBox = w.window.isHidden();
        });
        QPointer<QMessageBox> open(&box);
        QTimer::singleShot(50, &box, [&, open] { boxStillOpen = open && open->isVisible(); });
        QTest::qWait(100);
        if (open) QTest::mouseClick(open->button(QMessageBox::Ok), Qt::LeftButton);
        closedByOk = open && open->isHidden();
    });
    w.click(*last);

    QCOMPARE(watcher.seen(), 1);
    const auto rating = ratingMessage(w.window.game().state.grandtotal).value_or("none");
    QCOMPARE(QString::fromStdString(watcher.lastText()), QString::fromStdString(rating));
    QVERIFY(plainOk);
    // The box's frame offers close but no maximise, as the box cannot grow.
    QVERIFY(!frame.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(frame.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY2(behindTheBox.empty(), behindTheBox.c_str());
    QVERIFY(closedUnderTheBox);
    QVERIFY(boxStillOpen);
    QVERIFY(closedByOk);
    QCOMPARE(w.exits, 1);  // closing the window ends the program, as Exit does
    QVERIFY(w.window.game().isOver());
    const std::string broken = firstViolation(w.window.game());
    QVERIFY2(broken.empty(), broken.c_str());
    const std::string mismatch = w.widgets.mismatch();
    QVERIFY2(mismatch.empty(), mismatch.c_str());
}

void WindowInput::keysOnTheFocusedButton_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("rolls");
    QTest::newRow("Space") << Qt::Key_Space << true;
    QTest::newRow("Return") << Qt::Key_Return << true;
    QTest::newRow("Enter") << Qt::Key_Enter << true;
    QTest::newRow("R") << Qt::Key_R << true;
    // clang-format off
    const std::pair<const char*, Qt::Key> others[] = {{"Escape", Qt::Key_Escape},
        {"Tab", Qt::Key_Tab}, {"Backtab", Qt::Key_Backtab}, {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"x", Qt::Key_X},
        {"7", Qt::Key_7}, {"F1", Qt::Key_F1}, {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete}, {"Home", Qt::Key_Home}, {"PageDown", Qt::Key_PageDown},
        {"Menu", Qt::Key_Menu}};
    // clang-format on
    for (auto [name, key] : others) QTest::newRow(name) << key << false;
}

void WindowInput::keysOnTheFocusedButton() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, rolls);
    Window w;
    w.click({ControlName::press, 0});
    pressAt(w.window, aboveHold(3), Qt::LeftButton,
            Route::Topmost);  // a held die must stay held, too
    QWidget* roll = w[{ControlName::press, 0}];
    roll->setFocus();
    QCOMPARE(w.window.focusWidget(), roll);
    const Snapshot before = w.now();
    InvariantChecker checker(w.window.game());

    w.key(key);
    const std::string broken = checker.observe(w.window.game());
    QVERIFY2(broken.empty(), broken.c_str());
    if (rolls) {
        QCOMPARE(w.window.game().state.rolls, before.state.rolls + 1);
        QCOMPARE(w.window.game().state.dice[3], before.state.dice[3]);
    } else {
        QVERIFY(w.now() == before);
        // The key may have moved the focus, but never off the controls a player can use.
        const QWidget* focus = w.window.focusWidget();
        QVERIFY(focus && focus->isVisible() && focus->isEnabled());
    }
}

void WindowInput::keysOnAFinishedGame_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("onExit");
    QTest::addColumn<bool>("acts");
    // clang-format off
    const std::tuple<const char*, Qt::Key, bool> keys[] = {{"Space", Qt::Key_Space, true},
        {"Return", Qt::Key_Return, true}, {"Escape", Qt::Key_Escape, false},
        {"Q", Qt::Key_Q, false}, {"Tab", Qt::Key_Tab, false}, {"Down", Qt::Key_Down, false}};
    // clang-format on
    for (bool onExit : {false, true}) {
        const QString button = onExit ? "Exit " : "Restart ";
        for (auto [name, key, acts] : keys)
            QTest::newRow(qPrintable(button + name)) << key << onExit << acts;
    }
}

void WindowInput::keysOnAFinishedGame() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, onExit);
    QFETCH(bool, acts);
    Window w;
    const std::optional<ControlId> last = w.playToTheLastClaim();
    QVERIFY(last);
    w.click(*last);
    QVERIFY(w.window.game().isOver());
    QWidget* button = w[{onExit ? ControlName::exitgame : ControlName::restart, 0}];
    button->setFocus();
    QCOMPARE(w.window.focusWidget(), button);
    const Snapshot finished = w.now();

    w.key(key);
    QCOMPARE(w.exits, acts && onExit ? 1 : 0);
    if (acts && !onExit)
        QVERIFY(w.now() == freshGame());
    else
        QVERIFY(w.now() == finished);
}

void WindowInput::everyMouseButtonOnADie() {
    Window w;
    w.click({ControlName::press, 0});
    for (int die = 1; die <= 6; ++die) {
        bool held = false;
        for (int bit = 0; (1 << bit) <= static_cast<int>(Qt::MaxMouseButton); ++bit) {
            const auto button = static_cast<Qt::MouseButton>(1 << bit);
            pressAt(w.window, aboveHold(die), button, Route::Topmost);
            held = !held;
            QVERIFY2(w.window.game().form.hold(die).visible == held,
                     qPrintable(QStringLiteral("die %1, button %2").arg(die).arg(1 << bit, 0, 16)));
        }
    }
    const std::string broken = firstViolation(w.window.game());
    QVERIFY2(broken.empty(), broken.c_str());
}

void WindowInput::pressesOnEdgesAndGapsDoNothing() {
    Window w;
    w.click({ControlName::press, 0});
    pressAt(w.window, aboveHold(2), Qt::LeftButton, Route::Topmost);
    pressAt(w.window, aboveHold(5), Qt::LeftButton, Route::Topmost);
    const Snapshot before = w.now();
    // Every pixel of the dice's area that is not strictly inside a square: the squares'
    // own edges and the gaps between them.
    int presses = 0;
    for (int x = 264; x <= 388; ++x) {
        for (int y = 8; y <= 196; ++y) {
            const bool inColumn = (x > 264 && x < 324) || (x > 328 && x < 388);
            const bool inRow = (y > 8 && y < 68) || (y > 72 && y < 132) || (y > 136 && y < 196);
            if (inColumn && inRow) continue;
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                pressAt(w.window, {x, y}, button, Route::Topmost);
                ++presses;
                if (!(w.now() == before))
                    QFAIL(qPrintable(
                        QStringLiteral("a press at %1, %2 changed the game").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(presses > 2 * (4 * 189 + 6 * 125));  // the edges alone, and then the gaps
}

QTEST_MAIN(WindowInput)
#include "window_input_test.moc"
