// The real window, offscreen: how long the widgets take to follow the game, and how
// many of them a click touches.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>
#include <set>
#include <vector>

#include "game/rules.h"
#include "qt/main_window.h"
#include "qt_probe.h"
#include "script.h"

namespace quorbel::bench {
namespace {

using qt::MainWindow;

QPushButton* button(MainWindow& window, ControlId id) {
    return static_cast<QPushButton*>(window.widgetFor(id));
}

// A left click as the mouse makes it: press and release in the middle of the widget.
void clickWidget(QWidget* widget) {
    test::pressAt(*widget->window(), widget->geometry().center(), Qt::LeftButton,
                  test::Route::Widget, widget);
}

// Plays through the widgets, as the mouse would.
struct WidgetPlayer {
    MainWindow& window;
    void roll() { button(window, kRoll)->click(); }
    void press(int die) {
        test::pressAt(window, test::centreOf(die), Qt::LeftButton, test::Route::Window, nullptr,
                      false);
    }
    void claim(ControlId id) { clickWidget(window.widgetFor(id)); }
};

// Which widgets an action touches: those that get a change event, and the labels and
// buttons whose text changes (setText sends no event of its own).
class TouchCounter : public QObject {
  public:
    struct Result {
        int recordsChanged = 0;
        int widgetsTouched = 0;
        int touchedButUnchanged = 0;  // widgets touched whose record did not change
        int namesChanged = 0;         // accessible names, which follow the game too
    };

    template <class Action>
    static Result count(const MainWindow& window, const Quorbel& game, Action&& action) {
        std::vector<Control> before;
        std::vector<QString> textsBefore;
        std::vector<QString> namesBefore;
        game.form.forEachControl([&](const Control& c) {
            if (!window.widgetFor(c.id)) return;  // painted by its die
            before.push_back(c);
            textsBefore.push_back(textOf(window.widgetFor(c.id)));
            namesBefore.push_back(nameOf(window.widgetFor(c.id)));
        });
        TouchCounter counter;
        qApp->installEventFilter(&counter);
        action();
        qApp->removeEventFilter(&counter);

        std::set<const QObject*> changed;
        Result result;
        std::size_t i = 0;
        game.form.forEachControl([&](const Control& c) {
            QWidget* widget = window.widgetFor(c.id);
            if (!widget) return;
            if (!(c == before[i])) changed.insert(widget);
            if (textOf(widget) != textsBefore[i]) counter.touched_.insert(widget);
            if (nameOf(widget) != namesBefore[i]) ++result.namesChanged;
            ++i;
        });
        result.recordsChanged = static_cast<int>(changed.size());
        result.widgetsTouched = static_cast<int>(counter.touched_.size());
        for (const QObject* widget : counter.touched_)
            if (!changed.contains(widget)) ++result.touchedButUnchanged;
        return result;
    }

    static void report(benchmark::State& state, const Result& r) {
        state.counters["records_changed"] = r.recordsChanged;
        state.counters["widgets_touched"] = r.widgetsTouched;
        state.counters["touched_unchanged"] = r.touchedButUnchanged;
        state.counters["names_changed"] = r.namesChanged;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::EnabledChange:
            case QEvent::PaletteChange:
            case QEvent::FontChange:
            case QEvent::Move:
            case QEvent::Resize:
                if (watched->isWidgetType()) touched_.insert(watched);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    // What a reader hears, as its accessible interface reads it.
    static QString nameOf(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    static QString textOf(QWidget* widget) { return widget->property("text").toString(); }

    std::set<const QObject*> touched_;
};

struct Window {
    RepeatableRandom random;
    test::Harness h{test::Harness::Start::ByTheWindow, &random};
    Quorbel& game = h.game;
    MainWindow window{game, Services{[](const std::string&) {}, [] {}}};  // ratings go nowhere
    Window() {
        window.show();
        QApplication::processEvents();
    }
    // Puts the game back to saved records and lets the widgets follow.
    void restore(const Form& form, const GameState& state) {
        game.form = form;
        game.state = state;
        window.mirror();
        QApplication::processEvents();
    }
    template <class Action>
    TouchCounter::Result count(Action&& action) {
        return TouchCounter::count(window, game, action);
    }
};

// The constructor alone: records, widgets and the first mirror; or built, shown and
// painted once: what stands between start-up and the first frame.
void Build(benchmark::State& state, bool showAndPaint) {
    RepeatableRandom random;
    for (auto _ : state) {
        test::Harness h(test::Harness::Start::ByTheWindow, &random);
        auto window = std::make_unique<MainWindow>(h.game, Services{{}, [] {}});
        benchmark::DoNotOptimize(window.get());
        if (showAndPaint) {
            window->show();
            QApplication::processEvents();
        }
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A roll in the middle of a turn (one die held): the pips that change are the work.
void Roll(benchmark::State& state, bool paint) {
    Window w;
    WidgetPlayer player{w.window};
    player.roll();
    player.press(2);
    QApplication::processEvents();
    TouchCounter::Result touches = w.count([&] {
        w.game.state.rolls = 0;
        player.roll();
    });
    QPushButton* roll = button(w.window, kRoll);
    for (auto _ : state) {
        w.game.state.rolls = 0;  // five rolls would disable Roll
        roll->click();
        if (paint) QApplication::processEvents();
    }
    TouchCounter::report(state, touches);
}

// The first roll of a turn also enables the sixteen labels and the six HOLD pictures.
void FirstRoll(benchmark::State& state) {
    Window w;
    WidgetPlayer player{w.window};
    QApplication::processEvents();
    Quorbel& game = w.game;
    const Form start = game.form;
    const GameState startState = game.state;
    const TouchCounter::Result touches = w.count([&] { player.roll(); });
    for (auto _ : state) {
        state.PauseTiming();
        w.restore(start, startState);
        state.ResumeTiming();
        player.roll();
    }
    TouchCounter::report(state, touches);
}

// A click on a category label after two rolls, with the end of turn it brings.
// Each pass starts from the same records, mirrored back outside the timing.
void Claim(benchmark::State& state, ControlId id, Dice dice, bool paint) {
    Window w;
    WidgetPlayer player{w.window};
    Quorbel& game = w.game;
    player.roll();
    player.press(1);
    player.roll();
    game.state.dice = dice;
    w.window.mirror();
    QApplication::processEvents();
    const Form start = game.form;
    const GameState startState = game.state;
    QWidget* label = w.window.widgetFor(id);
    const TouchCounter::Result touches = w.count([&] { clickWidget(label); });
    if (!isClosed(game.form.find(id))) {
        state.SkipWithError("the click did not claim the category");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        w.restore(start, startState);
        state.ResumeTiming();
        clickWidget(label);
        if (paint) QApplication::processEvents();
    }
    TouchCounter::report(state, touches);
}

// Restart after a finished game: every control goes back to its start-up look.
void Restart(benchmark::State& state, bool paint) {
    Window w;
    WidgetPlayer player{w.window};
    const auto finishGame = [&] {
        playScriptedGame(player, w.game);
        QApplication::processEvents();
    };
    finishGame();
    QPushButton* restart = button(w.window, {ControlName::restart, 0});
    const TouchCounter::Result touches = w.count([&] { restart->click(); });
    for (auto _ : state) {
        state.PauseTiming();
        finishGame();
        if (!w.game.isOver()) {
            state.SkipWithError("the scripted game did not end");
            return;
        }
        state.ResumeTiming();
        restart->click();
        if (paint) QApplication::processEvents();
    }
    TouchCounter::report(state, touches);
}

void registerAll() {
    using enum ControlName;
    const auto us = benchmark::kMicrosecond;
    benchmark::RegisterBenchmark("Window/build", Build, false)->Unit(us);
    benchmark::RegisterBenchmark("Window/build+show+paint", Build, true)->Unit(us);
    benchmark::RegisterBenchmark("Roll/mirrored", Roll, false)->Unit(us);
    benchmark::RegisterBenchmark("Roll/mirrored+painted", Roll, true)->Unit(us);
    benchmark::RegisterBenchmark("Roll/first of a turn", FirstRoll)->Unit(us);
    const Dice threes = {0, 3, 3, 3, 1, 2, 5};
    const struct {
        const char* name;
        ControlId id;
        Dice dice;
        bool paint;
    } claims[] = {
        {"Claim/thrkind mirrored", {thrkind, 0}, threes, false},
        {"Claim/thrkind mirrored+painted", {thrkind, 0}, threes, true},
        {"Claim/Threes mirrored", {numbers, 3}, threes, false},
        {"Claim/gstr closed with 0, mirrored", {gstr, 0}, {0, 1, 1, 3, 4, 5, 6}, false},
    };
    for (const auto& c : claims)
        benchmark::RegisterBenchmark(c.name, Claim, c.id, c.dice, c.paint)->Unit(us);
    benchmark::RegisterBenchmark("Restart/mirrored", Restart, false)->Unit(us);
    benchmark::RegisterBenchmark("Restart/mirrored+painted", Restart, true)->Unit(us);
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform cannot fix a window's size, and says so for every window built.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

}  // namespace
}  // namespace quorbel::bench

int main(int argc, char** argv) {
    quorbel::bench::defaultHandler = qInstallMessageHandler(quorbel::bench::quietHandler);
    // Offscreen unless told otherwise: the figures should not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    quorbel::bench::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
