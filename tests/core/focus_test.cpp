// Where keyboard focus goes: the Tab order, the arrow keys, and where the game sends it.
#include <gtest/gtest.h>

#include "game/focus.h"
#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

TEST(Focus, ArrowsStepThroughTheDiceGridAndAlongTheWholeSheet) {
    struct Step {
        ControlId from;
        Arrow arrow;
        ControlId to;
    };
    const Step steps[] = {
        {{Rect, 1}, Arrow::Right, {Rect, 2}},      {{Rect, 2}, Arrow::Right, {Rect, 2}},
        {{Rect, 2}, Arrow::Left, {Rect, 1}},       {{Rect, 1}, Arrow::Left, {numbers, 1}},
        {{Rect, 1}, Arrow::Down, {Rect, 3}},       {{Rect, 4}, Arrow::Down, {Rect, 6}},
        {{Rect, 6}, Arrow::Down, {Rect, 6}},       {{Rect, 5}, Arrow::Up, {Rect, 3}},
        {{Rect, 2}, Arrow::Up, {Rect, 2}},         {{numbers, 1}, Arrow::Up, {numbers, 1}},
        {{numbers, 1}, Arrow::Down, {numbers, 2}}, {{numbers, 6}, Arrow::Down, {totu, 0}},
        {{thpair, 0}, Arrow::Left, {totu, 0}},     {{sxkind, 0}, Arrow::Right, {chance, 0}},
        {{chance, 0}, Arrow::Down, {totl, 0}},     {{press, 0}, Arrow::Down, {press, 0}},
        {{tott, 0}, Arrow::Up, {totl, 0}},         {{tott, 0}, Arrow::Down, {tott, 0}},
        {{restart, 0}, Arrow::Left, {numbers, 1}}, {{exitgame, 0}, Arrow::Up, {exitgame, 0}},
    };
    for (const Step& s : steps)
        EXPECT_EQ(arrowNeighbour(s.from, s.arrow), s.to)
            << nameOf(s.from) << " arrow " << static_cast<int>(s.arrow);
}

TEST(Focus, ALetterGoesToTheNextOpenCategoryOfItsName) {
    Harness h;
    h.enter({1, 2, 3, 4, 5, 6}, {ttkind});
    struct Step {
        ControlId from;
        char key;
        bool backwards;
        ControlId to;
    };
    const Step steps[] = {
        {{press}, 'K', false, {thrkind}},   {{press}, 'K', true, {fvkind}},
        {{thrkind}, 'K', false, {frkind}},  {{fvkind}, 'K', false, {thrkind}},
        {{thrkind}, 'K', true, {fvkind}},   {{numbers, 3}, 'T', false, {numbers, 2}},
        {{numbers, 6}, 'S', false, {sstr}}, {{Rect, 4}, 'C', true, {chance}},
        {{chance}, 'C', false, {chance}},   {{totu}, 'X', false, {totu}},
        {{Rect, 2}, 'R', false, {Rect, 2}}, {{numbers, 1}, 'A', false, {numbers, 1}},
    };
    for (const Step& s : steps)
        EXPECT_EQ(categoryByKey(h.game.form, s.from, s.key, s.backwards), s.to)
            << nameOf(s.from) << " " << s.key << (s.backwards ? " backwards" : "");
}

// Any open category is at most two letters away from anywhere, forwards or backwards.
TEST(Focus, EveryCategoryIsTwoLettersAwayAtMost) {
    const Form form = Harness().game.form;
    for (ControlId from : focusChain())
        for (const Category& c : kCategories) {
            int fewest = from == c.label ? 0 : 99;
            for (bool backwards : {false, true}) {
                ControlId at = from;
                for (int keys = 1; keys <= 4 && keys < fewest; ++keys)
                    if ((at = categoryByKey(form, at, c.key, backwards)) == c.label) fewest = keys;
            }
            EXPECT_LE(fewest, 2) << nameOf(c.label) << " from " << nameOf(from);
        }
}

TEST(Focus, TheGameSendsFocusToRollDieOneAndRestart) {
    Harness h;
    EXPECT_EQ(h.game.focusRequest, (ControlId{press, 0})) << "at start-up";
    h.game.focusRequest.reset();
    for (int roll = 1; roll <= 4; ++roll) h.rollTo({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(h.game.focusRequest) << "Roll keeps the focus while it can roll";
    h.rollTo({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(h.game.focusRequest, (ControlId{Rect, 1})) << "Roll is spent";
    h.game.click({chance, 0});
    EXPECT_EQ(h.game.focusRequest, (ControlId{press, 0})) << "a new turn";
    for (ControlId id : categoryLabels())
        if (!(id == ControlId{chance, 0})) h.enter({1, 1, 2, 2, 3, 5}, id);
    EXPECT_EQ(h.game.focusRequest, (ControlId{restart, 0})) << "the end of the game";
    h.game.click({restart, 0});
    EXPECT_EQ(h.game.focusRequest, (ControlId{press, 0})) << "a new game";
}

}  // namespace
}  // namespace quorbel::test
