// Closing categories, the end of a turn with its totals, and the end of the game.
#include <gtest/gtest.h>

#include "game/score_text.h"
#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

// Dice with no pattern at all, and six of a kind.
const Faces kNothing = {1, 1, 2, 2, 3, 5};
const Faces kSix = {3, 3, 3, 3, 3, 3};

TEST(Claims, AClosedLabelIgnoresClicks) {
    for (ControlId id : categoryLabels()) {
        for (const Faces& second : {kNothing, kSix, Faces{1, 2, 3, 4, 5, 6}}) {
            Harness h;
            h.enter(kNothing, id);
            h.rollTo(second);
            ASSERT_TRUE(isClosed(h.game.form.find(id)));
            const auto form = snapshot(h.game.form);
            const GameState state = h.game.state;
            h.game.click(id);
            EXPECT_EQ(h.game.state, state) << static_cast<int>(id.name) << "/" << id.index;
            EXPECT_EQ(snapshot(h.game.form), form) << static_cast<int>(id.name) << "/" << id.index;
            EXPECT_EQ(h.game.state.rolls, 1);
        }
    }
}

TEST(Claims, EveryClosingCountsOnceAndTurnsItsLabelBlue) {
    Harness h;
    for (int i = 0; i < 16; ++i) {
        const ControlId id = categoryLabels()[static_cast<std::size_t>(i)];
        const auto blue = [&] {
            int n = 0;
            for (ControlId other : categoryLabels()) n += isClosed(h.game.form.find(other));
            return n;
        };
        EXPECT_EQ(blue(), i);
        EXPECT_TRUE(h.messages.empty());
        h.enter(i % 2 ? kNothing : Faces{6, 5, 4, 3, 2, 1}, id);
        EXPECT_EQ(h.game.state.claimed, i + 1);
        EXPECT_TRUE(isClosed(h.game.form.find(id)));
        EXPECT_EQ(blue(), i + 1);
    }
}

TEST(Claims, SixOfAKindScoresAgainAndAgainUntilClosed) {
    Harness h;
    h.enter(kNothing, {chance, 0});
    const struct {
        int face;
        const char* caption;
    } scores[] = {{4, "Quorbel:  100"}, {2, "Quorbel:  250"}, {6, "Quorbel:  400"}};
    for (const auto& [face, caption] : scores) {
        h.enter({face, face, face, face, face, face}, {sxkind, 0});
        EXPECT_EQ(h.game.form.sxkind.caption, caption);
        EXPECT_FALSE(isClosed(h.game.form.sxkind));
        EXPECT_EQ(h.game.state.claimed, 1);
        EXPECT_FALSE(h.game.form.sxkind.enabled);  // the turn has ended
    }
    EXPECT_EQ(h.game.state.sxkindscore, 400);
    h.enter({5, 5, 5, 5, 5, 4}, {sxkind, 0});
    EXPECT_TRUE(isClosed(h.game.form.sxkind));
    EXPECT_EQ(h.game.state.claimed, 2);
    EXPECT_EQ(h.game.state.sxkindscore, 400);
    EXPECT_EQ(h.game.form.sxkind.caption, "Quorbel:  400");
    EXPECT_EQ(h.game.state.lowertotal, 414);
    EXPECT_EQ(h.game.form.totl.caption, "Total: 414");
    h.enter({1, 1, 1, 1, 1, 1}, {sxkind, 0});  // closed: six of a kind no longer counts
    EXPECT_EQ(h.game.state.sxkindscore, 400);
    EXPECT_EQ(h.game.state.rolls, 1);
}

TEST(Claims, LongSeriesOfSixOfAKindDoesNotWrap) {
    for (const auto& [scores, slot] : {std::pair{20, 2950}, {219, 32800}}) {
        Harness h;
        for (int n = 0; n < scores; ++n) h.enter(kSix, {sxkind, 0});
        EXPECT_EQ(h.game.state.sxkindscore, slot);
        EXPECT_EQ(h.game.state.lowertotal, slot);
        EXPECT_EQ(h.game.state.grandtotal, slot);
        EXPECT_EQ(h.game.form.totl.caption, "Total: " + std::to_string(slot));
        EXPECT_EQ(h.game.form.tott.caption, "Total: " + std::to_string(slot));
        EXPECT_EQ(h.game.form.sxkind.caption, "Quorbel:  " + std::to_string(slot));
        // Close the rest with dice worth 14 in the upper sheet and 14 as chance.
        for (ControlId id : categoryLabels()) h.enter(kNothing, id);
        EXPECT_EQ(h.game.state.sxkindscore, slot);
        EXPECT_EQ(h.messages,
                  std::vector<std::string>{
                      "You have finished the game with an almost impossible score of  " +
                      std::to_string(slot + 28) + " points! How'd you do it?"});
    }
}

struct Turn {
    Faces dice;
    ControlId label;
};

TEST(EndTurn, UpperBonusOnlyAboveSeventyFive) {
    for (const auto& [aces, upper] :
         {std::pair{Faces{1, 2, 2, 2, 2, 2}, 75}, {{1, 1, 2, 2, 2, 2}, 118}}) {
        Harness h;
        h.enter({6, 6, 6, 6, 6, 6}, {numbers, 6});
        h.enter({5, 5, 5, 5, 5, 5}, {numbers, 5});
        h.enter({4, 4, 1, 1, 1, 1}, {numbers, 4});
        EXPECT_EQ(h.game.state.uppertotal, 74);
        h.enter(aces, {numbers, 1});
        EXPECT_EQ(h.game.state.uppertotal, upper);
        EXPECT_EQ(h.game.form.totu.caption, "Total: " + std::to_string(upper));
        EXPECT_EQ(h.game.state.grandtotal, upper);
        EXPECT_EQ(h.game.form.tott.caption, "Total: " + std::to_string(upper));
    }
}

TEST(EndTurn, TotalsAndTheNextTurnsStart) {
    Harness h;
    const Turn turns[] = {
        {{3, 1, 4, 6, 5, 2}, {gstr, 0}},     // 50
        {{6, 6, 6, 6, 5, 5}, {chance, 0}},   // 34
        {{2, 2, 3, 2, 5, 2}, {numbers, 2}},  // 8
        {{1, 1, 2, 2, 3, 5}, {lstr, 0}},     // 0
    };
    for (const Turn& t : turns) {
        h.rollTo(t.dice);
        h.press(2);
        for (int roll = 2; roll <= 5; ++roll) h.rollTo(t.dice);
        ASSERT_FALSE(h.game.form.press.enabled);
        h.game.click(t.label);
        const Form& f = h.game.form;
        EXPECT_EQ(h.game.state.rolls, 0);
        EXPECT_TRUE(f.press.enabled && f.press.visible);
        for (const Control& c : f.hold) EXPECT_FALSE(c.visible || c.enabled);
        EXPECT_EQ(shownPipCount(f), 0);
        for (ControlId id : categoryLabels()) EXPECT_FALSE(h.game.form.find(id).enabled);
    }
    EXPECT_EQ(h.game.state.lowertotal, 84);
    EXPECT_EQ(h.game.state.uppertotal, 8);
    EXPECT_EQ(h.game.state.grandtotal, 92);
    EXPECT_EQ(h.game.form.totl.caption, "Total: 84");
    EXPECT_EQ(h.game.form.totu.caption, "Total: 8");
    EXPECT_EQ(h.game.form.tott.caption, "Total: 92");
}

TEST(EndGame, TheSixteenthClosingEndsTheGameAndRatesIt) {
    Harness h;
    for (ControlId id : categoryLabels())
        if (id.name != sxkind) h.enter({3, 1, 4, 6, 5, 2}, id);
    EXPECT_FALSE(h.game.isOver());
    EXPECT_TRUE(h.messages.empty());
    h.enter({6, 6, 6, 6, 6, 6}, {sxkind, 0});  // scores, but closes nothing
    EXPECT_FALSE(h.game.isOver());
    h.enter({6, 6, 6, 6, 6, 5}, {sxkind, 0});
    // 21 from the upper sheet; straights 20 + 30 + 50, chance 21, six of a kind 100.
    EXPECT_EQ(h.game.form.tott.caption, "Total: 242");
    EXPECT_TRUE(h.game.isOver());
    EXPECT_FALSE(h.game.form.press.visible);
    EXPECT_TRUE(h.game.form.restart.visible);
    EXPECT_TRUE(h.game.form.exitgame.visible);
    EXPECT_EQ(h.messages,
              std::vector<std::string>{"Next time, try to get a higher score - beat  242 points!"});
}

TEST(EndGame, AGameOfBlankDiceEndsWithoutAMessage) {
    Harness h;
    for (ControlId id : categoryLabels()) h.enter({0, 0, 0, 0, 0, 0}, id);
    EXPECT_EQ(h.random.taken, 0);
    EXPECT_EQ(h.game.state.grandtotal, 0);
    EXPECT_TRUE(h.game.isOver());
    EXPECT_FALSE(h.game.form.press.visible);
    EXPECT_TRUE(h.messages.empty());
}

TEST(Rating, EveryBandAtItsEdges) {
    const struct {
        std::vector<int> totals;
        const char *before, *after;
    } bands[] = {
        {{32800, 1201},
         "You have finished the game with an almost impossible score of  ",
         " points! How'd you do it?"},
        {{1200, 901}, "You have gotten an amazing score of  ", " points! Yippee!"},
        {{900, 601}, "You have somehow gotten an astonishing score of  ", " points!"},
        {{600, 401}, "A wonderful score of  ", " points has found its way into your hands. Cool!"},
        {{400, 300, 281}, "You must have been lucky to get  ", " points."},
        {{280, 151}, "Next time, try to get a higher score - beat  ", " points!"},
        {{150, 81},
         "Figure out a strategy and come back next time.  ",
         " points is not very good."},
        {{80, 7}, "You must have rushed through the game to get  ", " points..."},
    };
    for (const auto& b : bands)
        for (int total : b.totals)
            EXPECT_EQ(ratingMessage(total), b.before + std::to_string(total) + b.after) << total;
    EXPECT_EQ(ratingMessage(6), "You realize you can't get worse than this, right?");
    for (int total = 0; total <= 5; ++total) EXPECT_EQ(ratingMessage(total), std::nullopt);
}

}  // namespace
}  // namespace quorbel::test
