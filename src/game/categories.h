// The sixteen categories of the score sheet, one plain row each.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "game/game_state.h"
#include "game/rules.h"
#include "ui/form.h"

namespace quorbel {

// When a click recounts the faces: some categories recount even when closed.
enum class Recount { Never, BeforeGuard, AfterGuard };

struct Category {
    ControlId label;                 // the label that shows the score and takes the clicks
    int face = 0;                    // 1..6 for Aces..Sixes, 0 for the lower sheet
    int GameState::*slot = nullptr;  // a lower category's score; Aces..Sixes use facescore
    Outcome (*rule)(const GameState&) = nullptr;
    std::string_view claimedPrefix;  // followed by the formatted score
    std::string_view fixedCaption;   // the straights show a fixed text instead
    Recount recount = Recount::Never;
    bool scoresWithoutClosing = false;  // six of a kind scores again and again until closed
    char key = 0;  // moves the focus here: its name's first letter, K for the kinds, P for pairs
};

// The rows in sheet order, named for the code that needs one row in particular.
enum CategoryIndex {
    Aces,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    ThreePairs,
    ThreeOfAKind,
    TwoTriples,
    FourOfAKind,
    FiveOfAKind,
    SmallStraight,
    LargeStraight,
    GiantStraight,
    SixOfAKind,
    Chance,
    kCategoryCount
};

// Each row names only the fields it sets; the rest keep the defaults above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
inline constexpr std::array<Category, kCategoryCount> kCategories = {{
    {.label = {ControlName::numbers, 1}, .face = 1, .rule = upperRule<1>,
     .claimedPrefix = "Aces:", .key = 'A'},
    {.label = {ControlName::numbers, 2}, .face = 2, .rule = upperRule<2>,
     .claimedPrefix = "Twos:", .key = 'T'},
    {.label = {ControlName::numbers, 3}, .face = 3, .rule = upperRule<3>,
     .claimedPrefix = "Threes:", .key = 'T'},
    {.label = {ControlName::numbers, 4}, .face = 4, .rule = upperRule<4>,
     .claimedPrefix = "Fours:", .key = 'F'},
    {.label = {ControlName::numbers, 5}, .face = 5, .rule = upperRule<5>,
     .claimedPrefix = "Fives:", .key = 'F'},
    {.label = {ControlName::numbers, 6}, .face = 6, .rule = upperRule<6>,
     .claimedPrefix = "Sixes:", .key = 'S'},
    {.label = {ControlName::thpair}, .slot = &GameState::thpairscore, .rule = threePairsRule,
     .claimedPrefix = "3 pairs: ", .recount = Recount::BeforeGuard, .key = 'P'},
    {.label = {ControlName::thrkind}, .slot = &GameState::thrkindscore, .rule = threeOfAKindRule,
     .claimedPrefix = "3 of a kind: ", .recount = Recount::BeforeGuard, .key = 'K'},
    {.label = {ControlName::ttkind}, .slot = &GameState::ttkindscore, .rule = twoTriplesRule,
     .claimedPrefix = "2 3-of-a-Kinds: ", .recount = Recount::BeforeGuard, .key = 'K'},
    {.label = {ControlName::frkind}, .slot = &GameState::frkindscore, .rule = fourOfAKindRule,
     .claimedPrefix = "4 of a kind: ", .recount = Recount::BeforeGuard, .key = 'K'},
    {.label = {ControlName::fvkind}, .slot = &GameState::fvkindscore, .rule = fiveOfAKindRule,
     .claimedPrefix = "5 of a kind: ", .recount = Recount::BeforeGuard, .key = 'K'},
    {.label = {ControlName::sstr}, .slot = &GameState::sstrscore, .rule = smallStraightRule,
     .fixedCaption = "Small Straight: 20", .recount = Recount::AfterGuard, .key = 'S'},
    {.label = {ControlName::lstr}, .slot = &GameState::lstrscore, .rule = largeStraightRule,
     .fixedCaption = "Large Straight: 30", .recount = Recount::AfterGuard, .key = 'L'},
    {.label = {ControlName::gstr}, .slot = &GameState::gstrscore, .rule = giantStraightRule,
     .fixedCaption = "Giant Straight: 50", .recount = Recount::AfterGuard, .key = 'G'},
    {.label = {ControlName::sxkind}, .slot = &GameState::sxkindscore, .rule = sixOfAKindRule,
     .claimedPrefix = "Quorbel: ", .scoresWithoutClosing = true, .key = 'Q'},
    {.label = {ControlName::chance}, .slot = &GameState::chancescore, .rule = chanceRule,
     .claimedPrefix = "Chance: ", .key = 'C'},
}};
// clang-format on
#pragma GCC diagnostic pop

// What entering the dice on view would bring: the category's own rule, over the face
// counts a claim would make. A claim scores exactly this.
Outcome outcomeOf(const GameState& state, const Category& category);

int& slotOf(GameState& state, const Category& category);
int slotOf(const GameState& state, const Category& category);

// The category whose label this is, or none.
const Category* categoryLabelled(ControlId id);

}  // namespace quorbel
