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

}  // namespace quorbel
