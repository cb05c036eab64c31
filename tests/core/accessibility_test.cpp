// The names assistive technology reads for each control, as a game goes on.
#include "game/spoken.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

struct Case {
    const char* what;
    std::function<void(Harness&)> play;
    std::vector<std::pair<ControlId, std::string>> names;
    std::string news;  // what a reader hears of the last event without a key
    std::vector<std::pair<ControlId, std::string>> descriptions = {};
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class Names : public ::testing::TestWithParam<Case> {};

TEST_P(Names, SayWhatThePlayerSees) {
    Harness h;
    GetParam().play(h);
    for (const auto& [id, expected] : GetParam().names)
        EXPECT_EQ(accessibleName(h.game, id), expected) << GetParam().what;
    EXPECT_EQ(h.game.news.value_or(""), GetParam().news);
    for (const auto& [id, expected] : GetParam().descriptions)
        EXPECT_EQ(accessibleDescription(h.game, id), expected) << GetParam().what;
}

// Plays one turn per category, each with the same dice, to the end of the game.
void closeEverything(Harness& h, const Faces& dice) {
    for (ControlId id : categoryLabels()) h.enter(dice, id);
}

// clang-format off
const Case kCases[] = {
    {"a fresh game", [](Harness&) {},
     {{{numbers, 1}, "Aces, open"}, {{chance}, "Chance, open"}, {{Rect, 1}, "Die 1, blank"},
      {{press}, "Roll, 0 of 5 rolls used"}, {{totu}, "Upper total: 0"},
      {{totl}, "Lower total: 0"}, {{tott}, "Grand total: 0"}, {{upscores}, "Upper Scores"},
      {{hold, 3}, ""}, {{pip, 25}, ""}},
     "", {{{chance}, ""}, {{numbers, 1}, ""}}},
    {"after one roll", [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); },
     {{{Rect, 1}, "Die 1 shows 1"}, {{Rect, 4}, "Die 4 shows 4"}, {{Rect, 6}, "Die 6 shows 6"},
      {{press}, "Roll, 1 of 5 rolls used"}},
     "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used",
     {{{chance}, "Would score 21"}, {{thpair}, "Would close with 0"}, {{gstr}, "Would score 50"},
      {{numbers, 4}, "Would score 4"}, {{sxkind}, "Would close with 0"},
      {{press}, "Dice: 1, 2, 3, 4, 5, 6"}}},
    {"held dice keep their faces; the news says which are held",
     [](Harness& h) {
         h.rollTo({6, 2, 3, 6, 5, 1});
         h.press(1);
         h.press(4);
         h.rollTo({6, 4, 4, 6, 2, 2});
     },
     {{{Rect, 1}, "Die 1 shows 6"}, {{Rect, 2}, "Die 2 shows 4"}, {{Rect, 4}, "Die 4 shows 6"},
      {{press}, "Roll, 2 of 5 rolls used"}},
     "Rolled 6 held, 4, 4, 6 held, 2, 2; 2 of 5 rolls used",
     {{{press}, "Dice: 6 held, 4, 4, 6 held, 2, 2"}}},
    {"a die held before any roll", [](Harness& h) { h.press(2); },
     {{{Rect, 2}, "Die 2, blank"}, {{Rect, 1}, "Die 1, blank"}}, ""},
    {"all five rolls used",
     [](Harness& h) { for (int r = 0; r < 5; ++r) h.rollTo({1, 1, 2, 2, 3, 3}); },
     {{{press}, "Roll, 5 of 5 rolls used"}},
     "Rolled 1, 1, 2, 2, 3, 3; 5 of 5 rolls used, Roll is spent"},
    {"a scored row is closed and the turn starts afresh",
     [](Harness& h) {
         h.rollTo({6, 5, 4, 3, 2, 1});
         h.press(3);
         h.game.chance_Click();
     },
     {{{chance}, "Chance: 21, closed"}, {{totl}, "Lower total: 21"},
      {{tott}, "Grand total: 21"}, {{Rect, 3}, "Die 3, blank"},
      {{press}, "Roll, 0 of 5 rolls used"}},
     "Chance: 21. Upper total 0, lower total 21, total 21", {{{press}, ""}}},
    {"a row that the dice do not fit closes with no points",
     [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); h.game.thpair_Click(); },
     {{{thpair}, "3 Pairs: 0, closed"}, {{tott}, "Grand total: 0"}},
     "3 Pairs: 0. Upper total 0, lower total 0, total 0"},
    {"six of a kind scores and stays open",
     [](Harness& h) { h.rollTo({3, 3, 3, 3, 3, 3}); h.game.sxkind_Click(); },
     {{{sxkind}, "Quorbel: 100, open"}, {{tott}, "Grand total: 100"}},
     "Quorbel: 100. Upper total 0, lower total 100, total 100", {{{sxkind}, ""}}},
    {"six of a kind that has scored says what another would add",
     [](Harness& h) { h.enter({3, 3, 3, 3, 3, 3}, {sxkind}); h.rollTo({5, 5, 5, 5, 5, 5}); },
     {}, "Rolled 5, 5, 5, 5, 5, 5; 1 of 5 rolls used",
     {{{sxkind}, "Would add 150"}, {{fvkind}, "Would score 50"},
      {{numbers, 1}, "Would close with 0"}}},
    {"a closed row says nothing more; six of a kind that would close keeps its score",
     [](Harness& h) {
         h.enter({3, 3, 3, 3, 3, 3}, {sxkind});
         h.enter({1, 2, 3, 4, 5, 6}, {chance});
         h.rollTo({1, 2, 3, 4, 5, 6});
     },
     {}, "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used",
     {{{chance}, ""}, {{sxkind}, "Would close, keeping 100"}}},
    {"a die's key holds even a blank die, and says so", [](Harness& h) { h.game.dieKey(5); },
     {{{Rect, 5}, "Die 5, blank"}}, "Die 5 held"},
    {"pressed again, a die's key lets the die go",
     [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); h.game.dieKey(2); h.game.dieKey(2); },
     {{{Rect, 2}, "Die 2 shows 2"}}, "Die 2 released"},
    {"the dice on request",
     [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); h.press(3); h.game.sayDice(); },
     {}, "Dice 1, 2, 3 held, 4, 5, 6; 1 of 5 rolls used"},
    {"no dice before a roll", [](Harness& h) { h.game.sayDice(); }, {}, "Dice not rolled yet"},
    {"the totals on request, and how far the bonus is",
     [](Harness& h) { h.enter({4, 4, 4, 1, 2, 3}, {numbers, 4}); h.game.sayTotals(); },
     {}, "Upper total 12, 64 short of the bonus; lower total 0; total 12"},
    {"the totals once the bonus is won",
     [](Harness& h) {
         for (int face : {4, 5, 6}) h.enter({face, face, face, face, face, face}, {numbers, face});
         h.game.sayTotals();
     },
     {}, "Upper total 132 with the bonus; lower total 0; total 132"},
    {"the totals once the bonus is out of reach",
     [](Harness& h) { closeEverything(h, {1, 1, 2, 2, 3, 5}); h.game.sayTotals(); },
     {}, "Upper total 14, no bonus; lower total 14; total 28"},
    {"the last result again, after a hold", [](Harness& h) {
         h.rollTo({1, 2, 3, 4, 5, 6});
         h.game.dieKey(1);
         h.game.sayAgain();
     }, {}, "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used"},
    {"the last result of a new game", [](Harness& h) { h.game.sayAgain(); }, {},
     "A new game has begun"},
    {"the last result of a finished game is its rating",
     [](Harness& h) { closeEverything(h, {1, 1, 2, 2, 3, 5}); h.game.sayAgain(); },
     {}, "You must have rushed through the game to get  28 points..."},
    {"upper rows read their score",
     [](Harness& h) { h.rollTo({4, 4, 4, 1, 2, 3}); h.game.numbers_Click(4); },
     {{{numbers, 4}, "Fours: 12, closed"}, {{totu}, "Upper total: 12"}},
     "Fours: 12. Upper total 12, lower total 0, total 12"},
    {"a restart says so",
     [](Harness& h) { h.rollTo({4, 4, 4, 1, 2, 3}); h.game.restart_Click(); },
     {{{press}, "Roll, 0 of 5 rolls used"}, {{numbers, 4}, "Fours, open"}},
     "A new game has begun"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(AsTheGameGoesOn, Names, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace quorbel::test
