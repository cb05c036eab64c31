// Rolling, holding and drawing the dice.
#include <gtest/gtest.h>

#include <cmath>

#include "dice/dice.h"
#include "game/categories.h"
#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

TEST(Pv, ShowsOnePipCountedBackFromTheDiesLast) {
    struct Row {
        int die, q, pip, x, y;
    };
    const Row rows[] = {
        {1, 6, 1, 272, 16},  {6, 0, 42, 368, 176}, {1, 3, 4, 288, 32},   {2, 3, 11, 352, 32},
        {3, 3, 18, 288, 96}, {4, 3, 25, 352, 96},  {5, 3, 32, 288, 160}, {6, 3, 39, 352, 160},
        {2, 4, 10, 336, 32}, {3, 2, 19, 304, 96},  {5, 1, 34, 272, 176}, {4, 5, 23, 368, 80},
    };
    for (const Row& r : rows) {
        Harness h;
        pv(h.game.form, r.die, r.q);
        ASSERT_EQ(shownPipCount(h.game.form), 1) << r.die << "," << r.q;
        ASSERT_TRUE(h.game.form.pip(r.pip).visible) << r.die << "," << r.q;
        EXPECT_EQ(h.game.form.pip(r.pip).geometry.left, r.x);
        EXPECT_EQ(h.game.form.pip(r.pip).geometry.top, r.y);
    }
}

TEST(Faces, EachValueShowsExactlyItsPipsOnEveryDie) {
    Harness h;
    for (int value = 1; value <= 6; ++value) {
        h.rollTo({value, value, value, value, value, value});
        for (int die = 1; die <= 6; ++die)
            EXPECT_EQ(shownPips(h.game.form, die), pipsOfFace(value)) << value << " " << die;
        h.game.endturn();
    }
    EXPECT_TRUE(faceOffsets(0).empty());
}

TEST(Rolling, DrawsMapToFacesAtTheBoundaries) {
    struct Row {
        double draw;
        int face;
    };
    // clang-format off
    const Row rows[] = {
        {0.0, 1}, {std::nextafter(1.0 / 6, 0.0), 1}, {1.0 / 6, 2}, {0.5, 4}, {5.0 / 6 - 1e-12, 5},
        {5.0 / 6, 6}, {0.999999, 6}, {std::nextafter(1.0, 0.0), 6},
    };
    // clang-format on
    for (const Row& r : rows) {
        Harness h;
        h.random.queueDraws({r.draw, 0.0, 0.0, 0.0, 0.0, 0.0});
        h.game.press_Click();
        EXPECT_EQ(h.game.state.dice[1], r.face) << r.draw;
        EXPECT_EQ(shownPips(h.game.form, 1), pipsOfFace(r.face));
    }
}

TEST(Rolling, HeldDiceKeepTheirValuesAndAreRedrawn) {
    Harness h;
    h.rollTo({1, 2, 3, 4, 5, 6});
    h.press(1);
    h.press(4);
    h.random.queueDraws({0.99, 0.99, 0.99, 0.99});
    h.game.click({press, 0});
    EXPECT_EQ(h.random.left(), 0u);
    EXPECT_EQ(h.game.state.dice, (std::array<int, 7>{0, 1, 6, 6, 4, 6, 6}));
    for (int die = 1; die <= 6; ++die)
        EXPECT_EQ(shownPips(h.game.form, die), pipsOfFace(h.game.state.dice[die])) << die;
    EXPECT_TRUE(h.held(1) && h.held(4));
}

TEST(Rolling, ADieHeldBeforeTheFirstRollStaysBlank) {
    Harness h;
    h.rollTo({3, 3, 0, 3, 3, 3});
    EXPECT_EQ(h.random.taken, 5);
    EXPECT_EQ(h.game.state.dice[3], 0);
    EXPECT_TRUE(shownPips(h.game.form, 3).empty());
    EXPECT_EQ(shownPipCount(h.game.form), 15);
}

TEST(Rolling, FiveRollsATurnAndEveryRollOpensTheSheet) {
    Harness h;
    h.enter({1, 2, 3, 4, 5, 6}, {chance, 0});  // the end of a turn closes the sheet again
    for (int roll = 1; roll <= 5; ++roll) {
        h.rollTo({2, 2, 2, 2, 2, 2});
        EXPECT_EQ(h.game.state.rolls, roll);
        EXPECT_EQ(h.game.form.press.enabled, roll < 5) << roll;
        for (ControlId id : categoryLabels()) EXPECT_TRUE(h.game.form.find(id).enabled);
        for (const Control& c : h.game.form.hold) EXPECT_TRUE(c.enabled);
    }
}

TEST(Holding, MousePressesHitOnlyTheInsideOfASquare) {
    struct Row {
        float x, y;
        int die;
    };
    // clang-format off
    const Row rows[] = {
        // Centres, then just inside the corners.
        {294, 38, 1}, {358, 38, 2}, {294, 102, 3}, {358, 102, 4}, {294, 166, 5}, {358, 166, 6},
        {264.5f, 8.5f, 1}, {323.5f, 67.5f, 1}, {328.5f, 72.5f, 4}, {387.5f, 195.5f, 6},
        // The edges themselves.
        {264, 38, 0}, {324, 38, 0}, {328, 38, 0}, {388, 38, 0}, {294, 8, 0}, {294, 68, 0},
        {294, 72, 0}, {294, 132, 0}, {294, 136, 0}, {294, 196, 0}, {358, 196, 0},
        // Gaps and elsewhere.
        {326, 38, 0}, {294, 70, 0}, {358, 134, 0}, {326, 134, 0}, {100, 100, 0}, {394, 38, 0},
        {294, 300, 0}, {-5, -5, 0},
    };
    // clang-format on
    int button = 1;
    for (const Row& r : rows) {
        Harness h;
        button = button % 4 + 1;  // any mouse button will do
        h.game.Form_MouseDown(button, 0, r.x, r.y);
        for (int die = 1; die <= 6; ++die)
            EXPECT_EQ(h.held(die), die == r.die) << r.x << "," << r.y << " die " << die;
        h.game.Form_MouseDown(button, 1, r.x, r.y);
        for (int die = 1; die <= 6; ++die) EXPECT_FALSE(h.held(die)) << r.x << "," << r.y;
    }
}

TEST(Holding, ClickingAHoldPictureReleasesItsDie) {
    Harness h;
    h.rollTo({1, 2, 3, 4, 5, 6});
    h.press(5);
    h.game.click({hold, 5});
    EXPECT_FALSE(h.held(5));
    h.game.click({hold, 5});  // hidden now: no click reaches it
    EXPECT_FALSE(h.held(5));
    h.game.hold_Click(5);
    EXPECT_TRUE(h.held(5));
    h.game.hold_Click(5);
    EXPECT_FALSE(h.held(5));
}

TEST(Holding, ADieHeldBetweenTurnsKeepsItsValue) {
    Harness h;
    h.enter({4, 1, 2, 3, 6, 5}, {chance, 0});
    h.press(5);
    EXPECT_TRUE(h.held(5));
    EXPECT_FALSE(h.game.form.hold(5).enabled);
    h.rollTo({1, 1, 1, 1, 6, 1});
    EXPECT_EQ(h.random.taken, 11);
    EXPECT_EQ(h.game.state.dice[5], 6);
    EXPECT_EQ(shownPips(h.game.form, 5), pipsOfFace(6));
}

}  // namespace
}  // namespace quorbel::test
