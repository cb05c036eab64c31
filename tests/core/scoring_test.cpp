// What each category makes of the dice, one claimed turn at a time, and every throw
// of six dice checked against a plain statement of each rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "game/categories.h"
#include "game/spoken.h"
#include "support.h"

namespace quorbel::test {
namespace {

using enum ControlName;

int slotOf(const GameState& s, CategoryIndex c) {
    // Three pairs to chance, in the sheet's order.
    static constexpr int GameState::*kLower[] = {&GameState::thpairscore, &GameState::thrkindscore,
                                                 &GameState::ttkindscore, &GameState::frkindscore,
                                                 &GameState::fvkindscore, &GameState::sstrscore,
                                                 &GameState::lstrscore,   &GameState::gstrscore,
                                                 &GameState::sxkindscore, &GameState::chancescore};
    return c < ThreePairs ? s.facescore[c - Aces + 1] : s.*kLower[c - ThreePairs];
}

struct Claim {
    Faces dice;
    CategoryIndex category;
    int score;
    const char* caption;
};

const Claim kClaims[] = {
    // Upper section and chance take any dice.
    {{2, 2, 3, 2, 5, 2}, Twos, 8, "Twos: 8"},
    {{2, 3, 4, 5, 6, 6}, Aces, 0, "Aces: 0"},
    {{1, 1, 4, 1, 2, 3}, Aces, 3, "Aces: 3"},
    {{1, 3, 3, 3, 6, 3}, Threes, 12, "Threes: 12"},
    {{4, 1, 4, 2, 4, 3}, Fours, 12, "Fours: 12"},
    {{5, 5, 5, 5, 5, 1}, Fives, 25, "Fives: 25"},
    {{6, 6, 6, 6, 6, 6}, Sixes, 36, "Sixes: 36"},
    {{6, 6, 6, 6, 6, 6}, Chance, 36, "Chance:  36"},
    {{1, 2, 3, 4, 5, 6}, Chance, 21, "Chance:  21"},
    {{1, 1, 1, 1, 1, 1}, Chance, 6, "Chance:  6"},
    // Three of a kind: exactly one face three times or more; two thirds of the sum.
    {{3, 3, 3, 1, 2, 4}, ThreeOfAKind, 10, "3 of a kind:  10"},
    {{5, 5, 5, 2, 2, 1}, ThreeOfAKind, 13, "3 of a kind:  13"},
    {{5, 5, 5, 4, 1, 1}, ThreeOfAKind, 14, "3 of a kind:  14"},
    {{3, 3, 3, 5, 5, 5}, ThreeOfAKind, 0, "3 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 2}, ThreeOfAKind, 13, "3 of a kind:  13"},
    {{4, 4, 4, 4, 2, 1}, ThreeOfAKind, 12, "3 of a kind:  12"},
    {{2, 5, 5, 5, 5, 5}, ThreeOfAKind, 18, "3 of a kind:  18"},
    {{6, 6, 6, 6, 6, 6}, ThreeOfAKind, 24, "3 of a kind:  24"},
    {{1, 1, 2, 2, 3, 4}, ThreeOfAKind, 0, "3 of a Kind: 0"},
    // Four of a kind: the sum of the dice.
    {{3, 3, 3, 1, 2, 4}, FourOfAKind, 0, "4 of a Kind: 0"},
    {{5, 5, 5, 2, 2, 1}, FourOfAKind, 0, "4 of a Kind: 0"},
    {{3, 3, 3, 5, 5, 5}, FourOfAKind, 0, "4 of a Kind: 0"},
    {{1, 3, 1, 1, 3, 1}, FourOfAKind, 10, "4 of a kind:  10"},
    {{4, 4, 4, 4, 2, 1}, FourOfAKind, 19, "4 of a kind:  19"},
    {{2, 5, 5, 5, 5, 5}, FourOfAKind, 27, "4 of a kind:  27"},
    {{6, 6, 6, 6, 6, 6}, FourOfAKind, 36, "4 of a kind:  36"},
    {{1, 1, 2, 2, 3, 4}, FourOfAKind, 0, "4 of a Kind: 0"},
    // Five of a kind: ten times the face shown five times, wherever the odd die lies.
    {{3, 3, 3, 1, 2, 4}, FiveOfAKind, 0, "5 of a Kind: 0"},
    {{3, 3, 3, 5, 5, 5}, FiveOfAKind, 0, "5 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 1}, FiveOfAKind, 0, "5 of a Kind: 0"},
    {{4, 4, 4, 4, 2, 2}, FiveOfAKind, 0, "5 of a Kind: 0"},
    {{2, 5, 5, 5, 5, 5}, FiveOfAKind, 50, "5 of a kind:  50"},
    {{5, 2, 5, 5, 5, 5}, FiveOfAKind, 50, "5 of a kind:  50"},
    {{5, 5, 2, 5, 5, 5}, FiveOfAKind, 50, "5 of a kind:  50"},
    {{3, 3, 3, 3, 1, 3}, FiveOfAKind, 30, "5 of a kind:  30"},
    {{6, 6, 6, 6, 6, 6}, FiveOfAKind, 60, "5 of a kind:  60"},
    {{1, 1, 2, 2, 3, 4}, FiveOfAKind, 0, "5 of a Kind: 0"},
    // Six of a kind.
    {{4, 4, 4, 4, 4, 4}, SixOfAKind, 100, "Quorbel:  100"},
    {{4, 4, 4, 4, 4, 1}, SixOfAKind, 0, "Quorbel: 0"},
    {{1, 4, 4, 4, 4, 4}, SixOfAKind, 0, "Quorbel: 0"},
    {{3, 3, 3, 5, 5, 5}, SixOfAKind, 0, "Quorbel: 0"},
    {{4, 4, 4, 4, 2, 1}, SixOfAKind, 0, "Quorbel: 0"},
    {{1, 1, 2, 2, 3, 4}, SixOfAKind, 0, "Quorbel: 0"},
    // Three pairs: four of a kind counts as two pairs, a triple as one.
    {{2, 2, 5, 5, 6, 6}, ThreePairs, 25, "3 pairs:  25"},
    {{4, 4, 4, 4, 1, 1}, ThreePairs, 25, "3 pairs:  25"},
    {{3, 3, 3, 3, 3, 3}, ThreePairs, 25, "3 pairs:  25"},
    {{1, 1, 1, 6, 6, 6}, ThreePairs, 0, "3 Pairs: 0"},
    {{4, 4, 4, 4, 2, 1}, ThreePairs, 0, "3 Pairs: 0"},
    {{2, 5, 5, 5, 5, 5}, ThreePairs, 0, "3 Pairs: 0"},
    {{5, 5, 5, 2, 2, 1}, ThreePairs, 0, "3 Pairs: 0"},
    {{1, 1, 2, 2, 3, 4}, ThreePairs, 0, "3 Pairs: 0"},
    // Two triples.
    {{2, 2, 5, 5, 6, 6}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{4, 4, 4, 4, 1, 1}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{3, 3, 3, 3, 3, 3}, TwoTriples, 10, "2 3-of-a-Kinds:  10"},
    {{1, 1, 1, 6, 6, 6}, TwoTriples, 10, "2 3-of-a-Kinds:  10"},
    {{6, 1, 6, 1, 6, 1}, TwoTriples, 10, "2 3-of-a-Kinds:  10"},
    {{4, 4, 4, 4, 2, 1}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{2, 5, 5, 5, 5, 5}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{5, 5, 5, 2, 2, 1}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{1, 1, 2, 2, 3, 4}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    // Straights: the other dice may show anything.
    {{4, 3, 2, 1, 6, 6}, SmallStraight, 20, "Small Straight: 20"},
    {{2, 3, 4, 5, 5, 2}, SmallStraight, 20, "Small Straight: 20"},
    {{6, 3, 5, 4, 3, 3}, SmallStraight, 20, "Small Straight: 20"},
    {{1, 2, 3, 5, 6, 6}, SmallStraight, 0, "Small Straight: 0"},
    {{1, 3, 4, 6, 6, 6}, SmallStraight, 0, "Small Straight: 0"},
    {{4, 3, 2, 1, 6, 6}, LargeStraight, 0, "Large Straight: 0"},
    {{6, 5, 4, 3, 2, 2}, LargeStraight, 30, "Large Straight: 30"},
    {{1, 2, 3, 4, 5, 5}, LargeStraight, 30, "Large Straight: 30"},
    {{1, 2, 3, 4, 6, 6}, LargeStraight, 0, "Large Straight: 0"},
    {{1, 2, 3, 4, 5, 5}, GiantStraight, 0, "Giant Straight: 0"},
    {{3, 1, 4, 6, 5, 2}, GiantStraight, 50, "Giant Straight: 50"},
    {{1, 2, 3, 4, 5, 6}, SmallStraight, 20, "Small Straight: 20"},
    {{1, 2, 3, 4, 5, 6}, LargeStraight, 30, "Large Straight: 30"},
    // Blank dice (held before the first roll) show no face at all.
    {{0, 0, 0, 5, 5, 5}, ThreeOfAKind, 10, "3 of a kind:  10"},
    {{0, 0, 0, 5, 5, 5}, TwoTriples, 0, "2 3-of-a-Kinds: 0"},
    {{0, 0, 0, 0, 0, 0}, Chance, 0, "Chance:  0"},
    // Six blank dice are not six of a kind.
    {{0, 0, 0, 0, 0, 0}, SixOfAKind, 0, "Quorbel: 0"},
};

TEST(Scoring, EachClaimScoresWritesItsCaptionAndEndsTheTurn) {
    for (const Claim& c : kClaims) {
        Harness h;
        const ControlId id = categoryLabels()[c.category];
        const bool staysOpen = c.category == SixOfAKind && c.score > 0;
        SCOPED_TRACE(c.caption);
        h.rollTo(c.dice);
        EXPECT_EQ(accessibleDescription(h.game, id),
                  c.score > 0 ? "Would score " + std::to_string(c.score) : "Would close with 0")
            << "what a reader hears before the claim";
        h.game.click(id);
        const GameState& s = h.game.state;
        const Control& label = h.game.form.find(id);
        EXPECT_EQ(slotOf(s, c.category), c.score);
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_EQ(isClosed(label), !staysOpen);
        EXPECT_EQ(s.claimed, staysOpen ? 0 : 1);
        EXPECT_EQ(s.grandtotal, c.score);
        EXPECT_EQ(s.rolls, 0);
        EXPECT_EQ(h.random.taken, 6 - std::count(c.dice.begin(), c.dice.end(), 0));
        EXPECT_TRUE(visiblePips(h.game.form).empty());
    }
}

// Each rule said once more, from the sorted faces and the set of faces shown.
Outcome expected(CategoryIndex c, Faces dice) {
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
    switch (c) {
        case Chance:
            return {true, sum};
        case ThreeOfAKind: {
            const bool two = dice[0] == dice[2] && dice[3] == dice[5] && dice[0] != dice[5];
            return when(longest >= 3 && !two, (sum * 2) / 3);
        }
        case FourOfAKind:
            return when(longest >= 4, sum);
        case FiveOfAKind:
            return when(longest >= 5, 10 * dice[2]);  // the middle die
        case SixOfAKind:
            return when(dice[0] == dice[5], 100);
        case ThreePairs:
            return when(allEven, 25);
        case TwoTriples:
            return when(dice[0] == dice[2] && dice[3] == dice[5], 10);
        case SmallStraight:
            return when(has({1, 2, 3, 4}) || has({2, 3, 4, 5}) || has({3, 4, 5, 6}), 20);
        case LargeStraight:
            return when(has({1, 2, 3, 4, 5}) || has({2, 3, 4, 5, 6}), 30);
        case GiantStraight:
            return when(shown.size() == 6, 50);
        default: {
            const int face = c - Aces + 1;
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
        s.facecount = countFaces(s.dice);
        for (int c = 0; c < kCategoryCount; ++c) {
            const Outcome got = kCategories[static_cast<std::size_t>(c)].rule(s);
            const Outcome want = expected(static_cast<CategoryIndex>(c), faces);
            if (got != want && ++mismatches <= 10)
                ADD_FAILURE() << "category " << c << " dice " << faces[0] << faces[1] << faces[2]
                              << faces[3] << faces[4] << faces[5] << ": got " << got.qualifies
                              << "/" << got.score << ", want " << want.qualifies << "/"
                              << want.score;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace quorbel::test
