// The sixteen categories of the score sheet, one plain row each.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "game/rules.h"
#include "ui/form.h"

namespace quorbel {

struct Category {
    ControlId label;                 // the label that shows the score and takes the clicks
    std::string_view name;           // the label reads "name: 0" until the category scores
    int face = 0;                    // 1..6 for Aces..Sixes, 0 for the lower sheet
    int GameState::*slot = nullptr;  // a lower category's score; Aces..Sixes use facescore
    Rule rule = nullptr;
    int points = 0;                     // the fixed score of a rule that only tells if the dice fit
    std::string_view claimedPrefix;     // followed by the formatted score; none: "name: points"
    bool scoresWithoutClosing = false;  // six of a kind scores again and again until closed
    char key = 0;  // moves the focus here: its name's first letter, K for the kinds, P for pairs
};

// Each row names only the fields it sets; the rest keep the defaults above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
inline constexpr std::array kCategories = {
    Category{.label = {ControlName::numbers, 1}, .name = "Aces", .face = 1, .rule = upperRule<1>,
             .claimedPrefix = "Aces:", .key = 'A'},
    Category{.label = {ControlName::numbers, 2}, .name = "Twos", .face = 2, .rule = upperRule<2>,
             .claimedPrefix = "Twos:", .key = 'T'},
    Category{.label = {ControlName::numbers, 3}, .name = "Threes", .face = 3,
             .rule = upperRule<3>, .claimedPrefix = "Threes:", .key = 'T'},
    Category{.label = {ControlName::numbers, 4}, .name = "Fours", .face = 4, .rule = upperRule<4>,
             .claimedPrefix = "Fours:", .key = 'F'},
    Category{.label = {ControlName::numbers, 5}, .name = "Fives", .face = 5, .rule = upperRule<5>,
             .claimedPrefix = "Fives:", .key = 'F'},
    Category{.label = {ControlName::numbers, 6}, .name = "Sixes", .face = 6, .rule = upperRule<6>,
             .claimedPrefix = "Sixes:", .key = 'S'},
    Category{.label = {ControlName::thpair}, .name = "3 Pairs", .slot = &GameState::thpairscore,
             .rule = threePairsRule, .points = 25, .claimedPrefix = "3 pairs: ", .key = 'P'},
    Category{.label = {ControlName::thrkind}, .name = "3 of a Kind",
             .slot = &GameState::thrkindscore, .rule = threeOfAKindRule,
             .claimedPrefix = "3 of a kind: ", .key = 'K'},
    Category{.label = {ControlName::ttkind}, .name = "2 3-of-a-Kinds",
             .slot = &GameState::ttkindscore, .rule = twoTriplesRule,
             .claimedPrefix = "2 3-of-a-Kinds: ", .key = 'K'},
    Category{.label = {ControlName::frkind}, .name = "4 of a Kind",
             .slot = &GameState::frkindscore, .rule = fourOfAKindRule,
             .claimedPrefix = "4 of a kind: ", .key = 'K'},
    Category{.label = {ControlName::fvkind}, .name = "5 of a Kind",
             .slot = &GameState::fvkindscore, .rule = fiveOfAKindRule,
             .claimedPrefix = "5 of a kind: ", .key = 'K'},
    Category{.label = {ControlName::sstr}, .name = "Small Straight", .slot = &GameState::sstrscore,
             .rule = smallStraightRule, .points = 20, .key = 'S'},
    Category{.label = {ControlName::lstr}, .name = "Large Straight", .slot = &GameState::lstrscore,
             .rule = largeStraightRule, .points = 30, .key = 'L'},
    Category{.label = {ControlName::gstr}, .name = "Giant Straight", .slot = &GameState::gstrscore,
             .rule = giantStraightRule, .points = 50, .key = 'G'},
    Category{.label = {ControlName::sxkind}, .name = "Quorbel", .slot = &GameState::sxkindscore,
             .rule = sixOfAKindRule, .claimedPrefix = "Quorbel: ", .scoresWithoutClosing = true,
             .key = 'Q'},
    Category{.label = {ControlName::chance}, .name = "Chance", .slot = &GameState::chancescore,
             .rule = chanceRule, .claimedPrefix = "Chance: ", .key = 'C'},
};
// clang-format on
#pragma GCC diagnostic pop

inline constexpr int kCategoryCount = static_cast<int>(kCategories.size());

// What entering the dice on view would bring: the category's own rule over the dice's face
// counts. A claim scores exactly this.
Outcome outcomeOf(const GameState& state, const Category& category);

// The caption of a label whose category has scored.
std::string claimedCaption(const Category& category, int score);

int& slotOf(GameState& state, const Category& category);
int slotOf(const GameState& state, const Category& category);

// The category whose label this is, or none.
const Category* categoryLabelled(ControlId id);

}  // namespace quorbel
