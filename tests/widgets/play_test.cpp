// A player's presses, clicks and keys on the real window, with dice the test chooses.
#include <QImage>
#include <QLabel>
#include <array>

#include "qt/widgets.h"
#include "window_fixture.h"

namespace quorbel::qt {
namespace {

using enum ControlName;

class PlayTest : public WindowTest {
  protected:
    void expectFaces(const std::array<int, 6>& faces) const {
        for (int die = 1; die <= 6; ++die)
            EXPECT_EQ(paintedPips(die), pipsOfFace(faces[die - 1])) << "die " << die;
    }
    int enabledCategories() const {
        int n = 0;
        for (ControlId c : categoryLabels()) n += static_cast<SheetButton*>(widget(c))->claimable();
        return n;
    }
    bool blue(ControlId c) const {
        const QPalette& p = widget(c)->palette();
        return p.color(QPalette::Active, QPalette::WindowText) == kBlueText &&
               p.color(QPalette::Disabled, QPalette::WindowText) == kBlueText;
    }
    void expectTotals(int upper, int lower, int grand) const {
        const auto total = [](int n) { return "Total: " + std::to_string(n); };
        EXPECT_EQ(caption(id(totu)), total(upper));
        EXPECT_EQ(caption(id(totl)), total(lower));
        EXPECT_EQ(caption(id(tott)), total(grand));
    }
};

TEST_F(PlayTest, RollDrawsTheScriptedFacesAndKeepsHeldDice) {
    struct Step {
        std::vector<int> toggle;  // dice pressed before the roll
        std::vector<int> draws;   // one per die that is not held
        std::array<int, 6> shown;
    };
    // clang-format off
    const std::vector<Step> steps = {
        {{1}, {2, 3, 4, 5, 6}, {0, 2, 3, 4, 5, 6}},  // held before its first roll: blank
        {{1, 3}, {1, 1, 1, 1, 1}, {1, 1, 3, 1, 1, 1}},
        {{}, {6, 6, 6, 6, 6}, {6, 6, 3, 6, 6, 6}},
        {{3}, {5, 4, 3, 2, 1, 6}, {5, 4, 3, 2, 1, 6}},
        {{}, {2, 2, 2, 2, 2, 2}, {2, 2, 2, 2, 2, 2}},
    };
    // clang-format on
    EXPECT_EQ(enabledCategories(), 0);
    for (std::size_t n = 0; n < steps.size(); ++n) {
        SCOPED_TRACE("roll " + std::to_string(n + 1));
        for (int die : steps[n].toggle) pressAt(*window, centreOf(die));
        roll(steps[n].draws);
        expectFaces(steps[n].shown);
        EXPECT_EQ(enabledCategories(), 16);
        EXPECT_EQ(button(ControlName::press)->isEnabled(), n + 1 < steps.size());
    }
    // The fifth roll ends the rolling: a click on the disabled Roll draws nothing.
    QTest::mouseClick(button(ControlName::press), Qt::LeftButton);
    expectFaces(steps.back().shown);
}

enum class Phase { BeforeFirstRoll, AfterRoll, BetweenTurns };

struct Touch {
    QPoint at;
    Route route = Route::Window;
    ControlId through{};
    Qt::MouseButton button = Qt::LeftButton;
};

struct PressCase {
    const char* what;
    Phase phase;
    std::vector<Touch> touches;
    std::vector<int> held;
};

TEST_F(PlayTest, PressesHoldAndReleaseDice) {
    const QPoint hold1(294, 39);  // on die 1's HOLD picture and its centre pip
    const QPoint d1 = centreOf(1), d4(358, 100);
    // clang-format off
    const std::vector<PressCase> cases = {
        {"press on die 1 before the first roll", Phase::BeforeFirstRoll, {{d1}}, {1}},
        {"second press releases", Phase::BeforeFirstRoll, {{d1}, {{300, 20}}}, {}},
        {"HOLD picture before the first roll", Phase::BeforeFirstRoll,
         {{d1}, {hold1, Route::Widget, id(Rect, 1)}}, {}},
        {"press on die 6", Phase::AfterRoll, {{centreOf(6)}}, {6}},
        {"every die", Phase::AfterRoll, {{d1}, {centreOf(2)}, {centreOf(3)}, {d4}, {centreOf(5)},
         {centreOf(6)}}, {1, 2, 3, 4, 5, 6}},
        {"right button", Phase::AfterRoll, {{{294, 100}, Route::Window, {}, Qt::RightButton}}, {3}},
        {"through the die square", Phase::AfterRoll, {{d4, Route::Widget, id(Rect, 4)}}, {4}},
        {"on a pip", Phase::AfterRoll, {{centreOf(5), Route::Topmost}}, {5}},
        {"on screen", Phase::AfterRoll, {{centreOf(2), Route::Screen}}, {2}},
        {"click on the HOLD picture", Phase::AfterRoll,
         {{d1}, {hold1, Route::Widget, id(Rect, 1)}}, {}},
        {"HOLD picture on screen", Phase::AfterRoll, {{d1}, {{275, 40}, Route::Screen}}, {}},
        {"pip over a held die", Phase::AfterRoll, {{d1}, {hold1, Route::Topmost}}, {}},
        {"pip over a held die on screen", Phase::AfterRoll, {{d1}, {hold1, Route::Screen}}, {}},
        {"right button on the HOLD picture is no click", Phase::AfterRoll,
         {{d1}, {hold1, Route::Widget, id(Rect, 1), Qt::RightButton}}, {1}},
        {"middle button on the HOLD picture on screen", Phase::AfterRoll,
         {{d1}, {hold1, Route::Screen, {}, Qt::MiddleButton}}, {1}},
        {"between turns", Phase::BetweenTurns, {{d4}}, {4}},
        {"disabled HOLD picture", Phase::BetweenTurns,
         {{d4}, {{358, 103}, Route::Widget, id(Rect, 4)}}, {}},
        {"disabled HOLD picture on screen", Phase::BetweenTurns,
         {{d4}, {{358, 103}, Route::Screen}}, {}},
    };
    // clang-format on
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        if (c.phase != Phase::BeforeFirstRoll) roll({5, 5, 5, 5, 5, 5});
        if (c.phase == Phase::BetweenTurns) click(id(chance));
        // Only the end of a turn disables the HOLD pictures.
        EXPECT_EQ(game().form.hold(1).enabled, c.phase != Phase::BetweenTurns);
        for (const Touch& t : c.touches)
            pressAt(*window, t.at, t.button, t.route,
                    t.route == Route::Widget ? widget(t.through) : nullptr);
        EXPECT_EQ(heldDice(), c.held);
    }
}

TEST_F(PlayTest, ClickOnACategoryClaimsIt) {
    struct Claim {
        std::vector<int> dice;
        ControlId label;
        std::string caption;
        int upper, lower;
    };
    const std::vector<Claim> claims = {
        {{1, 1, 1, 2, 3, 4}, id(numbers, 1), "Aces: 3", 3, 0},
        {{2, 2, 2, 2, 2, 2}, id(numbers, 1), "Aces: 0", 0, 0},
        {{2, 2, 3, 2, 5, 2}, id(numbers, 2), "Twos: 8", 8, 0},
        {{6, 6, 6, 6, 6, 6}, id(numbers, 6), "Sixes: 36", 36, 0},
        {{6, 6, 6, 6, 6, 6}, id(chance), "Chance:  36", 0, 36},
        {{4, 4, 4, 4, 2, 1}, id(thrkind), "3 of a kind:  12", 0, 12},
        {{3, 3, 3, 5, 5, 5}, id(thrkind), "3 of a Kind: 0", 0, 0},
        {{1, 1, 2, 2, 3, 3}, id(thpair), "3 pairs:  25", 0, 25},
        {{1, 2, 3, 4, 5, 6}, id(gstr), "Giant Straight: 50", 0, 50},
    };
    for (const Claim& c : claims) {
        SCOPED_TRACE(c.caption);
        open();
        roll(c.dice);
        click(c.label);
        EXPECT_EQ(caption(c.label), c.caption);
        EXPECT_FALSE(static_cast<SheetButton*>(widget(c.label))->claimable());
        const QImage shot = widget(c.label)->grab().toImage();
        bool bluePixel = false;
        for (int y = 0; y < shot.height() && !bluePixel; ++y)
            for (int x = 0; x < shot.width() && !bluePixel; ++x)
                bluePixel = shot.pixelColor(x, y) == kBlueText;
        EXPECT_TRUE(bluePixel) << "the disabled label is painted in blue";
        for (ControlId other : categoryLabels()) EXPECT_EQ(blue(other), other == c.label);
        expectTotals(c.upper, c.lower, c.upper + c.lower);
        EXPECT_EQ(paintedPipCount(), 0);
        EXPECT_TRUE(button(ControlName::press)->isEnabled());

        // A closed category ignores the click, and the turn goes on.
        roll({1, 1, 1, 1, 1, 1});
        click(c.label);
        EXPECT_EQ(caption(c.label), c.caption);
        EXPECT_TRUE(blue(c.label));
        expectTotals(c.upper, c.lower, c.upper + c.lower);
        EXPECT_EQ(paintedPipCount(), 6);
        EXPECT_EQ(enabledCategories(), 15) << "all but the closed one";
    }
}

// Every child widget as one line of text, in creation order.
std::vector<std::string> widgetLines(QWidget* root) {
    std::vector<std::string> lines;
    for (QWidget* w : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<Notice*>(w)) continue;  // it said a new game has begun
        QString line = QStringLiteral("%1 %2,%3 %4x%5 shown=%6 enabled=%7")
                           .arg(w->metaObject()->className())
                           .arg(w->x())
                           .arg(w->y())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(w->isVisible())
                           .arg(w->isEnabled());
        if (auto* l = qobject_cast<QLabel*>(w)) line += " \"" + l->text() + "\"";
        if (auto* b = qobject_cast<QAbstractButton*>(w)) line += " \"" + b->text() + "\"";
        for (auto group : {QPalette::Active, QPalette::Disabled})
            for (auto role : {QPalette::Window, QPalette::WindowText})
                line += " " + w->palette().color(group, role).name();
        line += " " + w->font().toString();
        lines.push_back(line.toStdString());
    }
    return lines;
}

TEST_F(PlayTest, AWholeGameEndsWithItsRatingAndRestartsAfresh) {
    struct Turn {
        std::vector<int> dice;
        ControlId label;
        std::string caption;
        bool closes;
        int upper, lower;
        std::vector<int> hold = {};  // held for a second roll
        std::vector<int> reroll = {};
    };
    const std::vector<Turn> turns = {
        {{1, 1, 1, 1, 2, 3}, id(numbers, 1), "Aces: 4", true, 4, 0},
        {{2, 2, 2, 2, 1, 1}, id(numbers, 2), "Twos: 8", true, 12, 0},
        {{3, 3, 3, 1, 2, 3}, id(numbers, 3), "Threes: 15", true, 27, 0, {1, 2, 3, 6}, {3, 1}},
        {{4, 4, 4, 4, 1, 1}, id(numbers, 4), "Fours: 16", true, 43, 0},
        {{5, 5, 5, 5, 1, 1}, id(numbers, 5), "Fives: 20", true, 63, 0},
        {{6, 6, 6, 6, 1, 1}, id(numbers, 6), "Sixes: 24", true, 87 + 42, 0},
        {{1, 1, 2, 2, 3, 3}, id(thpair), "3 pairs:  25", true, 129, 25},
        {{6, 6, 6, 1, 2, 3}, id(thrkind), "3 of a kind:  16", true, 129, 41},
        {{5, 5, 5, 6, 6, 6}, id(ttkind), "2 3-of-a-Kinds:  10", true, 129, 51},
        {{4, 4, 4, 4, 2, 2}, id(frkind), "4 of a kind:  20", true, 129, 71},
        {{3, 3, 3, 3, 3, 6}, id(fvkind), "5 of a kind:  30", true, 129, 101},
        {{1, 2, 3, 4, 6, 6}, id(sstr), "Small Straight: 20", true, 129, 121},
        {{2, 3, 4, 5, 6, 6}, id(lstr), "Large Straight: 30", true, 129, 151},
        {{6, 5, 4, 3, 2, 1}, id(gstr), "Giant Straight: 50", true, 129, 201},
        {{2, 2, 2, 2, 2, 2}, id(sxkind), "Quorbel:  100", false, 129, 301},
        {{2, 2, 2, 2, 2, 2}, id(sxkind), "Quorbel:  250", false, 129, 451},
        {{1, 2, 3, 4, 5, 6}, id(sxkind), "Quorbel:  250", true, 129, 451},
        {{6, 6, 6, 5, 5, 5}, id(chance), "Chance:  33", true, 129, 484},
    };
    for (std::size_t n = 0; n < turns.size(); ++n) {
        const Turn& t = turns[n];
        SCOPED_TRACE(t.caption);
        roll(t.dice);
        for (int die : t.hold) pressAt(*window, centreOf(die));
        if (!t.reroll.empty()) roll(t.reroll);
        click(t.label);
        EXPECT_EQ(caption(t.label), t.caption);
        EXPECT_EQ(blue(t.label), t.closes);
        expectTotals(t.upper, t.lower, t.upper + t.lower);
        EXPECT_EQ(paintedPipCount(), 0);
        EXPECT_TRUE(heldDice().empty());
        EXPECT_EQ(enabledCategories(), 0);
        EXPECT_EQ(button(restart)->isVisible(), n + 1 == turns.size());
    }
    EXPECT_EQ(h->messages, std::vector<std::string>{
                               "You have somehow gotten an astonishing score of  613 points!"});
    for (ControlId c : categoryLabels()) EXPECT_TRUE(blue(c));
    EXPECT_FALSE(button(press)->isVisible());
    EXPECT_TRUE(button(restart)->isVisible());
    EXPECT_TRUE(button(exitgame)->isVisible());

    EXPECT_EQ(h->exits, 0);
    click(id(exitgame));
    EXPECT_EQ(h->exits, 1);

    click(id(restart));
    Harness other(Harness::Start::ByTheWindow);
    MainWindow fresh(other.game, other.recorder());
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    EXPECT_EQ(game().state, other.game.state);
    EXPECT_EQ(snapshot(game().form), snapshot(other.game.form));
    EXPECT_EQ(h->random.seeds, 2) << "a new game seeds the dice anew";
    const auto now = widgetLines(window.get()), expected = widgetLines(&fresh);
    ASSERT_EQ(now.size(), expected.size());
    for (std::size_t i = 0; i < now.size(); ++i) EXPECT_EQ(now[i], expected[i]) << "widget " << i;
}

}  // namespace
}  // namespace quorbel::qt
