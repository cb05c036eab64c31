// Thousands of presses, clicks, double clicks and keys on the real widgets, also while the
// rating is being shown, with every rule checked after each one.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <random>

#include "invariants.h"
#include "walk.h"
#include "window_fixture.h"

namespace quorbel::robustness {
namespace {

using namespace quorbel::test;

class StormRunner {
  public:
    StormRunner(std::uint64_t seed, qt::MainWindow& window, const Quorbel& game)
        : engine_(seed), window_(window), game_(game), widgets_(window, game), checker_(game) {}

    // One random event, then the rules.
    void step() {
        if (!broken_.empty()) return;
        act();
        ++events_;
        observe();
    }

    // Events sent while a rating is shown, before the player has answered it.
    void burst(int events) {
        observe();  // the claim that ended the game has done everything but wait for the answer
        if (++depth_ <= 2)
            for (int i = 0; i < events; ++i) {
                step();
                ++inBox_;
            }
        --depth_;
    }

    const std::string& broken() const { return broken_; }
    long events() const { return events_; }
    long eventsInBox() const { return inBox_; }
    const InvariantChecker& checker() const { return checker_; }

  private:
    void observe() {
        if (broken_.empty()) broken_ = checker_.observe(game_);
        if (broken_.empty()) broken_ = widgets_.mismatch();
        if (!broken_.empty()) broken_ = "after event " + std::to_string(events_) + ": " + broken_;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool likely(double p) { return std::bernoulli_distribution(p)(engine_); }

    Qt::MouseButton button() {
        static constexpr std::array<Qt::MouseButton, 10> kButtons = {
            Qt::LeftButton,    Qt::LeftButton,   Qt::LeftButton,   Qt::LeftButton,
            Qt::LeftButton,    Qt::RightButton,  Qt::MiddleButton, Qt::BackButton,
            Qt::ForwardButton, Qt::ExtraButton24};
        return oneOf(kButtons, engine_);
    }

    QWidget* control(ControlId id) const { return widgets_[id]; }

    // A click on any control: on its widget, or where its die paints it.
    void clickOn(ControlId id, Qt::MouseButton button) {
        if (QWidget* widget = control(id)) return QTest::mouseClick(widget, button);
        const Geometry& g = game_.form.find(id).geometry;
        pressAt(window_, {g.left + g.width / 2, g.top + g.height / 2}, button, Route::Topmost);
    }

    void act() {
        using enum ControlName;
        QWidget* roll = control({press, 0});
        const double kind = std::uniform_real_distribution<double>(0, 1)(engine_);
        if (kind < 0.22) {
            QTest::mouseClick(roll, Qt::LeftButton);
        } else if (kind < 0.42) {
            const auto& dice = game_.state.dice;
            const bool sixOfAKind =
                game_.state.rolls > 0 &&
                std::all_of(dice.begin() + 2, dice.end(), [&](int d) { return d == dice[1]; });
            if (sixOfAKind && !isClosed(game_.form.sxkind) && likely(0.8))
                return QTest::mouseClick(control({sxkind, 0}), Qt::LeftButton);
            std::vector<ControlId> choice;
            for (ControlId id : categoryLabels())
                if (!likely(0.6) || !isClosed(game_.form.find(id))) choice.push_back(id);
            if (choice.empty()) choice.assign(categoryLabels().begin(), categoryLabels().end());
            QTest::mouseClick(control(oneOf(choice, engine_)), Qt::LeftButton);
        } else if (kind < 0.55) {
            pressAt(window_, {pick(405) - 5, pick(395) - 5}, button(), Route::Topmost, nullptr,
                    likely(0.95));
        } else if (kind < 0.65) {
            pressAt(window_, {262 + pick(129), 6 + pick(193)}, button(), Route::Topmost, nullptr,
                    likely(0.95));
        } else if (kind < 0.71) {
            // A double click as the window system sends it: a click, then a double-click
            // press and its release. Or the bare double-click event alone.
            if (likely(0.7)) {
                QTest::mouseClick(roll, Qt::LeftButton);
                QTest::mouseDClick(roll, Qt::LeftButton);
                QTest::mouseRelease(roll, Qt::LeftButton);
            } else {
                QTest::mouseDClick(roll, Qt::LeftButton);
            }
        } else if (kind < 0.80) {
            // Any control at all, hidden and disabled ones included.
            clickOn(oneOf(allControls(), engine_), button());
        } else if (kind < 0.85) {
            QTest::mouseClick(control({restart, 0}), Qt::LeftButton);
        } else if (kind < 0.86) {
            QTest::mouseClick(control({exitgame, 0}), Qt::LeftButton);
        } else if (kind < 0.93) {
            clickOn({hold, pick(6) + 1}, button());
        } else {
            static constexpr std::array<Qt::Key, 8> kKeys = {
                Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                Qt::Key_A,     Qt::Key_Tab,    Qt::Key_Left,  Qt::Key_Down};
            QWidget* focus = window_.focusWidget() ? window_.focusWidget() : &window_;
            QTest::keyClick(focus, oneOf(kKeys, engine_));
        }
    }

    std::mt19937_64 engine_;
    qt::MainWindow& window_;
    const Quorbel& game_;
    WidgetMap widgets_;
    InvariantChecker checker_;
    std::string broken_;
    long events_ = 0;
    long inBox_ = 0;
    int depth_ = 0;
};

class Storm : public qt::WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(Storm, EventsRainOnEveryControl) {
    const int seed = GetParam();
    RepeatableRandom random(static_cast<std::uint64_t>(seed), RepeatableRandom::Sticky);
    int exits = 0, ratings = 0;
    StormRunner* running = nullptr;  // the storm below, once it is up
    // While a rating is shown, more events arrive.
    open(&random, {[&](const std::string&) {
                       ++ratings;
                       running->burst(30);
                   },
                   [&] { ++exits; }});
    window->widgetFor({ControlName::press})->setFocus();
    StormRunner storm(static_cast<std::uint64_t>(seed) * 7919, *window, game());
    running = &storm;

    for (int i = 0; i < 2500 && storm.broken().empty(); ++i) storm.step();

    std::printf(
        "seed %d: %ld events (%ld while a rating was open), %d games completed, %d restarts, "
        "%d ratings, %d six-of-a-kind scores, %d exits\n",
        seed, storm.events(), storm.eventsInBox(), storm.checker().gamesCompleted(),
        storm.checker().restarts(), ratings, storm.checker().sixOfAKindScores(), exits);
    EXPECT_EQ(storm.broken(), "");
    EXPECT_GE(storm.checker().gamesCompleted(), 3);
    EXPECT_GT(storm.eventsInBox(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Storm, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace quorbel::robustness
