// The names assistive technology reads for each control, as a game goes on.
#include "game/spoken.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support.h"

namespace quorbel::test {
namespace {

using enum ControlName;

struct Case {
    const char* what;
    std::function<void(Harness&)> play;
    std::vector<std::pair<ControlId, std::string>> names;
    std::string news;  // what a reader hears of the last event without a key
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
}

// clang-format off
const Case kCases[] = {
    {"a fresh game", [](Harness&) {},
     {{{numbers, 1}, "Aces, open"}, {{chance}, "Chance, open"}, {{Rect, 1}, "Die 1, blank"},
      {{press}, "Roll, 0 of 5 rolls used"}, {{totu}, "Upper total: 0"},
      {{totl}, "Lower total: 0"}, {{tott}, "Grand total: 0"}, {{upscores}, "Upper Scores"},
      {{hold, 3}, ""}, {{pip, 25}, ""}},
     ""},
    {"after one roll", [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); },
     {{{Rect, 1}, "Die 1 shows 1"}, {{Rect, 4}, "Die 4 shows 4"}, {{Rect, 6}, "Die 6 shows 6"},
      {{press}, "Roll, 1 of 5 rolls used"}},
     "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used"},
    {"held dice keep their faces; the news says which are held",
     [](Harness& h) {
         h.rollTo({6, 2, 3, 6, 5, 1});
         h.press(1);
         h.press(4);
         h.rollTo({6, 4, 4, 6, 2, 2});
     },
     {{{Rect, 1}, "Die 1 shows 6"}, {{Rect, 2}, "Die 2 shows 4"}, {{Rect, 4}, "Die 4 shows 6"},
      {{press}, "Roll, 2 of 5 rolls used"}},
     "Rolled 6 held, 4, 4, 6 held, 2, 2; 2 of 5 rolls used"},
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
     "Chance: 21. Upper total 0, lower total 21, total 21"},
    {"a row that the dice do not fit closes with no points",
     [](Harness& h) { h.rollTo({1, 2, 3, 4, 5, 6}); h.game.thpair_Click(); },
     {{{thpair}, "3 Pairs: 0, closed"}, {{tott}, "Grand total: 0"}},
     "3 Pairs: 0. Upper total 0, lower total 0, total 0"},
    {"six of a kind scores and stays open",
     [](Harness& h) { h.rollTo({3, 3, 3, 3, 3, 3}); h.game.sxkind_Click(); },
     {{{sxkind}, "Quorbel: 100, open"}, {{tott}, "Grand total: 100"}},
     "Quorbel: 100. Upper total 0, lower total 100, total 100"},
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
