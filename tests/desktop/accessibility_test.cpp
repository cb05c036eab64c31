// The names assistive technology reads for each control, as a game goes on.
#include "game/spoken.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dice/geometry.h"
#include "game/quorbel.h"
#include "random_sources.h"

namespace quorbel {
namespace {

using enum ControlName;

struct Game {
    test::ScriptedRandom dice;
    Quorbel q{dice, Services{}};
    Game() { q.Form_Load(); }
    std::string name(ControlId id) { return accessibleName(q, id); }
    void roll(std::initializer_list<int> faces) {
        dice.queueFaces(faces);
        q.press_Click();
    }
    void press(int die) { q.Form_MouseDown(1, 0, dieCentre(die).x, dieCentre(die).y); }
};

struct Case {
    const char* what;
    std::function<void(Game&)> play;
    std::vector<std::pair<ControlId, std::string>> names;
    std::string news;  // what a reader hears of the last event without a key
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class Names : public ::testing::TestWithParam<Case> {};

TEST_P(Names, SayWhatThePlayerSees) {
    Game game;
    GetParam().play(game);
    for (const auto& [id, expected] : GetParam().names)
        EXPECT_EQ(game.name(id), expected) << GetParam().what;
    EXPECT_EQ(game.q.news.value_or(""), GetParam().news);
}

INSTANTIATE_TEST_SUITE_P(
    AsTheGameGoesOn, Names,
    ::testing::Values(Case{"a fresh game",
                           [](Game&) {},
                           {{{numbers, 1}, "Aces, open"},
                            {{chance}, "Chance, open"},
                            {{Rect, 1}, "Die 1, blank"},
                            {{press}, "Roll, 0 of 5 rolls used"},
                            {{totu}, "Upper total: 0"},
                            {{totl}, "Lower total: 0"},
                            {{tott}, "Grand total: 0"},
                            {{upscores}, "Upper Scores"},
                            {{hold, 3}, ""},
                            {{pip, 25}, ""}},
                           ""},
                      Case{"after one roll",
                           [](Game& g) {
                               g.roll({1, 2, 3, 4, 5, 6});
                           },
                           {{{Rect, 1}, "Die 1 shows 1"},
                            {{Rect, 4}, "Die 4 shows 4"},
                            {{Rect, 6}, "Die 6 shows 6"},
                            {{press}, "Roll, 1 of 5 rolls used"}},
                           "Rolled 1, 2, 3, 4, 5, 6; 1 of 5 rolls used"},
                      Case{"held dice keep their faces; the news says which are held",
                           [](Game& g) {
                               g.roll({6, 2, 3, 6, 5, 1});
                               g.press(1);
                               g.press(4);
                               g.roll({4, 4, 2, 2});
                           },
                           {{{Rect, 1}, "Die 1 shows 6"},
                            {{Rect, 2}, "Die 2 shows 4"},
                            {{Rect, 4}, "Die 4 shows 6"},
                            {{press}, "Roll, 2 of 5 rolls used"}},
                           "Rolled 6 held, 4, 4, 6 held, 2, 2; 2 of 5 rolls used"},
                      Case{"a die held before any roll",
                           [](Game& g) { g.press(2); },
                           {{{Rect, 2}, "Die 2, blank"}, {{Rect, 1}, "Die 1, blank"}},
                           ""},
                      Case{"all five rolls used",
                           [](Game& g) {
                               for (int r = 0; r < 5; ++r) g.roll({1, 1, 2, 2, 3, 3});
                           },
                           {{{press}, "Roll, 5 of 5 rolls used"}},
                           "Rolled 1, 1, 2, 2, 3, 3; 5 of 5 rolls used, Roll is spent"},
                      Case{"a scored row is closed and the turn starts afresh",
                           [](Game& g) {
                               g.roll({6, 5, 4, 3, 2, 1});
                               g.press(3);
                               g.q.chance_Click();
                           },
                           {{{chance}, "Chance: 21, closed"},
                            {{totl}, "Lower total: 21"},
                            {{tott}, "Grand total: 21"},
                            {{Rect, 3}, "Die 3, blank"},
                            {{press}, "Roll, 0 of 5 rolls used"}},
                           "Chance: 21. Upper total 0, lower total 21, total 21"},
                      Case{"a row that the dice do not fit closes with no points",
                           [](Game& g) {
                               g.roll({1, 2, 3, 4, 5, 6});
                               g.q.thpair_Click();
                           },
                           {{{thpair}, "3 Pairs: 0, closed"}, {{tott}, "Grand total: 0"}},
                           "3 Pairs: 0. Upper total 0, lower total 0, total 0"},
                      Case{"six of a kind scores and stays open",
                           [](Game& g) {
                               g.roll({3, 3, 3, 3, 3, 3});
                               g.q.sxkind_Click();
                           },
                           {{{sxkind}, "Quorbel: 100, open"}, {{tott}, "Grand total: 100"}},
                           "Quorbel: 100. Upper total 0, lower total 100, total 100"},
                      Case{"upper rows read their score",
                           [](Game& g) {
                               g.roll({4, 4, 4, 1, 2, 3});
                               g.q.numbers_Click(4);
                           },
                           {{{numbers, 4}, "Fours: 12, closed"}, {{totu}, "Upper total: 12"}},
                           "Fours: 12. Upper total 12, lower total 0, total 12"},
                      Case{"a restart says so",
                           [](Game& g) {
                               g.roll({4, 4, 4, 1, 2, 3});
                               g.q.restart_Click();
                           },
                           {{{press}, "Roll, 0 of 5 rolls used"}, {{numbers, 4}, "Fours, open"}},
                           "A new game has begun"}));

}  // namespace
}  // namespace quorbel
