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
    int face = 0;                    // 1..6 for Aces..Sixes, 0 for the lower sheet
    Control Form::*label = nullptr;  // a lower category's label; Aces..Sixes use numbers
    int GameState::*slot = nullptr;  // a lower category's score; Aces..Sixes use facescore
    Outcome (*rule)(const GameState&) = nullptr;
    std::string_view claimedPrefix;  // followed by the formatted score
    std::string_view fixedCaption;   // the straights show a fixed text instead
    Recount recount = Recount::Never;
    bool scoresWithoutClosing = false;  // six of a kind scores again and again until closed
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
    {.face = 1, .rule = upperRule<1>, .claimedPrefix = "Aces:"},
    {.face = 2, .rule = upperRule<2>, .claimedPrefix = "Twos:"},
    {.face = 3, .rule = upperRule<3>, .claimedPrefix = "Threes:"},
    {.face = 4, .rule = upperRule<4>, .claimedPrefix = "Fours:"},
    {.face = 5, .rule = upperRule<5>, .claimedPrefix = "Fives:"},
    {.face = 6, .rule = upperRule<6>, .claimedPrefix = "Sixes:"},
    {.label = &Form::thpair, .slot = &GameState::thpairscore, .rule = threePairsRule,
     .claimedPrefix = "3 pairs: ", .recount = Recount::BeforeGuard},
    {.label = &Form::thrkind, .slot = &GameState::thrkindscore, .rule = threeOfAKindRule,
     .claimedPrefix = "3 of a kind: ", .recount = Recount::BeforeGuard},
    {.label = &Form::ttkind, .slot = &GameState::ttkindscore, .rule = twoTriplesRule,
     .claimedPrefix = "2 3-of-a-Kinds: ", .recount = Recount::BeforeGuard},
    {.label = &Form::frkind, .slot = &GameState::frkindscore, .rule = fourOfAKindRule,
     .claimedPrefix = "4 of a kind: ", .recount = Recount::BeforeGuard},
    {.label = &Form::fvkind, .slot = &GameState::fvkindscore, .rule = fiveOfAKindRule,
     .claimedPrefix = "5 of a kind: ", .recount = Recount::BeforeGuard},
    {.label = &Form::sstr, .slot = &GameState::sstrscore, .rule = smallStraightRule,
     .fixedCaption = "Small Straight: 20", .recount = Recount::AfterGuard},
    {.label = &Form::lstr, .slot = &GameState::lstrscore, .rule = largeStraightRule,
     .fixedCaption = "Large Straight: 30", .recount = Recount::AfterGuard},
    {.label = &Form::gstr, .slot = &GameState::gstrscore, .rule = giantStraightRule,
     .fixedCaption = "Giant Straight: 50", .recount = Recount::AfterGuard},
    {.label = &Form::sxkind, .slot = &GameState::sxkindscore, .rule = sixOfAKindRule,
     .claimedPrefix = "Quorbel: ", .scoresWithoutClosing = true},
    {.label = &Form::chance, .slot = &GameState::chancescore, .rule = chanceRule,
     .claimedPrefix = "Chance: "},
}};
// clang-format on
#pragma GCC diagnostic pop

Control& labelOf(Form& form, const Category& category);
const Control& labelOf(const Form& form, const Category& category);
int& slotOf(GameState& state, const Category& category);
int slotOf(const GameState& state, const Category& category);

// The sixteen category labels' ids, in the table's order.
const std::array<ControlId, kCategoryCount>& categoryLabelIds();

// The category whose label this is, or none.
const Category* categoryLabelled(ControlId id);

}  // namespace quorbel
