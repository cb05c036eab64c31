// The sixteen categories of the score sheet, one row each.
#pragma once

#include <array>
#include <string_view>

#include "game/game_state.h"
#include "game/rules.h"
#include "ui/form.h"

namespace quorbel {

enum Category {
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

// When a click recounts the faces: some categories recount even when closed.
enum class Recount { Never, BeforeGuard, AfterGuard };

struct CategoryRow {
    Control& (*label)(Form&);
    std::string_view claimedPrefix;  // followed by the formatted score
    std::string_view fixedCaption;   // the straights show a fixed text instead
    int& (*slot)(GameState&);
    Outcome (*rule)(const GameState&);
    Recount recount;
    bool scoresWithoutClosing;  // six of a kind scores again and again until closed
};

extern const std::array<CategoryRow, kCategoryCount> kCategories;

// Each category's label by id, in the table's order.
inline constexpr std::array<ControlId, kCategoryCount> kCategoryLabelIds = {{
    {ControlName::numbers, 1},
    {ControlName::numbers, 2},
    {ControlName::numbers, 3},
    {ControlName::numbers, 4},
    {ControlName::numbers, 5},
    {ControlName::numbers, 6},
    {ControlName::thpair, 0},
    {ControlName::thrkind, 0},
    {ControlName::ttkind, 0},
    {ControlName::frkind, 0},
    {ControlName::fvkind, 0},
    {ControlName::sstr, 0},
    {ControlName::lstr, 0},
    {ControlName::gstr, 0},
    {ControlName::sxkind, 0},
    {ControlName::chance, 0},
}};

}  // namespace quorbel
