#include "game/categories.h"

namespace quorbel {

namespace {

template <int Face>
CategoryRow upper(std::string_view prefix) {
    return {[](Form& f) -> Control& { return f.numbers(Face); },
            prefix,
            {},
            [](GameState& s) -> int& { return s.facescore[Face]; },
            [](const GameState& s) { return upperRule(s, Face); },
            Recount::Never,
            false};
}

#define QUORBEL_LOWER(label, prefix, fixed, slot, rule, recount)                       \
    CategoryRow {                                                                      \
        [](Form& f) -> Control& { return f.label; }, prefix, fixed,                    \
            [](GameState& s) -> int& { return s.slot; }, rule, Recount::recount, false \
    }

}  // namespace

const std::array<CategoryRow, kCategoryCount> kCategories = [] {
    std::array<CategoryRow, kCategoryCount> rows = {
        upper<1>("Aces:"),
        upper<2>("Twos:"),
        upper<3>("Threes:"),
        upper<4>("Fours:"),
        upper<5>("Fives:"),
        upper<6>("Sixes:"),
        QUORBEL_LOWER(thpair, "3 pairs: ", "", thpairscore, threePairsRule, BeforeGuard),
        QUORBEL_LOWER(thrkind, "3 of a kind: ", "", thrkindscore, threeOfAKindRule, BeforeGuard),
        QUORBEL_LOWER(ttkind, "2 3-of-a-Kinds: ", "", ttkindscore, twoTriplesRule, BeforeGuard),
        QUORBEL_LOWER(frkind, "4 of a kind: ", "", frkindscore, fourOfAKindRule, BeforeGuard),
        QUORBEL_LOWER(fvkind, "5 of a kind: ", "", fvkindscore, fiveOfAKindRule, BeforeGuard),
        QUORBEL_LOWER(sstr, "", "Small Straight: 20", sstrscore, smallStraightRule, AfterGuard),
        QUORBEL_LOWER(lstr, "", "Large Straight: 30", lstrscore, largeStraightRule, AfterGuard),
        QUORBEL_LOWER(gstr, "", "Giant Straight: 50", gstrscore, giantStraightRule, AfterGuard),
        QUORBEL_LOWER(sxkind, "Quorbel: ", "", sxkindscore, sixOfAKindRule, Never),
        QUORBEL_LOWER(chance, "Chance: ", "", chancescore, chanceRule, Never),
    };
    rows[SixOfAKind].scoresWithoutClosing = true;
    return rows;
}();

#undef QUORBEL_LOWER

}  // namespace quorbel
