// What each category makes of the dice, one claimed turn at a time, and every throw
// of six dice checked against a plain statement of each rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "game/categories.h"
#include "game/spoken.h"
#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

struct Claim {
    Faces dice;
    ControlId category;
    int score;
    const char* caption;
};

const Claim kClaims[] = {
    // Upper section and chance take any dice.
    {{2, 2, 3, 2, 5, 2}, {numbers, 2}, 8, "Twos: 8"},
    {{2, 3, 4, 5, 6, 6}, {numbers, 1}, 0, "Aces: 0"},
    {{1, 1, 4, 1, 2, 3}, {numbers, 1}, 3, "Aces: 3"},
    {{1, 3, 3, 3, 6, 3}, {numbers, 3}, 12, "Threes: 12"},
    {{4, 1, 4, 2, 4, 3}, {numbers, 4}, 12, "Fours: 12"},
    {{5, 5, 5, 5, 5, 1}, {numbers, 5}, 25, "Fives: 25"},
    {{6, 6, 6, 6, 6, 6}, {numbers, 6}, 36, "Sixes: 36"},
    {{6, 6, 6, 6, 6, 6}, {chance}, 36, "Chance:  36"},
    {{1, 2, 3, 4, 5, 6}, {chance}, 21, "Chance:  21"},
    {{1, 1, 1, 1, 1, 1}, {chance}, 6, "Chance:  6"},
    // Three of a kind: exactly one face three times or more; two thirds of the sum.
    {{3, 3, 3, 1, 2, 4}, {thrkind}, 10, "3 of a kind:  10"},
    {{5, 5, 5, 2, 2, 1}, {thrkind}, 13, "3 of a kind:  13"},
    {{5, 5, 5, 4, 1, 1}, {thrkind}, 14, "3 of a kind:  14"},
    {{3, 3, 3, 5, 5, 5}, {thrkind}, 0, "3 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 2}, {thrkind}, 13, "3 of a kind:  13"},
    {{4, 4, 4, 4, 2, 1}, {thrkind}, 12, "3 of a kind:  12"},
    {{2, 5, 5, 5, 5, 5}, {thrkind}, 18, "3 of a kind:  18"},
    {{6, 6, 6, 6, 6, 6}, {thrkind}, 24, "3 of a kind:  24"},
    {{1, 1, 2, 2, 3, 4}, {thrkind}, 0, "3 of a Kind: 0"},
    // Four of a kind: the sum of the dice.
    {{3, 3, 3, 1, 2, 4}, {frkind}, 0, "4 of a Kind: 0"},
    {{5, 5, 5, 2, 2, 1}, {frkind}, 0, "4 of a Kind: 0"},
    {{3, 3, 3, 5, 5, 5}, {frkind}, 0, "4 of a Kind: 0"},
    {{1, 3, 1, 1, 3, 1}, {frkind}, 10, "4 of a kind:  10"},
    {{4, 4, 4, 4, 2, 1}, {frkind}, 19, "4 of a kind:  19"},
    {{2, 5, 5, 5, 5, 5}, {frkind}, 27, "4 of a kind:  27"},
    {{6, 6, 6, 6, 6, 6}, {frkind}, 36, "4 of a kind:  36"},
    {{1, 1, 2, 2, 3, 4}, {frkind}, 0, "4 of a Kind: 0"},
    // Five of a kind: ten times the face shown five times, wherever the odd die lies.
    {{3, 3, 3, 1, 2, 4}, {fvkind}, 0, "5 of a Kind: 0"},
    {{3, 3, 3, 5, 5, 5}, {fvkind}, 0, "5 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 1}, {fvkind}, 0, "5 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 2}, {fvkind}, 0, "5 of a Kind: 0"},
    {{2, 5, 5, 5, 5, 5}, {fvkind}, 50, "5 of a kind:  50"},
    {{5, 2, 5, 5, 5, 5}, {fvkind}, 50, "5 of a kind:  50"},
    {{5, 5, 2, 5, 5, 5}, {fvkind}, 50, "5 of a kind:  50"},
    {{3, 3, 3, 3, 1, 3}, {fvkind}, 30, "5 of a kind:  30"},
    {{6, 6, 6, 6, 6, 6}, {fvkind}, 60, "5 of a kind:  60"},
    {{1, 1, 2, 2, 3, 4}, {fvkind}, 0, "5 of a Kind: 0"},
    // Six of a kind.
    {{4, 4, 4, 4, 4, 4}, {sxkind}, 100, "Quorbel:  100"},
    {{4, 4, 4, 4, 4, 1}, {sxkind}, 0, "Quorbel: 0"},
    {{1, 4, 4, 4, 4, 4}, {sxkind}, 0, "Quorbel: 0"},
    {{3, 3, 3, 5, 5, 5}, {sxkind}, 0, "Quorbel: 0"},
    {{4, 4, 4, 4, 2, 1}, {sxkind}, 0, "Quorbel: 0"},
    {{1, 1, 2, 2, 3, 4}, {sxkind}, 0, "Quorbel: 0"},
    // Three pairs: four of a kind counts as two pairs, a triple as one.
    {{2, 2, 5, 5, 6, 6}, {thpair}, 25, "3 pairs:  25"},
    {{4, 4, 4, 4, 1, 1}, {thpair}, 25, "3 pairs:  25"},
    {{3, 3, 3, 3, 3, 3}, {thpair}, 25, "3 pairs:  25"},
    {{1, 1, 1, 6, 6, 6}, {thpair}, 0, "3 Pairs: 0"},
    {{4, 4, 4, 4, 2, 1}, {thpair}, 0, "3 Pairs: 0"},
    {{2, 5, 5, 5, 5, 5}, {thpair}, 0, "3 Pairs: 0"},
    {{5, 5, 5, 2, 2, 1}, {thpair}, 0, "3 Pairs: 0"},
    {{1, 1, 2, 2, 3, 4}, {thpair}, 0, "3 Pairs: 0"},
    // Two triples.
    {{2, 2, 5, 5, 6, 6}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{4, 4, 4, 4, 1, 1}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{3, 3, 3, 3, 3, 3}, {ttkind}, 10, "2 3-of-a-Kinds:  10"},
    {{1, 1, 1, 6, 6, 6}, {ttkind}, 10, "2 3-of-a-Kinds:  10"},
    {{6, 1, 6, 1, 6, 1}, {ttkind}, 10, "2 3-of-a-Kinds:  10"},
    {{4, 4, 4, 4, 2, 1}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{2, 5, 5, 5, 5, 5}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{5, 5, 5, 2, 2, 1}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{1, 1, 2, 2, 3, 4}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    // Straights: the other dice may show anything.
    {{4, 3, 2, 1, 6, 6}, {sstr}, 20, "Small Straight: 20"},
    {{2, 3, 4, 5, 5, 2}, {sstr}, 20, "Small Straight: 20"},
    {{6, 3, 5, 4, 3, 3}, {sstr}, 20, "Small Straight: 20"},
    {{1, 2, 3, 5, 6, 6}, {sstr}, 0, "Small Straight: 0"},
    {{1, 3, 4, 6, 6, 6}, {sstr}, 0, "Small Straight: 0"},
    {{4, 3, 2, 1, 6, 6}, {lstr}, 0, "Large Straight: 0"},
    {{6, 5, 4, 3, 2, 2}, {lstr}, 30, "Large Straight: 30"},
    {{1, 2, 3, 4, 5, 5}, {lstr}, 30, "Large Straight: 30"},
    {{1, 2, 3, 4, 6, 6}, {lstr}, 0, "Large Straight: 0"},
    {{1, 2, 3, 4, 5, 5}, {gstr}, 0, "Giant Straight: 0"},
    {{3, 1, 4, 6, 5, 2}, {gstr}, 50, "Giant Straight: 50"},
    {{1, 2, 3, 4, 5, 6}, {sstr}, 20, "Small Straight: 20"},
    {{1, 2, 3, 4, 5, 6}, {lstr}, 30, "Large Straight: 30"},
    // Blank dice (held before the first roll) show no face at all.
    {{0, 0, 0, 5, 5, 5}, {thrkind}, 10, "3 of a kind:  10"},
    {{0, 0, 0, 5, 5, 5}, {ttkind}, 0, "2 3-of-a-Kinds: 0"},
    {{0, 0, 0, 0, 0, 0}, {chance}, 0, "Chance:  0"},
    // Six blank dice are not six of a kind.
    {{0, 0, 0, 0, 0, 0}, {sxkind}, 0, "Quorbel: 0"},
};

TEST(Scoring, EachClaimScoresWritesItsCaptionAndEndsTheTurn) {
    for (const Claim& c : kClaims) {
        Harness h;
        const ControlId id = c.category;
        const bool staysOpen = id.name == sxkind && c.score > 0;
        SCOPED_TRACE(c.caption);
        h.rollTo(c.dice);
        EXPECT_EQ(accessibleDescription(h.game, id),
                  c.score > 0 ? "Would score " + std::to_string(c.score) : "Would close with 0")
            << "what a reader hears before the claim";
        h.game.click(id);
        const GameState& s = h.game.state;
        const Control& label = h.game.form.find(id);
        EXPECT_EQ(slotOf(s, *categoryLabelled(id)), c.score);
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_EQ(isClosed(label), !staysOpen);
        EXPECT_EQ(s.claimed, staysOpen ? 0 : 1);
        EXPECT_EQ(s.grandtotal, c.score);
        EXPECT_EQ(s.rolls, 0);
        EXPECT_EQ(h.random.taken, 6 - std::count(c.dice.begin(), c.dice.end(), 0));
        EXPECT_EQ(shownPipCount(h.game.form), 0);
    }
}

// Each rule said once more, from the sorted faces and the set of faces shown.
Outcome expected(ControlId c, Faces dice) {
    std::sort(dice.begin(), dice.end());
    const int sum = std::accumulate(dice.begin(), dice.end(), 0);
    const std::set<int> shown(dice.begin(), dice.end());
    std::map<int, int> runs;  // face -> how many dice show it
    for (int face : dice) ++runs[face];
    int longest = 0;
    bool allEven = true;
    for (const auto& [face, n] : runs) {
        longest = std::max(longest, n);
        allEven = allEven && n % 2 == 0;
    }
    const auto has = [&](std::initializer_list<int> run) {
        return std::includes(shown.begin(), shown.end(), run.begin(), run.end());
    };
    const auto when = [](bool ok, int score) { return ok ? Outcome{true, score} : Outcome{}; };
    switch (c.name) {
        case chance:
            return {true, sum};
        case thrkind: {
            const bool two = dice[0] == dice[2] && dice[3] == dice[5] && dice[0] != dice[5];
            return when(longest >= 3 && !two, (sum * 2) / 3);
        }
        case frkind:
            return when(longest >= 4, sum);
        case fvkind:
            return when(longest >= 5, 10 * dice[2]);  // the middle die
        case sxkind:
            return when(dice[0] == dice[5], 100);
        case thpair:
            return when(allEven, 25);
        case ttkind:
            return when(dice[0] == dice[2] && dice[3] == dice[5], 10);
        case sstr:
            return when(has({1, 2, 3, 4}) || has({2, 3, 4, 5}) || has({3, 4, 5, 6}), 20);
        case lstr:
            return when(has({1, 2, 3, 4, 5}) || has({2, 3, 4, 5, 6}), 30);
        case gstr:
            return when(shown.size() == 6, 50);
        default: {
            const int face = c.index;
            return {true, face * static_cast<int>(runs.count(face) ? runs[face] : 0)};
        }
    }
}

TEST(Scoring, EveryThrowOfSixDiceInEveryCategory) {
    int mismatches = 0;
    for (int code = 0; code < 46656; ++code) {
        Faces faces{};
        GameState s;
        for (int die = 1, rest = code; die <= 6; ++die, rest /= 6)
            s.dice[die] = faces[static_cast<std::size_t>(die - 1)] = rest % 6 + 1;
        for (const Category& c : kCategories) {
            const Outcome got = outcomeOf(s, c);
            const Outcome want = expected(c.label, faces);
            if (got != want && ++mismatches <= 10)
                ADD_FAILURE() << nameOf(c.label) << " dice " << faces[0] << faces[1] << faces[2]
                              << faces[3] << faces[4] << faces[5] << ": got " << got.qualifies
                              << "/" << got.score << ", want " << want.qualifies << "/"
                              << want.score;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace quorbel::test
